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

import json
import pathlib
import re
import sys

from cxxtext import data_set

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUTPUT = ROOT / "keys" / "iban" / "Bic.cpp"


def main():
    modules = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "node_modules")
    package = modules / "iban-to-bic"
    version = json.loads((package / "package.json").read_text(encoding="utf-8"))["version"]
    banks = json.loads((package / "datasets" / "fr.json").read_text(encoding="utf-8"))
    rows = []
    for code, bic in sorted(banks.items()):
        if not re.fullmatch(r"\d{5}", code) or not re.fullmatch(r"[A-Z0-9]{11}", bic):
            raise SystemExit(f"unexpected row {code} {bic}")
        rows.append((code, bic[:8] if bic.endswith("XXX") else bic))
    out = [
        "// The BIC of the French bank codes: npm iban-to-bic "
        f"{version} (datasets/fr.json, MIT",
        "// licence), from the European Central Bank's list of monetary financial",
        "// institutions. Written by tools/make_bank_bics.py; edit that script, not this file.",
        '#include "Bic.h"',
        "",
        "#include <algorithm>",
        "",
        '#include "common/DataSets.h"',
        "",
        "namespace ferrino {",
        "",
        *data_set("kBankBicDataSet", "BIC des codes banque français",
                  f"iban-to-bic {version} ({len(rows)} codes banque)", "MIT",
                  "iban-to-bic, liste des institutions financières de la BCE"),
        "",
        "namespace {",
        "",
        "struct BankRow {",
        "    std::string_view code;",
        "    std::string_view bic;",
        "};",
        "",
        "constexpr BankRow kBanks[] = {",
    ]
    out += [f'    {{"{code}", "{bic}"}},' for code, bic in rows]
    out += [
        "};",
        "",
        "}  // namespace",
        "",
        "std::optional<std::string_view> BankBic(std::string_view bankCode)",
        "{",
        "    const auto it = std::lower_bound(std::begin(kBanks), std::end(kBanks), bankCode,",
        "                                     [](const BankRow& row, std::string_view key) { return row.code < key; });",
        "    if (it == std::end(kBanks) || it->code != bankCode) return std::nullopt;",
        "    return it->bic;",
        "}",
        "",
        "}  // namespace ferrino",
        "",
    ]
    OUTPUT.write_text("\n".join(out), encoding="utf-8")
    print(f"{OUTPUT}: {len(rows)} bank codes")


if __name__ == "__main__":
    main()
