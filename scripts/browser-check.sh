#!/usr/bin/env bash
# The preview page in a real browser: generates the pages of "kivparser
# preview" for the sample installation and for a hostile registration and
# checks them in headless Chromium through chromedriver
# (tests/tools/preview_browser_check.py): every entry of the merged menus in
# the tree's order, menus that open on hover and from the keyboard, the side
# panel, markup shown as text. Keeps a screenshot of the sample's page in
# build/preview-check/preview.png (docs/preview.png is a copy of it).
#
# usage: scripts/browser-check.sh [BUILDDIR]     (default: build)
# Environment:
#   KIVPARSER_BROWSER_CHECK=0  skips the check
#   KIVPARSER_CHECKS_REPORT    a file to which the line of the closing report
#                              is added (scripts/test.sh prints it at its end);
#                              unset, it is printed
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
case $build in /*) ;; *) build="$top/$build" ;; esac
cd "$top"

checks_name=browser-check
source "$top/scripts/checks-note.sh"

what="preview page in headless Chromium"
if [ "${KIVPARSER_BROWSER_CHECK:-1}" = 0 ]; then
  note skipped "$what (KIVPARSER_BROWSER_CHECK=0)"
  exit 0
fi
if ! command -v chromedriver >/dev/null || { [ ! -x /usr/lib/chromium/chromium ] && ! command -v chromium >/dev/null; }; then
  note skipped "$what (chromium or chromium-driver is not installed; scripts/setup.sh test installs them)"
  exit 0
fi
tool="$build/tools/kivparser/kivparser"
if [ ! -x "$tool" ]; then
  echo "browser-check: $tool is not built" >&2
  exit 1
fi

out="$build/preview-check"
rm -rf "$out"
mkdir -p "$out"
# The sample as the tool's tests use it, in the C locale: its C files only.
export KZ_ETC_PATH="$top/examples/etc" KZwwwBitmapDir="$top/examples/www/htdocs/bitmaps" LC_ALL=C
unset KIvRegDir KIvSymDir KIvFieldDir LANG LC_CTYPE KZ_ON_SERVER KZ_EXTENDED_TOPOLOGY KZ_IPV6 KZ_HSRP
start=$(date +%s)
if python3 tests/tools/preview_browser_check.py "$tool" "$top/tests/data/tools/menus-hostile" "$out" \
     >"$out/check.log" 2>&1; then
  cat "$out/check.log"
  note ran "$what: every entry in order, hover, keyboard, side panel, escaping, in $(( $(date +%s) - start ))s (screenshot $out/preview.png)"
else
  cat "$out/check.log" >&2
  note FAILED "$what (see $out/check.log)"
  exit 1
fi
