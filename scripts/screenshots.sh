#!/usr/bin/env bash
# Remakes the README's screenshots (docs/screenshots/*.png): drives the built
# program under a private Xvfb with xdotool and captures each window with import.
# The windows alone are taken on a bare X server; the exit screen with one of its
# message boxes on top and a focused text area are taken under openbox, a real
# window manager, with its frames.
#
#   bash scripts/screenshots.sh [program]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$root/build/src/solvanta}
out=$root/docs/screenshots
mkdir -p "$out"

work=$(mktemp -d)
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A private X server (and, with "openbox", a window manager on it), and the program
# on it with fresh settings.
start() {
  local display_file=$work/display-$1
  exec 3>"$display_file"
  Xvfb -displayfd 3 -screen 0 "${SOLVANTA_SCREEN:-1366x768x24}" -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 50); do [ -s "$display_file" ] && break; sleep 0.1; done
  exec 3>&-
  export DISPLAY=":$(head -n1 "$display_file")"
  mkdir -p -m 700 "$work/run-$1"
  if [ "$1" = openbox ]; then
    HOME=$work XDG_CONFIG_HOME=$work/config-$1 openbox --sm-disable >/dev/null 2>&1 &
    wm=$!
    for _ in $(seq 100); do
      xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
      sleep 0.1
    done
  fi
  HOME=$work XDG_CONFIG_HOME=$work/config-$1 XDG_RUNTIME_DIR=$work/run-$1 QT_QPA_PLATFORM=xcb \
    "$program" >/dev/null 2>&1 &
  app=$!
}

stop() {
  wait "$app" || true
  app=
  [ -n "${wm:-}" ] && { kill "$wm" 2>/dev/null || true; wait "$wm" 2>/dev/null || true; wm=; }
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
  xvfb=
}

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
# A window with the window manager's frame around it.
shoot_framed() { import -frame -window "$1" "$out/$2"; echo "made $out/$2"; }
# What the screen shows over a window's frame: the window and whatever lies on it.
shoot_area() {
  local frame geometry
  frame=$(xwininfo -id "$1" -tree | awk '/Parent window id/ {print $4}')
  geometry=$(xwininfo -id "$frame" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
    /^ *Width/ {w=$2} /^ *Height/ {h=$2} END {printf "%dx%d+%d+%d", w, h, x, y}')
  import -window root -crop "$geometry" +repage "$out/$2"
  echo "made $out/$2"
}

# The input window filled in for 20 January 1990 (a cusp) and searched; the
# verdict is answered. Prints the result window's id.
search_cusp() {
  local input=$1 verdict before
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
  [ "$2" = focus ] && xdotool windowfocus --sync "$verdict"
  before=$(visible)
  xdotool key Return
  new_window "$before"
}

# "Sun Sign Changes" opened by keyboard from the window given (Sun > Exact Sign
# Changes...). Prints its id.
open_sun() {
  local sun
  xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"
  xdotool key alt+s
  sleep 0.3
  xdotool key e
  sun=$(xdotool search --sync --onlyvisible --name '^Sun Sign Changes$' | head -n1)
  sleep 0.4
  echo "$sun"
}
# The exit screen reached through File > Exit of the window given. Prints its id.
exit_screen_from() {
  local before
  xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"
  xdotool key alt+f
  sleep 0.3
  before=$(visible)
  xdotool key x
  new_window "$before"
}
# Ends the program through its exit screen, and the X server with it.
end_from() {
  local exitscreen
  exitscreen=$(exit_screen_from "$1")
  xdotool windowfocus --sync "$exitscreen"
  xdotool key alt+x
  stop
}
# In "Sun Sign Changes": a box chosen by its mnemonic, an entry typed (a list jumps
# to the entry typed).
choose_in_sun() { # mnemonic, entry
  xdotool key "$1"
  sleep 0.5
  xdotool type --delay 20 "$2"
  sleep 0.5
}

# --- Under openbox, in another language (docs/screenshots/languages/): the input
# window, a cusp result, "Sun Sign Changes" opened from the result's way on (Tab from
# "Back", then Space) and the exit screen (the window closed by the window manager),
# keyed without mnemonics, which differ by language ---
languages_section() {
  mkdir -p "$out/languages"
  local lang input result sun exitscreen before
  for lang in de_DE pt_BR; do
    LANG=$lang.UTF-8 LANGUAGE= start openbox
    input=$(new_window "")
    shoot_framed "$input" "languages/$lang-input.png"
    result=$(search_cusp "$input" keep)
    xdotool windowactivate --sync "$result" 2>/dev/null || xdotool windowfocus --sync "$result"
    sleep 0.3
    shoot_framed "$result" "languages/$lang-result.png"
    xdotool key Tab space
    sun=$(xdotool search --sync --onlyvisible --name '^Sternzeichenwechsel$|^Mudan|^Sun Sign Changes$' | tail -n1)
    sleep 0.6
    shoot_framed "$sun" "languages/$lang-sun-changes.png"
    xdotool key Escape
    sleep 0.3
    xdotool windowactivate --sync "$result" 2>/dev/null || xdotool windowfocus --sync "$result"
    before=$(visible)
    xdotool key alt+F4
    exitscreen=$(new_window "$before")
    sleep 0.3
    shoot_framed "$exitscreen" "languages/$lang-exit-screen.png"
    kill "$app" 2>/dev/null || true
    stop
  done
}
if [ "${SCREENSHOTS:-all}" = languages ]; then
  languages_section
  exit 0
fi

# --- The windows on a bare X server ---
start bare
input=$(new_window "")
shoot "$input" input-window.png
xdotool windowfocus --sync "$input"
result=$(search_cusp "$input" focus)
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

exitscreen=$(exit_screen_from "$result")
shoot "$exitscreen" exit-screen.png
xdotool windowfocus --sync "$exitscreen"
xdotool key alt+x
stop

# --- Under openbox: the keyboard goes where the window manager puts it ---
start openbox
input=$(new_window "")
result=$(search_cusp "$input" keep)
# Back holds the focus; Tab goes to the tabs, Tab again into "Positive Traits".
xdotool key Tab Tab
sleep 0.4
shoot_framed "$result" result-focused-area.png

exitscreen=$(exit_screen_from "$result")
# E&xit holds the focus; Tab, Tab, Tab reach "Refer A Friend &Now" (the check
# box, then "Your Name"); Return presses it with the form untouched.
xdotool key Tab Tab Tab
sleep 0.2
before=$(visible)
xdotool key Return
box=$(new_window "$before")
shoot_area "$exitscreen" exit-screen-message.png
xdotool key Return
sleep 0.3
xdotool key alt+x
stop

# --- Under openbox: "Sun Sign Changes", opened from the result window's Sun menu
# on the searched date (20 January 1990), in a zone with summer time, with a time
# of birth read ---
TZ=Europe/Paris start openbox
input=$(new_window "")
result=$(search_cusp "$input" keep)
sun=$(open_sun "$result")
xdotool key alt+t
xdotool type --delay 20 '09:15'
xdotool key Return
sleep 0.4
shoot_framed "$sun" sun-changes.png
xdotool key Escape
sleep 0.3
end_from "$result"

# --- The same windows under each desktop look (docs/screenshots/looks/): Qt's
# default, the Adwaita-Dark and Adwaita-HighContrast styles and a dark GTK theme.
# The program draws with its own style and palette, so all four should match ---
mkdir -p "$out/looks"
shoot_look() { # look: input, cusp result, Sun Sign Changes and exit screen
  local look=$1 input result sun exitscreen
  input=$(new_window "")
  shoot "$input" "looks/$look-input.png"
  xdotool windowfocus --sync "$input"
  result=$(search_cusp "$input" focus)
  shoot "$result" "looks/$look-result.png"
  sun=$(open_sun "$result")
  shoot "$sun" "looks/$look-sun-changes.png"
  xdotool windowfocus --sync "$sun"
  xdotool key Escape
  sleep 0.3
  exitscreen=$(exit_screen_from "$result")
  shoot "$exitscreen" "looks/$look-exit-screen.png"
  xdotool windowfocus --sync "$exitscreen"
  xdotool key alt+x
  stop
}
start bare
shoot_look default
QT_STYLE_OVERRIDE=Adwaita-Dark start bare
shoot_look adwaita-dark
QT_STYLE_OVERRIDE=Adwaita-HighContrast start bare
shoot_look adwaita-highcontrast
QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark start bare
shoot_look gtk-dark

# --- Under openbox: "Sun Sign Changes" in Europe/London (the system's zone here),
# opened from the input window: a birth at the minute the Sun entered Aries (20 March
# 2024, 03:06), then a time the clocks showed twice (27 October 2024, 01:30) ---
TZ=Europe/London start openbox
input=$(new_window "")
sun=$(open_sun "$input")
choose_in_sun alt+y 2024
choose_in_sun alt+m March
choose_in_sun alt+d 20
xdotool key alt+t
xdotool type --delay 20 '03:06'
xdotool key Return
sleep 0.4
shoot_framed "$sun" sun-minute-of-change.png
choose_in_sun alt+m October
choose_in_sun alt+d 27
xdotool key alt+t ctrl+a
xdotool type --delay 20 '01:30'
xdotool key Return
sleep 0.4
shoot_framed "$sun" sun-repeated-hour.png
xdotool key Escape
sleep 0.3
end_from "$input"

# --- Under openbox: the picture of the days around a sign change, with the birth on
# it; then once more at twice the scale ---
# Chooses year, month, day, zone and time of birth by keyboard and takes the window.
sun_picture() { # window year month day zone time file
  choose_in_sun alt+y "$2"
  choose_in_sun alt+m "$3"
  choose_in_sun alt+d "$4"
  xdotool key alt+b ctrl+a
  xdotool type --delay 20 "$5"
  xdotool key Return
  xdotool key alt+t ctrl+a BackSpace
  [ -n "$6" ] && xdotool type --delay 20 "$6"
  xdotool key Return
  sleep 0.5
  shoot_framed "$1" "$7"
}
SOLVANTA_SCREEN=1024x768x24 start openbox
sun=$(open_sun "$(new_window "")")
sun_picture "$sun" 1990 July 21 Europe/Berlin '' sun-picture-cusp-day.png
sun_picture "$sun" 2024 March 20 Europe/London 03:06 sun-picture-minute-of-change.png
sun_picture "$sun" 2024 October 27 Europe/London 01:30 sun-picture-repeated-hour.png
kill "$app" 2>/dev/null || true
stop

SOLVANTA_SCREEN=2560x1600x24 QT_SCALE_FACTOR=2 start openbox
sun=$(open_sun "$(new_window "")")
sun_picture "$sun" 1990 July 21 Europe/Berlin 10:00 sun-picture-scale-2.png
kill "$app" 2>/dev/null || true
stop

# --- Under openbox on a 1366 x 768 screen: from a cusp result to the exact answer.
# The result window with its way on; "Find My Exact Sun Sign..." opens "Sun Sign
# Changes" on the birth date with the keyboard in the birth place box; "springfield"
# and Enter list the places of that name; Springfield, Illinois chosen and a time of
# birth read, the whole screen ---
SOLVANTA_SCREEN=1366x768x24 start openbox
input=$(new_window "")
result=$(search_cusp "$input" keep)
xdotool windowactivate --sync "$result" 2>/dev/null || xdotool windowfocus --sync "$result"
sleep 0.3
shoot_framed "$result" result-exact-way.png
xdotool key alt+e
sun=$(xdotool search --sync --onlyvisible --name '^Sun Sign Changes$' | head -n1)
sleep 0.5
xdotool type --delay 20 'springfield'
sleep 0.3
xdotool key Return
sleep 0.6
shoot_area "$sun" sun-place-several.png
# Springfield, Illinois is the list's third entry.
xdotool key Down Down Down Return
sleep 0.4
xdotool key alt+t
xdotool type --delay 20 '06:30'
xdotool key Return
sleep 0.5
import -window root "$out/sun-window-screen.png" && echo "made $out/sun-window-screen.png"
xdotool key Escape
sleep 0.3
end_from "$result"

languages_section
