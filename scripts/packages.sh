# The Debian packages that building and running the trainer needs; xdg-utils is the desktop's
# "open" that shows the manual and the videos.
build_packages=(g++ cmake ninja-build qt6-base-dev qt6-svg-dev fonts-wine fonts-dejavu-core
    xdg-utils)
# The tests also read the installed tree as the desktop, the software centre and man do.
test_packages=(libgtest-dev libgmock-dev desktop-file-utils appstream man-db)
# Making the Debian package and checking it; the compiled help file needs chmcmd.
package_packages=(dpkg-dev file lintian fp-utils)
