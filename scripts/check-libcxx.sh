#!/usr/bin/env bash
# The core with clang and libc++ (the libcxx preset, GoogleTest built from Debian's sources
# against libc++): builds the core, its tests and the scripted host, and runs the whole suite.
# Run by scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh clang libc++-dev libc++abi-dev googletest
jobs="$(nproc 2>/dev/null || echo 2)"

echo "== libcxx =="
cmake --preset libcxx >/dev/null
cmake --build --preset libcxx -j "$jobs"
ctest --preset libcxx -j "$jobs"
