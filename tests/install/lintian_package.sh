#!/usr/bin/env bash
# Packs the built program as CPack does for a release, into a scratch folder, and has lintian
# check the package: no error and no warning. Skipped where lintian is not installed.
# Usage: lintian_package.sh CPACK BUILD_DIR
set -euo pipefail
cpack=$1
build=$2
if ! command -v lintian >/dev/null; then
  echo "lintian is not installed: nothing checked"
  exit 77
fi
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
if ! "$cpack" --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1; then
  cat "$out/cpack.log"
  exit 1
fi
packages=("$out"/qel3d_*.deb)
lintian --fail-on error,warning "${packages[@]}"
