#!/usr/bin/env bash
# Runs KivParserNativeJvmCheck in a real JVM against a scratch installation in
# a fresh directory under /tmp, removed afterwards. The JVM checks every JNI
# call (-Xcheck:jni); any warning it prints fails the test.
# usage: run-jvm-check.sh <java> <classpath> <libkivparser>
set -euo pipefail
java=$1
classpath=$2
library=$3

root=$(mktemp -d /tmp/kivjvm.XXXXXX)
trap 'rm -rf "$root"' EXIT

# A UTF-8 locale, and an installation path outside ASCII: errMsg must reach
# Java converted from the locale's code set.
export LC_ALL=C.UTF-8
export KZ_PATH="$root/kz-é"
export KZ_WEB_PORT=8181
export KIvSymDir="$root/symbols"
export KZwwwBitmapDir="$root/bitmaps"

status=0
output=$("$java" -Xcheck:jni -cp "$classpath" KivParserNativeJvmCheck "$library" "$root" "$(uname -n)" 2>&1) || status=$?
printf '%s\n' "$output"
if grep -q "WARNING in native method" <<<"$output"; then
  echo "the JVM reported misuse of JNI"
  exit 1
fi
exit "$status"
