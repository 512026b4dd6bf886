#!/usr/bin/env python3
"""Writes keys/vin/Makers.cpp: the makers of the world manufacturer
identifiers (WMI, a VIN's first three characters) and the countries of their
first two characters.

The data is the npm package vin-decode 0.2.0 (MIT licence): about a thousand
WMIs and 465 two-character country codes, its English country names put into
French below. A few WMIs it lacks, which the makers use on cars sold in France
today, and the country codes of the United Kingdom, Slovakia, Romania and the
Netherlands that it lacks, are added from Wikipedia's article "Vehicle
identification number" (its list of WMIs and its table of ISO 3780's ranges,
CC BY-SA).

Run it after installing the package in a scratch folder:
    npm install --no-save vin-decode@0.2.0
    python3 tools/make_vin_makers.py path/to/node_modules
"""

import json
import pathlib
import re

from cxxtext import array, data_set, literal, write_source
from tabledata import npm_package

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUTPUT = ROOT / "keys" / "vin" / "Makers.cpp"

FRENCH = {
    "Argentina": "Argentine", "Australia": "Australie", "Austria": "Autriche",
    "Belgium": "Belgique", "Brazil": "Brésil", "Canada": "Canada", "Chile": "Chili",
    "China": "Chine", "Colombia": "Colombie", "Czech Republic": "Tchéquie",
    "Finland": "Finlande", "France": "France", "Germany": "Allemagne",
    "Hungary": "Hongrie", "India": "Inde", "Indonesia": "Indonésie", "Italy": "Italie",
    "Japan": "Japon", "Malaysia": "Malaisie", "Mexico": "Mexique",
    "New Zealand": "Nouvelle-Zélande", "Philippines": "Philippines", "Poland": "Pologne",
    "Portugal": "Portugal", "Russia": "Russie", "South Korea": "Corée du Sud",
    "Spain": "Espagne", "Sweden": "Suède", "Switzerland": "Suisse", "Taiwan": "Taïwan",
    "Thailand": "Thaïlande", "The Netherlands": "Pays-Bas", "USSR": "URSS",
    "United Kingdom": "Royaume-Uni", "United States": "États-Unis",
    "Venezuela": "Venezuela", "Yugoslavia": "Yougoslavie",
}

# WMIs the package lacks, from Wikipedia's list of WMIs: makers of cars sold
# in France today. The country comes from the first two characters.
ADDED = {
    "5YJ": "Tesla",
    "7SA": "Tesla",
    "LRW": "Tesla",
    "XP7": "Tesla",
    "LFV": "FAW-Volkswagen",
    "LSV": "SAIC Volkswagen",
    "SB1": "Toyota",
    "TMA": "Hyundai",
    "U5Y": "Kia",
    "VNK": "Toyota",
    "VR1": "DS Automobiles",
    "VR3": "Peugeot",
    "VR7": "Citroën",
    "W0V": "Opel",
    "WME": "smart",
}

# Country codes the package lacks, from the same article's table of the
# ranges ISO 3780 gives each country.
ADDED_COUNTRIES = {
    **{"S" + c: "Royaume-Uni" for c in "ABCDEFGHJKLM"},
    "U5": "Slovaquie", "U6": "Slovaquie", "U7": "Slovaquie",
    "UU": "Roumanie",
    "XP": "Pays-Bas", "XR": "Pays-Bas",
}


def load(path):
    """The array a module of the package exports by default."""
    text = path.read_text(encoding="utf-8")
    text = text[text.index("["):].rstrip().rstrip(";")
    return json.loads(re.sub(r",\s*\]", "]", text))


def code_rows(names):
    """The rows of a table of VinCode, in code order."""
    return [f"    {{{literal(code)}, {literal(name)}}}," for code, name in sorted(names.items())]


def main():
    package, version = npm_package("vin-decode")
    makers = {str(row["code"]): row["name"] for row in load(package / "src" / "data" / "manufacters.js")}
    countries = {str(row["code"]): FRENCH[row["name"]] for row in load(package / "src" / "data" / "countries.js")}
    for wmi, name in ADDED.items():
        if wmi in makers:
            raise SystemExit(f"{wmi} is in the package now: drop it from ADDED")
        makers[wmi] = name
    for code, name in ADDED_COUNTRIES.items():
        if code in countries:
            raise SystemExit(f"{code} is in the package now: drop it from ADDED_COUNTRIES")
        countries[code] = name

    write_source(
        OUTPUT,
        ["The makers of the world manufacturer identifiers (a VIN's first three",
         "characters) and the countries of their first two: npm vin-decode",
         f"{version} (MIT licence), with a few WMIs and countries from Wikipedia (CC BY-SA).",
         "Written by tools/make_vin_makers.py; edit that script, not this file."],
        "MakerTable.h",
        [*array("VinCode kMakers", code_rows(makers)), "", *array("VinCode kCountries", code_rows(countries))],
        ["std::span<const VinCode> VinMakerRows() { return kMakers; }",
         "std::span<const VinCode> VinCountryRows() { return kCountries; }"],
        described=data_set("kVinMakersDataSet", "Constructeurs des VIN (WMI)",
                           f"vin-decode {version} ({len(makers)} WMI, {len(countries)} codes de pays)",
                           "MIT ; quelques WMI de Wikipédia (CC BY-SA)", "vin-decode, Wikipédia"),
    )
    print(f"{OUTPUT}: {len(makers)} makers, {len(countries)} countries")


if __name__ == "__main__":
    main()
