#!/usr/bin/env bash
# Builds the trainer's Debian packages, zun-trainer and zun-trainer-data (installing what that
# needs), into build/package and checks them with lintian, which must report nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/install-deps.sh "${build_packages[@]}" "${package_packages[@]}"
# Built with Debian's own hardening flags, as the distribution's packages are.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# Every file of the packages is dated by the newest changelog entry, not by the build's time.
SOURCE_DATE_EPOCH="$(dpkg-parsechangelog -l packaging/changelog.Debian -S Timestamp)"
export SOURCE_DATE_EPOCH
cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DZUN_BUILD_TESTS=OFF \
    -DZUN_PACKAGE=ON -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --build build/package
rm -f build/package/zun-trainer*.deb
(cd build/package && cpack)
lintian --fail-on error,warning,info build/package/zun-trainer*.deb
ls -l build/package/zun-trainer*.deb
