#!/usr/bin/env bash
# Two runner processes play one game over TCP on 127.0.0.1: NAME.host.scenario
# and NAME.join.scenario, with @PORT@ replaced by a free port. With a
# NAME.join2.scenario the joiner is killed once it prints "kill me", and a
# new joiner runs that script in the same folder. Each transcript must equal
# its NAME.*.expected (UPDATE=1 rewrites them), and both sides must end with
# the same move list and the same longest kept game.
#   play_pair.sh KUMORA_SCENARIO FOLDER NAME
set -euo pipefail
runner=$1
folder=$2
name=$3
work=$(mktemp -d)
[ -z "${KEEP:-}" ] || echo "kept in $work"
pids=()
trap 'for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null || true; done; [ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT

listening() { ss -Hltn "sport = :$1" 2>/dev/null | grep -q .; }

free_port() {
  local port
  for _ in $(seq 50); do
    port=$((20000 + RANDOM % 40000))
    listening "$port" || { echo "$port"; return; }
  done
  echo "no free port" >&2
  exit 1
}

port=$(free_port)
sides=(host join)
[ -f "$folder/$name.join2.scenario" ] && sides+=(join2)
for side in "${sides[@]}"; do
  sed "s/@PORT@/$port/g" "$folder/$name.$side.scenario" >"$work/$side.scenario"
done

"$runner" --dir "$work/host" "$work/host.scenario" >"$work/host.out" 2>"$work/host.err" &
pids+=($!)
for _ in $(seq 200); do
  listening "$port" && break
  sleep 0.05
done
"$runner" --dir "$work/join" "$work/join.scenario" >"$work/join.out" 2>"$work/join.err" &
pids+=($!)
last=join
if [ -f "$work/join2.scenario" ]; then
  for _ in $(seq 400); do
    grep -q '^kill me$' "$work/join.out" && break
    sleep 0.05
  done
  kill -9 "${pids[1]}"
  wait "${pids[1]}" 2>/dev/null || true
  pids=("${pids[0]}")
  "$runner" --dir "$work/join" "$work/join2.scenario" >"$work/join2.out" 2>"$work/join2.err" &
  pids+=($!)
  last=join2
fi
status=0
for p in "${pids[@]}"; do wait "$p" || status=1; done
pids=()

failed=0
for side in "${sides[@]}"; do
  expected="$folder/$name.$side.expected"
  if [ "${UPDATE:-}" = 1 ]; then
    cp "$work/$side.out" "$expected"
  elif ! diff -u "$expected" "$work/$side.out"; then
    echo "the $side's transcript differs from $expected"
    failed=1
  fi
done
[ "$status" = 0 ] || { echo "a runner failed:"; cat "$work"/*.err; failed=1; }

# The side panel's list, from each transcript's last `movelist`.
last_list() { awk '/^movelist/ {n = NR; list = ""} n && /^(movelist|\| )/ {list = list $0 "\n"} END {printf "%s", list}' "$1"; }
if [ "$(last_list "$work/host.out")" != "$(last_list "$work/$last.out")" ]; then
  echo "the two sides list different games"
  failed=1
fi

# The kept games: each side's longest (the game as it went on), the same
# moves line for line after the title.
longest() {
  local best=0 file lines
  for file in "$work/$1/.local/share/kumora-shogi/games/"*.棋譜; do
    [ -f "$file" ] || continue
    lines=$(wc -l <"$file")
    if [ "$lines" -gt "$best" ]; then best=$lines; fi
  done
  for file in "$work/$1/.local/share/kumora-shogi/games/"*.棋譜; do
    if [ -f "$file" ] && [ "$(wc -l <"$file")" -eq "$best" ]; then
      tail -n +2 "$file" | od -c | sha1sum
    fi
  done | sort -u
}
host_kept=$(longest host)
join_kept=$(longest join)
# (A game that ended before its first move keeps nothing on either side.)
if [ "$host_kept" != "$join_kept" ]; then
  echo "the two sides keep different games"
  failed=1
fi
exit "$failed"
