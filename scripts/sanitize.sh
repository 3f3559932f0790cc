#!/usr/bin/env bash
# Builds Qel 3D with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/ and runs
# the suite there, once in the written order (the normal run already shuffles). Any memory
# error or undefined behaviour fails the test it happens in.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
# Light optimisation keeps the sanitized suite quick; line tables keep the reports readable.
# The benchmarks measure nothing worth having here and are left out.
if [ ! -f build-asan/build.ninja ]; then
  cmake -S . -B build-asan -G Ninja -DQEL_SANITIZE=ON -DQEL_WERROR=ON -DQEL_BENCH=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1"
fi
cmake --build build-asan --parallel
cd build-asan
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
exec ../scripts/own-display.sh ctest --output-on-failure --timeout 600 -j"$(nproc)" -E '_shuffled$' "$@"
