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

import csv
import pathlib

from cxxtext import data_set, literal
from make_country_table import french_name, load

ROOT = pathlib.Path(__file__).resolve().parent.parent
DATA = ROOT / "tools" / "data" / "gs1-prefixes.tsv"
OUTPUT = ROOT / "keys" / "ean" / "Gs1.cpp"

# Names iso-codes gives in a form French text does not use.
OWN_NAMES = {"MO": "Macao"}


def main():
    with DATA.open(encoding="utf-8", newline="") as source:
        rows = list(csv.DictReader(source, delimiter="\t"))
    current, withdrawn = load("3166-1"), load("3166-3")
    out = [
        "// The GS1 prefixes (an EAN-13's first three digits): the country of the",
        "// member organisation that manages each range, or what the range is kept",
        "// for. Compiled from GS1's list of prefixes (tools/data/README.md);",
        "// country names from Debian's iso-codes.",
        "// Written by tools/make_gs1_prefixes.py from tools/data/gs1-prefixes.tsv;",
        "// edit those, not this file.",
        '#include "Gs1.h"',
        "",
        '#include "common/DataSets.h"',
        "",
        "namespace ferrino {",
        "",
        *data_set("kGs1PrefixesDataSet", "Préfixes GS1",
                  f"liste des préfixes GS1, copie du 23 mars 2025 ({len(rows)} plages)",
                  "faits publics (GS1, Wikipédia)", "GS1"),
        "",
        "namespace {",
        "",
        "constexpr Gs1Range kRanges[] = {",
    ]
    for row in rows:
        iso = row["iso"]
        country = OWN_NAMES.get(iso) or (french_name(iso, current, withdrawn) if iso else "")
        out.append(f'    {{{int(row["from"])}, {int(row["to"])}, "{row["iso"]}", {literal(country)}, '
                   f'{literal(row["label"])}}},')
    out += [
        "};",
        "",
        "}  // namespace",
        "",
        "std::span<const Gs1Range> Gs1Ranges() { return kRanges; }",
        "",
        "}  // namespace ferrino",
        "",
    ]
    OUTPUT.write_text("\n".join(out), encoding="utf-8")
    print(f"{OUTPUT}: {len(rows)} ranges")


if __name__ == "__main__":
    main()
