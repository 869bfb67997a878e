# The Debian packages that building and running the trainer needs.
build_packages=(g++ cmake ninja-build qt6-base-dev fonts-wine fonts-dejavu-core
    libqt6sql6-sqlite libqt6sql6-psql)
test_packages=(libgtest-dev libgmock-dev postgresql)
