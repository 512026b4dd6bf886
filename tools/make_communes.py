#!/usr/bin/env python3
"""Writes keys/insee/Communes.cpp: the French départements and communes.

The data is Etalab's "Découpage administratif" (npm package
@etalab/decoupage-administratif 6.0.0, the official geographic code of INSEE
on 1 January 2026, data under the Licence Ouverte 2.0): every commune,
commune déléguée, commune associée and municipal arrondissement (Paris, Lyon,
Marseille), and the SIREN of every commune that has one.

Each département holds one text, a line per code in ascending order:

    [NNN] K P suffix [>PARENT] [SIREN]      (without the blanks)

NNN   the commune's number inside the département (3 digits, 2 beyond 97),
      left out when it is the number of the line above plus one (0 or 1 for
      the first line: the first number is 1 unless written);
K     c commune, d commune déléguée, a commune associée, m arrondissement;
      D a commune déléguée with the same code as the commune above it;
P     the number of leading bytes of the name shared with the line above,
      as the character '0' + count (codes follow the alphabet, so names
      share long beginnings);
suffix the rest of the name (UTF-8);
>PARENT the code of the commune a déléguée, associée or arrondissement
      belongs to, when it is not its own code;
SIREN for a commune (c) only: nothing when its SIREN is "21", the
      département, "0", the number, plus the running offset of the
      département (0 at its start) and the Luhn key; "~N" when the offset
      changes to N for this line and the following ones; "#" and the first
      eight digits of any other SIREN (the ninth is the Luhn key); "!" when
      the commune has none.

Besides, the former codes of communes merged into another one (the package's
"anciensCodes") that no row holds any more, each with the code of the commune
it belongs to today, ten characters a pair in order of former code.

Run it after installing the package in a scratch folder:
    npm install --no-save @etalab/decoupage-administratif@6.0.0
    python3 tools/make_communes.py path/to/node_modules
"""

import gzip
import pathlib

from cxxtext import data_set, literal, write_source
from tabledata import npm_package, read_json

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUTPUT = ROOT / "keys" / "insee" / "Communes.cpp"
PACKAGE = "@etalab/decoupage-administratif"
KINDS = {"commune-actuelle": "c", "commune-deleguee": "d", "commune-associee": "a",
         "arrondissement-municipal": "m"}
MAX_SHARED = 60


def departement_of(code):
    return code[:3] if code[:2] in ("97", "98") else code[:2]


def luhn_key(body):
    total = 0
    for position, char in enumerate(reversed(body)):
        digit = int(char)
        if position % 2 == 0:
            digit *= 2
            if digit > 9:
                digit -= 9
        total += digit
    return str((10 - total % 10) % 10)


def commune_body(code):
    """The first eight digits of the SIREN the commune's code suggests."""
    departement = departement_of(code)
    number = code[len(departement):]
    if departement in ("2A", "2B"):
        departement = "20"
    return "21" + departement + "0" + number


def encode(departement, rows):
    lines = []
    previous = ""
    offset = 0
    number = 0
    for row in rows:
        code, name, kind = row["code"], row["nom"], KINDS[row["type"]]
        own = int(code[len(departement):])
        written = ""
        if own == number and kind == "d":
            kind = "D"
        elif own == number:
            raise SystemExit(f"{code}: two rows of one code")
        elif own != number + 1:
            written = code[len(departement):]
        number = own
        shared = 0
        while shared < min(len(name), len(previous), MAX_SHARED) and name[shared] == previous[shared]:
            shared += 1
        shared_bytes = len(name[:shared].encode("utf-8"))
        if shared_bytes > MAX_SHARED:
            raise SystemExit(f"{code}: shared prefix too long")
        line = written + kind + chr(ord("0") + shared_bytes) + name[shared:]
        parent = row.get("chefLieu") or row.get("commune")
        if kind in "dam" and parent and parent != code:
            line += ">" + parent
        if kind == "c":
            siren = row.get("siren")
            if not siren:
                line += "!"
            else:
                if luhn_key(siren[:8]) != siren[8]:
                    raise SystemExit(f"{code}: SIREN {siren} fails its key")
                if siren.startswith("21"):
                    delta = int(siren[:8]) - int(commune_body(code))
                    if delta != offset:
                        offset = delta
                        line += f"~{delta}"
                else:
                    line += "#" + siren[:8]
        lines.append(line + "\n")
        previous = name
    return lines


def main():
    package, version = npm_package(PACKAGE)
    communes = read_json(package / "data" / "communes.json")
    departements = read_json(package / "data" / "departements.json")
    order = {"c": 0, "d": 1, "a": 2, "m": 3}
    communes.sort(key=lambda row: (row["code"], order[KINDS[row["type"]]]))

    body = [
        "using namespace std::string_view_literals;",
        "",
        "constexpr DepartementRow kDepartements[] = {",
    ]
    blob = bytearray()
    for departement in sorted(departements, key=lambda row: row["code"]):
        code = departement["code"]
        rows = [row for row in communes if departement_of(row["code"]) == code]
        lines = encode(code, rows)
        size = sum(len(line.encode("utf-8")) for line in lines)
        if size > 60000:
            raise SystemExit(f"{code}: text too long for some compilers")
        blob += "".join(lines).encode("utf-8")
        body.append(f"    {{{literal(code)}, {literal(departement['nom'])},")
        body += [f"     {literal(line)}" for line in lines]
        # The suffix gives the length of the whole text at once: working it
        # out character by character in a constant expression exceeds
        # clang's step limit.
        body[-1] += "sv"
        body.append("    },")
    codes = {row["code"] for row in communes}
    current = {row["code"] for row in communes if row["type"] == "commune-actuelle"}
    former = sorted((old, row["code"]) for row in communes for old in row.get("anciensCodes", [])
                    if old not in codes)
    if len({old for old, _ in former}) != len(former) or any(now not in current for _, now in former):
        raise SystemExit("a former code given twice, or to a commune that is none today")
    body += ["};", "", "constexpr std::string_view kFormerCodes ="]
    for start in range(0, len(former), 6):
        body.append("    " + literal("".join(old + now for old, now in former[start:start + 6])))
    body[-1] += "sv;"
    blob += "".join(old + now for old, now in former).encode("ascii")
    covered = sum(1 for row in communes if departement_of(row["code"]) in {d["code"] for d in departements})
    if covered != len(communes):
        raise SystemExit("a commune outside every département")
    write_source(
        OUTPUT,
        ["The French départements and communes (with the communes déléguées and",
         "associées and the arrondissements of Paris, Lyon and Marseille), and the",
         f"communes' SIREN: Etalab, Découpage administratif, npm {PACKAGE} {version}",
         "(INSEE's official geographic code, 2026), Licence Ouverte 2.0.",
         "Written by tools/make_communes.py, which describes the encoding; edit",
         "that script, not this file."],
        "CommuneTable.h",
        body,
        ["std::span<const DepartementRow> DepartementRows() { return kDepartements; }",
         "std::string_view FormerCommuneCodes() { return kFormerCodes; }"],
        described=data_set("kCommunesDataSet", "Communes et départements français",
                           f"Code officiel géographique 2026 ({PACKAGE} {version}, {len(communes)} codes)",
                           "Licence Ouverte 2.0 (Etalab)", "INSEE, Etalab"),
    )
    print(f"{OUTPUT}: {len(departements)} départements, {len(communes)} codes, {len(former)} former codes, "
          f"{len(blob)} bytes of text, {len(gzip.compress(bytes(blob), 9))} compressed")


if __name__ == "__main__":
    main()
