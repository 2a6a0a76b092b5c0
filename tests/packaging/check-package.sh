#!/usr/bin/env bash
# Builds the Debian package from a built tree and checks it: the control fields,
# the dependencies worked out from the program, the files it holds, and that the
# program taken out of it starts on a private X server with a fresh home folder and
# shows its input window without asking anything.
set -uo pipefail
build=${1:?usage: check-package.sh <build-dir>}
build=$(cd "$build" && pwd)

tmp=$(mktemp -d "${TMPDIR:-/tmp}/solvanta-deb.XXXXXX")
app_pid=""
xvfb_pid=""

# shellcheck disable=SC2317 # called from the exit trap
stop() { # pid: asks the process to end, then forces it
  local pid=$1
  [ -n "$pid" ] || return 0
  kill -TERM "$pid" 2>/dev/null || return 0
  for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -KILL "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
}
# shellcheck disable=SC2317
cleanup() {
  stop "$app_pid"
  stop "$xvfb_pid"
  rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
finish() {
  if [ $failures -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
  fi
  echo "all package checks passed"
  exit 0
}

# --- build the package --------------------------------------------------------
if ! cpack --config "$build/CPackConfig.cmake" -B "$tmp/out" >"$tmp/cpack.log" 2>&1; then
  cat "$tmp/cpack.log"
  echo "FAIL: cpack"
  exit 1
fi
arch=$(dpkg --print-architecture)
deb=$tmp/out/solvanta_1.0.0_$arch.deb
if [ ! -f "$deb" ]; then
  cat "$tmp/cpack.log"
  echo "FAIL: no $(basename "$deb") among: $(ls "$tmp/out")"
  exit 1
fi
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"

# --- control fields -----------------------------------------------------------
field() { dpkg-deb --field "$deb" "$1"; }
expect_field() { # name value
  local actual
  actual=$(field "$1")
  if [ "$actual" = "$2" ]; then
    echo "ok: $1: $actual"
  else
    fail "$1 is '$actual', expected '$2'"
  fi
}
expect_field Package solvanta
expect_field Version 1.0.0
expect_field Architecture "$arch"
expect_field Section utils
expect_field Maintainer "Solvanta developers <dev@solvanta.example>"

depends=$(field Depends)
echo "Depends: $depends"
# Package names only: alternatives and version constraints dropped.
tr ',|' '\n' <<<"$depends" | sed 's/(.*)//; s/:any//; s/[[:space:]]//g' | sed '/^$/d' |
  sort -u >"$tmp/depends"
for p in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 liberfa1 fonts-dejavu-core; do
  grep -qx "$p" "$tmp/depends" || fail "Depends lacks $p"
done

# --- files --------------------------------------------------------------------
dpkg-deb --contents "$deb" >"$tmp/contents"
paths=$(awk '{print $NF}' "$tmp/contents")
expected=(
  ./usr/bin/solvanta
  ./usr/share/applications/solvanta.desktop
  ./usr/share/metainfo/example.solvanta.Solvanta.metainfo.xml
  ./usr/share/icons/hicolor/scalable/apps/solvanta.svg
  ./usr/share/doc/solvanta/copyright
  ./usr/share/doc/solvanta/changelog.gz
  ./usr/share/man/man1/solvanta.1.gz
)
for s in 16 32 48 64 128 256; do
  expected+=("./usr/share/icons/hicolor/${s}x${s}/apps/solvanta.png")
done
for f in "${expected[@]}"; do
  grep -qxF "$f" <<<"$paths" || fail "the package lacks $f"
done
stray=$(grep -vE '^\./(usr/.*)?$' <<<"$paths")
[ -z "$stray" ] || fail "files outside /usr: $stray"
if grep -qE '^-rwxr-xr-x root/root .* \./usr/bin/solvanta$' "$tmp/contents"; then
  echo "ok: usr/bin/solvanta is root's and executable"
else
  fail "usr/bin/solvanta has the wrong owner or mode: $(grep 'usr/bin/solvanta' "$tmp/contents")"
fi

root=$tmp/root
dpkg-deb -x "$deb" "$root" || {
  echo "FAIL: dpkg-deb -x"
  exit 1
}
program=$root/usr/bin/solvanta
[ -x "$program" ] || {
  echo "FAIL: extracted program missing"
  finish
}

file -b "$program" | grep -q ', stripped' || fail "the packaged program is not stripped: $(file -b "$program")"
if readelf -d "$program" | grep -qE 'R(UN)?PATH'; then
  fail "the packaged program carries a library search path: $(readelf -d "$program" | grep -E 'R(UN)?PATH')"
fi

# Every library the program loads comes from a package it depends on.
for lib in $(readelf -d "$program" | sed -n 's/.*Shared library: \[\(.*\)\]/\1/p'); do
  owners=$(dpkg -S "*/$lib" 2>/dev/null | cut -d: -f1 | tr ',' '\n' | sed 's/[[:space:]]//g' | sort -u)
  if [ -z "$owners" ]; then
    fail "no installed package provides $lib"
  elif ! grep -qxFf "$tmp/depends" <<<"$owners"; then
    fail "$lib comes from $(tr '\n' ' ' <<<"$owners"), which the package does not depend on"
  fi
done

# --- Debian's checker: no error, no warning ---------------------------------------
if command -v lintian >/dev/null; then
  lintian --fail-on error,warning "$deb" >"$tmp/lintian.log" 2>&1
  status=$?
  sed 's/^/lintian: /' "$tmp/lintian.log"
  if [ $status -eq 0 ]; then
    echo "ok: lintian reports no error and no warning"
  else
    fail "lintian (status $status)"
  fi
else
  fail "lintian is not installed (scripts/install-deps.sh)"
fi

# The manual page reads as a page, with every option of --help.
page=$root/usr/share/man/man1/solvanta.1.gz
if [ -f "$page" ]; then
  MANWIDTH=80 man -l "$page" >"$tmp/manpage.txt" 2>"$tmp/man.log" || fail "man -l: $(cat "$tmp/man.log")"
  for option in $("$program" --help | grep -oE '^ +(-[a-z], )?--[a-z-]+' | grep -oE -- '--[a-z-]+'); do
    grep -qF -- "$option" "$tmp/manpage.txt" || fail "the manual page does not name $option"
  done
  for section in 'EXIT STATUS' FILES; do
    grep -q "^$section" "$tmp/manpage.txt" || fail "the manual page has no $section"
  done
  echo "ok: the manual page names every option of --help"
fi

# --- start the packaged program -----------------------------------------------
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$tmp/display" 2>"$tmp/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$tmp/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.1
done
if [ ! -s "$tmp/display" ]; then
  cat "$tmp/xvfb.log"
  echo "FAIL: Xvfb did not start"
  exit 1
fi
display=:$(head -n1 "$tmp/display" | tr -d '[:space:]')
echo "X server on $display"

home=$tmp/home
runtime=$tmp/runtime
mkdir -p "$home/.config" "$home/.local/share" "$home/.cache"
mkdir -m 0700 "$runtime"
day_before=$(date +%F)
# Only what the program needs from the environment, all of it private to this run;
# the session bus points nowhere so that nothing starts one.
env -i PATH=/usr/bin:/bin HOME="$home" XDG_CONFIG_HOME="$home/.config" \
  XDG_DATA_HOME="$home/.local/share" XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$runtime" \
  TMPDIR="$tmp" LANG=C.UTF-8 DISPLAY="$display" QT_QPA_PLATFORM=xcb \
  DBUS_SESSION_BUS_ADDRESS="unix:path=$tmp/no-bus" \
  "$program" >"$tmp/app.log" 2>&1 &
app_pid=$!

x() { DISPLAY=$display "$@"; }
window=""
for _ in $(seq 150); do
  if ! kill -0 "$app_pid" 2>/dev/null; then
    wait "$app_pid"
    echo "program ended with status $? before showing a window:"
    cat "$tmp/app.log"
    app_pid=""
    fail "the packaged program did not start"
    finish
  fi
  window=$(x xdotool search --onlyvisible --name '^Solvanta v1\.0$' 2>/dev/null)
  [ -n "$window" ] && break
  sleep 0.1
done
if [ -z "$window" ]; then
  cat "$tmp/app.log"
  x xwininfo -root -tree
  fail "no window titled 'Solvanta v1.0' was mapped within 15 s"
  finish
fi
echo "ok: window 'Solvanta v1.0' mapped"

count=$(wc -l <<<"$window")
[ "$count" -eq 1 ] || fail "$count windows titled 'Solvanta v1.0' on a first start, expected the input window alone"
window=$(head -n1 <<<"$window")
props=$(x xprop -id "$window" _NET_WM_WINDOW_TYPE WM_CLASS)
grep -q '_NET_WM_WINDOW_TYPE_NORMAL' <<<"$props" || fail "the window is not a main window: $props"
# Desktops match the window to the menu entry through its class.
wm_class=$(sed -n 's/^StartupWMClass=//p' "$root/usr/share/applications/solvanta.desktop")
if grep -qF ", \"$wm_class\"" <<<"$props"; then
  echo "ok: WM_CLASS matches StartupWMClass=$wm_class"
else
  fail "WM_CLASS does not match StartupWMClass=$wm_class: $props"
fi
# A fresh home asks nothing: no message box is up.
if boxes=$(x xdotool search --onlyvisible --name '^Solvanta$' 2>/dev/null) && [ -n "$boxes" ]; then
  fail "a message box is showing on a first start"
fi
# The first start stored the reminder date in the private settings, nowhere else.
conf=$home/.config/Solvanta/Solvanta.conf
if grep -qE "^lastReminderDate=($day_before|$(date +%F))$" "$conf" 2>/dev/null; then
  echo "ok: first start stored lastReminderDate in the private settings"
else
  fail "no lastReminderDate for today in $conf: $(cat "$conf" 2>&1)"
fi
kill -0 "$app_pid" 2>/dev/null || fail "the program ended after showing its window"

finish
