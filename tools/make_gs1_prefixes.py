#!/usr/bin/env python3
"""Writes keys/ean/Gs1.cpp: the GS1 prefixes (an EAN-13's first three digits)
and the member organisation, or the use, of each range.

The table is tools/data/gs1-prefixes.tsv (first and last prefix, ISO 3166 code
of the member organisation's country, French label), compiled from GS1's list
of prefixes; tools/data/README.md gives its sources. The countries' French
names come from Debian's iso-codes package, as for the IBAN page's list
(tools/make_country_table.py).

Run it from anywhere: python3 tools/make_gs1_prefixes.py
"""

import pathlib

from cxxtext import array, data_set, literal, write_source
from make_country_table import french_name, load
from tabledata import read_tsv

ROOT = pathlib.Path(__file__).resolve().parent.parent
DATA = ROOT / "tools" / "data" / "gs1-prefixes.tsv"
OUTPUT = ROOT / "keys" / "ean" / "Gs1.cpp"

# Names iso-codes gives in a form French text does not use.
OWN_NAMES = {"MO": "Macao"}


def main():
    rows = read_tsv(DATA)
    current, withdrawn = load("3166-1"), load("3166-3")
    table = []
    for row in rows:
        iso = row["iso"]
        country = OWN_NAMES.get(iso) or (french_name(iso, current, withdrawn) if iso else "")
        table.append(f'    {{{int(row["from"])}, {int(row["to"])}, "{row["iso"]}", {literal(country)}, '
                     f'{literal(row["label"])}}},')
    write_source(
        OUTPUT,
        ["The GS1 prefixes (an EAN-13's first three digits): the country of the",
         "member organisation that manages each range, or what the range is kept",
         "for. Compiled from GS1's list of prefixes (tools/data/README.md);",
         "country names from Debian's iso-codes.",
         "Written by tools/make_gs1_prefixes.py from tools/data/gs1-prefixes.tsv;",
         "edit those, not this file."],
        "Gs1.h",
        array("Gs1Range kRanges", table),
        ["std::span<const Gs1Range> Gs1Ranges() { return kRanges; }"],
        described=data_set("kGs1PrefixesDataSet", "Préfixes GS1",
                           f"liste des préfixes GS1, copie du 23 mars 2025 ({len(rows)} plages)",
                           "faits publics (GS1, Wikipédia)", "GS1"),
    )
    print(f"{OUTPUT}: {len(rows)} ranges")


if __name__ == "__main__":
    main()
