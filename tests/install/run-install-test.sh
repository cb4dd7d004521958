#!/usr/bin/env bash
# Installs the build into a scratch prefix and uses it as hosts do, from
# outside the source tree:
#  - every installed header compiles on its own, and nothing private is
#    installed;
#  - the naive command line (-I<prefix>/include only) builds and runs a host
#    written against the plain names; older standards get a clear #error;
#  - KIVPARSER_NO_GLOBAL_NAMES keeps the model's names out of the global
#    scope, so that X11's Xlib.h can be included beside the library;
#  - the three embedding examples of examples/embed (CMake package,
#    pkg-config, Java) build with -Wall -Wextra -Wpedantic -Werror and print
#    what they read from the sample installation.
#
# usage: run-install-test.sh BUILD_DIR SOURCE_DIR CXX PKG_CONFIG "EXTRA_FLAGS" [JAVAC JAVA]
set -euo pipefail
build=$1 source=$2 cxx=$3 pkgconfig=$4 flags=${5:-} javac=${6:-} java=${7:-}
here=$(cd "$(dirname "$0")" && pwd)
strict="-Wall -Wextra -Wpedantic -Werror"

work=$(mktemp -d /tmp/kivparser-install.XXXXXX)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "FAILED: $*"; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
libdir=$(dirname "$(find "$prefix" -name 'libkivparser.so' | head -n1)")
catalog=$(find "$prefix" -name libparser.cat | head -n1)
test -n "$catalog" || fail "libparser.cat was not installed"
export NLSPATH="$(dirname "$catalog")/%N.cat" LANG=C LC_ALL=C
export KZ_ETC_PATH="$source/examples/etc" KZwwwBitmapDir="$source/examples/www/htdocs/bitmaps"
unset KIvRegDir KIvSymDir KIvFieldDir

echo "== installed headers"
(cd "$prefix/include" && find kivparser -name '*.h' | sort) | tee "$work/headers.txt"
for private in Builder BuilderContext GrammarActions Lex LexReaders TokenScan SListOps SListIndex NamedList \
               PrecedencePlacement DumpWriter MenuTrace KzPlatform KzJava MessageCatalogCache KivParserNativeCache; do
  ! grep -q "/$private\.h$" "$work/headers.txt" || fail "private header $private.h installed"
done
grep -q '^kivparser/kivparser.h$' "$work/headers.txt" || fail "umbrella header missing"
grep -q '^kivparser/version.h$' "$work/headers.txt" || fail "version header missing"
while read -r header; do
  echo "#include <$header>" > "$work/one.cpp"
  # shellcheck disable=SC2086
  "$cxx" -std=c++17 $strict -fsyntax-only -I"$prefix/include" "$work/one.cpp" || fail "$header does not compile on its own"
done < "$work/headers.txt"

echo "== the naive command line"
# shellcheck disable=SC2086
"$cxx" -std=c++17 $flags -I"$prefix/include" -o "$work/naive" "$here/naive.cpp" -L"$libdir" -lkivparser
LD_LIBRARY_PATH=$libdir "$work/naive" "$source/examples/etc/registration/C/jkiv" "$source/examples/etc/symbols"
if "$cxx" -std=c++14 -fsyntax-only -I"$prefix/include" "$here/naive.cpp" 2> "$work/cxx14.txt"; then
  fail "the headers compiled as C++14"
fi
grep -q 'kivparser needs C++17' "$work/cxx14.txt" || { cat "$work/cxx14.txt"; fail "no clear message under C++14"; }

echo "== a host with every warning an error"
# shellcheck disable=SC2086
"$cxx" -std=c++17 $strict -Werror=write-strings $flags -I"$prefix/include" -o "$work/host" "$here/host.cpp" \
  -L"$libdir" -lkivparser
LD_LIBRARY_PATH=$libdir "$work/host" "$source/examples/etc/registration" "$source/tests/data/language/reports" \
  "$source/tests/data/language/reports/C/faults"

echo "== the namespace alone"
[ -f /usr/include/X11/Xlib.h ] || fail "X11/Xlib.h missing (Debian package libx11-dev; scripts/setup.sh installs it)"
# shellcheck disable=SC2086
"$cxx" -std=c++17 $strict -fsyntax-only -I"$prefix/include" "$here/x11.cpp"
if "$cxx" -std=c++17 -fsyntax-only -I"$prefix/include" "$here/globalnames.cpp" 2>/dev/null; then
  fail "KIVPARSER_NO_GLOBAL_NAMES still declares the plain names"
fi

cp -r "$source/examples/embed" "$work/embed"

echo "== examples/embed/cmake"
cmake -S "$work/embed/cmake" -B "$work/embed/cmake/build" -DCMAKE_PREFIX_PATH="$prefix" \
  -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_CXX_FLAGS="$strict $flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" >/dev/null
cmake --build "$work/embed/cmake/build" >/dev/null
"$work/embed/cmake/build/menubars" jkiv | tee "$work/menubars.txt"
grep -q '^4 applications$' "$work/menubars.txt" || fail "menubars: wrong application count"
grep -q '^Help$' "$work/menubars.txt" || fail "menubars: no Help menu bar"

echo "== examples/embed/pkg-config"
PKG_CONFIG_PATH="$libdir/pkgconfig" CXX=$cxx CXXFLAGS="$strict $flags" PATH="$(dirname "$pkgconfig"):$PATH" \
  sh "$work/embed/pkg-config/build.sh"
"$work/embed/pkg-config/symbols" | tee "$work/symbols.txt"
grep -q '^Connector (icon)$' "$work/symbols.txt" || fail "symbols: no Connector class"
grep -q 'router.50.gif$' "$work/symbols.txt" || fail "symbols: no icon URL of the router"

if [ -n "$javac" ] && [ -n "$java" ]; then
  echo "== examples/embed/java"
  jar=$(find "$prefix" -name kivparser.jar | head -n1)
  test -n "$jar" || fail "kivparser.jar was not installed"
  web=$work/kz
  mkdir -p "$web/www/htdocs/C/dynamicViews"
  cp "$source/examples/www/htdocs/C/dynamicViews/dvStyle.xml.template" "$web/www/htdocs/C/dynamicViews/"
  "$javac" -Werror -Xlint:all -cp "$jar" -d "$work/embed/java" "$work/embed/java/StyleSheet.java"
  KZ_PATH=$web "$java" -Xcheck:jni -cp "$jar:$work/embed/java" -Djava.library.path="$libdir" StyleSheet \
    Connector:Router Computer:Workstation | tee "$work/java.txt"
  grep -q '^style sheet: http://.*/dvStyleV7.xml$' "$work/java.txt" || fail "java: no style sheet URL"
  grep -q '^Connector:Router: http://.*router.50.gif$' "$work/java.txt" || fail "java: no icon URL"
  test -s "$web/www/htdocs/C/dynamicViews/dvStyleV7.xml" || fail "java: no style sheet written"
  ! grep -q "WARNING in native method" "$work/java.txt" || fail "java: the JVM reported misuse of JNI"
fi
echo "install test: ok"
