#!/usr/bin/env bash
# Builds the trainer and its tests (installing what they need) and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/install-deps.sh "${build_packages[@]}" "${test_packages[@]}"
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZUN_WARNINGS_AS_ERRORS=ON
cmake --build build/test
cd build/test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
