#!/usr/bin/env bash
# What a host developer does with the library, checked end to end: install it into a temporary
# prefix, build and run the minimal host example against the installed CMake package (offscreen),
# build a program with the flags pkg-config gives for the core, and take the project in with
# add_subdirectory in a host project that has no GoogleTest.
# Expects the dev build (build/dev); run by scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
work="build/package-check"
rm -rf "$work"
mkdir -p "$work"
prefix="$PWD/$work/prefix"

echo "== install =="
cmake --install build/dev --prefix "$prefix" >/dev/null
test -f "$prefix/lib/cmake/OruCtrl/OruCtrlConfig.cmake"
test -f "$prefix/share/OruCtrl/user/Filet_E.dat"

echo "== examples/minimal-host against the installed package =="
cmake -S examples/minimal-host -B "$work/minimal-host" -G Ninja \
    -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$work/minimal-host" >/dev/null
QT_QPA_PLATFORM=offscreen "$work/minimal-host/minimal_host" --accept | tee "$work/minimal-host.out"
grep -q "^type de filet : M$" "$work/minimal-host.out"
grep -q "^pas : 2.5$" "$work/minimal-host.out"
if grep -q "^message :" "$work/minimal-host.out"; then
    echo "the minimal host showed message boxes"
    exit 1
fi

echo "== pkg-config for the core =="
flags="$(PKG_CONFIG_PATH="$prefix/lib/pkgconfig" pkg-config --cflags --libs oructrl-core)"
echo "pkg-config: $flags"
# shellcheck disable=SC2086
g++ -std=c++20 tests/package/pkgconfig_host.cpp $flags -o "$work/pkgconfig_host"
"$work/pkgconfig_host"

echo "== add_subdirectory in a host project without GoogleTest =="
cmake -S tests/package/subdir-host -B "$work/subdir-host" -G Ninja --no-warn-unused-cli \
    -DORU_SOURCE_DIR="$PWD" -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON \
    -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON >/dev/null
# The only program built must be the host's own; everything else is a library.
programs="$(ninja -C "$work/subdir-host" -t targets all | grep -E ': CXX_EXECUTABLE_LINKER' | cut -d: -f1)"
if [ "$programs" != "subdir_host" ]; then
    echo "add_subdirectory builds more than the libraries:"
    echo "$programs"
    exit 1
fi
cmake --build "$work/subdir-host" >/dev/null
"$work/subdir-host/subdir_host"
echo "Package checks passed."
