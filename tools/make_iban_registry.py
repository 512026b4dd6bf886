#!/usr/bin/env python3
"""Writes keys/iban/Registry.cpp: the countries that have IBANs, their lengths
and what each place of their BBAN holds.

The table comes from the IBAN registry (ISO 13616) as Debian's python3-stdnum
package keeps it (stdnum/iban.dat: one line a country, with the structure of
its BBAN such as "5!n5!n11!c2!n", whose counts add up to the BBAN's length).
An IBAN is the country code, two check digits and the BBAN. Each place of a
BBAN is written out as one letter of the structure: "n" a digit, "a" a
capital, "c" either ("5!n" gives "nnnnn").

Run it from anywhere after installing python3-stdnum:
    /usr/bin/python3 tools/make_iban_registry.py
"""

import pathlib
import re

import stdnum

from cxxtext import array, write_source

DATA = pathlib.Path(stdnum.__file__).parent / "iban.dat"
OUTPUT = pathlib.Path(__file__).resolve().parent.parent / "keys" / "iban" / "Registry.cpp"


def read_registry():
    """(code, IBAN length, BBAN structure) of every country, in code order."""
    rows = []
    for line in DATA.read_text(encoding="utf-8").splitlines():
        match = re.match(r'^([A-Z]{2}) .*bban="([^"]+)"', line)
        if not match:
            continue
        code, structure = match.groups()
        length = sum(int(count) for count in re.findall(r"(\d+)!?[nac]", structure))
        rows.append((code, 4 + length, structure))
    return sorted(rows)


def places(structure):
    """The structure written out place by place: "2!n3!c" gives "nnccc"."""
    return "".join(kind * int(count) for count, kind in re.findall(r"(\d+)!?([nac])", structure))


def main():
    rows = read_registry()
    write_source(
        OUTPUT,
        ["The countries that have IBANs, with the length of their IBANs and what",
         "each place of their BBAN holds (n a digit, a a capital, c either).",
         "Written by tools/make_iban_registry.py from the IBAN registry (ISO 13616)",
         "as Debian's python3-stdnum keeps it; edit that script, not this file."],
        "Registry.h",
        array("IbanCountry kCountries",
              [f'    {{"{code}", {length}, "{places(structure)}"}},  // {structure}'
               for code, length, structure in rows]),
        ["std::span<const IbanCountry> IbanRegistry() { return kCountries; }"],
    )
    print(f"{OUTPUT}: {len(rows)} countries")


if __name__ == "__main__":
    main()
