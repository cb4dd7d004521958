#!/usr/bin/env bash
# Builds the library as a packager and as a host project do, in scratch trees
# below build-configure/ (scripts/test.sh calls this script):
#  1. the project itself where GoogleTest cannot be found: the configure step
#     says that the test suite is skipped, the library and the tool build, and
#     the install tree has the manual page under share/man/man1 (rendered with
#     man -l when man is there);
#  2. tests/subproject, a host project that takes the library in through
#     FetchContent, where neither GoogleTest nor Google Benchmark can be found:
#     no test is built, and the host's program runs on the sample installation
#     through the kivparser::kivparser target.
# Any failure shows the end of the step's log and fails the run.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
scratch="$top/build-configure"
rm -rf "$scratch"
mkdir -p "$scratch"
jobs=$(nproc 2>/dev/null || echo 2)

# step NAME COMMAND...: runs the command with its output in the step's log.
step() {
  local name=$1 log="$scratch/$1.log"
  shift
  if ! "$@" >>"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "configure-checks: $name failed (log: $log)" >&2
    exit 1
  fi
}

# 1. Without GoogleTest.
plain="$scratch/no-gtest"
step no-gtest cmake -S . -B "$plain" -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_INSTALL_PREFIX="$scratch/prefix"
grep -q "kivparser: GoogleTest not found, so the test suite is not built" "$scratch/no-gtest.log" || {
  echo "configure-checks: configuring without GoogleTest did not say that the tests are skipped" >&2
  exit 1
}
step no-gtest cmake --build "$plain" -j"$jobs"
[ ! -e "$plain/tests" ] || { echo "configure-checks: a tests directory was configured without GoogleTest" >&2; exit 1; }
step no-gtest cmake --install "$plain"
manual="$scratch/prefix/share/man/man1/kivparser.1"
[ -f "$manual" ] || { echo "configure-checks: $manual was not installed" >&2; exit 1; }
[ -x "$scratch/prefix/bin/kivparser" ] || { echo "configure-checks: the tool was not installed" >&2; exit 1; }
if command -v man >/dev/null; then
  MANWIDTH=80 MANPAGER=cat PAGER=cat step no-gtest man -l "$manual"
  grep -q '^EXIT STATUS' "$scratch/no-gtest.log" || { echo "configure-checks: man -l did not render $manual" >&2; exit 1; }
fi
echo "configure-checks: without GoogleTest: configured (test suite skipped), built, installed with the manual page"

# 2. As a subproject.
host="$scratch/host"
step subproject cmake -S tests/subproject -B "$host" -DKIVPARSER_SOURCE="$top" \
  -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON -DKIVPARSER_JNI=OFF
step subproject cmake --build "$host" -j"$jobs"
LC_ALL=C step subproject "$host/host" examples/etc/registration/C/jkiv examples/etc/registration \
  "ZETA Taluna Varnel Map"
echo "configure-checks: as a subproject (FetchContent): configured, built, and its program ran on the sample"
