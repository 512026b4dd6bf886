#!/usr/bin/env python3
"""Writes keys/isbn/Ranges.cpp: where the hyphens of an ISBN go.

The table comes from the ISBN ranges of the International ISBN Agency
(RangeMessage.xml) as Debian's python3-stdnum package keeps them
(stdnum/isbn.dat). That file has one line per prefix (978, 979), under it the
lengths of the registration groups, each a range of leading digits such as
"600-649" (three-digit groups 600 to 649), then one line per group in use
with its agency and the ranges of its registrants, read on the digits that
follow the group:

    978
     0-5,600-649,65-65,7-7,80-94,950-989,9900-9989,99900-99999
     2 agency="French language"
      00-19,200-349,35000-39999,...

A group or registrant is as long as the bounds of the range that holds the
digits; what the group and the registrant leave of the nine digits after the
prefix is the title. Digits no range holds have no hyphens.

Run it from anywhere after installing python3-stdnum:
    /usr/bin/python3 tools/make_isbn_ranges.py
"""

import email.utils
import pathlib
import re
import unicodedata

import stdnum

from cxxtext import array, data_set, write_source

DATA = pathlib.Path(stdnum.__file__).parent / "isbn.dat"
OUTPUT = pathlib.Path(__file__).resolve().parent.parent / "keys" / "isbn" / "Ranges.cpp"
LICENCE = "/usr/share/doc/python3-stdnum/copyright"
MONTHS = ["janvier", "février", "mars", "avril", "mai", "juin", "juillet", "août", "septembre", "octobre",
          "novembre", "décembre"]


def ranges_of(text):
    """[(low, high)] of a line such as "00-19,200-349,495-495"."""
    out = []
    for item in text.split(","):
        low, _, high = item.partition("-")
        high = high or low
        if len(low) != len(high) or not (low + high).isdigit() or low > high:
            raise SystemExit(f"{DATA}: unreadable range {item!r}")
        out.append((low, high))
    return out


def holds(ranges, digits):
    return [(low, high) for low, high in ranges if low <= digits[:len(low)] <= high]


def read_ranges():
    """The edition (file date and serial), and {prefix: (group ranges,
    [(group, agency, registrant ranges)])}."""
    edition = {}
    prefixes = {}
    prefix = group = None
    for line in DATA.read_text(encoding="utf-8").splitlines():
        header = re.match(r"^# file (date|serial) (.+)$", line)
        if header:
            edition[header.group(1)] = header.group(2).strip()
            continue
        if not line.strip() or line.startswith("#"):
            continue
        indent = len(line) - len(line.lstrip(" "))
        text = line.strip()
        if indent == 0:
            prefix = text
            prefixes[prefix] = ([], [])
        elif indent == 1 and "agency=" not in text:
            prefixes[prefix][0].extend(ranges_of(text))
        elif indent == 1:
            match = re.match(r'^(\d+) agency="([^"]*)"$', text)
            if not match:
                raise SystemExit(f"{DATA}: unreadable group line {line!r}")
            group = [match.group(1), match.group(2), []]
            prefixes[prefix][1].append(group)
        elif indent == 2:
            group[2].extend(ranges_of(text))
        else:
            raise SystemExit(f"{DATA}: unexpected line {line!r}")
    # Every group in use lies in a range of its own length; no two ranges of
    # one list hold the same digits.
    for prefix, (group_ranges, groups) in prefixes.items():
        for code, agency, registrants in groups:
            # Comments in plain ASCII, as the rest of the file ("Curacao").
            agency = unicodedata.normalize("NFKD", agency).encode("ascii", "ignore").decode()
            if [len(low) for low, _ in holds(group_ranges, code)] != [len(code)]:
                raise SystemExit(f"{DATA}: group {prefix}-{code} ({agency}) in no range of its length")
        for ranges in [group_ranges] + [registrants for _, _, registrants in groups]:
            for i, (low, high) in enumerate(ranges):
                for other_low, other_high in ranges[i + 1:]:
                    n = min(len(low), len(other_low))
                    if not (high[:n] < other_low[:n] or other_high[:n] < low[:n]):
                        raise SystemExit(f"{DATA}: ranges {low}-{high} and {other_low}-{other_high} overlap")
        groups.sort(key=lambda g: g[0])
    return edition, prefixes


def main():
    edition, prefixes = read_ranges()
    date = email.utils.parsedate_to_datetime(edition["date"])
    french_date = f"{date.day} {MONTHS[date.month - 1]} {date.year}"
    registrant_rows = []
    registrant_count = 0
    group_rows = []
    prefix_rows = []
    group_range_lines = []
    for prefix, (group_ranges, groups) in sorted(prefixes.items()):
        first = len(group_range_lines)
        for low, high in group_ranges:
            group_range_lines.append(f'    {{"{low}", "{high}"}},  // {prefix}')
        prefix_rows.append(f'    {{"{prefix}", {first}, {len(group_ranges)}}},')
        for code, agency, registrants in groups:
            # Comments in plain ASCII, as the rest of the file ("Curacao").
            agency = unicodedata.normalize("NFKD", agency).encode("ascii", "ignore").decode()
            registrant_rows.append(f"    // {prefix}-{code} {agency}")
            line = "   "
            for low, high in registrants:
                item = f' {{"{low}", "{high}"}},'
                if len(line) + len(item) > 100:
                    registrant_rows.append(line)
                    line = "   "
                line += item
            registrant_rows.append(line)
            group_rows.append(f'    {{"{prefix}", "{code}", {registrant_count}, {len(registrants)}}},  // {agency}')
            registrant_count += len(registrants)
    write_source(
        OUTPUT,
        ["Where the hyphens of an ISBN go: the ranges of registration groups and of",
         "registrants of the International ISBN Agency (RangeMessage.xml,",
         "https://www.isbn-international.org/range_file_generation).",
         f"Edition: {edition['date']}, serial {edition.get('serial', 'unknown')}.",
         f"Copy read: stdnum/isbn.dat of Debian's python3-stdnum {stdnum.__version__} (python-stdnum,",
         f"GNU LGPL 2.1 or later, see {LICENCE}).",
         "Written by tools/make_isbn_ranges.py; edit that script, not this file."],
        "Ranges.h",
        ["// The lengths of the registration groups after each prefix.",
         *array("IsbnRange kGroupRanges", group_range_lines),
         "",
         "// The registrants of every group in use, group by group.",
         *array("IsbnRange kRegistrants", registrant_rows),
         "",
         "// The groups in use, by prefix and group; their registrants in kRegistrants.",
         *array("IsbnGroup kGroups", group_rows),
         "",
         *array("IsbnPrefix kPrefixes", prefix_rows)],
        ["std::span<const IsbnPrefix> IsbnPrefixes() { return kPrefixes; }",
         "std::span<const IsbnRange> IsbnGroupRanges() { return kGroupRanges; }",
         "std::span<const IsbnGroup> IsbnGroups() { return kGroups; }",
         "std::span<const IsbnRange> IsbnRegistrants() { return kRegistrants; }"],
        described=data_set("kIsbnRangesDataSet", "Tranches ISBN (groupes et éditeurs)",
                           f"python-stdnum {stdnum.__version__} (Debian), tranches du {french_date}",
                           "LGPL 2.1 ou ultérieure", "Agence internationale de l'ISBN, via python-stdnum"),
    )
    print(f"{OUTPUT}: {len(group_rows)} groups, {registrant_count} registrant ranges, "
          f"edition {edition.get('date')}")


if __name__ == "__main__":
    main()
