#!/usr/bin/env bash
# Runs one scenario with the window's whole visible state queried after every
# command (what was painted, the frames, the position, the status line, the
# ticks and the file panel) and compares a digest of each step with the stored
# trace. It sees what a scenario's own queries do not ask for: a missing
# redraw, a text printed in the wrong place, a tick left on. The traced
# script keeps the original's comment lines, and with them its options.
# With UPDATE=1 the trace file is written instead.
set -uo pipefail
runner=$1 script=$2 expected=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dir=$work/run
mkdir "$dir"

# After each command (a setup after its 11 rows, a write after its "end"),
# a marker naming the script line and the queries.
awk '
  function queries() {
    print "echo @@step " NR
    print "paints"; print "marks"; print "dump"; print "status"; print "window"
  }
  {
    print
    line = $0
    sub(/^[ \t]+/, "", line)
    sub(/\r$/, "", line)
    if (setup_rows > 0) { if (--setup_rows == 0) queries(); next }
    if (in_write) { if (line == "end") { in_write = 0; queries() } next }
    if (line == "" || substr(line, 1, 1) == "#") next
    split(line, words, /[ \t]+/)
    if (words[1] == "setup") { setup_rows = 11; next }
    if (words[1] == "write") { in_write = 1; next }
    queries()
  }' "$script" >"$work/traced.scenario"

# shellcheck source=run_scenario.sh
. "$(dirname "$0")/run_scenario.sh"
run_scenario "$runner" "$work/traced.scenario" "$dir" "$work/output"
status=$?
sed -i "s|$dir|DIR|g" "$work/output"
echo "status $status" >>"$work/output"

# One file per step: step.0 is what came before the first command's marker.
mkdir "$work/steps"
awk -v folder="$work/steps" '
  BEGIN { file = folder "/step.0" }
  /^@@step [0-9]+$/ { close(file); file = folder "/step." $2; next }
  { print > file }' "$work/output"
actual=$work/trace
for step in $(ls "$work/steps" | sed 's/^step\.//' | sort -n); do
  digest=$(sha1sum <"$work/steps/step.$step" | cut -c1-16)
  echo "line $step $digest"
done >"$actual"

if [ "${UPDATE:-0}" = 1 ]; then
  cp "$actual" "$expected"
  exit 0
fi
if ! diff -u "$expected" "$actual" >"$work/diff"; then
  first=$(sed -n 's/^+line \([0-9]*\) .*/\1/p' "$work/diff" | head -n 1)
  echo "what the window shows after script line ${first:-?} of $(basename "$script") differs from $(basename "$expected")"
  [ -n "$first" ] && echo "line $first: $(sed -n "${first}p" "$script")" &&
    echo "--- shown now:" && head -n 120 "$work/steps/step.$first"
  exit 1
fi
