#!/usr/bin/env python3
"""Writes keys/iban/Bic.cpp: the BIC of the French bank codes (a RIB's first
five digits, an IBAN's fifth to ninth in France and Monaco).

The data is datasets/fr.json of the npm package iban-to-bic 1.4.0 (MIT
licence), built from the European Central Bank's list of monetary financial
institutions. A BIC whose branch is the primary office (XXX) is written with
its eight characters, as banks print it.

Run it after installing the package in a scratch folder:
    npm install --no-save iban-to-bic@1.4.0
    python3 tools/make_bank_bics.py path/to/node_modules
"""

import pathlib
import re

from cxxtext import array, data_set, find_by_code, write_source
from tabledata import npm_package, read_json

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUTPUT = ROOT / "keys" / "iban" / "Bic.cpp"


def main():
    package, version = npm_package("iban-to-bic")
    banks = read_json(package / "datasets" / "fr.json")
    rows = []
    for code, bic in sorted(banks.items()):
        if not re.fullmatch(r"\d{5}", code) or not re.fullmatch(r"[A-Z0-9]{11}", bic):
            raise SystemExit(f"unexpected row {code} {bic}")
        rows.append((code, bic[:8] if bic.endswith("XXX") else bic))
    write_source(
        OUTPUT,
        [f"The BIC of the French bank codes: npm iban-to-bic {version} (datasets/fr.json, MIT",
         "licence), from the European Central Bank's list of monetary financial",
         "institutions. Written by tools/make_bank_bics.py; edit that script, not this file."],
        "Bic.h",
        ["struct BankRow {",
         "    std::string_view code;",
         "    std::string_view bic;",
         "};",
         "",
         *array("BankRow kBanks", [f'    {{"{code}", "{bic}"}},' for code, bic in rows])],
        find_by_code("std::optional<std::string_view> BankBic(std::string_view bankCode)",
                     "kBanks", "BankRow", "bankCode", "it->bic"),
        described=data_set("kBankBicDataSet", "BIC des codes banque français",
                           f"iban-to-bic {version} ({len(rows)} codes banque)", "MIT",
                           "iban-to-bic, liste des institutions financières de la BCE"),
        includes=["algorithm"],
    )
    print(f"{OUTPUT}: {len(rows)} bank codes")


if __name__ == "__main__":
    main()
