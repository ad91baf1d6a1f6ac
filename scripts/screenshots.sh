#!/usr/bin/env bash
# Renders the demo host's screenshots (offscreen) into docs/screenshots, the pictures the README
# shows: every panel at 1x, the threading and pocket panels again with a dark palette
# (*-dark.png) and at a device pixel ratio of 2 (2x-*.png). Run after a change to what users
# see, and commit the result. designer-form.png comes from scripts/designer-shot.sh and stays.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset dev >/dev/null
cmake --build --preset dev --target oru_demo
mkdir -p docs/screenshots
find docs/screenshots -maxdepth 1 -name '*.png' ! -name 'designer-form.png' -delete
QT_QPA_PLATFORM=offscreen ./build/dev/apps/oru-demo --screenshot docs/screenshots
