#!/usr/bin/env bash
# Formatting and static analysis: clang-format (dry run, every difference an error) on every C++
# file of the repository's code folders, then clang-tidy (the checks of .clang-tidy, every
# finding an error) over the core sources with the compile database of the dev build.
# Installs clang-format and clang-tidy with apt-get when they are missing (as root on Debian).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh clang-format clang-tidy
jobs="$(nproc 2>/dev/null || echo 2)"

echo "== clang-format =="
folders=()
for d in include src qt apps tests bench fuzz examples; do
    [ -d "$d" ] && folders+=("$d")
done
mapfile -t sources < <(find "${folders[@]}" -type f \
    \( -name '*.cpp' -o -name '*.hpp' -o -name '*.h' -o -name '*.cc' \) | sort)
clang-format --dry-run -Werror "${sources[@]}"
echo "${#sources[@]} files formatted"

echo "== clang-tidy =="
# Configuring writes the compile database; nothing needs to be built for the core sources.
[ -f build/dev/compile_commands.json ] || cmake --preset dev >/dev/null
run_tidy="$(command -v run-clang-tidy || command -v run-clang-tidy-14)"
"$run_tidy" -p build/dev -j "$jobs" -quiet "$PWD/src/.*\.cpp$" >build/dev/clang-tidy.log 2>&1 || {
    grep -E '(warning|error):' build/dev/clang-tidy.log | sort -u || cat build/dev/clang-tidy.log
    echo "clang-tidy found problems (full output: build/dev/clang-tidy.log)"
    exit 1
}
echo "clang-tidy: no findings"
