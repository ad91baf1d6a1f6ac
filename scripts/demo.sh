#!/usr/bin/env bash
# Builds the library and runs the demo host. With a display it opens the demo window; without
# one it writes the demo's screenshots and says where they are.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/qt-packages.sh
bash scripts/deps.sh libgtest-dev libgmock-dev "${QT_PACKAGES[@]}"
cmake --preset dev >/dev/null
cmake --build --preset dev --target oru_demo
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec ./build/dev/apps/oru-demo "$@"
fi
out="build/screenshots"
echo "No display: writing the demo's screenshots instead."
QT_QPA_PLATFORM=offscreen ./build/dev/apps/oru-demo --screenshot "$out" "$@"
echo "Screenshots written to $(pwd)/$out"
