#!/usr/bin/env bash
# Checks the benchmark tools on a private X server: that startwatch times the window
# with the right title whether the title comes before or after the map, gives up on
# a title that never appears, stops a program that ignores SIGTERM and notices one
# that ends early; that the bare program shows the title the benchmark waits for;
# that the search benchmark drives the real windows to a cusp verdict; and that the
# exact Sun's benchmark computes and reports its two timings.
#   selftest.sh STARTWATCH TESTWINDOW BENCH_BARE [BENCH_RUN] [--astro BENCH_ASTRO]
set -uo pipefail
watch=$1 testwindow=$2 bare=$3
shift 3
search="" astro=""
while [ $# -gt 0 ]; do
  case $1 in
  --astro) astro=${2:-} && shift ;;
  *) search=$1 ;;
  esac
  shift
done

work=$(mktemp -d /tmp/solvanta-benchtest.XXXXXX)
xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.05
done
[ -s "$work/display" ] || { echo "selftest: Xvfb did not start"; exit 1; }
DISPLAY=":$(head -n1 "$work/display")"
export DISPLAY
export QT_QPA_PLATFORM=xcb LANG=C.UTF-8
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus" # no bus: nothing is launched
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

passed=0
failed=0
check() { # name condition...
  local name=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL: $name"
    echo "  output: $(cat "$work/out" "$work/err" 2>/dev/null | tr '\n' ' ')"
  fi
}
field() { sed -n "s/.*\b$1=\([0-9.]*\).*/\1/p" "$work/out"; }
less() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'; }
gone() { [[ $1 =~ ^[0-9]+$ ]] && ! kill -0 "$1" 2>/dev/null; }
run() { # exit status and elapsed ms of a startwatch run
  local start end
  start=$(date +%s%N)
  timeout 30 "$watch" "$@" >"$work/out" 2>"$work/err"
  status=$?
  end=$(date +%s%N)
  elapsed=$(((end - start) / 1000000))
}

# Titled before the map: timed at the map, well before the other window's title.
run --title First --settle-ms 0 -- "$testwindow" First Second 600
check "title before map: found" test "$status" = 0
check "title before map: timed at the map" less "$(field map_ms)" 500
check "title before map: memory read" less 0 "$(field hwm_kb)"
check "title before map: program stopped" gone "$(field pid)"

# The first drawing: timed when the program draws, well after the map; a window
# never drawn into gives no time.
run --title First --settle-ms 900 -- "$testwindow" First Second 0 --draw-ms 400
check "drawing: found" test "$status" = 0
check "drawing: timed at the drawing, not the map" \
  awk -v m="$(field map_ms)" -v d="$(field drawn_ms)" 'BEGIN { exit !(d - m >= 390) }'
check "drawing: main thread's time read then" less 0 "$(field drawn_main_cpu_ms)"
run --title First --settle-ms 300 -- "$testwindow" First Second 0
check "never drawn: no time" grep -q 'drawn_ms=-1.00 ' "$work/out"
run --title Second --settle-ms 300 -- "$testwindow" First Second 0 --draw-ms 200
check "another window drawn before: no time" grep -q 'drawn_ms=-1.00 ' "$work/out"
run --title First --settle-ms 500 -- "$testwindow" First Second 0 --draw-ms 200 --into-second
check "another window drawn after: no time" grep -q 'drawn_ms=-1.00 ' "$work/out"

# Titled after the map: timed when the title comes, not at the untitled map and not
# at the other window's map.
run --title Second --settle-ms 0 -- "$testwindow" First Second 600
check "title after map: found" test "$status" = 0
check "title after map: timed at the title" less 590 "$(field map_ms)"
check "title after map: program stopped" gone "$(field pid)"

# A title that never comes: gives up at the timeout and stops the program.
run --title Nothing --timeout-ms 700 -- "$testwindow" First Second 0
check "missing title: fails" test "$status" = 1
check "missing title: waits for the timeout" less 690 "$elapsed"
pid=$(sed -n 's/.*pid=\([0-9]*\).*/\1/p' "$work/err")
check "missing title: program stopped" gone "$pid"

# A program that ignores SIGTERM is killed all the same.
run --title First --settle-ms 0 -- "$testwindow" First Second 0 --ignore-term
check "ignores SIGTERM: found" test "$status" = 0
check "ignores SIGTERM: program killed" gone "$(field pid)"

# A program that ends before showing anything is reported at once.
run --title First --timeout-ms 10000 -- false
check "early end: fails" test "$status" = 1
check "early end: noticed before the timeout" less "$elapsed" 5000

# The bare program shows the title the benchmark waits for.
run --title "Bare v1.0" --settle-ms 0 -- "$bare"
check "bare program: window found" test "$status" = 0

# The search benchmark runs the real windows to the cusp verdict and back.
if [ -n "$search" ]; then
  timeout 60 "$search" --reps 3 --warmup 1 >"$work/out" 2>"$work/err"
  status=$?
  check "search benchmark: runs" test "$status" = 0
  check "search benchmark: times the search" less 0 "$(field run_ms)"
  check "search benchmark: times the bare window" less 0 "$(field bare_ms)"
fi

# The exact Sun's benchmark: a few repetitions, both medians reported, the year's
# search computing one to three full positions per sign change.
if [ -n "$astro" ]; then
  timeout 60 "$astro" --reps 3 --warmup 1 >"$work/out" 2>"$work/err"
  status=$?
  check "astro benchmark: runs" test "$status" = 0
  check "astro benchmark: times a year" less 0 "$(field year_ms)"
  check "astro benchmark: times a position" less 0 "$(field position_us)"
  check "astro benchmark: times a position computed in full" less 0 "$(field direct_us)"
  check "astro benchmark: a year reads 13 to 50 positions" \
    awk -v n="$(field positions_per_year)" 'BEGIN { exit !(n >= 13 && n <= 50) }'
  check "astro benchmark: prints its targets" grep -q '| one Sun position, us' "$work/out"
fi

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
