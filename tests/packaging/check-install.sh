#!/usr/bin/env bash
# Installs a built Solvanta into a temporary prefix and checks what lands there:
# exactly the expected files, every icon at its size, and a desktop entry and
# AppStream metadata that point at the installed program, icon and each other.
set -uo pipefail
build=${1:?usage: check-install.sh <build-dir>}
build=$(cd "$build" && pwd)

tmp=$(mktemp -d "${TMPDIR:-/tmp}/solvanta-install.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/prefix
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

if ! cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" 2>&1; then
  cat "$tmp/install.log"
  echo "FAIL: cmake --install"
  exit 1
fi

sizes=(16 32 48 64 128 256)
metainfo=share/metainfo/example.solvanta.Solvanta.metainfo.xml
expected=(
  bin/solvanta
  share/applications/solvanta.desktop
  "$metainfo"
  share/icons/hicolor/scalable/apps/solvanta.svg
  share/doc/solvanta/copyright
  share/doc/solvanta/changelog.gz
  share/man/man1/solvanta.1.gz
)
for s in "${sizes[@]}"; do
  expected+=("share/icons/hicolor/${s}x${s}/apps/solvanta.png")
done

# Exactly these files, nothing missing and nothing stray.
(cd "$prefix" && find . -type f -printf '%P\n' | sort) >"$tmp/actual"
printf '%s\n' "${expected[@]}" | sort >"$tmp/expected"
if ! diff -u "$tmp/expected" "$tmp/actual" >"$tmp/diff"; then
  fail "installed files differ from the expected list (- missing, + unexpected):"
  cat "$tmp/diff"
fi

if [ -x "$prefix/bin/solvanta" ] && file -b "$prefix/bin/solvanta" | grep -q '^ELF .*executable'; then
  echo "ok: bin/solvanta is an executable"
else
  fail "bin/solvanta is not an executable program: $(file -b "$prefix/bin/solvanta" 2>&1)"
fi

for s in "${sizes[@]}"; do
  icon=$prefix/share/icons/hicolor/${s}x${s}/apps/solvanta.png
  [ -f "$icon" ] || continue
  if file -b "$icon" | grep -q "^PNG image data, $s x $s,"; then
    echo "ok: ${s}x${s} icon"
  else
    fail "${s}x${s} icon is $(file -b "$icon")"
  fi
done
if grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/solvanta.svg" 2>/dev/null; then
  echo "ok: scalable icon"
else
  fail "the scalable icon is not an SVG drawing"
fi

# The desktop entry names the installed program and icon.
desktop=$prefix/share/applications/solvanta.desktop
if [ -f "$desktop" ]; then
  exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
  icon_name=$(sed -n 's/^Icon=//p' "$desktop")
  if [ -n "$exec_name" ] && [ -x "$prefix/bin/$exec_name" ]; then
    echo "ok: Exec=$exec_name is installed"
  else
    fail "Exec=$exec_name is not installed in bin/"
  fi
  for s in "${sizes[@]}"; do
    [ -f "$prefix/share/icons/hicolor/${s}x${s}/apps/$icon_name.png" ] ||
      fail "Icon=$icon_name has no ${s}x${s} picture"
  done
fi

# The metadata launches the installed desktop entry and provides the installed program.
if [ -f "$prefix/$metainfo" ]; then
  launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$prefix/$metainfo")
  binary=$(sed -n 's:.*<binary>\(.*\)</binary>.*:\1:p' "$prefix/$metainfo")
  if [ -n "$launchable" ] && [ -f "$prefix/share/applications/$launchable" ]; then
    echo "ok: launchable $launchable is installed"
  else
    fail "launchable '$launchable' is not in share/applications"
  fi
  if [ -z "$binary" ] || [ ! -x "$prefix/bin/$binary" ]; then
    fail "provided binary '$binary' is not in bin/"
  fi
fi

# AppStream's own view of the installed tree: metadata, desktop entry and icons together.
if out=$(appstreamcli validate-tree --no-net "$prefix" 2>&1) && ! grep -qE '^[EW]: ' <<<"$out"; then
  echo "ok: appstreamcli validate-tree"
else
  echo "$out"
  fail "appstreamcli validate-tree"
fi

if [ $failures -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all install checks passed"
