#!/usr/bin/env python3
"""Writes keys/insee/Countries.cpp: the INSEE codes of the countries and
territories abroad (99xxx), which a NIR carries in place of the département
and commune of a birth outside France.

The table is tools/data/insee-pays.tsv (code, ISO 3166 code, INSEE's latest
short name, 1 for a code in use in 2025), compiled from INSEE's Code officiel
géographique 2025 and its history since 1943; tools/data/README.md gives its
sources. INSEE's data is published under the Licence Ouverte 2.0.

Run it from anywhere: python3 tools/make_insee_countries.py
"""

import csv
import pathlib

from cxxtext import data_set, literal

ROOT = pathlib.Path(__file__).resolve().parent.parent
DATA = ROOT / "tools" / "data" / "insee-pays.tsv"
OUTPUT = ROOT / "keys" / "insee" / "Countries.cpp"


def main():
    with DATA.open(encoding="utf-8", newline="") as source:
        rows = list(csv.DictReader(source, delimiter="\t"))
    rows.sort(key=lambda row: row["code"])
    out = [
        "// The INSEE codes of the countries and territories abroad (99xxx), with",
        "// their ISO 3166 code and INSEE's latest short name: INSEE, Code officiel",
        "// géographique 2025 and its history since 1943, Licence Ouverte 2.0.",
        "// Written by tools/make_insee_countries.py from tools/data/insee-pays.tsv;",
        "// edit those, not this file.",
        '#include "InseeCountries.h"',
        "",
        "#include <algorithm>",
        "",
        '#include "common/DataSets.h"',
        "",
        "namespace ferrino {",
        "",
        *data_set("kInseeCountriesDataSet", "Codes INSEE des pays et territoires étrangers",
                  f"Code officiel géographique 2025 ({len(rows)} codes)",
                  "Licence Ouverte 2.0 (Etalab)", "INSEE"),
        "",
        "namespace {",
        "",
        "constexpr InseeCountry kCountries[] = {",
    ]
    for row in rows:
        current = "true" if row["actuel"] == "1" else "false"
        out.append(f'    {{"{row["code"]}", "{row["iso"]}", {literal(row["nom"])}, {current}}},')
    out += [
        "};",
        "",
        "}  // namespace",
        "",
        "std::optional<InseeCountry> FindInseeCountry(std::string_view code)",
        "{",
        "    const auto it = std::lower_bound(std::begin(kCountries), std::end(kCountries), code,",
        "                                     [](const InseeCountry& row, std::string_view key) { return row.code < key; });",
        "    if (it == std::end(kCountries) || it->code != code) return std::nullopt;",
        "    return *it;",
        "}",
        "",
        "}  // namespace ferrino",
        "",
    ]
    OUTPUT.write_text("\n".join(out), encoding="utf-8")
    print(f"{OUTPUT}: {len(rows)} codes")


if __name__ == "__main__":
    main()
