#!/usr/bin/env bash
# Builds the file readers' fuzz targets in build-fuzz/ (clang, -DQEL_FUZZ=ON) and runs each once
# over its seeds in fuzz/corpus/<target>/. A seed that crashes a reader, leaks, trips a sanitizer
# or runs past the time limit fails the run, as do seeds that differ from what their generator
# writes. Needs clang and its sanitizer runtimes (Debian: clang libclang-rt-14-dev).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

targets=(fuzz_join_file fuzz_xfile fuzz_texture_pack fuzz_background fuzz_notebook fuzz_program fuzz_own_commands fuzz_switch)
# Far above what any seed takes; only a reader that hangs reaches it.
seconds_per_input=30
# The notebook reader meets files nobody here wrote whenever the open dialog lists the folder: a
# page read that takes seconds or unpacks a big allocation (a picture bomb) is a fault there.
# The row of own commands is read at every start, before the window shows.
declare -A limits=([fuzz_notebook]="-timeout=3 -malloc_limit_mb=64" [fuzz_own_commands]="-timeout=3 -malloc_limit_mb=64")

if [ ! -f build-fuzz/build.ninja ]; then
  options=(-DQEL_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo)
  if command -v ccache >/dev/null; then
    options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  fi
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja "${options[@]}"
fi
cmake --build build-fuzz --parallel "$(nproc)"

# The committed seeds must be what their generator writes now.
fresh=$(mktemp -d)
trap 'rm -rf "$fresh"' EXIT
build-fuzz/fuzz/qel_fuzz_corpus "$fresh"
if ! diff -r "$fresh" fuzz/corpus >/dev/null; then
  echo "fuzz replay: fuzz/corpus differs from what qel_fuzz_corpus writes; run build-fuzz/fuzz/qel_fuzz_corpus fuzz/corpus" >&2
  exit 1
fi

failed=0
for target in "${targets[@]}"; do
  corpus=fuzz/corpus/$target
  log=build-fuzz/fuzz/$target-replay.log
  inputs=$(find "$corpus" -type f | wc -l)
  # An input that fails is kept beside the log, out of the source tree.
  # shellcheck disable=SC2086 # the limits are separate options
  if "build-fuzz/fuzz/$target" -runs=0 -timeout="$seconds_per_input" ${limits[$target]:-} \
    -artifact_prefix="build-fuzz/fuzz/$target-" "$corpus" >"$log" 2>&1; then
    echo "fuzz replay: $target $inputs inputs ok"
  else
    cat "$log" >&2
    echo "fuzz replay: $target FAILED (log: $log)" >&2
    failed=1
  fi
done
exit "$failed"
