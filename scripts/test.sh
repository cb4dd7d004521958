#!/usr/bin/env bash
# Builds the project twice and runs the whole test suite in each build: once
# plainly, once under AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer. Then runs the parallel-load test under
# ThreadSanitizer (scripts/thread-check.sh), builds the library as a packager and a host
# project do (scripts/configure-checks.sh), checks the tool's preview page in
# headless Chromium (scripts/browser-check.sh), the language server in
# headless Neovim (scripts/editor-check.sh), builds the library for Windows
# and runs it under Wine (scripts/windows-check.sh; KIVPARSER_WINDOWS=0 skips
# it) and runs the extra checks (fuzzing, valgrind: scripts/extra-checks.sh).
# Any failing test, sanitizer report or
# check fails the run. The closing lines say which checks ran and which were
# skipped, and why.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
bash scripts/setup.sh test

jobs=$(nproc 2>/dev/null || echo 2)

# The closing report: one line per check, written as the checks go (the extra
# checks add theirs), printed at the end, also when a step fails.
mkdir -p build
export KIVPARSER_CHECKS_REPORT="$top/build/checks.txt"
: >"$KIVPARSER_CHECKS_REPORT"
current=
note() { printf '%-8s %s\n' "$1" "$2" >>"$KIVPARSER_CHECKS_REPORT"; }
report() {
  echo
  echo "checks:"
  sed 's/^/  /' "$KIVPARSER_CHECKS_REPORT"
}
on_exit() {
  local status=$?
  if [ $status -ne 0 ]; then
    [ -z "$current" ] || note FAILED "$current (see above)"
    report
  fi
}
trap on_exit EXIT

# suite NAME BUILDDIR: notes the test suite of one build, and each test that
# skipped itself with the reason it printed.
suite() {
  local name=$1 build=$2 count test
  count=$(sed -n 's/.*tests failed out of \([0-9][0-9]*\).*/\1/p' "$build/ctest.log" | tail -n 1)
  note ran "test suite, $name ($build/): ${count:-0} tests"
  for test in $(sed -n 's/.*Test *#[0-9]*: \([^ ]*\) .*\*\*\*Skipped.*/\1/p' "$build/ctest.log"); do
    note skipped "test $test in $build/: $(skip_reason "$build" "$test")"
  done
}

# skip_reason BUILDDIR TEST: the line in which the test said why it skipped.
skip_reason() {
  awk -v name="$2" '
    /^[0-9]+\/[0-9]+ Test: / { inside = ($3 == name); next }
    !inside { next }
    after { print; exit }
    /: Skipped$/ { after = 1; next }
    /skipped/ && !/SKIPPED/ { print; exit }' "$1/Testing/Temporary/LastTest.log"
}

current="test suite, plain build"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKIVPARSER_TESTS=ON >/dev/null
cmake --build build -j"$jobs"
rm -f build/tests/failure/sweep/summary.txt
ctest --test-dir build --output-on-failure --no-tests=error -j"$jobs" 2>&1 | tee build/ctest.log
suite "plain build" build
grep -q 'KivParserNative.InRealJvm' build/ctest.log \
  || note skipped "the native methods in a real JVM (no JDK found by CMake)"
if [ -f build/tests/failure/sweep/summary.txt ]; then
  note ran "allocation-failure sweep (build/): $(cat build/tests/failure/sweep/summary.txt)"
fi

current="test suite under the sanitizers"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DKIVPARSER_TESTS=ON -DKIVPARSER_SANITIZE=ON >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:halt_on_error=1 \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure --no-tests=error -j"$jobs" 2>&1 | tee build-asan/ctest.log
suite "AddressSanitizer, LeakSanitizer, UndefinedBehaviorSanitizer" build-asan

current="parallel loads under ThreadSanitizer"
bash scripts/thread-check.sh
note ran "parallel loads, 8 threads, under ThreadSanitizer (build-tsan/)"

current="configure without GoogleTest, build as a subproject"
bash scripts/configure-checks.sh
note ran "configure and install without GoogleTest, build as a subproject (build-configure/)"

current="preview page in a browser"
bash scripts/browser-check.sh build

current="language server in Neovim"
bash scripts/editor-check.sh build

if [ "${KIVPARSER_WINDOWS:-1}" = 0 ]; then
  note skipped "Windows build under Wine (KIVPARSER_WINDOWS=0)"
else
  current="Windows build under Wine"
  windows_start=$(date +%s)
  bash scripts/windows-check.sh build
  suite "Windows cross build (MinGW-w64) under Wine" build-windows/build
  note ran "Windows under Wine: the sample's dump as on Linux, the DLL's Java natives, the embedding example ($(($(date +%s) - windows_start)) s)"
fi

current="extra checks"
bash scripts/extra-checks.sh
current=

# The report, then one closing line for the suites of every build (reaching
# it means nothing failed).
report
total=0
skipped=0
logs="build/ctest.log build-asan/ctest.log"
[ "${KIVPARSER_WINDOWS:-1}" = 0 ] || logs="$logs build-windows/build/ctest.log"
for log in $logs; do
  n=$(sed -n 's/.*tests failed out of \([0-9][0-9]*\).*/\1/p' "$log" | tail -n 1)
  s=$(grep -c '\*\*\*Skipped' "$log" || true)
  total=$((total + ${n:-0}))
  skipped=$((skipped + ${s:-0}))
done
echo "tests: $((total - skipped)) passed, 0 failed, $skipped skipped"
