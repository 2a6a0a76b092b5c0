#!/usr/bin/env bash
# Redraws Solvanta's artwork (sign pictures and program icon) into assets/.
# Builds tools/drawart in a temporary directory, runs it, and removes the build.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(mktemp -d "${TMPDIR:-/tmp}/solvanta-drawart.XXXXXX")"
trap 'rm -rf "$build"' EXIT

cmake -S "$root/tools/drawart" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build"
QT_QPA_PLATFORM=offscreen "$build/drawart" "$root/assets"
