#!/usr/bin/env bash
# The Windows build, made on this machine with MinGW-w64 and run under Wine:
# cross-builds GoogleTest (Debian's sources in /usr/src/googletest), the
# library, the tool and the test suite into build-windows/, runs the suite
# under Wine, checks that the DLL exports the two Java natives and needs no
# DLL but the system's, installs the Windows tree, runs the installed
# kivparser.exe on the sample installation and compares its dump with the
# Linux tool's (CR LF read as LF, '\' as '/'), and cross-builds the CMake
# embedding example against the installed tree and runs it under Wine.
#
# usage: scripts/windows-check.sh [LINUX-BUILDDIR]     (default: build)
# The Linux tool of LINUX-BUILDDIR must be built. Prints one line per check;
# fails at the first that fails.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
linux=${1:-build}
case $linux in /*) ;; *) linux="$top/$linux" ;; esac
out="$top/build-windows"
jobs=$(nproc 2>/dev/null || echo 2)
start=$(date +%s)

fail() { echo "windows-check: $*" >&2; exit 1; }
wine=$(command -v wine64 || command -v wine || true)
[ -n "$wine" ] || [ ! -x /usr/lib/wine/wine64 ] || wine=/usr/lib/wine/wine64
wineserver=$(command -v wineserver || true)
[ -n "$wineserver" ] || [ ! -x /usr/lib/wine/wineserver ] || wineserver=/usr/lib/wine/wineserver
[ -n "$wine" ] && [ -n "$wineserver" ] || fail "Wine (wine64) is not installed: bash scripts/setup.sh test"
command -v x86_64-w64-mingw32-g++-posix >/dev/null || fail "MinGW-w64 (g++-mingw-w64-x86-64-posix) is not installed"
[ -f /usr/src/googletest/CMakeLists.txt ] || fail "GoogleTest's sources (googletest) are not installed"
[ -x "$linux/tools/kivparser/kivparser" ] || fail "the Linux tool $linux/tools/kivparser/kivparser is not built"
objdump=x86_64-w64-mingw32-objdump
toolchain="$top/cmake/toolchains/mingw-w64.cmake"

# Wine's own prefix below the build directory, its server kept alive for the
# run (the first start makes the prefix, about 8 s) and ended with it.
export WINEPREFIX="$out/wine" WINEDEBUG=-all
mkdir -p "$out"
"$wine" wineboot --init >/dev/null 2>&1 || true
"$wineserver" -w
[ -f "$WINEPREFIX/system.reg" ] || fail "Wine could not make its prefix in $WINEPREFIX"
"$wineserver" -p
trap '"$wineserver" -k 2>/dev/null || true' EXIT
# Wine's own background processes start with the first program and keep its
# output open: started here with nowhere to write, they hold up no test.
"$wine" wineboot </dev/null >/dev/null 2>&1 || true

echo "== GoogleTest for Windows"
gtest="$out/googletest/install"
if [ ! -f "$gtest/lib/libgtest.a" ]; then
  cmake -S /usr/src/googletest -B "$out/googletest/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF -DCMAKE_INSTALL_PREFIX="$gtest" >/dev/null
  cmake --build "$out/googletest/build" -j"$jobs" >/dev/null
  cmake --install "$out/googletest/build" >/dev/null
fi

echo "== library, tool and tests for Windows (build-windows/)"
prefix="$out/install"
cmake -S . -B "$out/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKIVPARSER_TESTS=ON -DCMAKE_PREFIX_PATH="$gtest" -DCMAKE_INSTALL_PREFIX="$prefix" >/dev/null
cmake --build "$out/build" -j"$jobs"
rm -rf "$prefix"
cmake --install "$out/build" >/dev/null

echo "== test suite under Wine"
ctest --test-dir "$out/build" --output-on-failure --no-tests=error -j"$jobs" 2>&1 | tee "$out/build/ctest.log"

echo "== exports and dependencies of the DLL"
dll="$prefix/bin/kivparser.dll"
[ -f "$dll" ] && [ -f "$prefix/bin/kivparser.exe" ] && [ -f "$prefix/lib/libkivparser.dll.a" ] \
  || fail "the installed tree lacks bin/kivparser.dll, bin/kivparser.exe or lib/libkivparser.dll.a"
for file in include/kivparser/kivparser.h lib/cmake/kivparser/kivparserConfig.cmake lib/pkgconfig/kivparser.pc \
            share/kivparser/nls/libparser.cat share/man/man1/kivparser.1; do
  [ -f "$prefix/$file" ] || fail "the installed tree lacks $file"
done
$objdump -p "$dll" >"$out/dll.txt"
for native in Java_com_zeta_kz_topology_KivParserNative_getIconUrl \
              Java_com_zeta_kz_topology_KivParserNative_getStyleXMLURLandCreateIfNeeded; do
  grep -q " $native\$" "$out/dll.txt" || fail "kivparser.dll does not export $native"
  echo "exported: $native"
done
for file in "$dll" "$prefix/bin/kivparser.exe"; do
  deps=$($objdump -p "$file" | sed -n 's/^\s*DLL Name: //p' | tr '\n' ' ')
  echo "$(basename "$file") needs: $deps"
  if echo "$deps" | grep -qiE 'libstdc|libgcc|libwinpthread'; then
    fail "$(basename "$file") needs a runtime DLL of the compiler"
  fi
done

echo "== kivparser.exe dump all on the sample installation, compared with Linux"
export KZ_ETC_PATH="$top/examples/etc" KZwwwBitmapDir="$top/examples/www/htdocs/bitmaps"
unset KIvRegDir KIvSymDir KIvFieldDir NLSPATH
# The Windows runtime knows no UTF-8 locale: both read the sample in the "C"
# language subdirectory (the Windows locale's name has none of its own).
LC_ALL=C "$linux/tools/kivparser/kivparser" dump all | sed 's|\\|/|g' >"$out/dump-linux.txt"
"$wine" "$prefix/bin/kivparser.exe" dump all >"$out/dump-windows.raw"
tr -d '\r' <"$out/dump-windows.raw" | sed 's|\\|/|g' >"$out/dump-windows.txt"
cmp -s "$out/dump-linux.txt" "$out/dump-windows.txt" \
  || { diff "$out/dump-linux.txt" "$out/dump-windows.txt" | head -20; fail "the Windows dump differs from the Linux dump"; }
grep -q $'\r$' "$out/dump-windows.raw" || fail "the Windows dump is not in text mode (no CR LF)"
echo "same dump: $(wc -l <"$out/dump-linux.txt") lines"

echo "== examples/embed/cmake built as a Windows host"
embed="$out/embed-cmake"
rm -rf "$embed"
cmake -S examples/embed/cmake -B "$embed" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_PREFIX_PATH="$prefix" \
  -DCMAKE_CXX_FLAGS="-Wall -Wextra -Wpedantic -Werror" >/dev/null
cmake --build "$embed" >/dev/null
# The DLL is found beside the program, as a Windows host installs it.
cp "$dll" "$embed/"
"$wine" "$embed/menubars.exe" jkiv | tr -d '\r' | tee "$out/menubars.txt"
grep -q '^4 applications$' "$out/menubars.txt" || fail "menubars: wrong application count"
grep -q '^Help$' "$out/menubars.txt" || fail "menubars: no Help menu bar"

echo "windows-check: all passed in $(($(date +%s) - start)) s"
