#!/usr/bin/env bash
# Draws the README's pictures of the main screens (both languages, 1280x1024, offscreen) into
# docs/screenshots/. Run it again after changing how a screen looks, and commit the pictures.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/numerava-runtime}
mkdir -p -m 0700 "$XDG_RUNTIME_DIR"
[ -f build/CMakeCache.txt ] || cmake -S . -B build -G Ninja
cmake --build build -j2 --target numerava-screenshots
rm -f docs/screenshots/*.png
build/tools/screenshots/numerava-screenshots docs/screenshots
