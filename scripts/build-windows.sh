#!/usr/bin/env bash
# Makes the Windows program from Debian's packages and source packages:
#   bash scripts/build-windows.sh [build folder]      (default: build-windows)
# ends with dist/Solvanta-<version>-windows-x64-setup.exe (a per-user installer) and
# dist/Solvanta-<version>-windows-x64.zip (the program with the DLLs it needs) in the
# build folder.
#
# Qt, ICU (the time zones' history) and ERFA are cross-built from Debian's sources with
# MinGW-w64 into a cache outside the checkout, one folder per source version and flags:
# $SOLVANTA_WINDOWS_CACHE, else ~/.cache/solvanta-windows. A warm cache is reused; a
# cold one takes about half an hour on two cores.
#
# SOLVANTA_WINDOWS_TESTS=1 also builds the tests that run under Wine (scripts/test-windows.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build-windows}")
cache=${SOLVANTA_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/solvanta-windows}
jobs=$(nproc)
triple=x86_64-w64-mingw32
toolchain=$root/cmake/mingw-w64-x86_64.cmake
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

log() { echo "== windows: $* ($(date -u +%H:%M:%S))"; }

# --- what the build needs from Debian --------------------------------------------------
bash "$root/scripts/install-deps.sh"
packages=(g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine64 nsis zip dpkg-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  log "installing ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
fi

# The source packages are those of the Linux packages installed: the same versions.
source_version() { dpkg-query -W -f='${source:Version}' "$1"; }
qt_version=$(source_version qt6-base-dev)
icu_version=$(source_version libicu-dev)
erfa_version=$(source_version liberfa-dev)
gcc_version=$($triple-g++-posix -dumpversion)

# Fetches the source package `name` at `version` into the cache once; prints its folder.
fetch_source() {
  local name=$1 version=$2 folder
  mkdir -p "$cache/src"
  folder=$(find "$cache/src" -maxdepth 1 -type d -name "$name-${version%%-*}*" -print -quit)
  if [ -z "$folder" ]; then
    # (grep -c reads to the end: -q would stop apt-cache with SIGPIPE under pipefail)
    if [ "$(apt-cache showsrc "$name" 2>/dev/null | grep -c "^Version: $version\$")" = 0 ]; then
      log "adding Debian's source packages to apt's sources" >&2
      $sudo tee /etc/apt/sources.list.d/solvanta-deb-src.sources >/dev/null <<'EOF'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb-src
URIs: http://deb.debian.org/debian-security
Suites: bookworm-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
      $sudo apt-get update -qq >&2
    fi
    (cd "$cache/src" && apt-get source -qq "$name=$version" >/dev/null 2>&1)
    folder=$(find "$cache/src" -maxdepth 1 -type d -name "$name-${version%%-*}*" -print -quit)
  fi
  [ -n "$folder" ] || { echo "could not fetch the source of $name $version" >&2; exit 1; }
  echo "$folder"
}

# A stage's folder in the cache: named by what it is built from and how.
stage_folder() {
  local name=$1
  shift
  echo "$cache/$name-$(printf '%s\n' "$@" | sha256sum | cut -c1-12)"
}

# --- ICU: the IANA time zones with their history, for Qt's QTimeZone ---------------------
icu_flags=(--disable-tests --disable-samples --disable-extras --disable-layoutex
           --disable-tools --with-data-packaging=library)
icu=$(stage_folder icu "$icu_version" "$gcc_version" "${icu_flags[*]}")
if [ ! -e "$icu/done" ]; then
  src=$(fetch_source icu "$icu_version")
  log "building ICU $icu_version for Linux (its tools build the data)"
  rm -rf "$icu" && mkdir -p "$icu/native" "$icu/cross"
  (cd "$icu/native" && "$src/source/configure" --disable-tests --disable-samples \
     --disable-extras --disable-layoutex CC=gcc CXX=g++ >configure.log &&
   make -j"$jobs" >make.log)
  log "cross-building ICU $icu_version"
  (cd "$icu/cross" && "$src/source/configure" --host=$triple --with-cross-build="$icu/native" \
     --prefix="$icu/prefix" --enable-shared --disable-static "${icu_flags[@]}" \
     CC=$triple-gcc-posix CXX=$triple-g++-posix CFLAGS=-O2 CXXFLAGS=-O2 >configure.log &&
   make -j"$jobs" >make.log && make install >install.log)
  rm -rf "$icu/native" "$icu/cross"
  touch "$icu/done"
fi

# --- ERFA: the IAU's routines, as a static library --------------------------------------
erfa=$(stage_folder erfa "$erfa_version" "$gcc_version" static-O2)
if [ ! -e "$erfa/done" ]; then
  src=$(fetch_source erfa "$erfa_version")
  log "cross-building ERFA $erfa_version"
  rm -rf "$erfa" && mkdir -p "$erfa/obj" "$erfa/prefix/lib/pkgconfig" "$erfa/prefix/include"
  for c in "$src"/src/*.c; do
    case $(basename "$c") in t_erfa_c*.c) continue ;; esac
    echo "$c"
  done | xargs -P "$jobs" -I{} sh -c \
    "$triple-gcc-posix -O2 -c '{}' -o '$erfa/obj/'\$(basename '{}' .c).o"
  $triple-ar rcs "$erfa/prefix/lib/liberfa.a" "$erfa"/obj/*.o
  cp "$src"/src/erfa.h "$src"/src/erfam.h "$erfa/prefix/include/"
  # ERFA's own validation program, run under Wine: the library computes as on Linux.
  $triple-gcc-posix -O2 -I"$erfa/prefix/include" "$src"/src/t_erfa_c.c \
    "$erfa/prefix/lib/liberfa.a" -o "$erfa/t_erfa_c.exe"
  cat >"$erfa/prefix/lib/pkgconfig/erfa.pc" <<EOF
prefix=$erfa/prefix
libdir=\${prefix}/lib
includedir=\${prefix}/include

Name: erfa
Description: Essential Routines for Fundamental Astronomy
Version: ${erfa_version%%-*}
Libs: -L\${libdir} -lerfa
Cflags: -I\${includedir}
EOF
  rm -rf "$erfa/obj"
  touch "$erfa/done"
fi

# --- Qt: Core, Gui, Widgets and Test, with ICU ---------------------------------------------
qt_flags=(-release -shared -qt-host-path /usr -nomake examples -nomake tests
          -no-opengl -no-dbus -no-glib -no-pkg-config -icu
          -qt-zlib -qt-pcre -qt-libpng -qt-libjpeg -qt-harfbuzz -qt-freetype
          -no-feature-directwrite3 -no-feature-sql -no-feature-network
          -no-feature-printsupport -no-feature-concurrent -no-feature-xml)
qt=$(stage_folder qt "$qt_version" "$gcc_version" "${qt_flags[*]}" "$(basename "$icu")" \
     "$(sha256sum "$toolchain" | cut -c1-12)")
if [ ! -e "$qt/done" ]; then
  src=$(fetch_source qt6-base "$qt_version")
  log "cross-building Qt $qt_version (the longest step: about a quarter of an hour on two cores)"
  rm -rf "$qt" && mkdir -p "$qt/build"
  (cd "$qt/build" && "$src/configure" -prefix "$qt/prefix" "${qt_flags[@]}" -- -G Ninja \
     -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DSOLVANTA_WINDOWS_PREFIXES="$icu/prefix" \
     -DICU_ROOT="$icu/prefix" \
     -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >configure.log 2>&1 &&
   cmake --build . --parallel "$jobs" >build.log 2>&1 &&
   cmake --install . >install.log 2>&1) ||
    { tail -40 "$qt/build/"*.log >&2; exit 1; }
  rm -rf "$qt/build"
  touch "$qt/done"
fi

[ "${SOLVANTA_WINDOWS_DEPS_ONLY:-0}" = 1 ] && { log "dependencies ready in $cache"; exit 0; }
