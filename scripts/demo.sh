#!/usr/bin/env bash
# Builds the library and runs the demo host.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh libgtest-dev
cmake --preset dev >/dev/null
cmake --build --preset dev --target oru_demo
exec ./build/dev/apps/oru_demo
