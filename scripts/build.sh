#!/usr/bin/env bash
# Configures (once) and builds Qel 3D into build/, with the program and its data files in build/bin.
set -euo pipefail
cd "$(dirname "$0")/.."
# Options given (-DNAME=VALUE) apply to a build already configured too.
if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
elif (($#)); then
  cmake -S . -B build "$@"
fi
cmake --build build --parallel
