#!/usr/bin/env bash
# Runs one scenario with the window's whole visible state queried before the
# first command and after every command: what the surface shows (`surface`),
# how much was drawn (`paints`), the frames (`marks`), the position and state
# (`dump`), the status line, the ticks and the file panel (`window`). The
# trace says, for each script line, what the line printed and every line of
# those queries that changed, in words a reader can judge ("cell 5,7 = lower
# 歩", "state turn = -1", "marks row 7 = 2 2 12 ..."), and must equal the
# stored trace. It sees what a scenario's own queries do not ask for: a
# missing redraw, a text printed in the wrong place, a tick left on. The
# traced script keeps the original's comment lines, and with them its
# options. With UPDATE=1 the trace file is written instead.
set -uo pipefail
runner=$1 script=$2 expected=$3
here=$(dirname "$0")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dir=$work/run
mkdir "$dir"

# Before each command (a setup with its 11 rows, a write with its lines up to
# "end") a marker naming the script line; after it the queries, each behind a
# marker of its own.
awk '
  function queries() {
    print "echo @@paints"; print "paints"; print "echo @@surface"; print "surface"
    print "echo @@marks"; print "marks"; print "echo @@dump"; print "dump"
    print "echo @@status"; print "status"; print "echo @@window"; print "window"
    print "echo @@done"
  }
  NR == 1 { print "echo @@line 0"; queries() }
  {
    raw = $0
    sub(/\r$/, "", raw)
    line = raw
    sub(/^[ \t]+/, "", line)
    if (setup_rows > 0) { print; if (--setup_rows == 0) queries(); next }
    # A written file ends at a line that is "end" and nothing else.
    if (in_write) { print; if (raw == "end") { in_write = 0; queries() } next }
    if (line == "" || substr(line, 1, 1) == "#") { print; next }
    print "echo @@line " NR
    print
    split(line, words, /[ \t]+/)
    if (words[1] == "setup") { setup_rows = 11; next }
    if (words[1] == "write") { in_write = 1; next }
    queries()
  }' "$script" >"$work/traced.scenario"

# shellcheck source=run_scenario.sh
. "$here/run_scenario.sh"
run_scenario "$runner" "$work/traced.scenario" "$dir" "$work/output"
status=$?
sed -i "s|$dir|DIR|g" "$work/output"

awk -f "$here/trace_steps.awk" -v status="$status" "$script" "$work/output" >"$work/trace"

if [ "${UPDATE:-0}" = 1 ]; then
  cp "$work/trace" "$expected"
  exit 0
fi
if ! cmp -s "$expected" "$work/trace"; then
  # The first step whose lines differ, as stored and as shown.
  awk -v shown="$work/trace" -v name="$(basename "$script")" '
    function read_steps(file, steps,   line, n) {
      n = 0
      while ((getline line < file) > 0) {
        if (line ~ /^line [0-9]+:/) n++
        steps[n] = steps[n] line "\n"
      }
      return n
    }
    BEGIN {
      a = read_steps(ARGV[1], stored); b = read_steps(shown, now)
      for (i = 0; i <= (a > b ? a : b); i++) {
        if (stored[i] != now[i]) {
          print "what the window shows differs from the stored trace of " name
          printf "--- stored:\n%s--- shown:\n%s", stored[i], now[i]
          exit 1
        }
      }
    }' "$expected"
  exit 1
fi
