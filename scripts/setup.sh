#!/usr/bin/env bash
# Installs the build dependencies that a fresh machine lacks, from Debian's
# packages, and does nothing when everything is already there. Works as root
# (no sudo needed) and as a user with sudo; refreshes the package lists before
# installing, so stale or missing lists do not matter.
set -euo pipefail

need=()
have_cmd() { command -v "$1" >/dev/null 2>&1; }
have_cmd flex       || need+=(flex)
have_cmd byacc      || need+=(byacc)
have_cmd gencat     || need+=(libc-dev-bin)
have_cmd localedef  || need+=(libc-bin)
have_cmd cmake      || need+=(cmake)
have_cmd g++        || need+=(g++)
have_cmd make       || need+=(make)
have_cmd pkg-config || need+=(pkg-config)
[ -f /usr/include/gtest/gtest.h ] || need+=(libgtest-dev)
[ -f /usr/include/iconv.h ] || need+=(libc6-dev)
# The install test compiles a host that includes X11's Xlib.h beside the library.
[ -f /usr/include/X11/Xlib.h ] || need+=(libx11-dev)
# Locale sources: the tests build a multibyte test locale from them.
[ -f /usr/share/i18n/locales/zh_TW ] || need+=(locales)
# The extra checks (fuzz targets, valgrind) and the benchmark (its peer library).
have_cmd clang++    || need+=(clang)
have_cmd valgrind   || need+=(valgrind)
[ -f /usr/include/benchmark/benchmark.h ] || need+=(libbenchmark-dev)
[ -f /usr/include/libconfig.h ] || need+=(libconfig-dev)
for extra in ${KIVPARSER_EXTRA_PACKAGES:-}; do
  dpkg -s "$extra" >/dev/null 2>&1 || need+=("$extra")
done

[ ${#need[@]} -eq 0 ] && exit 0

echo "setup: installing ${need[*]}"
export DEBIAN_FRONTEND=noninteractive
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  if ! have_cmd sudo; then
    echo "setup: need root (or sudo) to install: ${need[*]}" >&2
    exit 1
  fi
  as_root=(sudo -E)
fi
# A list that fails to refresh (one unreachable source) must not stop the
# install; a package that cannot be installed does.
"${as_root[@]}" apt-get update -qq || echo "setup: apt-get update reported problems; trying the install anyway" >&2
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
