#!/usr/bin/env bash
# Formats every C++ file of the repository in the house style (.clang-format).
#   scripts/format.sh           rewrite the files in place
#   scripts/format.sh --check   list the files off the style (and names off their folder's dialect,
#                               scripts/check_names.py) and fail when there are any
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--check" ]; then
    bad=()
    for f in "${files[@]}"; do
        clang-format --dry-run -Werror "$f" >/dev/null 2>&1 || bad+=("$f")
    done
    if ((${#bad[@]})); then
        printf 'Off the house style: %s\n' "${bad[@]}"
        exit 1
    fi
    echo "All ${#files[@]} files follow the house style."
    python3 "$root/scripts/check_names.py" "$root"
else
    clang-format -i "${files[@]}"
fi
