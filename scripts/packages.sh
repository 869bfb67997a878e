# The Debian packages that building and running the trainer needs.
build_packages=(g++ cmake ninja-build qt6-base-dev qt6-svg-dev fonts-wine fonts-dejavu-core
    libqt6sql6-sqlite libqt6sql6-psql)
# The tests also read the installed tree as the desktop, the software centre and man do, and keep
# the history in a PostgreSQL server of their own.
test_packages=(libgtest-dev libgmock-dev desktop-file-utils appstream man-db postgresql)
# Making the Debian package and checking it.
package_packages=(dpkg-dev file lintian)
