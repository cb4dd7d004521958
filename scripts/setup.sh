#!/usr/bin/env bash
# Installs what a command of the project needs and the machine lacks, from
# Debian's packages, and does nothing when everything is already there.
#
# usage: scripts/setup.sh [build|test]
#   build  (the default; the main job) building the library and the tool:
#          a C++ compiler, make, CMake, flex, byacc and gencat
#   test   (the test command) the above, and GoogleTest, pkg-config, the
#          locale sources and X11's headers (the test suite), clang with its libFuzzer runtime
#          (the fuzz targets), valgrind (the memory check), Google Benchmark
#          and libconfig (the benchmark), man (the manual page's test),
#          Python's jsonschema (the JSON export's schema check), Chromium
#          and its WebDriver (the preview page's browser check), Neovim (the
#          language server's check in a real editor; with Emacs, the error
#          parsers that read the gnu report format), nlohmann-json (the
#          tool's language server), MinGW-w64 and Wine (the Windows build
#          and its tests under Wine)
# KIVPARSER_EXTRA_PACKAGES names more Debian packages to install.
#
# Works as root (no sudo needed) and as a user with sudo; refreshes the package
# lists before installing, so stale or missing lists do not matter. When the
# packages cannot be installed (no root, no sudo, no apt-get), it names them
# and the command that installs them, and fails.
set -euo pipefail

set_name=${1:-build}
case $set_name in
  build|test) ;;
  *) echo "usage: scripts/setup.sh [build|test]" >&2; exit 2 ;;
esac

need=()
have_cmd() { command -v "$1" >/dev/null 2>&1; }
have_file() { [ -e "$1" ]; }

have_cmd g++        || need+=(g++)
have_cmd make       || need+=(make)
have_cmd cmake      || need+=(cmake)
have_cmd flex       || need+=(flex)
have_cmd byacc      || need+=(byacc)
have_cmd gencat     || need+=(libc-dev-bin)
have_file /usr/include/iconv.h || need+=(libc6-dev)

if [ "$set_name" = test ]; then
  have_file /usr/include/gtest/gtest.h || need+=(libgtest-dev)
  have_cmd pkg-config || need+=(pkg-config)
  # The install test compiles a host that includes X11's Xlib.h beside the library.
  have_file /usr/include/X11/Xlib.h || need+=(libx11-dev)
  have_cmd localedef  || need+=(libc-bin)
  # Locale sources: the tests build a multibyte test locale from them.
  have_file /usr/share/i18n/locales/zh_TW || need+=(locales)
  have_cmd clang++    || need+=(clang)
  # clang without its runtimes cannot link a fuzz target.
  if ! have_cmd clang++ || [ ! -e "$(clang++ -print-file-name=libclang_rt.fuzzer-x86_64.a)" ]; then
    need+=(libclang-rt-dev)
  fi
  have_cmd valgrind   || need+=(valgrind)
  have_file /usr/include/benchmark/benchmark.h || need+=(libbenchmark-dev)
  have_file /usr/include/libconfig.h || need+=(libconfig-dev)
  have_cmd man        || need+=(man-db)
  have_cmd nroff      || need+=(groff-base)
  # The test of the JSON export validates it against its schema.
  python3 -c 'import jsonschema' >/dev/null 2>&1 || need+=(python3-jsonschema)
  # The preview page is checked in headless Chromium through chromedriver.
  { [ -x /usr/lib/chromium/chromium ] || have_cmd chromium; } || need+=(chromium)
  have_cmd chromedriver || need+=(chromium-driver)
  # The tool's language server reads and writes JSON with nlohmann-json; it is
  # checked in Neovim's built-in client. The gnu report format is read back
  # by the error parsers of Neovim (or a Vim with +eval) and Emacs.
  have_file /usr/include/nlohmann/json.hpp || need+=(nlohmann-json3-dev)
  have_cmd nvim || need+=(neovim)
  have_cmd emacs || need+=(emacs-nox)
  # The Windows build: the cross compiler (POSIX threads), GoogleTest's
  # sources to build for it, Wine to run it (KIVPARSER_WINDOWS=0 skips it).
  if [ "${KIVPARSER_WINDOWS:-1}" != 0 ]; then
    have_cmd x86_64-w64-mingw32-g++-posix || need+=(g++-mingw-w64-x86-64-posix)
    have_file /usr/src/googletest/CMakeLists.txt || need+=(googletest)
    have_cmd wine64 || have_file /usr/lib/wine/wine64 || need+=(wine64)
  fi
fi
for extra in ${KIVPARSER_EXTRA_PACKAGES:-}; do
  dpkg -s "$extra" >/dev/null 2>&1 || need+=("$extra")
done

[ ${#need[@]} -eq 0 ] && exit 0

# Says what is missing and how to install it, and fails.
cannot_install() {
  {
    echo "setup: $1; the $set_name set-up needs these Debian packages: ${need[*]}"
    echo "setup: install them as root with:  apt-get update && apt-get install ${need[*]}"
    echo "setup: (or, with sudo:  sudo apt-get update && sudo apt-get install ${need[*]}), then run the command again"
  } >&2
  exit 1
}

have_cmd apt-get || cannot_install "no apt-get on this machine"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  have_cmd sudo || cannot_install "not root and no sudo"
  # sudo may ask for a password only where somebody can type it.
  if ! sudo -n true 2>/dev/null && [ ! -t 0 ]; then
    cannot_install "sudo needs a password and there is no terminal"
  fi
  as_root=(sudo -E)
fi

echo "setup: installing ${need[*]}"
export DEBIAN_FRONTEND=noninteractive
# A list that fails to refresh (one unreachable source) must not stop the
# install; a package that cannot be installed does.
"${as_root[@]}" apt-get update -qq || echo "setup: apt-get update reported problems; trying the install anyway" >&2
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null \
  || cannot_install "apt-get could not install them"
