#!/usr/bin/env bash
# Runs every check: formatting and static analysis, the debug build with the whole suite, the
# package as a host developer uses it, the core and its suite built for Windows (run under Wine)
# and with clang and libc++, then the whole suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/qt-packages.sh
# Everything at once (one package list update); the Windows check needs MinGW-w64, Wine and
# GoogleTest's sources, the libc++ check clang and libc++.
bash scripts/deps.sh libgtest-dev libgmock-dev pkgconf clang-format clang-tidy \
    "${QT_PACKAGES[@]}" "${X_PACKAGES[@]}" \
    g++-mingw-w64-x86-64-posix wine64 googletest clang libc++-dev libc++abi-dev
jobs="$(nproc 2>/dev/null || echo 2)"

echo "== dev =="
cmake --preset dev >/dev/null
bash scripts/lint.sh
cmake --build --preset dev -j "$jobs"
ctest --preset dev -j "$jobs"
bash scripts/check-package.sh
bash scripts/check-windows.sh
bash scripts/check-libcxx.sh

echo "== asan =="
cmake --preset asan >/dev/null
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs"
echo "All tests passed."
