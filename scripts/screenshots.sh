#!/usr/bin/env bash
# Renders the demo host's screenshots (offscreen) into docs/screenshots, the pictures the README
# shows. Run after a change to what users see, and commit the result.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset dev >/dev/null
cmake --build --preset dev --target oru_demo
rm -rf docs/screenshots
QT_QPA_PLATFORM=offscreen ./build/dev/apps/oru-demo --screenshot docs/screenshots
