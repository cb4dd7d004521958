#!/usr/bin/env bash
# Builds the project and runs the main job on the bundled sample installation:
# the dump of every registration kind and the generation of the style sheet.
# Nothing is written into the source tree: the writable parts go to build/.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
bash scripts/setup.sh build
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# The main job needs the library and the tool only; the tests are built by
# the test command.
cmake --build build -j"$(nproc 2>/dev/null || echo 2)" --target kivparser_cli
exec bash scripts/sample-run.sh build
