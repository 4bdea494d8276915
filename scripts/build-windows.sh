#!/usr/bin/env bash
# Cross-builds the core and its tests for 64-bit Windows in build-win/
# (mingw-w64; warnings are errors). Its tests run under Wine through ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-win -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTORVA_WERROR=ON \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/toolchain-mingw64.cmake" -DTORVA_BUILD_UI=OFF >/dev/null
cmake --build build-win --parallel "$(nproc)"
