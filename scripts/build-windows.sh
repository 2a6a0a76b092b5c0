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
     --disable-extras --disable-layoutex CC=gcc CXX=g++ >configure.log 2>&1 &&
   make -j"$jobs" >make.log 2>&1) || { tail -n 30 "$icu/native/"*.log >&2; exit 1; }
  log "cross-building ICU $icu_version"
  (cd "$icu/cross" && "$src/source/configure" --host=$triple --with-cross-build="$icu/native" \
     --prefix="$icu/prefix" --enable-shared --disable-static "${icu_flags[@]}" \
     CC=$triple-gcc-posix CXX=$triple-g++-posix CFLAGS=-O2 CXXFLAGS=-O2 >configure.log 2>&1 &&
   make -j"$jobs" >make.log 2>&1 && make install >install.log 2>&1) ||
    { tail -n 30 "$icu/cross/"*.log >&2; exit 1; }
  rm -rf "$icu/cross" # the Linux build stays: its genrb makes the zone rules below
  touch "$icu/done"
fi

# --- ICU's zone rules from the same IANA release as the installed tzdata -----------------
# ICU 72.1 carries the rules of 2022; the program points ICU at these instead (see
# docs/windows.md), so that its local times agree with the Linux program's.
tz_version=$(source_version tzdata)
icutz=$(stage_folder icu-tz "$tz_version" "$(basename "$icu")" \
        "$(sha256sum "$root/scripts/make-icu-tz.sh" | cut -c1-12)")
if [ ! -e "$icutz/done" ]; then
  log "making ICU's zone rules from tzdata $tz_version"
  rm -rf "$icutz" && mkdir -p "$icutz"
  bash "$root/scripts/make-icu-tz.sh" --icu-src "$(fetch_source icu "$icu_version")" \
    --icu-native "$icu/native" --tz-version "$tz_version" "$icutz/out" >"$icutz/make.log" 2>&1 ||
    { tail -n 30 "$icutz/make.log" >&2; exit 1; }
  touch "$icutz/done"
fi

# --- ERFA: the IAU's routines, as a static library --------------------------------------
erfa=$(stage_folder erfa "$erfa_version" "$gcc_version" static-O2)
if [ ! -e "$erfa/done" ]; then
  src=$(fetch_source erfa "$erfa_version")
  log "cross-building ERFA $erfa_version"
  rm -rf "$erfa" && mkdir -p "$erfa/obj" "$erfa/prefix/lib/pkgconfig" "$erfa/prefix/include"
  # What ERFA's configure would define: its version, and that of the routines it follows.
  version=$(sed -n 's/^AC_INIT(\[erfa\],\[\([0-9.]*\)\].*/\1/p' "$src/configure.ac")
  sofa=$(sed -n 's/^AC_DEFINE(\[SOFA_VERSION\], \["\([0-9]*\)"\].*/\1/p' "$src/configure.ac")
  IFS=. read -r major minor micro <<<"$version"
  cat >"$erfa/obj/config.h" <<EOF
#define PACKAGE_VERSION "$version"
#define PACKAGE_VERSION_MAJOR $major
#define PACKAGE_VERSION_MINOR $minor
#define PACKAGE_VERSION_MICRO $micro
#define SOFA_VERSION "$sofa"
EOF
  for c in "$src"/src/*.c; do
    case $(basename "$c") in t_erfa_c*.c) continue ;; esac
    echo "$c"
  done | xargs -P "$jobs" -I{} sh -c \
    "$triple-gcc-posix -O2 -DHAVE_CONFIG_H -I'$erfa/obj' -c '{}' -o '$erfa/obj/'\$(basename '{}' .c).o"
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
          -no-feature-printsupport -no-feature-concurrent -no-feature-xml
          -no-feature-tabletevent)
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
    { tail -n 40 "$qt/build/"*.log >&2; exit 1; }
  rm -rf "$qt/build"
  touch "$qt/done"
fi

[ "${SOLVANTA_WINDOWS_DEPS_ONLY:-0}" = 1 ] && { log "dependencies ready in $cache"; exit 0; }

# --- Solvanta ------------------------------------------------------------------------
# Windows programs run under Wine: the Sun table's generator during the build, the tests.
wine_dlls=("$qt/prefix/bin" "$icu/prefix/bin" "$(dirname "$($triple-g++-posix -print-file-name=libstdc++-6.dll)")"
           "/usr/$triple/lib")
winepath=""
for folder in "${wine_dlls[@]}"; do winepath+="Z:${folder//\//\\};"; done
export WINEPATH="$winepath" WINEDEBUG=${WINEDEBUG:--all}
export WINEPREFIX=${WINEPREFIX:-$build/wine}
export PKG_CONFIG_LIBDIR="$erfa/prefix/lib/pkgconfig"
mkdir -p "$build"
# What scripts/test-windows.sh needs to run the built programs under Wine.
cat >"$build/wine-env.sh" <<ENV
export WINEPATH='$WINEPATH' WINEDEBUG='$WINEDEBUG' WINEPREFIX='$WINEPREFIX'
ENV

log "cross-building Solvanta"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DSOLVANTA_WINDOWS_PREFIXES="$qt/prefix;$icu/prefix;$erfa/prefix" \
  -DCMAKE_PREFIX_PATH="$qt/prefix" -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DQt6LinguistTools_DIR=/usr/lib/x86_64-linux-gnu/cmake/Qt6LinguistTools \
  -DCMAKE_CROSSCOMPILING_EMULATOR=wine \
  -DSOLVANTA_BUILD_TESTS="${SOLVANTA_WINDOWS_TESTS:-0}" "${launcher[@]}" >/dev/null
cmake --build "$build" --parallel "$jobs"

# --- The program's folder: solvanta.exe and what it needs beside it ------------------
version=$(sed -n 's/^project(Solvanta VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
app="$build/dist/Solvanta"
log "gathering the program's folder"
rm -rf "$build/dist" && mkdir -p "$app/plugins/platforms" "$app/plugins/styles" \
  "$app/plugins/imageformats" "$app/translations"
cp "$build/src/solvanta.exe" "$app/"
$triple-strip "$app/solvanta.exe"
for dll in Qt6Core Qt6Gui Qt6Widgets; do cp "$qt/prefix/bin/$dll.dll" "$app/"; done
cp "$qt/prefix/plugins/platforms/qwindows.dll" "$app/plugins/platforms/"
cp "$qt/prefix/plugins/styles/qwindowsvistastyle.dll" "$app/plugins/styles/"
cp "$qt/prefix/plugins/imageformats/qjpeg.dll" "$app/plugins/imageformats/"
cp "$icu/prefix/bin/"icu{dt,in,uc}[0-9]*.dll "$app/"
for dll in libstdc++-6.dll libgcc_s_seh-1.dll; do
  cp "$($triple-g++-posix -print-file-name=$dll)" "$app/"
done
cp "/usr/$triple/lib/libwinpthread-1.dll" "$app/"
# Qt's own texts (the standard buttons) in the program's languages.
for language in de fr es pt_BR; do
  cp "/usr/share/qt6/translations/qtbase_$language.qm" "$app/translations/"
done
printf '[Paths]\nPrefix=.\nPlugins=plugins\nTranslations=translations\n' >"$app/qt.conf"
mkdir -p "$app/icu-tz" && cp "$icutz/out/zoneinfo64.res" "$app/icu-tz/"
# The licences: the program's, and those of what it carries.
{
  cat "$root/packaging/copyright"
  for notice in "$(fetch_source qt6-base "$qt_version")/debian/copyright" \
                "$(fetch_source icu "$icu_version")/LICENSE" \
                "$(fetch_source erfa "$erfa_version")/LICENSE"; do
    printf '\n\n==== %s ====\n\n' "$(basename "$(dirname "$notice")")"
    cat "$notice"
  done
} | sed 's/$/\r/' >"$app/LICENSES.txt"

# --- The installer and the zip ---------------------------------------------------------
setup="$build/dist/Solvanta-$version-windows-x64-setup.exe"
zip="$build/dist/Solvanta-$version-windows-x64.zip"
log "making $(basename "$setup")"
# The uninstaller removes exactly the files the installer put there.
(cd "$app" && find . -type f | sort | sed 's|^\./||; s|/|\\|g; s|^|  Delete "$INSTDIR\\|; s|$|"|'
 cd "$app" && find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|^|  RMDir "$INSTDIR\\|; s|$|"|'
) >"$build/dist/files.nsh"
makensis -V2 -NOCD -DVERSION="$version" -DSOURCE="$app" -DOUTFILE="$setup" \
  -DLICENSE="$app/LICENSES.txt" -DICON="$build/generated/solvanta.ico" \
  -DFILELIST="$build/dist/files.nsh" "$root/packaging/windows/solvanta.nsi"
log "making $(basename "$zip")"
(cd "$build/dist" && rm -f "$zip" && zip -qr9 "$zip" Solvanta)
ls -l "$setup" "$zip"
