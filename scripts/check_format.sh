#!/usr/bin/env bash
# Fails on every C++ file of the tree that clang-format would change: check_format.sh [CLANG_FORMAT]
# Run from the top of the tree. Lists the files with git, or by name where git is not at hand.
set -euo pipefail
clang_format=${1:-clang-format}
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files '*.cpp' '*.h')
else
    mapfile -t files < <(find . -path ./build -prune -o \( -name '*.cpp' -o -name '*.h' \) -print | sort)
fi
"$clang_format" --dry-run -Werror "${files[@]}"
echo "${#files[@]} C++ files follow .clang-format"
