#!/usr/bin/env bash
# Installs the program into a temporary prefix, starts it from a directory
# that holds only a settings file asking for music, checks that it finds its
# English texts in the installed data folder, and checks through SDL's
# disk audio driver that the music was found in the installed data folder
# and played. Without the data folder the same start stays silent.
set -euo pipefail
build_dir=$1
with_xvfb=$(cd "$(dirname "$0")/../gui" && pwd)/with_xvfb.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build_dir" --prefix "$prefix" >/dev/null

run_dir=$work/elsewhere
mkdir -p "$run_dir"
printf '\x94\x77\x8c\x69\x89\xe6\x3d\x97\xce\r\n\x88\xda\x93\xae\x8e\x77\x93\xb1\x3dOFF\r\n\x8c\x6f\x89\xdf\x8e\x9e\x8a\xd4\x3dON\r\nBGM=ON\r\n' >"$run_dir/Kumora.ini"

# Starts the installed program, lets it play for a moment, ends it with Esc;
# prints how many bytes of the recorded sound are not silence.
play_once() {
  local raw=$work/sound.raw
  rm -f "$raw"
  (cd "$run_dir" && SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$raw" QT_QPA_PLATFORM=xcb \
    "$with_xvfb" 1024x768x24 bash -c '
      "$0" & pid=$!
      for i in $(seq 50); do
        xdotool search --onlyvisible --name "Kumora" >/dev/null 2>&1 && break; sleep 0.2; done
      sleep 1.5
      win=$(xdotool search --onlyvisible --name "Kumora" | sed -n 1p)
      xdotool windowactivate --sync "$win" key Escape 2>/dev/null || kill "$pid"
      wait "$pid"' "$prefix/bin/kumora-shogi")
  [ -f "$raw" ] || { echo "none"; return; }
  tr -d '\000' <"$raw" | wc -c
}

# Starts the installed program in English and prints its windows' titles.
english_titles() {
  (cd "$run_dir" && SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb \
    "$with_xvfb" 1024x768x24 bash -c '
      "$0" --lang en & pid=$!
      for i in $(seq 50); do
        xdotool search --onlyvisible --name "Kumora" >/dev/null 2>&1 && break; sleep 0.2; done
      sleep 0.5
      for win in $(xdotool search --onlyvisible --name "Kumora"); do xdotool getwindowname "$win"; done
      kill "$pid"; wait "$pid" 2>/dev/null; true' "$prefix/bin/kumora-shogi")
}

titles=$(english_titles)
echo "installed program in English, window titles: $titles"
if ! grep -qx "Kumora Shogi" <<<"$titles" || grep -q "雲羅将棋" <<<"$titles"; then
  echo "the installed program did not find its English texts"; exit 1
fi

heard=$(play_once)
echo "installed program, sounds in the data folder: $heard bytes of sound"
[ "$heard" != none ] && [ "$heard" -gt 1000 ] || { echo "the music was not found in the installed data folder"; exit 1; }

mv "$prefix/share/kumora-shogi" "$prefix/share/kumora-shogi.away"
silent=$(play_once)
echo "installed program, data folder gone: $silent bytes of sound"
[ "$silent" = 0 ] || { echo "sound played although no sound file can be found"; exit 1; }
