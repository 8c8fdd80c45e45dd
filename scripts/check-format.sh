#!/usr/bin/env bash
# Fails when a source file differs from the house formatting (.clang-format); `make format` applies it.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find src tests bench tools -name '*.cpp' -o -name '*.h')
clang-format --dry-run --Werror "${files[@]}"
echo "Formattazione conforme (${#files[@]} file)."
