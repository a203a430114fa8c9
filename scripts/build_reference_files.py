#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Builds the reference files delivered beside the executable.

Reads the entity and zone lists in scripts/reference-sources/ and writes
data/dxcc_adif.mtb (one 37-character line per DXCC entity, current and
deleted, in prefix order) and data/zefirant_zones.mtb (40 zone lines).
Both are windows-1250 text with CR LF line ends.

Usage: build_reference_files.py [--sources DIR] [--out DIR]
"""

import argparse
import csv
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
PREFIX_WIDTH = 5
NAME_WIDTH = 24
ZONE_COUNT = 40

# Names longer than the 24-character column, shortened so they stay
# recognisable in the grid and on the printout. Keyed by ADIF number.
SHORT_NAMES = {
    4: "Agalega & St. Brandon",  # Agalega & St. Brandon Is.
    16: "N.Z. Subantarctic Is.",  # New Zealand Subantarctic Islands
    31: "C. Kiribati (Phoenix)",  # C. Kiribati (British Phoenix Is.)
    68: "Kuwait/Saudi Neutr. Zone",  # Kuwait/Saudi Arabia Neutral Zone
    201: "Prince Edward & Marion",  # Prince Edward & Marion Is.
    226: "Saudi/Iraq Neutral Zone",  # Saudi Arabia/Iraq Neutral Zone
    228: "Serrana Bank & Roncador",  # Serrana Bank & Roncador Cay
    229: "German Democratic Rep.",  # German Democratic Republic
    230: "Fed. Rep. of Germany",  # Federal Republic of Germany
    243: "People's Dem. Rep. Yemen",  # People's Democratic Rep. of Yemen
    246: "Military Order of Malta",  # Sovereign Military Order of Malta
    253: "St. Peter & Paul Rocks",  # St. Peter & St. Paul Rocks
    255: "St. Maarten, Saba, Eust.",  # St. Maarten, Saba, St. Eustatius
    273: "Trindade & Martim Vaz",  # Trindade & Martim Vaz Is.
    274: "Tristan da Cunha & Gough",  # Tristan da Cunha & Gough I.
    283: "UK Sov. Bases on Cyprus",  # UK Sovereign Base Areas on Cyprus
    301: "W. Kiribati (Gilbert)",  # W. Kiribati (Gilbert Is. )
    344: "Dem. People's Rep. Korea",  # Democratic People's Rep. of Korea
    414: "Dem. Rep. of the Congo",  # Democratic Republic of the Congo
    502: "North Macedonia",  # North Macedonia (Republic of)
    521: "South Sudan",  # South Sudan (Republic of)
}


def fail(message):
    sys.exit("build_reference_files: " + message)


def read_tsv(path):
    """Rows of a tab-separated file, without its '#' source lines."""
    with open(path, encoding="utf-8", newline="") as f:
        lines = [line for line in f if line.strip() and not line.startswith("#")]
    return list(csv.reader(lines, delimiter="\t", quoting=csv.QUOTE_NONE))


def entity_name(number, full_name):
    if len(full_name) <= NAME_WIDTH:
        if number in SHORT_NAMES:
            fail(f"entity {number}: '{full_name}' fits, drop its short name")
        return full_name
    short = SHORT_NAMES.get(number)
    if short is None:
        fail(f"entity {number}: '{full_name}' is longer than {NAME_WIDTH}, add a short name")
    if len(short) > NAME_WIDTH:
        fail(f"entity {number}: short name '{short}' is still too long")
    return short


def entity_lines(sources):
    names = {int(row[0]): row[2].strip() for row in read_tsv(sources / "dxcc_entities_detail.tsv")}
    entities = []
    for row in read_tsv(sources / "dxcc_entities.tsv"):
        number, deleted, prefix = int(row[0]), row[1] == "Y", row[2].strip()
        if not 1 <= number <= 999:
            fail(f"entity {number}: number does not fit three columns")
        if not prefix or len(prefix) > PREFIX_WIDTH or " " in prefix:
            fail(f"entity {number}: prefix '{prefix}' does not fit the prefix column")
        if number not in names:
            fail(f"entity {number}: no name in dxcc_entities_detail.tsv")
        entities.append((prefix, number, deleted, entity_name(number, names[number])))

    numbers = [e[1] for e in entities]
    if len(set(numbers)) != len(numbers):
        fail("duplicate entity numbers")
    unused = set(SHORT_NAMES) - set(numbers)
    if unused:
        fail(f"short names for unknown entities {sorted(unused)}")

    # Prefix order is the byte order of the prefixes; equal prefixes by number.
    entities.sort(key=lambda e: (e[0].encode("cp1250"), e[1]))
    return [
        f"{number:>3}|{'D' if deleted else ' '}|{prefix:<{PREFIX_WIDTH}}|{name:<{NAME_WIDTH}}|"
        for prefix, number, deleted, name in entities
    ]


def zone_lines(sources):
    rows = read_tsv(sources / "cq_zones.tsv")
    if [int(row[0]) for row in rows] != list(range(1, ZONE_COUNT + 1)):
        fail(f"cq_zones.tsv must list zones 1 to {ZONE_COUNT} in order")
    return [f"     |{int(zone):<5}|{prefixes.strip()}" for zone, prefixes in rows]


def write_cp1250(path, lines):
    try:
        data = "".join(line + "\r\n" for line in lines).encode("cp1250")
    except UnicodeEncodeError as e:
        fail(f"{path.name}: {e.object[e.start:e.end]!r} has no windows-1250 form")
    path.write_bytes(data)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--sources", type=Path, default=ROOT / "scripts" / "reference-sources")
    parser.add_argument("--out", type=Path, default=ROOT / "data")
    args = parser.parse_args()

    entities = entity_lines(args.sources)
    zones = zone_lines(args.sources)
    args.out.mkdir(parents=True, exist_ok=True)
    write_cp1250(args.out / "dxcc_adif.mtb", entities)
    write_cp1250(args.out / "zefirant_zones.mtb", zones)
    deleted = sum(1 for line in entities if line[4] == "D")
    print(f"{len(entities)} entities ({deleted} deleted), {len(zones)} zones -> {args.out}")


if __name__ == "__main__":
    main()
