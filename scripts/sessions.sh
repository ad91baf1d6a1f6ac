#!/usr/bin/env bash
# Reruns every golden session (tests/sessions/*.oru) with oru-host and shows a unified diff for
# each one whose output differs from its expected file (*.json beside it).
#   scripts/sessions.sh [--update] [NAME...]
# --update rewrites the expected files with the new output: use it once the diffs are reviewed.
# NAME limits the run to the sessions named (file names without .oru). The build preset is dev,
# or the one named by ORU_PRESET.
set -euo pipefail
cd "$(dirname "$0")/.."

update=false
names=()
for arg in "$@"; do
    case "$arg" in
        --update) update=true ;;
        -h|--help) sed -n '2,8p' "$0"; exit 0 ;;
        *) names+=("$arg") ;;
    esac
done

preset="${ORU_PRESET:-dev}"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j2 --target oru-host >/dev/null
host="build/$preset/apps/oru-host"
root="build/$preset/tests/sessions/host"

if [ "${#names[@]}" -eq 0 ]; then
    for script in tests/sessions/*.oru; do names+=("$(basename "$script" .oru)"); done
fi

actual="$(mktemp)"
trap 'rm -f "$actual"' EXIT
changed=0
for name in "${names[@]}"; do
    script="tests/sessions/$name.oru"
    expected="tests/sessions/$name.json"
    if ! "$host" --root "$root" "$script" >"$actual"; then
        echo "FAILED: $script" >&2
        changed=1
        continue
    fi
    if [ -f "$expected" ] && cmp -s "$expected" "$actual"; then continue; fi
    if $update; then
        cp "$actual" "$expected"
        echo "updated: $expected"
    else
        diff -u --label "$expected" --label "$name (new output)" "$expected" "$actual" 2>/dev/null ||
            { [ -f "$expected" ] || echo "missing: $expected"; }
        changed=1
    fi
done
if ! $update && [ "$changed" -ne 0 ]; then
    echo "Sessions differ; after review, rerun with --update." >&2
    exit 1
fi
echo "Sessions: ${#names[@]} checked."
