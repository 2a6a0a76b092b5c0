#!/usr/bin/env bash
# Runs a command as a Wayland client of its own headless weston, with a private
# runtime folder and no X display:  with-weston.sh COMMAND [ARGUMENT...]
set -uo pipefail
runtime=$(mktemp -d "${TMPDIR:-/tmp}/solvanta-weston.XXXXXX")
chmod 700 "$runtime"
weston_pid=""
cleanup() {
  [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
  rm -rf "$runtime"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR=$runtime
unset DISPLAY
HOME=$runtime XDG_CONFIG_HOME=$runtime weston --backend=headless-backend.so \
  --socket=wayland-test --idle-time=0 --width=1280 --height=1024 >"$runtime/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
  [ -S "$runtime/wayland-test" ] && break
  kill -0 "$weston_pid" 2>/dev/null || { cat "$runtime/weston.log"; exit 1; }
  sleep 0.1
done
[ -S "$runtime/wayland-test" ] || { echo "weston did not start" >&2; exit 1; }
export WAYLAND_DISPLAY=wayland-test QT_QPA_PLATFORM=wayland
"$@"
