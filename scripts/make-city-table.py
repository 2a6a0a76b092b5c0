#!/usr/bin/env python3
"""Remakes assets/cities.tsv, the place finder's table of cities, from the npm package
city-timezones (MIT; its cities are Natural Earth's populated places, public domain).

    scripts/make-city-table.py            # fetches the package with `npm pack`
    scripts/make-city-table.py city-timezones-1.3.4.tgz

One city a line, most populous first: city, region, country, ISO 3166 code, population,
time zone, separated by tabs, UTF-8. Each zone is one of this system's zone database
(/usr/share/zoneinfo/tzdata.zi): an older name is written as the zone it stands for, and
a row whose zone the database lacks is left out. Rows that would read the same (city,
region, country and zone) keep the most populous.
"""
import json
import os
import subprocess
import sys
import tarfile
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "assets", "cities.tsv")
ZONES = "/usr/share/zoneinfo/tzdata.zi"


def zone_names():
    zones, links = set(), {}
    with open(ZONES, encoding="utf-8") as f:
        for line in f:
            fields = line.split()
            if len(fields) >= 2 and fields[0] == "Z":
                zones.add(fields[1])
            elif len(fields) >= 3 and fields[0] == "L":
                links[fields[2]] = fields[1]
    return zones, links


def package(path):
    if path is None:
        work = tempfile.mkdtemp()
        name = subprocess.run(["npm", "pack", "--silent", "city-timezones"], cwd=work,
                              check=True, capture_output=True, text=True).stdout.split()[-1]
        path = os.path.join(work, name)
    with tarfile.open(path) as tar:
        return json.load(tar.extractfile("package/data/cityMap.json"))


def clean(text):
    return " ".join(str(text or "").replace("\t", " ").split())


def main():
    zones, links = zone_names()
    rows, dropped = {}, 0
    for city in package(sys.argv[1] if len(sys.argv) > 1 else None):
        zone = links.get(city.get("timezone") or "", city.get("timezone") or "")
        name = clean(city.get("city"))
        if zone not in zones or zone == "Factory" or not name:
            dropped += 1
            continue
        row = (name, clean(city.get("province")), clean(city.get("country")),
               clean(city.get("iso2")).upper(), int(float(city.get("pop") or 0)), zone)
        key = (row[0], row[1], row[2], row[5])
        if key not in rows or rows[key][4] < row[4]:
            rows[key] = row
    ordered = sorted(rows.values(), key=lambda r: (-r[4], r[0], r[1], r[2]))
    with open(OUT, "w", encoding="utf-8", newline="\n") as f:
        f.write("# city\tregion\tcountry\tcode\tpopulation\tzone (from city-timezones, MIT;"
                " Natural Earth, public domain)\n")
        for row in ordered:
            f.write("\t".join(str(v) for v in row) + "\n")
    print(f"{len(ordered)} cities written to {OUT}; {dropped} left out", file=sys.stderr)


if __name__ == "__main__":
    main()
