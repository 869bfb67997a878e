# The Debian packages that building and running the trainer needs.
build_packages=(g++ cmake ninja-build qt6-base-dev fonts-wine fonts-dejavu-core)
test_packages=(libgtest-dev libgmock-dev)
