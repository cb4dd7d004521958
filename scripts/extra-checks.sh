#!/usr/bin/env bash
# The checks that run after the test suite (scripts/test.sh calls this script
# at its end):
#  1. the fuzz targets of fuzz/, built with clang++ (libFuzzer, AddressSanitizer,
#     LeakSanitizer, UndefinedBehaviorSanitizer) in build-fuzz/, each run for a
#     bounded time from seed corpora made of the test files, the sample
#     installation and the saved regression inputs, the registration target a
#     second time under the multibyte locale C.UTF-8; any crash, leak,
#     sanitizer report or time-out fails the run and leaves the input in
#     build-fuzz/artifacts/;
#  2. the memory check of scripts/memcheck.sh (valgrind) on the plain build.
#
# Environment:
#   KIVPARSER_FUZZ_SECONDS   time per fuzz target (default 60; 0 skips fuzzing)
#   KIVPARSER_MEMCHECK=0     skips the valgrind check
#   KIVPARSER_CHECKS_REPORT  a file to which one line per check is added: what
#                            ran, or what was skipped and why (scripts/test.sh
#                            prints them at its end); unset, they are printed
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

seconds=${KIVPARSER_FUZZ_SECONDS:-60}
jobs=$(nproc 2>/dev/null || echo 2)
status=0

checks_name=extra-checks
source "$top/scripts/checks-note.sh"

# The fuzz targets need clang++ with its libFuzzer runtime.
fuzz_ready() {
  command -v clang++ >/dev/null || { skip_reason="clang++ is not installed"; return 1; }
  [ -e "$(clang++ -print-file-name=libclang_rt.fuzzer-x86_64.a)" ] \
    || { skip_reason="clang's libFuzzer runtime is not installed"; return 1; }
}

# Seed corpora in build-fuzz/seeds/<target>: registration files of the test
# data and of the sample installation; for the merge target, pairs of files
# of the same kind joined by the "%%" line the target splits at; for the
# language server, the message streams of fuzz/corpus/lsp.
make_seeds() {
  local seeds=build-fuzz/seeds
  rm -rf "$seeds"
  mkdir -p "$seeds/registration" "$seeds/merge" "$seeds/paths" "$seeds/lsp"
  local n=0 f
  while IFS= read -r -d '' f; do
    n=$((n + 1))
    cp "$f" "$seeds/registration/seed-$n"
  done < <(find tests/data examples/etc -type f ! -name '*.dump' ! -name '*.py' ! -name '*.out' \
             ! -name '*.msg' ! -name '*.gif' ! -name '*.template' -size -64k -print0 2>/dev/null | sort -z)
  [ -d tests/data/fuzz ] && cp tests/data/fuzz/* "$seeds/registration/" 2>/dev/null || true
  # Pairs: consecutive files of one directory, and each file with itself.
  local dir prev m=0
  while IFS= read -r -d '' dir; do
    prev=
    for f in "$dir"/*; do
      [ -f "$f" ] || continue
      case $f in *.dump|*.py|*.out|*.msg|*.gif|*.template) continue ;; esac
      m=$((m + 1))
      { cat "$f"; printf '\n%%%%\n'; cat "${prev:-$f}"; } > "$seeds/merge/pair-$m"
      prev=$f
    done
  done < <(find tests/data examples/etc -type d -print0 2>/dev/null | sort -z)
  cp fuzz/corpus/paths/* "$seeds/paths/" 2>/dev/null || true
  cp fuzz/corpus/lsp/* "$seeds/lsp/" 2>/dev/null || true
}

# run_fuzzer <target> <max_len> [options]; with fuzz_locale set, the target
# runs under that locale (KIVPARSER_FUZZ_LOCALE) with a corpus of its own.
fuzz_locale=
run_fuzzer() {
  local target=$1 max_len=$2; shift 2
  local name=$target${fuzz_locale:+-$fuzz_locale}
  local corpus=build-fuzz/corpus/$name
  mkdir -p "$corpus" build-fuzz/artifacts
  echo "extra-checks: fuzzing $name for ${seconds}s"
  if ! env ${fuzz_locale:+KIVPARSER_FUZZ_LOCALE=$fuzz_locale} \
        build-fuzz/fuzz_$target -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -max_len="$max_len" -artifact_prefix="build-fuzz/artifacts/$name-" -print_final_stats=1 \
        "$@" "$corpus" "build-fuzz/seeds/$target" > "build-fuzz/$name.log" 2>&1; then
    tail -n 60 "build-fuzz/$name.log"
    echo "extra-checks: fuzz target $target failed; inputs in build-fuzz/artifacts/" >&2
    status=1
    return
  fi
  grep -E '^stat::number_of_executed_units|^Done' "build-fuzz/$name.log" || true
}

skip_reason=
if [ "$seconds" = 0 ]; then
  note skipped "fuzzing (KIVPARSER_FUZZ_SECONDS=0)"
elif ! fuzz_ready; then
  note skipped "fuzzing ($skip_reason)"
else
  CC=clang CXX=clang++ cmake -S fuzz -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build-fuzz -j"$jobs"
  make_seeds
  export ASAN_OPTIONS=detect_leaks=1
  export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
  run_fuzzer registration 12000 -dict=fuzz/registration.dict
  fuzz_locale=C.UTF-8 run_fuzzer registration 12000 -dict=fuzz/registration.dict
  run_fuzzer merge 24000 -dict=fuzz/registration.dict
  run_fuzzer paths 20000
  targets=3
  # The language server's reader and dispatcher: built when nlohmann-json is.
  if [ -x build-fuzz/fuzz_lsp ]; then
    run_fuzzer lsp 16000
    targets=4
  else
    note skipped "fuzzing the language server's messages (nlohmann-json3-dev is not installed)"
  fi
  if [ $status -eq 0 ]; then
    note ran "fuzzing: $targets targets (registration also under C.UTF-8), ${seconds}s each (build-fuzz/)"
  else
    note FAILED "fuzzing: inputs in build-fuzz/artifacts/"
  fi
fi

if [ "${KIVPARSER_MEMCHECK:-1}" = 0 ]; then
  note skipped "memory check under valgrind (KIVPARSER_MEMCHECK=0)"
elif ! command -v valgrind >/dev/null; then
  note skipped "memory check under valgrind (valgrind is not installed)"
else
  if bash scripts/memcheck.sh build; then
    note ran "memory check under valgrind: the test suite and the tool (build/memcheck/)"
  else
    note FAILED "memory check under valgrind (build/memcheck/)"
    status=1
  fi
fi

exit $status
