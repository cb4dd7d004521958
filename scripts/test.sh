#!/usr/bin/env bash
# Builds the project twice and runs the whole test suite in each build: once
# plainly, once under AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer. Any failing test or sanitizer report fails the run.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
bash scripts/setup.sh test

jobs=$(nproc 2>/dev/null || echo 2)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKIVPARSER_TESTS=ON >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs" 2>&1 | tee build/ctest.log

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DKIVPARSER_TESTS=ON -DKIVPARSER_SANITIZE=ON >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:halt_on_error=1 \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs" 2>&1 | tee build-asan/ctest.log

if [ -x scripts/extra-checks.sh ]; then
  bash scripts/extra-checks.sh
fi

# One closing line for both builds (reaching it means nothing failed).
total=0
skipped=0
for log in build/ctest.log build-asan/ctest.log; do
  n=$(sed -n 's/.*tests failed out of \([0-9][0-9]*\).*/\1/p' "$log" | tail -n 1)
  s=$(grep -c '\*\*\*Skipped' "$log" || true)
  total=$((total + ${n:-0}))
  skipped=$((skipped + ${s:-0}))
done
echo "tests: $((total - skipped)) passed, 0 failed, $skipped skipped"
