#!/usr/bin/env bash
# Builds the project twice and runs the whole test suite in each build: once
# plainly, once under AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer. Any failing test or sanitizer report fails the run.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
bash scripts/setup.sh

jobs=$(nproc 2>/dev/null || echo 2)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKIVPARSER_TESTS=ON >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DKIVPARSER_TESTS=ON -DKIVPARSER_SANITIZE=ON >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:halt_on_error=1 \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs"

if [ -x scripts/extra-checks.sh ]; then
  bash scripts/extra-checks.sh
fi
