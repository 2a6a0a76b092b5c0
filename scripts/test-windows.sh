#!/usr/bin/env bash
# The Windows stage of the test command: builds the Windows program with its tests
# (scripts/build-windows.sh), runs the unit and widget tests that make sense there under
# Wine, installs the installer silently, checks the installed program against the Linux
# one, shows its input window on Xvfb and uninstalls it.
#   bash scripts/test-windows.sh <Linux build folder> [Windows build folder]
# Screenshots go to <Windows build folder>/screenshots (SOLVANTA_WINDOWS_SHOTS: elsewhere).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
linux=$(realpath "${1:?the Linux build folder}")
build=$(realpath -m "${2:-$root/build-windows}")
shots=$(realpath -m "${SOLVANTA_WINDOWS_SHOTS:-$build/screenshots}")
status=0
fail() { echo "FAIL (windows): $*"; status=1; }
log() { echo "== windows: $* ($(date -u +%H:%M:%S))"; }

SOLVANTA_WINDOWS_TESTS=1 bash "$root/scripts/build-windows.sh" "$build" || exit 1
# shellcheck source=/dev/null
. "$build/wine-env.sh"
version=$(sed -n 's/^project(Solvanta VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
setup="$build/dist/Solvanta-$version-windows-x64-setup.exe"

# A Wine of its own for the installer, started afresh: nothing of a run before is kept.
export WINEPREFIX="$build/wine-install"
rm -rf "$WINEPREFIX"
wineboot -i >/dev/null 2>&1
wineserver -w

log "unit and widget tests under Wine"
# One at a time: Wine programs starting side by side have stalled for minutes here.
WINEPREFIX="$build/wine" ctest --test-dir "$build" -j1 --timeout 120 --output-on-failure ||
  fail "tests under Wine"

log "installing $(basename "$setup") silently"
wine "$setup" /S
wineserver -w
user_folder="$WINEPREFIX/drive_c/users/$(id -un)"
installed="$user_folder/AppData/Local/Programs/Solvanta"
program="$installed/solvanta.exe"
[ -f "$program" ] || fail "the installer put no solvanta.exe in $installed"
[ -f "$user_folder/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Solvanta.lnk" ] ||
  fail "no Start-menu entry"

# The installed program answers as the Linux program does, line endings aside. WINEPATH
# is emptied: the program finds every DLL it needs in its own folder.
run_installed() { WINEPATH= wine "$program" "$@" 2>/dev/null | tr -d '\r'; }
[ "$(run_installed --version)" = "$("$linux/src/solvanta" --version)" ] ||
  fail "--version differs: $(run_installed --version)"
# Mexico City dropped summer time in 2022: only the zone rules carried beside the program
# know it (ICU's own are older).
for args in "1966 --time-zone Europe/London" "1990 --time-zone Europe/Berlin" \
  "2024 --time-zone America/Mexico_City"; do
  # shellcheck disable=SC2086
  windows=$(run_installed --sun-changes $args)
  # shellcheck disable=SC2086
  linux_out=$(LANG=C.UTF-8 "$linux/src/solvanta" --sun-changes $args)
  if [ -n "$windows" ] && [ "$windows" = "$linux_out" ]; then
    echo "--sun-changes $args: the same $(echo "$windows" | wc -l) lines as on Linux"
  else
    fail "--sun-changes $args differs from Linux:"
    diff <(echo "$linux_out") <(echo "$windows") | head -20
  fi
done

log "the installed program on Xvfb, under openbox: a cusp search and Sun Sign Changes"
display=:$((60 + RANDOM % 200))
Xvfb "$display" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
export DISPLAY=$display
openbox >/dev/null 2>&1 &
wm=$!
sleep 1
mkdir -p "$shots"
visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null | sort; }
# Waits up to 40 seconds for a window named like $2 that was not among $1; prints its id.
new_window() {
  local now
  for _ in $(seq 80); do
    now=$(comm -13 <(echo "$1") <(visible "$2") | head -n1)
    [ -n "$now" ] && { sleep 1.5; echo "$now"; return 0; }
    sleep 0.5
  done
  return 1
}
# The window with its frame, as a person sees it.
shot() {
  local frame geometry
  frame=$(xwininfo -id "$1" -tree | awk '/Parent window id/ {print $4}')
  geometry=$(xwininfo -id "$frame" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
    /^ *Width/ {w=$2} /^ *Height/ {h=$2} END {printf "%dx%d+%d+%d", w, h, x, y}')
  import -window root -crop "$geometry" +repage "$shots/$2" && echo "made $shots/$2"
}
WINEPATH='' LANG=C.UTF-8 wine "$program" >/dev/null 2>&1 &
if input=$(new_window "" '^Solvanta v1.0$'); then
  shot "$input" input-window.png
  # 20 January 1990, a cusp, typed as a person would.
  xdotool windowactivate --sync "$input" 2>/dev/null || xdotool windowfocus --sync "$input"
  xdotool type --delay 30 'ada'
  xdotool key Tab Tab
  xdotool type --delay 30 'lovelace'
  xdotool key Tab Tab
  for _ in $(seq 19); do xdotool key Down; done
  xdotool key Tab
  for _ in $(seq 90); do xdotool key Down; done
  before=$(visible '^Solvanta')
  xdotool key Tab space
  # The verdict is a message box titled "Solvanta".
  if verdict=$(new_window "$before" '^Solvanta$'); then
    shot "$verdict" cusp-verdict.png
    before=$(visible '^Solvanta v1.0$')
    xdotool key Return
    if result=$(new_window "$before" '^Solvanta v1.0$'); then
      shot "$result" result-cusp.png
      xdotool windowactivate --sync "$result" 2>/dev/null || xdotool windowfocus --sync "$result"
      xdotool key alt+e
      if sun=$(new_window "" '^Sun Sign Changes$'); then
        shot "$sun" sun-changes.png
      else
        fail "Find My Exact Sun Sign opened no Sun Sign Changes window"
      fi
    else
      fail "no result window after the verdict"
    fi
  else
    fail "the cusp search gave no verdict"
  fi
else
  fail "the installed program showed no input window within 40 seconds"
fi
wineserver -k
kill "$wm" "$xvfb" 2>/dev/null
wait "$wm" "$xvfb" 2>/dev/null
unset DISPLAY

log "uninstalling"
wine "$installed/uninstall.exe" /S
wineserver -w
sleep 2
wineserver -w
[ ! -e "$program" ] || fail "the uninstaller left solvanta.exe"
[ ! -e "$installed" ] || fail "the uninstaller left $installed: $(ls "$installed")"
[ ! -e "$user_folder/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Solvanta.lnk" ] ||
  fail "the uninstaller left the Start-menu entry"
[ $status = 0 ] && log "all checks passed"
exit $status
