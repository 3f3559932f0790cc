#!/usr/bin/env bash
# Installs what is missing, builds, and starts Qel 3D from build/bin, where its data files are.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
cd build/bin
exec ./qel3d
