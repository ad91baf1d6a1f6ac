#!/usr/bin/env bash
# The core on Windows: cross-builds the core, its tests and the scripted host with MinGW-w64
# (the windows preset, GoogleTest built from Debian's sources) and runs the whole suite, golden
# sessions included, under Wine. Needs no display. Run by scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh g++-mingw-w64-x86-64-posix wine64 googletest
jobs="$(nproc 2>/dev/null || echo 2)"

echo "== windows: build =="
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"

# A Wine prefix of the build's own (the test preset names it), made once; Wine's optional .NET
# and HTML engines are not asked for.
export WINEPREFIX="$PWD/build/windows/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine="$(command -v wine64 || echo /usr/lib/wine/wine64)"
wineserver="$(command -v wineserver || echo /usr/lib/wine/wineserver)"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "== windows: Wine prefix =="
    "$wine" wineboot -i >/dev/null 2>&1
    "$wineserver" -w
fi

echo "== windows: tests under Wine =="
status=0
ctest --preset windows -j "$jobs" || status=$?
"$wineserver" -w  # the Wine server ends with the last program: nothing is left running
exit "$status"
