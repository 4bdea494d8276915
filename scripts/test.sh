#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds and runs every test: natively, then the
# core's tests cross-built for Windows and run under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
echo "== Formatting (.clang-format)"
bash scripts/format.sh --check
bash scripts/build.sh
bash scripts/build-windows.sh

status=0
echo "== Native tests (build/)"
(cd build && ctest --output-on-failure --timeout 600) || status=1
echo "== Windows tests under Wine (build-win/)"
(cd build-win && ctest --output-on-failure --timeout 600) || status=1
exit "$status"
