#!/usr/bin/env bash
# Redraws docs/layers.svg, the picture of the layers in README.md, from docs/layers.dot.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/install-deps.sh "${docs_packages[@]}"
dot -Tsvg docs/layers.dot -o docs/layers.svg
