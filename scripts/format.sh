#!/usr/bin/env bash
# Formats every C++ source with the repo's .clang-format; with --check, changes
# nothing and fails when a file is not formatted.
set -euo pipefail
cd "$(dirname "$0")/.."
format=$(command -v clang-format || command -v clang-format-14)
mode=(-i)
if [[ "${1:-}" == "--check" ]]; then
    mode=(--dry-run -Werror)
fi
find src tests tools bench -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z |
    xargs -0 "$format" "${mode[@]}"
