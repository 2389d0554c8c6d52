#!/usr/bin/env bash
# Runs one scenario and compares its transcript and exit status with the
# expected ones. The expected file may end with a line "status N" (default 0).
# With UPDATE=1 the expected file is written instead.
set -uo pipefail
runner=$1 script=$2 expected=$3
actual=$(mktemp)
dir=$(mktemp -d)
trap 'rm -rf "$actual" "$dir"' EXIT
"$runner" --dir "$dir" "$script" >"$actual" 2>/dev/null
status=$?
[ $status -ne 0 ] && echo "status $status" >>"$actual"
if [ "${UPDATE:-0}" = 1 ]; then
  cp "$actual" "$expected"
  exit 0
fi
if ! diff -u "$expected" "$actual"; then
  echo "transcript of $(basename "$script") differs from $(basename "$expected")"
  exit 1
fi
