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
# One Wine server for the whole run. Left to itself the server quits when its last program
# ends, and a test starting in that instant finds it gone ("recvmsg: Connection reset by peer");
# a persistent server removes that race, and it is stopped on every way out of this script.
# Wine's background services are started here, with their output going nowhere: started by a
# test, they would keep that test's output pipe open for as long as the server lives.
"$wineserver" -p
trap '"$wineserver" -k >/dev/null 2>&1 || true' EXIT
"$wine" wineboot </dev/null >/dev/null 2>&1
status=0
ctest --preset windows -j "$jobs" || status=$?
exit "$status"
