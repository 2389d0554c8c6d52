#!/usr/bin/env bash
# The Debian package from end to end: builds it with CPack, checks it with
# lintian, installs it on this machine with apt-get, validates the installed
# desktop entry and metainfo, starts the program with the desktop entry's
# command as a desktop would, plays a move, starts it in English, and removes
# the package again.
#   package_test.sh BUILD_DIR
# Exits 77 (skipped) when not run as root or when a tool is missing.
set -euo pipefail
build_dir=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
with_xvfb=$here/../gui/with_xvfb.sh

skip() { echo "skipped: $*"; exit 77; }
[ "$(id -u)" -eq 0 ] || skip "the package is installed with apt-get, which needs root"
for tool in cpack dpkg-deb dpkg-shlibdeps apt-get lintian desktop-file-validate appstreamcli \
            Xvfb xdotool; do
  command -v "$tool" >/dev/null || skip "$tool is missing (scripts/setup.sh installs it)"
done
if grep -q "ok installed" <<<"$(dpkg-query -W -f='${Status}' kumora-shogi 2>/dev/null)"; then
  skip "a kumora-shogi package is installed already and is left alone (apt-get remove kumora-shogi)"
fi

work=$(mktemp -d)
installed=no
finish() {
  if [ "$installed" = yes ]; then
    apt-get remove -y -qq -o DPkg::Lock::Timeout=120 kumora-shogi >/dev/null || true
  fi
  rm -rf "$work"
}
trap finish EXIT

echo "== building the package"
cpack --config "$build_dir/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" \
  || { cat "$work/cpack.log"; exit 1; }
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build_dir/CPackConfig.cmake")
deb=$work/package/kumora-shogi_${version}_amd64.deb
[ -f "$deb" ] || { echo "no $deb"; ls "$work/package"; exit 1; }

echo "== lintian"
lintian --fail-on error,warning --display-info "$deb"

echo "== the description tells the computer's five levels"
grep -q "at five levels" <<<"$(dpkg-deb -f "$deb" Description)" \
  || { echo "the package's description does not say five levels"; exit 1; }

echo "== installing"
apt-get install -y -qq -o DPkg::Lock::Timeout=120 "$deb" >"$work/apt.log" \
  || { cat "$work/apt.log"; exit 1; }
installed=yes
desktop_file=$(dpkg -L kumora-shogi | grep '^/usr/share/applications/.*\.desktop$')
metainfo=$(dpkg -L kumora-shogi | grep '^/usr/share/metainfo/.*\.metainfo\.xml$')
for size in 48 128 256; do
  [ -f "/usr/share/icons/hicolor/${size}x${size}/apps/kumora-shogi.png" ] \
    || { echo "no icon of $size pixels"; exit 1; }
done

echo "== desktop-file-validate $desktop_file"
desktop-file-validate "$desktop_file"
echo "== appstreamcli validate $metainfo"
# --no-net: the home page and the screenshots' addresses are not checked.
appstreamcli validate --no-net "$metainfo"
grep -q "at five levels" "$metainfo" && grep -q "五つのﾚﾍﾞﾙ" "$metainfo" \
  || { echo "the metainfo does not say five levels"; exit 1; }
manual_page=$(dpkg -L kumora-shogi | grep '/man6/kumora-shogi.6.gz$')
grep -q "one of five levels" <<<"$(zcat "$manual_page")" \
  || { echo "the manual page does not say five levels"; exit 1; }
grep -q "<release version=\"$version\"" "$metainfo" \
  || { echo "the metainfo has no release $version"; exit 1; }
grep -q "^kumora-shogi ($version)" <<<"$(zcat /usr/share/doc/kumora-shogi/changelog.gz | sed -n 1p)" \
  || { echo "the changelog's newest entry is not $version"; exit 1; }

echo "== starting the installed program from its desktop entry"
read -r -a command <<<"$(sed -n 's/^Exec=//p' "$desktop_file")"
"$with_xvfb" 1280x1024x24 "$here/play_installed.sh" "$work/session" "${command[@]}"

echo "== the installed program in English"
[ -f /usr/share/kumora-shogi/translations/kumora_en.qm ] || { echo "no English texts installed"; exit 1; }
# Japanese titles the window "雲羅将棋 Kumora Shogi", English "Kumora Shogi".
mkdir -p "$work/english"
(cd "$work/english" && HOME=$work/english XDG_CONFIG_HOME=$work/english SDL_AUDIODRIVER=dummy \
  QT_QPA_PLATFORM=xcb "$with_xvfb" 1024x768x24 bash -c '
    /usr/games/kumora-shogi --lang en & pid=$!
    for i in $(seq 100); do
      xdotool search --onlyvisible --pid "$pid" --name "^Kumora Shogi$" >/dev/null 2>&1 && break
      sleep 0.1
    done
    found=$(xdotool search --onlyvisible --pid "$pid" --name "^Kumora Shogi$" 2>/dev/null || true)
    kill "$pid"; wait "$pid" || true
    [ -n "$found" ]') || { echo "the installed program did not show its English window"; exit 1; }

echo "== removing the package"
apt-get remove -y -qq -o DPkg::Lock::Timeout=120 kumora-shogi >/dev/null
installed=no
[ ! -e /usr/games/kumora-shogi ] || { echo "the program stayed after removal"; exit 1; }
echo "package test passed"
