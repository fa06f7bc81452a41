#!/usr/bin/env bash
# Formats every C++ file of the program, its tests and benchmarks with the
# .clang-format at the top. --check only lists the files that would change
# and exits 1 if there are any.
set -euo pipefail
cd "$(dirname "$0")/.."

CLANG_FORMAT=${CLANG_FORMAT:-clang-format}
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
else
    mapfile -t files < <(find . -path ./build -prune -o \( -name '*.cpp' -o -name '*.h' \) -print | sed 's|^\./||' | sort)
fi

if [[ ${1:-} == --check ]]; then
    changed=0
    for f in "${files[@]}"; do
        if ! "$CLANG_FORMAT" --style=file --dry-run --Werror "$f" >/dev/null 2>&1; then
            echo "$f"
            changed=1
        fi
    done
    exit $changed
fi
printf '%s\0' "${files[@]}" | xargs -0 -n 50 "$CLANG_FORMAT" --style=file -i
