#!/usr/bin/env bash
# Runs the test suite and the command-line tool on the sample installation
# under valgrind memcheck; any memory error or definitely lost byte fails.
#
# usage: scripts/memcheck.sh [BUILDDIR]     (default: build, a plain build
#                                            without sanitizers)
#
# Every test runs in a valgrind process of its own (the parser keeps
# process-wide state), two at a time. Tests that start a Java virtual machine
# are left out: the JVM's own tricks are no business of this check; so is the
# timing of loads of thousands of files (Growth.*), which would take minutes
# here and measure valgrind.
# KIVPARSER_MEMCHECK_SKIP (an extended regular expression over the test names)
# replaces that filter; KIVPARSER_MEMCHECK_FILTER (a gtest filter) limits the
# tests that run.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
case $build in /*) ;; *) build="$top/$build" ;; esac
cd "$top"

if ! command -v valgrind >/dev/null; then
  echo "memcheck: valgrind is not installed" >&2
  exit 1
fi
tests="$build/tests/kivparser_tests"
if [ ! -x "$tests" ]; then
  echo "memcheck: $tests is not built" >&2
  exit 1
fi

logs="$build/memcheck"
rm -rf "$logs"
mkdir -p "$logs"
skip=${KIVPARSER_MEMCHECK_SKIP:-Jvm|Java|^Growth\.}
jobs=$(nproc 2>/dev/null || echo 2)

export VALGRIND_OPTS="--error-exitcode=97 --leak-check=full --errors-for-leak-kinds=definite --show-leak-kinds=definite --num-callers=30 --trace-children=no"

# The full names of the tests, one per line.
"$tests" --gtest_list_tests --gtest_filter="${KIVPARSER_MEMCHECK_FILTER:-*}" | awk '
  /^[^ ]/ { suite = $1; next }
  /^  /   { print suite $1 }' | grep -Ev "$skip" > "$logs/tests.txt" || true
count=$(wc -l < "$logs/tests.txt")
echo "memcheck: $count tests under valgrind ($jobs at a time)"

run_one() {
  local name=$1 log
  log="$MEMCHECK_LOGS/$(printf '%s' "$name" | tr '/' '_').log"
  if valgrind --log-file="$log.vg" "$MEMCHECK_TESTS" --gtest_filter="$name" > "$log" 2>&1; then
    rm -f "$log" "$log.vg"
  else
    echo "memcheck: FAILED $name (see $log.vg)"
  fi
}
export -f run_one
export MEMCHECK_LOGS="$logs" MEMCHECK_TESTS="$tests"
tr '\n' '\0' < "$logs/tests.txt" | xargs -0 -r -n 1 -P "$jobs" bash -c 'run_one "$0"' | tee "$logs/failures.txt"

status=0
if [ -s "$logs/failures.txt" ]; then
  for vg in "$logs"/*.vg; do
    [ -f "$vg" ] && { echo "== $vg"; tail -n 40 "$vg"; }
  done
  status=1
fi

# The tool on the sample installation: every registration kind (and the
# application registration ranked and folded), the merged menus as text and
# JSON (also of the hostile registration of the tool's tests) and as a preview
# page, the style sheet into a scratch web tree, an icon URL, a role check and
# a check of every sample file.
tool="$build/tools/kivparser/kivparser"
if [ -x "$tool" ] && [ -d examples/etc ]; then
  web=$(mktemp -d /tmp/kivmemcheck.XXXXXX)
  trap 'rm -rf "$web"' EXIT
  mkdir -p "$web/www/htdocs/C/dynamicViews"
  cp examples/www/htdocs/C/dynamicViews/dvStyle.xml.template "$web/www/htdocs/C/dynamicViews/" 2>/dev/null || true
  run_tool() {
    if ! KZ_ETC_PATH="$top/examples/etc" KZ_PATH="$web" KZwwwBitmapDir="$top/examples/www/htdocs/bitmaps" \
         LC_ALL=C valgrind --log-file="$logs/tool.vg" "$tool" "$@" > "$logs/tool.out" 2>&1; then
      # The tool's own exit status counts only when valgrind found something.
      if grep -q 'ERROR SUMMARY: [1-9]\|definitely lost: [1-9]' "$logs/tool.vg"; then
        echo "memcheck: FAILED kivparser $*"
        tail -n 40 "$logs/tool.vg"
        status=1
        return
      fi
    fi
    echo "memcheck: kivparser $* clean"
  }
  run_tool dump all
  run_tool dump arf --app jkiv --fold --verbose
  run_tool menus --app jkiv --fold
  run_tool menus --format=json --path tests/data/tools/menus-hostile
  run_tool preview --app jkiv --out "$web/preview"
  run_tool stylesheet --force
  run_tool icon Connector:Router
  run_tool roles "ZETA Taluna Varnel Map" Delete operator
  run_tool check examples/etc/registration/C/* examples/etc/symbols/C/* examples/etc/fields/C/* \
    examples/etc/www/registration/dazivovovo/C/*
  run_tool lint --format=gnu
  run_tool lint --format=json --enable=unused-action tests/data/tools/diagnostics/links.reg \
    tests/data/tools/diagnostics/duplicates_a.reg tests/data/tools/diagnostics/syntax.reg
else
  echo "memcheck: the tool or the sample installation is missing; only the tests were checked"
fi

[ $status -eq 0 ] && echo "memcheck: $count tests and the tool clean"
exit $status
