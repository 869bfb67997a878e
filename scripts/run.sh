#!/usr/bin/env bash
# Builds the trainer (installing what it needs) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/install-deps.sh "${build_packages[@]}"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DZUN_BUILD_TESTS=OFF
cmake --build build/release
exec build/release/app/zun_trainer "$@"
