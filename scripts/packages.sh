# The Debian packages that building and running the trainer needs: xdg-utils is the desktop's
# "open" that shows the manual and the videos, ffmpeg encodes the videos, Qt's translations put
# the standard buttons in Russian.
build_packages=(g++ cmake ninja-build qt6-base-dev qt6-svg-dev fonts-wine fonts-dejavu-core
    libqt6sql6-sqlite libqt6sql6-psql qt6-translations-l10n xdg-utils ffmpeg)
# The tests also read the installed tree as the desktop, the software centre and man do, and keep
# the history in a PostgreSQL server of their own; they set up a centre's class there with psql.
test_packages=(libgtest-dev libgmock-dev desktop-file-utils appstream man-db postgresql
    postgresql-client)
# Making the Debian package and checking it; the compiled help file needs chmcmd.
package_packages=(dpkg-dev file lintian fp-utils ffmpeg)
# Trying the packages on a fresh Debian 12 root, as a training centre's PC gets them.
clean_root_packages=(debootstrap xvfb xdotool imagemagick)
# Drawing the picture of the layers (scripts/draw-layers.sh).
docs_packages=(graphviz)
