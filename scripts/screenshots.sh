#!/usr/bin/env bash
# Remakes the README's screenshots (docs/screenshots/*.png): drives the built
# program under a private Xvfb with xdotool and captures each window with import.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$root/build/src/solvanta}
out=$root/docs/screenshots
mkdir -p "$out"

work=$(mktemp -d)
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"

mkdir -m 700 "$work/run"
HOME=$work XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=xcb \
  "$program" >/dev/null 2>&1 &
app=$!

visible() { xdotool search --onlyvisible --name '^Solvanta' 2>/dev/null | sort; }
# Waits until a window appears that was not in the list given, and prints its id.
new_window() {
  local before=$1 id
  for _ in $(seq 100); do
    id=$(comm -13 <(echo "$before") <(visible) | tail -n1)
    [ -n "$id" ] && { sleep 0.4; echo "$id"; return; }
    sleep 0.1
  done
  echo "no new window" >&2
  exit 1
}
shoot() { import -window "$1" "$out/$2"; echo "made $out/$2"; }

input=$(new_window "")
shoot "$input" input-window.png
xdotool windowfocus --sync "$input"
xdotool type --delay 20 'ada'
xdotool key Tab Tab
xdotool type --delay 20 'lovelace'
# Month: January is chosen; day: 20; year: 1990.
xdotool key Tab Tab
for _ in $(seq 19); do xdotool key Down; done
xdotool key Tab
for _ in $(seq 90); do xdotool key Down; done
before=$(visible)
xdotool key Tab space
verdict=$(new_window "$before")
xdotool windowfocus --sync "$verdict"
before=$(visible)
xdotool key Return
result=$(new_window "$before")
shoot "$result" result-cusp.png

xdotool windowfocus --sync "$result"
before=$(visible)
xdotool key alt+h
sleep 0.3
xdotool key a
about=$(new_window "$before")
shoot "$about" about-box.png
xdotool windowfocus --sync "$about"
xdotool key Escape
sleep 0.3

xdotool windowfocus --sync "$result"
xdotool key alt+f
sleep 0.3
before=$(visible)
xdotool key x
exitscreen=$(new_window "$before")
shoot "$exitscreen" exit-screen.png
xdotool windowfocus --sync "$exitscreen"
xdotool key alt+x
wait "$app"
app=
