#!/usr/bin/env bash
# Sets up a Debian machine if needed, builds the three presets and runs every test:
# the native unit tests (with sanitizers) and the Win32 tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
jobs=$(nproc)

cmake --preset native -DLUMORA_WARNINGS_AS_ERRORS=ON -DLUMORA_SANITIZE=ON
cmake --build --preset native -j "$jobs"
ctest --preset native

cmake --preset win32 -DLUMORA_WARNINGS_AS_ERRORS=ON
cmake --build --preset win32 -j "$jobs"

cmake --preset win64 -DLUMORA_WARNINGS_AS_ERRORS=ON
cmake --build --preset win64 -j "$jobs"
ctest --preset win64
