#!/usr/bin/env bash
# Configures and builds the core and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/ (warnings are errors). The Qt
# windows and their tests are left out.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTORVA_WERROR=ON \
    -DTORVA_SANITIZE=address,undefined -DTORVA_BUILD_UI=OFF >/dev/null
cmake --build build-asan --parallel "$(nproc)"
