#!/bin/sh
# A host program built with one plain command line through pkg-config:
#
#   PKG_CONFIG_PATH=<prefix>/lib/pkgconfig sh build.sh
#   KZ_ETC_PATH=<sample>/etc KZwwwBitmapDir=<sample>/www/htdocs/bitmaps ./symbols
set -e
cd "$(dirname "$0")"
${CXX:-c++} -std=c++17 ${CXXFLAGS:-} -o symbols symbols.cpp $(pkg-config --cflags --libs kivparser) \
  -Wl,-rpath,"$(pkg-config --variable=libdir kivparser)"
