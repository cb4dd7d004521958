#!/usr/bin/env bash
# The language server in a real editor: Neovim, headless, with its built-in
# LSP client and the editor files of editors/vim, runs
# tests/tools/lsp/nvim_test.lua on a copy of the test workspace
# (tests/data/lsp/workspace): diagnostics of a file with an error, a jump to
# a definition in another file, hover, references, completion, filetype and
# syntax, shutdown. Any difference fails the check.
#
# usage: scripts/editor-check.sh [BUILDDIR]     (default: build)
# Environment:
#   KIVPARSER_EDITOR_CHECK=0  skips the check
#   KIVPARSER_CHECKS_REPORT   a file to which the line of the closing report
#                             is added (scripts/test.sh prints it at its end);
#                             unset, it is printed
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
case $build in /*) ;; *) build="$top/$build" ;; esac
cd "$top"

checks_name=editor-check
source "$top/scripts/checks-note.sh"

what="language server in Neovim (headless)"
if [ "${KIVPARSER_EDITOR_CHECK:-1}" = 0 ]; then
  note skipped "$what (KIVPARSER_EDITOR_CHECK=0)"
  exit 0
fi
if ! command -v nvim >/dev/null; then
  note skipped "$what (neovim is not installed; scripts/setup.sh test installs it)"
  exit 0
fi
tool="$build/tools/kivparser/kivparser"
if [ ! -x "$tool" ]; then
  echo "editor-check: $tool is not built" >&2
  exit 1
fi
# Without a message the server reads the end of its input and ends; a tool
# built without it says so.
if "$tool" lsp </dev/null 2>&1 | grep -q 'built without'; then
  note skipped "$what (the tool was built without its language server: nlohmann-json3-dev is missing)"
  exit 0
fi

out="$build/editor-check"
rm -rf "$out"
mkdir -p "$out"
cp -r tests/data/lsp/workspace "$out/workspace"
export KIVPARSER_TOOL="$tool" KIVPARSER_WORKSPACE="$out/workspace" KIVPARSER_EDITOR_FILES="$top/editors/vim"
export LC_ALL=C HOME="$out" XDG_CONFIG_HOME="$out/config" XDG_DATA_HOME="$out/data" XDG_STATE_HOME="$out/state" \
       XDG_CACHE_HOME="$out/cache"
unset KIvRegDir KIvSymDir KIvFieldDir LANG LC_CTYPE KZ_ETC_PATH
version=$(nvim --version | head -n 1)
start=$(date +%s)
status=0
# --clean: no user configuration, no plugins; the script is the only thing run.
timeout 120 nvim --headless --clean -n -i NONE -c "luafile tests/tools/lsp/nvim_test.lua" \
  >"$out/nvim.log" 2>&1 </dev/null || status=$?
cat "$out/nvim.log"
if [ $status -eq 0 ] && grep -q '^0 failed' "$out/nvim.log"; then
  checked="diagnostics, definition in another file, hover, references, completion, filetype and syntax, shutdown"
  note ran "$what, $version: $checked, in $(( $(date +%s) - start ))s"
else
  note FAILED "$what (status $status; see $out/nvim.log)"
  exit 1
fi
