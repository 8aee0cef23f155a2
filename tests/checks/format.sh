#!/usr/bin/env bash
# Every C++ file follows .clang-format.
set -euo pipefail
cd "$1"
files=$(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'tools/*.cpp' 'tools/*.h' 'bench/*.cpp' 2>/dev/null ||
    find src tests tools bench -name '*.cpp' -o -name '*.h')
# shellcheck disable=SC2086
clang-format --dry-run --Werror $files
echo "$(wc -w <<<"$files") files formatted"
