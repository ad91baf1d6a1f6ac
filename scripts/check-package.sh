#!/usr/bin/env bash
# What a host developer does with the library, checked end to end: install it into a temporary
# prefix (the installed demo host finds its data there), build and run the minimal host example
# against the installed CMake package (offscreen), build a program with the flags pkg-config
# gives for the core, and take the project in with add_subdirectory in a host project that has
# no GoogleTest.
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

echo "== the installed demo host finds its data beside it, not in the build tree =="
QT_QPA_PLATFORM=offscreen "$prefix/bin/oru-demo" --print-folders | tee "$work/demo-folders.out"
grep -qxF "pictures: $prefix/share/OruCtrl/pictures/" "$work/demo-folders.out"
grep -qxF "data: $prefix/share/OruCtrl/" "$work/demo-folders.out"

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

echo "== examples/designer-form (a .ui file through uic) against the installed package =="
cmake -S examples/designer-form -B "$work/designer-form" -G Ninja \
    -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$work/designer-form" >/dev/null
QT_QPA_PLATFORM=offscreen "$work/designer-form/designer_form" --accept | tee "$work/designer-form.out"
grep -q "^modifications : 1$" "$work/designer-form.out"
grep -q "^passe : 2.5$" "$work/designer-form.out"
grep -q "^avalant : 0$" "$work/designer-form.out"
grep -q "^sens de rotation : -1$" "$work/designer-form.out"
if grep -q "^message :" "$work/designer-form.out"; then
    echo "the designer form showed message boxes"
    exit 1
fi

echo "== the installed Designer plugin, found by Qt's form loader through QT_PLUGIN_PATH =="
plugins="$(sed -n 's/^ORU_INSTALL_DESIGNER_PLUGINS:STRING=//p' build/dev/CMakeCache.txt)"
test -f "$prefix/$plugins/liboructrl_designer.so"
# shellcheck disable=SC2046
g++ -std=c++20 -fPIC tests/package/uiloader_host.cpp $(pkg-config --cflags --libs Qt6UiTools Qt6Widgets) \
    -o "$work/uiloader_host"
QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH="$prefix/$(dirname "$plugins")" \
    "$work/uiloader_host" examples/designer-form/operationdialog.ui

echo "== pkg-config for the core and the Qt layer =="
export PKG_CONFIG_PATH="$prefix/lib/pkgconfig"
flags="$(pkg-config --cflags --libs oructrl-core)"
echo "pkg-config oructrl-core: $flags"
# shellcheck disable=SC2086
g++ tests/package/pkgconfig_host.cpp $flags -o "$work/pkgconfig_host"
"$work/pkgconfig_host"
flags="$(pkg-config --cflags --libs oructrl-qt)"
echo "pkg-config oructrl-qt: $flags"
# shellcheck disable=SC2086
g++ tests/package/pkgconfig_qt_host.cpp $flags -o "$work/pkgconfig_qt_host"
QT_QPA_PLATFORM=offscreen "$work/pkgconfig_qt_host"
unset PKG_CONFIG_PATH

echo "== find_package: an unknown component is named, cmake --find-package works =="
mkdir -p "$work/components-host"
cat > "$work/components-host/CMakeLists.txt" <<'CMAKE'
cmake_minimum_required(VERSION 3.25)
project(components_host LANGUAGES CXX)
find_package(OruCtrl REQUIRED COMPONENTS core gui)
CMAKE
if cmake -S "$work/components-host" -B "$work/components-host/build" \
    -DCMAKE_PREFIX_PATH="$prefix" >"$work/components.out" 2>&1; then
    echo "find_package(OruCtrl COMPONENTS gui) succeeded"
    exit 1
fi
grep -q 'no component "gui"' "$work/components.out"
# (It writes a CMakeFiles folder where it runs.)
(cd "$work" && cmake --find-package -DNAME=OruCtrl -DCOMPILER_ID=GNU -DLANGUAGE=CXX -DMODE=EXIST \
    -DCMAKE_PREFIX_PATH="$prefix")

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
