#!/usr/bin/env bash
# A game survives the program being killed: the runner plays three moves
# and is killed at once with SIGKILL; the kept game then holds every move.
#   archive_after_kill.sh KUMORA_SCENARIO
set -euo pipefail
runner=$1
dir=$(mktemp -d)
trap 'kill -9 "$pid" 2>/dev/null || true; rm -rf "$dir"' EXIT
mkfifo "$dir/script"
"$runner" --dir "$dir/run" - <"$dir/script" >"$dir/transcript" 2>&1 &
pid=$!
exec 3>"$dir/script"
printf 'menu START\nclick 8 8\nclick 8 7\nclick 8 6\nclick 2 2\nclick 2 3\nclick 2 4\n' >&3
printf 'click 2 8\nclick 3 7\nclick 3 6\necho moved\n' >&3
for _ in $(seq 100); do
  grep -q '^moved$' "$dir/transcript" 2>/dev/null && break
  sleep 0.05
done
kill -9 "$pid"
wait "$pid" 2>/dev/null || true
kept=("$dir"/run/.local/share/kumora-shogi/games/*.棋譜)
[ -f "${kept[0]}" ] || { echo "no kept game"; cat "$dir/transcript"; exit 1; }
moves=$(tail -n +4 "${kept[0]}" | grep -c .)
echo "kept game ${kept[0]##*/}: $moves moves"
[ "$moves" -eq 3 ] || { cat "${kept[0]}"; exit 1; }
