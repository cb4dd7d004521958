#!/usr/bin/env bash
# run-install-test.sh BUILD_DIR CONSUMER_SOURCE CXX PKG_CONFIG "EXTRA_FLAGS"
set -euo pipefail
build=$1 consumer=$2 cxx=$3 pkgconfig=$4 flags=${5:-}

work=$(mktemp -d /tmp/kivparser-install.XXXXXX)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

cmake --install "$build" --prefix "$prefix" >/dev/null
libdir=$(dirname "$(find "$prefix" -name 'libkivparser.so' | head -n1)")
catalog=$(find "$prefix" -name libparser.cat | head -n1)
test -n "$catalog" || { echo "libparser.cat was not installed"; exit 1; }
test -f "$prefix/include/kivparser/kivparser.h" || { echo "umbrella header missing"; exit 1; }
export NLSPATH="$(dirname "$catalog")/%N.cat" LANG=C

echo "== find_package(kivparser)"
cmake -S "$consumer" -B "$work/cmake-build" -DCMAKE_PREFIX_PATH="$prefix" \
  -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" >/dev/null
cmake --build "$work/cmake-build" >/dev/null
"$work/cmake-build/consumer"

echo "== pkg-config kivparser"
export PKG_CONFIG_PATH="$libdir/pkgconfig"
# shellcheck disable=SC2046,SC2086
"$cxx" -std=c++17 $flags -o "$work/consumer-pc" "$consumer/consumer.cpp" \
  $("$pkgconfig" --cflags --libs kivparser) -Wl,-rpath,"$libdir"
"$work/consumer-pc"
