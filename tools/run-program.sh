#!/usr/bin/env bash
# Sets up a Debian machine if needed, builds the program and opens its window under Wine:
# on the current display, or without one on a virtual display, of which it saves a
# screenshot. LUMORA_BUILD_DIR chooses the build folder (build/win64 by default).
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
build="$PWD/${LUMORA_BUILD_DIR:-build/win64}"
cmake --preset win64 -B "$build"
cmake --build "$build" -j "$(nproc)" --target lumora_pandrel lumora_e2e_driver

# A Wine prefix of its own, apart from the one the tests use.
bed="$build/run"
tools/testbed/testbed.sh setup "$bed"
trap 'tools/testbed/testbed.sh teardown "$bed"' EXIT
if [ -n "${DISPLAY:-}" ]; then
  echo "The window only minimises when closed; press Ctrl+C here to end the program."
  tools/testbed/testbed.sh run "$bed" wine "$build/bin/LumoraPandrel.exe"
else
  tools/testbed/testbed.sh run "$bed" tools/e2e/screenshot.sh "$build/bin" "$build/screenshots"
fi
