#!/usr/bin/env bash
# Runs one scenario and compares its transcript and exit status with the
# expected ones. The expected file may end with a line "status N" (default 0).
# A script line "# file size limit: N" runs the program under `ulimit -f N`;
# a line "# runner options: OPTIONS" gives the runner OPTIONS (--lang en).
# The run directory is written DIR in the transcript, and no temporary file of
# a save may be left in the run directory. With UPDATE=1 the expected file is written
# instead.
set -uo pipefail
runner=$1 script=$2 expected=$3
actual=$(mktemp)
dir=$(mktemp -d)
trap 'rm -rf "$actual" "$dir"' EXIT
# shellcheck source=run_scenario.sh
. "$(dirname "$0")/run_scenario.sh"
run_scenario "$runner" "$script" "$dir" "$actual"
status=$?
sed -i "s|$dir|DIR|g" "$actual"
[ $status -ne 0 ] && echo "status $status" >>"$actual"
if [ "${UPDATE:-0}" = 1 ]; then
  cp "$actual" "$expected"
  exit 0
fi
if ! diff -u "$expected" "$actual"; then
  echo "transcript of $(basename "$script") differs from $(basename "$expected")"
  exit 1
fi
leftovers=$(find "$dir" -name '*.tmp-*')
if [ -n "$leftovers" ]; then
  echo "temporary files left behind: $leftovers"
  exit 1
fi
