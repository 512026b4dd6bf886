#!/usr/bin/env python3
"""Writes keys/iban/Countries.cpp: the rows of the IBAN page's country list.

Each row is "CODE (NAME)" followed by a tab, NAME being the country's French
short name in capitals, accents kept. The names come from Debian's iso-codes
package (the ISO 3166-1 and 3166-3 tables and their French translations);
the few that the data gives in an inverted or long official form, and the
withdrawn codes it has no French name for, are written out below.

Run it from anywhere: python3 tools/make_country_table.py
"""

import pathlib
import struct

from cxxtext import array, literal, write_source
from tabledata import read_json

ISO_JSON = pathlib.Path("/usr/share/iso-codes/json")
FRENCH = pathlib.Path("/usr/share/locale/fr/LC_MESSAGES")
OUTPUT = pathlib.Path(__file__).resolve().parent.parent / "keys" / "iban" / "Countries.cpp"

# The codes of the list, in the order the page shows them.
CODES = """
AD AE AF AG AI AL AM AN AO AQ AR AS AT AU AW AZ BA BB BD BE BF BG BH BI BJ BM BN BO BR BS BT BV BW BY BZ
CA CC CD CF CG CH CI CK CL CM CN CO CR CU CV CX CY CZ DE DJ DK DM DO DZ EC EE EG EH ER ES ET FI FJ FK FM
FO FR GA GB GD GE GF GH GI GL GM GN GP GQ GR GS GT GU GW GY HK HM HN HR HT HU ID IE IL IN IO IQ IR IS IT
JM JO JP KE KG KH KI KM KN KP KR KW KY KZ LA LB LC LI LK LR LS LT LU LV LY MA MC MD MG MH MK ML MM MN MO
MP MQ MR MS MT MU MV MW MX MY MZ NA NC NE NF NG NI NL NO NP NR NU NZ OM PA PE PF PG PH PK PL PM PN PR PS
PT PW PY QA RE RO RU RW SA SB SC SD SE SG SH SI SJ SK SL SM SN SO SR ST SV SY SZ TC TD TF TG TH TJ TK TL
TM TN TO TR TT TV TW TZ UA UG UM US UY UZ VA VC VE VG VI VN VU WF WS YE YT YU ZA ZM ZW
""".split()

# Names written out by hand: inverted forms ("Salomon, Îles"), long official
# forms, common names the data leaves untranslated, the name French text uses
# for TR (the data has "Türkiye"), and a withdrawn code without a French name.
# SH keeps the data's name, whose comma belongs to it.
NAMES = {
    "CC": "Îles Cocos",
    "CX": "Île Christmas",
    "FK": "Îles Malouines",
    "FM": "Micronésie",
    "IR": "Iran",
    "LA": "Laos",
    "PS": "Palestine",
    "RE": "Réunion",
    "RU": "Russie",
    "SB": "Îles Salomon",
    "SH": "Sainte-Hélène, Ascension et Tristan da Cunha",
    "SY": "Syrie",
    "TR": "Turquie",
    "VA": "Saint-Siège",
    "VI": "Îles Vierges des États-Unis",
    "YU": "Yougoslavie",
}


def read_mo(path):
    """The translations of a GNU .mo catalogue, as a dict from English to French."""
    data = path.read_bytes()
    magic = struct.unpack_from("<I", data)[0]
    order = "<" if magic == 0x950412DE else ">"
    _, count, originals, translations = struct.unpack_from(order + "4I", data, 4)
    catalogue = {}
    for i in range(count):
        length, offset = struct.unpack_from(order + "2I", data, originals + 8 * i)
        english = data[offset:offset + length].decode("utf-8")
        length, offset = struct.unpack_from(order + "2I", data, translations + 8 * i)
        catalogue[english] = data[offset:offset + length].decode("utf-8")
    return catalogue


def load(standard):
    entries = read_json(ISO_JSON / f"iso_{standard}.json")[standard]
    return entries, read_mo(FRENCH / f"iso_{standard}.mo")


def french_name(code, current, withdrawn):
    if code in NAMES:
        return NAMES[code]
    entries, french = current
    for entry in entries:
        if entry["alpha_2"] == code:
            # The common name ("Bolivie", "Laos") reads better than the
            # official one ("Bolivie, état plurinational de") when translated.
            common = entry.get("common_name")
            if common in french:
                return french[common]
            return french[entry["name"]]
    entries, french = withdrawn
    for entry in entries:
        if entry["alpha_2"] == code and entry["name"] in french:
            return french[entry["name"]]
    raise SystemExit(f"no French name for {code}")


def main():
    current = load("3166-1")
    withdrawn = load("3166-3")
    rows = []
    for code in CODES:
        name = french_name(code, current, withdrawn).upper()
        # An inverted or bracketed name left in the data would read badly.
        if "(" in name or ")" in name or ("," in name and code not in NAMES):
            raise SystemExit(f"{code}: {name} is not a short name")
        rows.append(f"{code} ({name})\t")
    write_source(
        OUTPUT,
        ["The rows of the IBAN page's country list: code, French short name, tab.",
         "Written by tools/make_country_table.py; edit that script, not this file."],
        "Countries.h",
        array("std::string_view kRows",
              [f"    {literal(row)},  // {row.rstrip()}" if not row.isascii() else f"    {literal(row)}," for row in rows]),
        ["std::span<const std::string_view> CountryRows() { return kRows; }"],
    )
    print(f"{len(rows)} rows written to {OUTPUT}")


if __name__ == "__main__":
    main()
