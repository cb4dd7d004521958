#!/usr/bin/env bash
# The main job on the sample installation in examples/: prints the dump of
# every registration kind and generates the web style sheet.
#
# usage: scripts/sample-run.sh [BUILDDIR]      (default: build)
#
# The sample's configuration tree (examples/etc) and bitmaps are read where
# they are; the style sheet is written into a web tree below BUILDDIR
# (BUILDDIR/sample/kz/www/htdocs/C/dynamicViews), never into the source tree.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
case $build in /*) ;; *) build="$top/$build" ;; esac
tool="$build/tools/kivparser/kivparser"
sample="$top/examples"
if [ ! -x "$tool" ]; then
  echo "sample-run: $tool is not built" >&2
  exit 1
fi

# The writable web tree: the style-sheet directory with the template.
web="$build/sample/kz"
sheetdir="$web/www/htdocs/C/dynamicViews"
mkdir -p "$sheetdir"
cp "$sample/www/htdocs/C/dynamicViews/dvStyle.xml.template" "$sheetdir/"

export KZ_ETC_PATH="$sample/etc"
export KZ_PATH="$web"
export KZwwwBitmapDir="$sample/www/htdocs/bitmaps"
unset KIvRegDir KIvSymDir KIvFieldDir
# The UTF-8 flavour of the default locale, when the machine has it: the
# sample's registration directory has a language subdirectory of that name.
if locale -a 2>/dev/null | grep -qix 'c\.utf-\?8'; then
  export LC_ALL=C.UTF-8
else
  export LC_ALL=C
fi

# Both steps run; the job fails when either does.
status=0
echo "# kivparser dump all    (KZ_ETC_PATH=$KZ_ETC_PATH, locale $LC_ALL)"
"$tool" dump all || status=1
echo
echo "# kivparser stylesheet --force    (KZ_PATH=$KZ_PATH)"
if "$tool" stylesheet --force; then
  echo "style sheet: $sheetdir/dvStyleV7.xml"
else
  status=1
fi
exit $status
