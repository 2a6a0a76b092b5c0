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
WINEPREFIX="$build/wine" ctest --test-dir "$build" -j "$(nproc)" --output-on-failure ||
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
for args in "1966 --time-zone Europe/London" "1990 --time-zone Europe/Berlin"; do
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

log "the input window on Xvfb"
display=:$((60 + RANDOM % 200))
Xvfb "$display" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
DISPLAY=$display openbox >/dev/null 2>&1 &
wm=$!
sleep 1
mkdir -p "$shots"
DISPLAY=$display WINEPATH= LANG=C.UTF-8 wine "$program" >/dev/null 2>&1 &
window=$(DISPLAY=$display timeout 60 xdotool search --sync --onlyvisible --name '^Solvanta v1.0$' |
  head -n1)
if [ -n "$window" ]; then
  sleep 2
  DISPLAY=$display import -window root "$shots/input-window.png"
  echo "made $shots/input-window.png"
else
  fail "the installed program showed no input window within a minute"
fi
wineserver -k
kill "$wm" "$xvfb" 2>/dev/null
wait "$wm" "$xvfb" 2>/dev/null

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
