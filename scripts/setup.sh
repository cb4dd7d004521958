#!/usr/bin/env bash
# Installs the build dependencies that a fresh machine lacks, from Debian's
# packages, and does nothing when everything is already there.
set -euo pipefail

need=()
command -v flex   >/dev/null 2>&1 || need+=(flex)
command -v byacc  >/dev/null 2>&1 || need+=(byacc)
command -v gencat >/dev/null 2>&1 || need+=(libc-bin)
command -v cmake  >/dev/null 2>&1 || need+=(cmake)
command -v g++    >/dev/null 2>&1 || need+=(g++)
[ -f /usr/include/gtest/gtest.h ] || need+=(libgtest-dev)
[ -f /usr/include/iconv.h ] || need+=(libc6-dev)
for extra in ${KIVPARSER_EXTRA_PACKAGES:-}; do
  dpkg -s "$extra" >/dev/null 2>&1 || need+=("$extra")
done

if [ ${#need[@]} -gt 0 ]; then
  echo "setup: installing ${need[*]}"
  export DEBIAN_FRONTEND=noninteractive
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  $sudo_cmd apt-get install -y -qq "${need[@]}" >/dev/null
fi
