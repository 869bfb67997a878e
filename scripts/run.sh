#!/usr/bin/env bash
# Builds the trainer with its manual and its videos (installing what they need) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/install-deps.sh "${build_packages[@]}"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DZUN_BUILD_TESTS=OFF \
    -DZUN_VIDEOS=ON
cmake --build build/release
exec build/release/app/zun_trainer "$@"
