#!/usr/bin/env bash
# Plays one move in the installed program as a person would, the program
# started by the desktop entry's command in a session of its own: a new home
# folder and data folder, the current directory elsewhere, the PATH of a
# desktop session. Run under a virtual X server:
#   play_installed.sh SESSION_DIR COMMAND [ARGS...]
# Then checks that Kumora.ini and the kept game are in the user folder and
# nothing in the current directory, and that the installed sounds were found.
set -euo pipefail
session=$1
shift
home=$session/home
elsewhere=$session/elsewhere
mkdir -p "$home" "$elsewhere"
export HOME=$home XDG_DATA_HOME=$session/data XDG_CONFIG_HOME=$home/.config
export PATH=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games
export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$session/sound.raw
user_folder=$XDG_DATA_HOME/kumora-shogi
games=$user_folder/games

fail() {
  echo "$*"
  kill "$pid" 2>/dev/null || true
  exit 1
}
# wait_for SECONDS COMMAND...: polls until COMMAND succeeds; false when it never does.
wait_for() {
  local tries=$(($1 * 10))
  shift
  for ((i = 0; i < tries; i++)); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}
windows() { xdotool search --onlyvisible --pid "$pid" "$@" 2>/dev/null; }
window_count_is() { [ "$(windows | wc -l)" -eq "$1" ]; }
one_move_kept() {
  local kept=("$games"/*.棋譜)
  [ -f "${kept[0]}" ] && [ "$(tail -n +4 "${kept[0]}" | grep -c .)" -eq 1 ]
}

[ "$(command -v "$1")" = /usr/games/kumora-shogi ] || fail "$1 is $(command -v "$1")"
(cd "$elsewhere" && exec "$@") &
pid=$!

wait_for 30 windows --name Kumora || fail "the window did not appear"
window=$(windows --name Kumora | sed -n 1p)
wait_for 10 test -f "$user_folder/Kumora.ini" || fail "no Kumora.ini in $user_folder"
[ "$(readlink "/proc/$pid/cwd")" = "$user_folder" ] || fail "the program works in $(readlink "/proc/$pid/cwd")"

# The window is placed and sized at its first start so that the board's
# surface (600 x 480 pixels at scale 1) fills the space beside the side
# panel (260 pixels) between the menu bar and the status line, of about the
# same height.
eval "$(xdotool getwindowgeometry --shell "$window")"
surface_width=$((WIDTH - 260))
chrome=$((HEIGHT - surface_width * 4 / 5))
menu_bar_middle=$((Y + chrome / 4))
surface_top=$((Y + chrome / 2))
# click_cell X Y: a left click in the middle of the board's cell (X, Y).
click_cell() {
  local twips_x=$((1050 + 495 * $1 + 247)) twips_y=$((100 + 615 * $2 + 307))
  xdotool mousemove $((X + twips_x * surface_width / 9000)) \
                    $((surface_top + twips_y * surface_width / 9000)) click 1
  sleep 0.2
}

# 対局 -> 対局(人間) -> スタート: the first menu by the mouse, the rest by keys.
xdotool mousemove $((X + 20)) "$menu_bar_middle" click 1
wait_for 15 window_count_is 2 || fail "the menu 対局 did not open"
xdotool key Down Right
wait_for 15 window_count_is 3 || fail "the menu 対局(人間) did not open"
xdotool key Return
# "先手の番です", answered with Enter. With no window manager nobody gives
# the box the focus: give it, and press again if a busy machine lost the key.
box_window() {
  local w
  for w in $(windows); do
    [ "$(xdotool getwindowname "$w")" = " " ] && echo "$w" && return 0
  done
  return 1
}
wait_for 15 box_window || fail "no box telling whose turn it is"
box=$(box_window)
for _ in 1 2 3; do
  xdotool windowfocus --sync "$box" 2>/dev/null || true
  xdotool key Return
  wait_for 5 window_count_is 1 && break
done
window_count_is 1 || { for w in $(windows); do echo "window $w: $(xdotool getwindowname $w)"; done; fail "the box did not close"; }

# The rook of 2八 steps onto the pawn of 2七 and goes on to 2六.
click_cell 8 8
click_cell 8 7
click_cell 8 6
wait_for 10 one_move_kept || fail "no game with one move kept in $games"

xdotool windowfocus "$window" key Escape
wait_for 10 bash -c "! kill -0 $pid" || fail "Esc did not end the program"
wait "$pid" || fail "the program ended with status $?"

[ -z "$(ls -A "$elsewhere")" ] || fail "files in the current directory: $(ls -A "$elsewhere")"
[ ! -e "$home/Kumora.ini" ] || fail "Kumora.ini in the home folder"
heard=$(tr -d '\000' <"$session/sound.raw" | wc -c)
[ "$heard" -gt 1000 ] || fail "the sounds of /usr/share/kumora-shogi were not heard ($heard bytes)"
echo "played a move: Kumora.ini and the kept game in $user_folder, $heard bytes of sound"
