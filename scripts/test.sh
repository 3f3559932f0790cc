#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite. Tests that need a
# display run on an Xvfb server that this script starts itself.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
# The suite builds with compiler warnings as errors.
bash scripts/build.sh -DQEL_WERROR=ON
cd build
# One private X server for the whole run; the tests run in parallel on it.
exec ../scripts/own-display.sh ctest --output-on-failure --timeout 300 -j"$(nproc)" "$@"
