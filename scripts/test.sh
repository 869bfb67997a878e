#!/usr/bin/env bash
# Builds the trainer and its tests (installing what they need) and runs every test: once as
# built for use, once more with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/install-deps.sh "${build_packages[@]}" "${test_packages[@]}"
jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen
source scripts/test-postgres.sh
start_test_postgres

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZUN_WARNINGS_AS_ERRORS=ON
cmake --build build/test
(cd build/test && ctest --output-on-failure --parallel "$jobs")

# Any sanitizer report fails the run; only the system libraries' own leaks are suppressed.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZUN_WARNINGS_AS_ERRORS=ON \
    -DZUN_SANITIZE=ON
cmake --build build/sanitize
(cd build/sanitize && ctest --output-on-failure --parallel "$jobs")
