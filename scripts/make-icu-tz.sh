#!/bin/bash
# Build ICU's time-zone resource (zoneinfo64.res) for the Windows program
# from the same IANA release as the installed Debian tzdata package, so
# that local times on Windows agree with the Linux program.
#
# The Windows program points ICU at the output folder through the
# ICU_TIMEZONE_FILES_DIR environment variable; ICU then loads
# zoneinfo64.res from there instead of the copy built into its data.
# The other time-zone resources (timezoneTypes, metaZones, windowsZones)
# are looked up one by one and fall back to ICU's built-in copies, so
# only zoneinfo64.res is produced.
#
# Usage:
#   make-icu-tz.sh [options] <out folder>
#
# Options (each can also be given as the environment variable shown):
#   --icu-src DIR       ICU_SRC         ICU source tree (the folder holding
#                                       source/, or source/ itself)
#   --icu-native DIR    ICU_NATIVE      build folder of a native (Linux)
#                                       ICU; bin/genrb is used from it.
#                                       If it holds no bin/genrb, ICU is
#                                       configured and built there.
#   --tz-version VER    TZDATA_VERSION  Debian source version of tzdata to
#                                       use (default: the installed one)
#   --tz-tarball FILE   TZDATA_TARBALL  use this tzdata_<ver>.orig.tar.gz
#                                       instead of fetching the source
#   --work DIR          ICUTZ_WORK      scratch folder (default: a new
#                                       temporary folder, removed at exit)
#
# Host compilers: BUILD_CC / BUILD_CXX (default cc / c++). CC and CXX are
# deliberately ignored, since a cross build may have set them to MinGW.
#
# Only Debian's packages and source packages are used: tzdata comes from
# `apt-get source`, the tools from ICU's own source tree.

set -euo pipefail

die() { echo "make-icu-tz: error: $*" >&2; exit 1; }
note() { echo "make-icu-tz: $*" >&2; }

usage() { sed -n '2,/^set -euo/p' "$0" | grep '^#' | sed 's/^# \{0,1\}//' >&2; exit 2; }

ICU_SRC=${ICU_SRC:-}
ICU_NATIVE=${ICU_NATIVE:-}
TZDATA_VERSION=${TZDATA_VERSION:-}
TZDATA_TARBALL=${TZDATA_TARBALL:-}
ICUTZ_WORK=${ICUTZ_WORK:-}
BUILD_CC=${BUILD_CC:-cc}
BUILD_CXX=${BUILD_CXX:-c++}
OUT=

while [ $# -gt 0 ]; do
    case $1 in
        --icu-src) ICU_SRC=$2; shift 2 ;;
        --icu-native) ICU_NATIVE=$2; shift 2 ;;
        --tz-version) TZDATA_VERSION=$2; shift 2 ;;
        --tz-tarball) TZDATA_TARBALL=$2; shift 2 ;;
        --work) ICUTZ_WORK=$2; shift 2 ;;
        -h|--help) usage ;;
        -*) die "unknown option $1" ;;
        *) [ -z "$OUT" ] || die "more than one output folder given"; OUT=$1; shift ;;
    esac
done

[ -n "$OUT" ] || usage
[ -n "$ICU_SRC" ] || die "ICU source tree not given (--icu-src or ICU_SRC)"
[ -n "$ICU_NATIVE" ] || die "native ICU build folder not given (--icu-native or ICU_NATIVE)"

# Accept both the unpacked source package and its source/ folder.
if [ -d "$ICU_SRC/source/tools/tzcode" ]; then
    ICU_SRC=$ICU_SRC/source
fi
TZCODE=$ICU_SRC/tools/tzcode
[ -f "$TZCODE/zic.c" ] && [ -f "$TZCODE/tz2icu.cpp" ] && [ -f "$TZCODE/icuzones" ] \
    || die "$ICU_SRC does not look like an ICU source tree (no tools/tzcode)"
ICU_SRC=$(cd "$ICU_SRC" && pwd)
TZCODE=$ICU_SRC/tools/tzcode

mkdir -p "$OUT"
OUT=$(cd "$OUT" && pwd)

started=$(date +%s)

if [ -n "$ICUTZ_WORK" ]; then
    mkdir -p "$ICUTZ_WORK"
    WORK=$(cd "$ICUTZ_WORK" && pwd)
else
    WORK=$(mktemp -d "${TMPDIR:-/tmp}/icutz.XXXXXX")
    trap 'rm -rf "$WORK"' EXIT
fi

# --- Native ICU: genrb is needed to compile the resource bundle. ----------
mkdir -p "$ICU_NATIVE"
ICU_NATIVE=$(cd "$ICU_NATIVE" && pwd)
if [ ! -x "$ICU_NATIVE/bin/genrb" ]; then
    note "no genrb in $ICU_NATIVE, building native ICU there"
    (
        cd "$ICU_NATIVE"
        nice -n 10 "$ICU_SRC/configure" --disable-tests --disable-samples \
            --disable-extras --disable-layoutex > configure.log 2>&1 \
            || { tail -20 configure.log >&2; exit 1; }
        nice -n 10 make -j"$(nproc)" > make.log 2>&1 \
            || { tail -40 make.log >&2; exit 1; }
    ) || die "native ICU build failed (logs in $ICU_NATIVE)"
fi
GENRB=$ICU_NATIVE/bin/genrb
[ -x "$GENRB" ] || die "$GENRB missing after the native build"

# --- tzdata version --------------------------------------------------------
if [ -z "$TZDATA_VERSION" ]; then
    TZDATA_VERSION=$(dpkg-query -W -f='${source:Version}' tzdata 2>/dev/null) \
        || die "tzdata is not installed and --tz-version was not given"
fi
# Upstream release, e.g. 2025b from 2025b-0+deb12u2 (drop epoch and revision).
TZ_UPSTREAM=${TZDATA_VERSION#*:}
TZ_UPSTREAM=${TZ_UPSTREAM%-*}
[[ $TZ_UPSTREAM =~ ^[0-9]{4}[a-z]$ ]] \
    || die "cannot read an IANA release from tzdata version '$TZDATA_VERSION'"
note "tzdata $TZDATA_VERSION (IANA $TZ_UPSTREAM)"

# --- tzdata source -------------------------------------------------------
SRCDIR=$WORK/tzdata-src
mkdir -p "$SRCDIR"
TARBALL=

if [ -n "$TZDATA_TARBALL" ]; then
    [ -f "$TZDATA_TARBALL" ] || die "$TZDATA_TARBALL not found"
    TARBALL=$(cd "$(dirname "$TZDATA_TARBALL")" && pwd)/$(basename "$TZDATA_TARBALL")
    note "using given tarball $TARBALL"
else
    # Checksum of the upstream tarball as listed in the archive's Sources
    # index, for one source version of tzdata.
    orig_sha256() {
        apt-cache showsrc tzdata 2>/dev/null | awk -v v="$1" -v f="tzdata_$TZ_UPSTREAM.orig.tar.gz" '
            /^$/ { ver = ""; s = 0; next }
            /^Version:/ { ver = $2 }
            /^Checksums-Sha256:/ { s = 1; next }
            /^[^ ]/ { s = 0 }
            s && ver == v && $3 == f { print $1; exit }'
    }
    fetch() {
        ( cd "$SRCDIR" && apt-get source --download-only "tzdata=$1" ) > "$SRCDIR/apt-$1.log" 2>&1
    }
    ORIG=$SRCDIR/tzdata_$TZ_UPSTREAM.orig.tar.gz
    # Only the upstream tarball is used: Debian's patches to tzdata are
    # about packaging, not the zone sources read here.
    used=
    rm -f "$ORIG"
    fetch "$TZDATA_VERSION" || true
    if [ -f "$ORIG" ]; then
        used=$TZDATA_VERSION
    else
        # The archive keeps only the newest revisions. Another Debian
        # revision of the same upstream release carries the same
        # upstream tarball.
        note "tzdata source $TZDATA_VERSION is not in the archive"
        for v in $(apt-cache showsrc tzdata 2>/dev/null | awk '/^Version:/ { print $2 }'); do
            vu=${v#*:}; vu=${vu%-*}
            [ "$vu" = "$TZ_UPSTREAM" ] && [ "$v" != "$TZDATA_VERSION" ] || continue
            # The .dsc or Debian tarball of an older revision may be gone
            # from the pool while its upstream tarball is still there.
            fetch "$v" || true
            if [ -f "$ORIG" ]; then
                used=$v
                note "using the upstream tarball of tzdata source $v instead"
                break
            fi
        done
    fi
    if [ -z "$used" ] || [ ! -f "$ORIG" ]; then
        tail -n 5 "$SRCDIR/apt-$TZDATA_VERSION.log" >&2
        die "no tzdata source with upstream release $TZ_UPSTREAM could be fetched; pass --tz-tarball"
    fi
    want=$(orig_sha256 "$used")
    [ -n "$want" ] || die "no checksum for tzdata_$TZ_UPSTREAM.orig.tar.gz in the Sources index"
    have=$(sha256sum "$ORIG" | cut -d' ' -f1)
    [ "$want" = "$have" ] || die "checksum mismatch for $ORIG"
    TARBALL=$ORIG
fi

TZDIR_SRC=$WORK/tzdata
rm -rf "$TZDIR_SRC"
mkdir -p "$TZDIR_SRC"
tar -xzf "$TARBALL" -C "$TZDIR_SRC"
tar_version=$(head -1 "$TZDIR_SRC/version" 2>/dev/null || true)
[ "$tar_version" = "$TZ_UPSTREAM" ] \
    || die "tarball holds tz release '$tar_version', expected $TZ_UPSTREAM"

# --- ICU's zic and tz2icu ------------------------------------------------
# zic here is ICU's patched copy: besides the zone files it writes
# icu_zone.txt with the rules in force after the last transition.
TOOLS=$WORK/tools
mkdir -p "$TOOLS"
nice -n 10 "$BUILD_CC" -O2 -w -D_POSIX_C_SOURCE -DTZDIR='"zoneinfo"' -I"$TZCODE" \
    "$TZCODE/zic.c" "$TZCODE/localtime.c" "$TZCODE/asctime.c" \
    "$TZCODE/scheck.c" "$TZCODE/ialloc.c" -o "$TOOLS/zic"
nice -n 10 "$BUILD_CXX" -O2 -w -I"$TZCODE" -I"$ICU_SRC/common" \
    "$TZCODE/tz2icu.cpp" -o "$TOOLS/tz2icu"

# --- zone sources -> zoneinfo64.txt --------------------------------------
GEN=$WORK/gen
rm -rf "$GEN"
mkdir -p "$GEN"
# The same zone files ICU's own data is made from. Debian additionally
# compiles backzone (separate pre-1970 history for zones the main data
# merges into others); ICU's data never has, so before 1970 a few merged
# zones differ from the Linux program, as they did before.
TDATA="africa antarctica asia australasia europe northamerica southamerica etcetera factory backward"
for f in $TDATA; do
    [ -f "$TZDIR_SRC/$f" ] || die "tzdata source lacks $f"
    # ICU's zic predates newer syntax (negative DST, %z); the rearguard
    # form of the data avoids it.
    awk -v DATAFORM=rearguard -f "$TZDIR_SRC/ziguard.awk" "$TZDIR_SRC/$f" > "$GEN/$f"
done
cp "$TZCODE/icuzones" "$TZCODE/icuregions" "$GEN/"
(
    cd "$GEN"
    # Leap seconds are not part of ICU's data.
    "$TOOLS/zic" -d zoneinfo -L /dev/null $TDATA icuzones > zic.log 2>&1 \
        || { grep -v 'differs from POSIX\|too many alphabetics' zic.log >&2; exit 1; }
    # tz2icu reads icu_zone.txt and icuregions from the current folder.
    "$TOOLS/tz2icu" zoneinfo "$TZDIR_SRC/zone.tab" "$TZ_UPSTREAM" > tz2icu.log 2>&1 \
        || { tail -20 tz2icu.log >&2; exit 1; }
) || die "converting the zone sources failed (logs in $GEN)"
grep -q "TZVersion { \"$TZ_UPSTREAM\" }" "$GEN/zoneinfo64.txt" \
    || die "zoneinfo64.txt does not carry version $TZ_UPSTREAM"

# --- zoneinfo64.txt -> zoneinfo64.res ------------------------------------
# Same options as ICU's own data build uses for this file. The result is
# in the host's byte order and charset family; the Windows x86_64 ICU
# wants little-endian ASCII.
[ "$(printf '\001\000' | od -An -tu2 | tr -d ' ')" = 1 ] \
    || die "this host is not little-endian; genrb's output would not fit the Windows ICU"
# genrb from the build folder needs the libraries of the same build.
LD_LIBRARY_PATH="$ICU_NATIVE/lib${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}" \
"$GENRB" -s "$GEN" -d "$GEN" -i "$GEN" -k -q zoneinfo64.txt \
    || die "genrb failed"
cp "$GEN/zoneinfo64.res" "$OUT/zoneinfo64.res.tmp"
mv "$OUT/zoneinfo64.res.tmp" "$OUT/zoneinfo64.res"

note "wrote $OUT/zoneinfo64.res ($(stat -c %s "$OUT/zoneinfo64.res") bytes, tz $TZ_UPSTREAM) in $(( $(date +%s) - started )) s"
