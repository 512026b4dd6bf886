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

import pathlib

from cxxtext import array, data_set, find_by_code, literal, write_source
from tabledata import read_tsv

ROOT = pathlib.Path(__file__).resolve().parent.parent
DATA = ROOT / "tools" / "data" / "insee-pays.tsv"
OUTPUT = ROOT / "keys" / "insee" / "Countries.cpp"


def main():
    rows = sorted(read_tsv(DATA), key=lambda row: row["code"])
    table = []
    for row in rows:
        current = "true" if row["actuel"] == "1" else "false"
        table.append(f'    {{"{row["code"]}", "{row["iso"]}", {literal(row["nom"])}, {current}}},')
    write_source(
        OUTPUT,
        ["The INSEE codes of the countries and territories abroad (99xxx), with",
         "their ISO 3166 code and INSEE's latest short name: INSEE, Code officiel",
         "géographique 2025 and its history since 1943, Licence Ouverte 2.0.",
         "Written by tools/make_insee_countries.py from tools/data/insee-pays.tsv;",
         "edit those, not this file."],
        "InseeCountries.h",
        array("InseeCountry kCountries", table),
        find_by_code("std::optional<InseeCountry> FindInseeCountry(std::string_view code)",
                     "kCountries", "InseeCountry", "code", "*it"),
        described=data_set("kInseeCountriesDataSet", "Codes INSEE des pays et territoires étrangers",
                           f"Code officiel géographique 2025 ({len(rows)} codes)",
                           "Licence Ouverte 2.0 (Etalab)", "INSEE"),
        includes=["algorithm"],
    )
    print(f"{OUTPUT}: {len(rows)} codes")


if __name__ == "__main__":
    main()
