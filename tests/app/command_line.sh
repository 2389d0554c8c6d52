#!/usr/bin/env bash
# The program answers its command line before it opens a window, so these
# run without a display:
#   command_line.sh KUMORA_SHOGI VERSION
set -uo pipefail
program=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset DISPLAY WAYLAND_DISPLAY
failed=0

# run NAME EXPECTED_STATUS ARGS...: runs the program (ended after 20 seconds
# should it start the game instead) with its output in $work/NAME.out/.err.
run() {
  local name=$1 expected=$2
  shift 2
  timeout 20 "$program" "$@" >"$work/$name.out" 2>"$work/$name.err"
  local status=$?
  if [ "$status" -ne "$expected" ]; then
    echo "$name: exit status $status, expected $expected"
    cat "$work/$name.err"
    failed=1
  fi
}
expect() {  # expect CONDITION MESSAGE
  if ! eval "$1"; then echo "$2"; failed=1; fi
}

run version 0 --version
expect '[ "$(cat "$work/version.out")" = "kumora-shogi $version" ]' \
  "--version printed: $(cat "$work/version.out")"

run help 0 --help
expect 'grep -q -- "--user-folder" "$work/help.out" && [ ! -s "$work/help.err" ]' \
  "--help did not print the usage on stdout only"

run unknown 2 --user-folder --bogus
expect 'grep -q -- "--bogus" "$work/unknown.err" && grep -q "^Usage:" "$work/unknown.err"' \
  "an unknown option did not name it and the usage on stderr"
expect '[ ! -s "$work/unknown.out" ]' "an unknown option printed on stdout"

run bad_lang 2 --lang de
expect 'grep -q "^kumora-shogi: invalid value .de. for --lang (en or ja)" "$work/bad_lang.err"' \
  "a bad --lang value was not named: $(head -n 1 "$work/bad_lang.err")"

# A file where the user folder should be: the folder cannot be made.
touch "$work/data"
XDG_DATA_HOME=$work/data run unusable 1 --user-folder
expect 'grep -q "$work/data/kumora-shogi" "$work/unusable.err"' \
  "the folder that cannot be used is not named: $(cat "$work/unusable.err")"

exit $failed
