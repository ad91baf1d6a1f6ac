#!/usr/bin/env bash
# Builds and runs every test: the debug build, then the whole suite again under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/qt-packages.sh
bash scripts/deps.sh libgtest-dev libgmock-dev "${QT_PACKAGES[@]}" "${X_PACKAGES[@]}"
jobs="$(nproc 2>/dev/null || echo 2)"
for preset in dev asan; do
    echo "== $preset =="
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
    ctest --preset "$preset" -j "$jobs"
done
echo "All tests passed."
