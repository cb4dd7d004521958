#!/usr/bin/env bash
# The thread check of the test command: the library and the parallel-load
# test (tests/threads) built with ThreadSanitizer in build-tsan/ and run. Any
# data race or lock misuse that ThreadSanitizer reports fails it, as does a
# thread whose results differ from those of a single thread.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

jobs=$(nproc 2>/dev/null || echo 2)
flags="-fsanitize=thread -fno-omit-frame-pointer"
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKIVPARSER_TESTS=ON \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_C_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread -DCMAKE_SHARED_LINKER_FLAGS=-fsanitize=thread >/dev/null
cmake --build build-tsan -j"$jobs" --target kivparser_thread_check
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 ${TSAN_OPTIONS:-}" \
  build-tsan/tests/threads/kivparser_thread_check
