#!/usr/bin/env python3
"""Makes the place finder's zone tables for systems without a zone folder (Windows).

    make-zone-table.py <zone folder> <output folder>

From the zone folder of the machine that builds (/usr/share/zoneinfo), writes:
  tzdata.zi          the database's own list, its zone ("Z name") and older-name
                     ("L target alias") lines only: what the finder reads on Linux;
                     and the country table (zone.tab) as "T code zone" lines;
  abbreviations.tsv  each zone and the abbreviations its clocks have shown since 1970,
                     up to a year after today ("Europe/Dublin<TAB>GMT IST"): what the
                     finder computes on Linux from the zone files.
Reads only regular files inside the folder; the build runs it, nothing is downloaded.
"""
import datetime
import os
import re
import struct
import sys

START = 0  # 1970-01-01 00:00 UTC


def read_tzif(path):
    """The transitions (time, type index), types (offset, is_dst, abbreviation) and
    footer rule of a TZif file, from its 64-bit part when it has one."""
    with open(path, "rb") as f:
        data = f.read(1 << 20)
    if data[:4] != b"TZif":
        return None
    version = data[4]

    def block(at, time_size):
        isut, isstd, leap, timecnt, typecnt, charcnt = struct.unpack(">6l", data[at + 20:at + 44])
        at += 44
        fmt = ">%d%s" % (timecnt, "q" if time_size == 8 else "l")
        times = struct.unpack(fmt, data[at:at + timecnt * time_size])
        at += timecnt * time_size
        indices = data[at:at + timecnt]
        at += timecnt
        types = []
        for i in range(typecnt):
            offset, dst, abbr_index = struct.unpack(">lBB", data[at + 6 * i:at + 6 * i + 6])
            types.append((offset, dst, abbr_index))
        at += 6 * typecnt
        chars = data[at:at + charcnt]
        at += charcnt + leap * (time_size + 4) + isstd + isut
        named = [(o, d, chars[a:chars.index(b"\0", a)].decode("ascii")) for o, d, a in types]
        return list(zip(times, indices)), named, at

    transitions, types, end = block(0, 4)
    footer = ""
    if version >= ord("2"):
        transitions, types, end = block(end, 8)
        footer = data[end:].split(b"\n")[1].decode("ascii") if data[end:end + 1] == b"\n" else ""
    return transitions, types, footer


def footer_names(rule):
    """The abbreviations of a POSIX TZ rule ("CET-1CEST,M3.5.0,M10.5.0/3": CET, CEST)."""
    names = []
    rest = rule
    for _ in range(2):
        m = re.match(r"(<[^>]*>|[A-Za-z]+)([+-]?\d+(:\d+){0,2})?", rest)
        if not m or not m.group(1):
            break
        names.append(m.group(1).strip("<>"))
        rest = rest[m.end():]
        if not rest or rest.startswith(","):
            break
    return names


def shown_since_1970(path, until):
    parsed = read_tzif(path)
    if parsed is None:
        return None
    transitions, types, footer = parsed
    shown = set()
    # The clock's name on 1 January 1970: that of the last change before, else the
    # first standard-time type.
    before = [index for time, index in transitions if time <= START]
    if before:
        shown.add(types[before[-1]][2])
    elif types:
        standard = [t for t in types if not t[1]]
        shown.add((standard or types)[0][2])
    for time, index in transitions:
        if START <= time <= until:
            shown.add(types[index][2])
    last = transitions[-1][0] if transitions else START
    rule = footer_names(footer)
    # The rule applies after the last listed change; with summer time it changes the
    # clock every year, without it the last change already named it.
    if len(rule) == 2 and last < until:
        shown.update(rule)
    return shown


def main():
    folder, out = sys.argv[1], sys.argv[2]
    os.makedirs(out, exist_ok=True)
    until = int((datetime.datetime.now(datetime.timezone.utc) +
                 datetime.timedelta(days=366)).timestamp())
    zones = []
    with open(os.path.join(folder, "tzdata.zi"), encoding="ascii") as src, \
            open(os.path.join(out, "tzdata.zi"), "w", encoding="ascii") as dst:
        for line in src:
            fields = line.split()
            if len(fields) >= 2 and fields[0] == "Z":
                zones.append(fields[1])
                dst.write("Z %s\n" % fields[1])
            elif len(fields) >= 3 and fields[0] == "L":
                dst.write("L %s %s\n" % (fields[1], fields[2]))
        # The country table, as the toolkit reads it on Linux: "T code zone".
        with open(os.path.join(folder, "zone.tab"), encoding="utf-8") as table:
            for line in table:
                fields = line.split("\t")
                if len(fields) >= 3 and not line.startswith("#"):
                    dst.write("T %s %s\n" % (fields[0], fields[2].strip()))
    with open(os.path.join(out, "abbreviations.tsv"), "w", encoding="ascii") as dst:
        for zone in sorted(zones):
            path = os.path.join(folder, zone)
            if os.path.islink(path) or not os.path.isfile(path):
                continue
            shown = shown_since_1970(path, until)
            if shown:
                dst.write("%s\t%s\n" % (zone, " ".join(sorted(shown))))


if __name__ == "__main__":
    main()
