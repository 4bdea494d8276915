#!/usr/bin/env bash
# Configures and builds the native tree in build/ (warnings are errors).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTORVA_WERROR=ON -DTORVA_BUILD_UI=ON \
    >/dev/null
cmake --build build --parallel "$(nproc)"
