#!/usr/bin/python3
"""A second opinion on ferrino-cli's keys: python-stdnum (Debian python3-stdnum).

    /usr/bin/python3 tests/stdnum/test_stdnum.py PATH/TO/ferrino-cli [COUNT]

For each kind stdnum knows, random numbers drawn with a fixed seed (COUNT per
kind, 1500 by default) go through ferrino-cli in batch mode (one process per
kind and mode, numbers on stdin, --json) and through stdnum, and must agree:

  keys      the key(s) "Calcule" writes (or lists, for a La Poste SIRET) for
            a number typed without its key are the ones stdnum accepts;
  --check   every number stdnum accepts is OK; every one-character
            substitution (another symbol the position may hold) and every
            swap of two different neighbours of a valid number gets the same
            answer from both (a key that cannot see the error lets both pass);
  rows      for SIRET, EAN and AVS, every row a search lists for a valid
            number with two body characters made unknown, and every
            correction --corrige lists for a corrupted one, are numbers
            stdnum accepts.

IBAN also: the length registered for every country of stdnum's registry and
what each place of the BBAN holds, an unregistered country code, a wrong
length, a wrong IBAN key are errors with their cause, and the national key
inside the BBAN: stdnum's own checks for Belgium, Spain, Montenegro and Norway
(iban.is_valid with check_country), and for the countries stdnum does not
check (the RIB of France, Monaco, Tunisia and Mauritania, the CIN of Italy and
San Marino, the MOD 97-10 of Portugal, Slovenia, Serbia and Bosnia) the key
is computed here from the published rule. Every correction (--corrige) of a
number one slip away from a valid one, and every row of a search with one or
two unknown BBAN characters, must be valid for stdnum, and the rows must be
every completion stdnum accepts. UPC-E,
which stdnum does not expand, is checked on its UPC-A expansion (written
here) with stdnum's EAN key. ISBN also: hyphens as stdnum's copy of the
ISBN Agency's ranges split a number (none where they hold no group or
registrant), every row of a search, every correction of a slip.

A disagreement fails the test and is listed with the number, stdnum's answer
and ferrino's, except the known differences (printed as NOTE, each with its
reason). Exit code 77 (ctest SKIP) when python-stdnum is not installed.
"""

import itertools
import json
import random
import re
import subprocess
import sys
import time

SKIP = 77

try:
    import stdnum
    import stdnum.be.iban
    import stdnum.es.ccc
    import stdnum.no.kontonr
    from stdnum import ean, iban, isbn, luhn
    from stdnum.ca import sin
    from stdnum.ch import ssn
    from stdnum.fr import nir, siren, siret
except ImportError as error:
    print(f"SKIP: python-stdnum is not installed (Debian package python3-stdnum, "
          f"run with /usr/bin/python3): {error}")
    sys.exit(SKIP)

DIGITS = "0123456789"
CAPITALS = "ABCDEFGHIJKLMNOPQRSTUVWXYZ"


class Results:
    """Disagreements, known differences and counts, kind by kind."""

    def __init__(self):
        self.failures = []
        self.notes = {}
        self.counts = {}

    def count(self, kind, what, n=1):
        self.counts.setdefault(kind, {}).setdefault(what, 0)
        self.counts[kind][what] += n

    def fail(self, kind, what, number, theirs, ours):
        self.failures.append(f"{kind}: {what}: {number!r}: stdnum {theirs}, ferrino {ours}")

    def note(self, kind, reason, number, theirs, ours):
        self.notes.setdefault((kind, reason), []).append(f"{number!r}: stdnum {theirs}, ferrino {ours}")


class Cli:
    """ferrino-cli in batch mode: numbers on stdin, one JSON object per number."""

    def __init__(self, path):
        self.path = path
        self.processes = 0

    def run(self, kind, lines, *options):
        self.processes += 1
        args = [self.path, kind, *options, "--json"]
        done = subprocess.run(args, input="".join(line + "\n" for line in lines),
                              capture_output=True, text=True, check=False)
        if done.returncode not in (0, 1):
            raise SystemExit(f"{' '.join(args)} exited with {done.returncode}: {done.stderr}")
        objects = [json.loads(line) for line in done.stdout.splitlines() if line.strip()]
        if len(objects) != len(lines):
            raise SystemExit(f"{' '.join(args)}: {len(objects)} answers for {len(lines)} numbers")
        for line, answer in zip(lines, objects):
            if answer.get("input", answer.get("saisi")) != line:  # --corrige says "saisi"
                raise SystemExit(f"{' '.join(args)}: answer for {answer!r} in place of {line!r}")
        return objects

    def run_text(self, kind, lines, *options):
        """The same in text, one line per number."""
        self.processes += 1
        args = [self.path, kind, *options]
        done = subprocess.run(args, input="".join(line + "\n" for line in lines),
                              capture_output=True, text=True, check=False)
        if done.returncode not in (0, 1):
            raise SystemExit(f"{' '.join(args)} exited with {done.returncode}: {done.stderr}")
        return done.stdout.splitlines()


def compact(text):
    return re.sub(r"[ .\-]", "", text)


def keys_of_answer(answer, body, key_length):
    """The keys "Calcule" gave: that of the completed number, or those of the
    rows of a search over the key position. A number shown without its key
    (no key exists) gives none."""
    if answer["outcome"] == "complete":
        numbers = [answer["number"]]
    else:
        numbers = answer.get("rows", [])
    keys = []
    for number in map(compact, numbers):
        if len(number) == len(body) + key_length:
            keys.append(number[len(body):])
        elif len(number) != len(body):
            raise SystemExit(f"ferrino-cli gave {number!r} for {body!r}")
    return sorted(keys)


def stdnum_keys(valid, body, alphabet, length):
    return sorted(key for key in map("".join, itertools.product(alphabet, repeat=length)) if valid(body + key))


class Kind:
    """One kind compared with stdnum.

    valid(number)      stdnum's verdict on a compact number
    draw(rng)          a random body (the number without its key)
    key_alphabet       what the key may be
    key_length         characters of the key
    alphabet(n, i)     what position i of number n may hold (substitutions)
    cli, options       ferrino-cli's kind and options
    key_at(n)          where the key starts in a body + key
    """

    def __init__(self, name, cli, valid, draw, key_alphabet=DIGITS, key_length=1,
                 alphabet=None, options=(), shown=None, explain=None, extra=(), explain_keys=None):
        self.name = name
        self.cli = cli
        self.valid = valid
        self.draw = draw
        self.key_alphabet = key_alphabet
        self.key_length = key_length
        self.alphabet = alphabet or (lambda number, i: DIGITS)
        self.options = tuple(options)
        # How a body is written for ferrino-cli when its key is asked for.
        self.shown = shown or (lambda body: body + "?" * key_length)
        # A known reason why the two may disagree on a number's check, or
        # on a body's keys, or None.
        self.explain = explain or (lambda number, theirs, ours: None)
        self.explain_keys = explain_keys or (lambda body, theirs, ours: None)
        # Bodies always compared, besides the random ones.
        self.extra = list(extra)


def keys(kind, rng, count, cli, results):
    """Keys of random bodies; returns the valid numbers made of them."""
    bodies = kind.extra + [kind.draw(rng) for _ in range(count)]
    answers = cli.run(kind.cli, [kind.shown(body) for body in bodies], *kind.options)
    valid_numbers = []
    for body, answer in zip(bodies, answers):
        theirs = stdnum_keys(kind.valid, body, kind.key_alphabet, kind.key_length)
        ours = keys_of_answer(answer, body, kind.key_length)
        results.count(kind.name, "keys compared")
        if len(theirs) != 1:
            results.count(kind.name, f"of which {len(theirs)} keys fit")
        if theirs != ours:
            reason = kind.explain_keys(body, theirs, ours)
            if reason:
                results.note(kind.name, reason, body, theirs, ours)
            else:
                results.fail(kind.name, "keys", body, theirs, ours)
        valid_numbers.extend(body + key for key in theirs)
    return valid_numbers


def corruptions(kind, number, rng):
    """One random substitution and one random swap of two different
    neighbours of `number`, where possible."""
    out = []
    positions = list(range(len(number)))
    rng.shuffle(positions)
    for i in positions:
        symbols = [c for c in kind.alphabet(number, i) if c != number[i]]
        if symbols:
            out.append(("substitution", number[:i] + rng.choice(symbols) + number[i + 1:]))
            break
    for i in positions:
        if i + 1 < len(number) and number[i] != number[i + 1] and number[i + 1] in kind.alphabet(number, i) \
                and number[i] in kind.alphabet(number, i + 1):
            out.append(("swap", number[:i] + number[i + 1] + number[i] + number[i + 2:]))
            break
    return out


def checks(kind, numbers, rng, cli, results):
    """--check on valid numbers and on their corruptions, against stdnum."""
    cases = [("valid", number) for number in numbers]
    for number in numbers:
        cases.extend(corruptions(kind, number, rng))
    answers = cli.run(kind.cli, [number for _, number in cases], *kind.options, "--check")
    # The text lines (read quickly where a number is plain) say what the JSON objects say.
    lines = cli.run_text(kind.cli, [number for _, number in cases], *kind.options, "--check")
    if len(lines) != len(answers):
        results.fail(kind.name, "--check text", f"{len(cases)} numbers", f"{len(answers)} objects", f"{len(lines)} lines")
    for (what, number), answer, line in zip(cases, answers, lines):
        results.count(kind.name, "--check text")
        expected = ("OK" if answer["valid"] else "ERREUR") + (" " + answer["number"] if answer["number"] else "")
        if not answer["valid"]:
            expected += " (" + answer.get("cause", "") + ")"
        if line != expected:
            results.fail(kind.name, "--check text", number, expected, line)
    for (what, number), answer in zip(cases, answers):
        theirs = kind.valid(number)
        ours = answer["valid"]
        results.count(kind.name, f"--check {what}")
        if what != "valid" and not theirs:
            results.count(kind.name, f"--check {what} rejected by stdnum")
        if theirs == ours:
            continue
        ours_text = "OK" if ours else "ERREUR (" + answer.get("cause", "") + ")"
        theirs_text = "valid" if theirs else "invalid"
        reason = kind.explain(number, theirs, ours)
        if reason:
            results.note(kind.name, reason, number, theirs_text, ours_text)
        else:
            results.fail(kind.name, f"--check {what}", number, theirs_text, ours_text)


def rows_and_corrections(kind, numbers, rng, cli, results):
    """Every search row and every correction ferrino-cli lists is a number
    stdnum accepts."""
    sample = numbers[:300]
    searches = []
    for number in sample:
        body = len(number) - kind.key_length
        at = rng.sample(range(body), 2)
        searches.append("".join("?" if i in at else c for i, c in enumerate(number)))
    wrong = [bad for number in sample for _, bad in corruptions(kind, number, rng) if not kind.valid(bad)]
    for what, lines, options in (("search row", searches, ()), ("correction", wrong, ("--corrige",))):
        answers = cli.run(kind.cli, lines, *kind.options, *options)
        for line, answer in zip(lines, answers):
            for row in answer.get("rows" if not options else "corrections", []):
                results.count(kind.name, f"{what}s")
                if not kind.valid(compact(row)):
                    results.fail(kind.name, what, line, f"rejects {row!r}", "lists it")


# ---------------------------------------------------------------- the kinds


def digits(rng, n):
    return "".join(rng.choice(DIGITS) for _ in range(n))


def draw_insee(rng):
    """Sex, year, month, département (one in five Corsican), commune, order."""
    department = rng.choice(["2A", "2B"]) if rng.random() < 0.2 else digits(rng, 2)
    return rng.choice("12") + digits(rng, 2) + "%02d" % rng.randint(1, 12) + department + digits(rng, 6)


def insee_alphabet(number, i):
    # A letter only in position 7, after a "2" (a Corsican département).
    if i == 6 and number[5] == "2":
        return DIGITS + "AB"
    return DIGITS


def luhn_key(body):
    return luhn.calc_check_digit(body)


def draw_siret(rng):
    """A valid SIREN and an establishment number; one in four a La Poste
    establishment (SIREN 356 000 000)."""
    if rng.random() < 0.25:
        return "356000000" + digits(rng, 4)
    head = digits(rng, 8)
    return head + luhn_key(head) + digits(rng, 4)


HEAD_OFFICE = ("La Poste's head office 356 000 000 0004 keeps its Luhn key 8 alone; stdnum also takes the "
               "digit-sum keys 2 and 7 for the same establishment number")


def siret_explain_keys(body, theirs, ours):
    if body == "3560000000004" and ours == ["8"] and "8" in theirs:
        return HEAD_OFFICE
    if body.startswith("356000000") and body[9:13] == "0000" and not ours:
        return ("a La Poste establishment numbered 0000: \"Calcule\" searches the key position and "
                "refuses establishment 0000, so lists nothing (--check accepts both keys)")
    return None


def siret_explain(number, theirs, ours):
    if number[:13] == "3560000000004" and theirs and not ours:
        return HEAD_OFFICE
    return None


def draw_luhn(rng):
    return digits(rng, rng.randint(1, 31))


def draw_card(rng):
    """A body of fifteen digits (not beginning with 34 or 37), of fourteen
    beginning with 34 or 37, or of sixteen to eighteen."""
    if rng.random() < 0.2:
        return rng.choice(["34", "37"]) + digits(rng, 12)
    while True:
        body = digits(rng, rng.choice([15, 15, 15, 16, 17, 18]))
        if body[:2] not in ("34", "37"):
            return body


def card_explain(number, theirs, ours):
    if (len(number) >= 16) == (number[:2] in ("34", "37")):
        return ("a typing slip moved the number to another length: 34 and 37 begin a fifteen-digit card, "
                "fifteen digits otherwise miss the key of a sixteen-digit one")
    return None


def draw_avs(rng):
    return "756" + digits(rng, 9)


def avs_alphabet(number, i):
    return "" if i < 3 else DIGITS  # the 756 is not a typing error


def ean_key(valid_length):
    def valid(number):
        return len(number) == valid_length and ean.is_valid(number)
    return valid


def upce_expansion(number):
    """The UPC-A number (eleven digits) a UPC-E number system and six data
    digits stand for."""
    s, d = number[0], number[1:7]
    last = d[5]
    if last in "012":
        return s + d[0:2] + last + "0000" + d[2:5]
    if last == "3":
        return s + d[0:3] + "00000" + d[3:5]
    if last == "4":
        return s + d[0:4] + "00000" + d[4]
    return s + d[0:5] + "0000" + last


def upce_valid(number):
    return (len(number) == 8 and number.isdigit() and number[0] in "01"
            and ean.calc_check_digit(upce_expansion(number)) == number[7])


def kinds():
    return [
        Kind("insee", "insee", nir.is_valid, draw_insee, key_length=2, alphabet=insee_alphabet,
             extra=["253072B073004", "1850578006084"]),
        Kind("siren", "siren", siren.is_valid, lambda rng: digits(rng, 8)),
        Kind("siret", "siret", siret.is_valid, draw_siret, explain=siret_explain, explain_keys=siret_explain_keys,
             # La Poste's head office (a Luhn key), and an establishment 0000.
             extra=["3560000000004", "3560000000000", "7328293200007"]),
        Kind("ean13", "ean", ean_key(13), lambda rng: digits(rng, 12), options=("--type", "ean13")),
        Kind("ean8", "ean", ean_key(8), lambda rng: digits(rng, 7), options=("--type", "ean8")),
        Kind("upca", "ean", ean_key(12), lambda rng: digits(rng, 11), options=("--type", "upca")),
        # Numbers systems 2-9 have no check digit: stdnum's expansion gives
        # none, ferrino-cli shows the number without one.
        Kind("upce", "ean", upce_valid, lambda rng: rng.choice("0101012345") + digits(rng, 6),
             options=("--type", "upce")),
        Kind("isbn10", "isbn", lambda n: len(n) == 10 and isbn.is_valid(n), lambda rng: digits(rng, 9),
             key_alphabet=DIGITS + "X",
             alphabet=lambda number, i: DIGITS + "X" if i == 9 else DIGITS),
        Kind("isbn13", "isbn", lambda n: len(n) == 13 and isbn.is_valid(n), lambda rng: rng.choice(["978", "979"]) + digits(rng, 9),
             alphabet=isbn_alphabet),
        Kind("luhn", "luhn", luhn.is_valid, draw_luhn),
        Kind("carte", "carte", luhn.is_valid, draw_card, explain=card_explain),
        Kind("sin", "sin", sin.is_valid, lambda rng: digits(rng, 8)),
        Kind("avs", "avs", ssn.is_valid, draw_avs, alphabet=avs_alphabet, extra=["756921707698"]),
    ]


# ---------------------------------------------------------------- ISBN


def isbn_alphabet(number, i):
    """What a slip may put at position i: never in the 978 or 979 of an ISBN-13."""
    if len(number) == 13:
        return "" if i < 3 else DIGITS
    return DIGITS + "X" if i == 9 else DIGITS


def isbn_shown(number):
    """stdnum's hyphens when its ranges hold the group and the registrant,
    none otherwise (stdnum still splits off what it can)."""
    from stdnum import numdb
    parts = numdb.get("isbn").split((number if len(number) == 13 else "978" + number)[:-1])
    return isbn.format(number) if len(parts) == 4 and all(parts) else number


def isbn_complete(body):
    """The body of 9 or 12 digits with the one key stdnum accepts."""
    return next(body + k for k in DIGITS + "X" if isbn.is_valid(body + k))


def check_isbn(rng, count, cli, results):
    """Both forms: hyphens, search rows, corrections."""
    from stdnum import numdb
    name = "isbn"
    # Most in a group in use, a few anywhere; half the 978s as ISBN-10s.
    groups = [p[1] + g[1] for p in numdb.get("isbn").prefixes for g in p[4] if g[3].get("agency")] + ["978", "979"] * 30
    numbers = ["9782070368228", "207036822X", "9780306406157", "0306406152", "9791090636071", "9992158107"]
    for _ in range(count):
        head = rng.choice(groups)
        body = head + digits(rng, 12 - len(head))
        numbers.append(isbn_complete(body[3:] if body.startswith("978") and rng.random() < 0.5 else body))

    for number, answer in zip(numbers, cli.run("isbn", numbers, "--check")):
        results.count(name, "hyphens compared")
        if not answer["valid"] or answer["number"] != isbn_shown(number):
            results.fail(name, "--check", number, "OK " + isbn_shown(number), answer)

    # One or two unknown body digits, the key typed or not: every completion
    # stdnum accepts, by the slots' digits.
    patterns = []
    for number in numbers:
        slots = rng.sample(range(3 if len(number) == 13 else 0, len(number) - 1), rng.choice([1, 2]))
        key = rng.choice([number[-1], "?"])
        patterns.append("".join("?" if i in slots else c for i, c in enumerate(number[:-1])) + key)
    for pattern, answer in zip(patterns, cli.run("isbn", patterns)):
        expected = []
        for values in itertools.product(DIGITS, repeat=pattern[:-1].count("?")):
            it = iter(values)
            full = isbn_complete("".join(next(it) if c == "?" else c for c in pattern[:-1]))
            if pattern[-1] in ("?", full[-1]):
                expected.append(isbn_shown(full))
        results.count(name, "search rows", len(expected))
        if answer.get("rows") != expected:
            results.fail(name, "search rows", pattern, expected[:12], (answer.get("rows") or [])[:12])

    # A slip's corrections: every number stdnum accepts one slip away.
    kind = Kind(name, name, None, None, alphabet=isbn_alphabet)
    wrong = [n for number in numbers for _, n in corruptions(kind, number, rng) if not isbn.is_valid(n)]
    for number, answer in zip(wrong, cli.run("isbn", wrong, "--corrige")):
        slips = {number[:i] + c + number[i + 1:] for i in range(len(number)) for c in isbn_alphabet(number, i)}
        slips |= {number[:i] + number[i + 1] + number[i] + number[i + 2:] for i in range(len(number) - 1)
                  if number[i + 1] in isbn_alphabet(number, i) and number[i] in isbn_alphabet(number, i + 1)}
        expected = sorted(isbn_shown(n) for n in slips if n != number and isbn.is_valid(n))
        results.count(name, "corrections", len(expected))
        if sorted(answer["corrections"]) != expected:
            results.fail(name, "corrections", number, expected, sorted(answer["corrections"]))


# ---------------------------------------------------------------- IBAN


def iban_registry():
    """{country code: BBAN structure} from stdnum's copy of the IBAN registry."""
    path = stdnum.__file__.rsplit("/", 1)[0] + "/iban.dat"
    registry = {}
    with open(path, encoding="utf-8") as data:
        for line in data:
            match = re.match(r'^([A-Z]{2}) .*bban="([^"]+)"', line)
            if match:
                registry[match.group(1)] = match.group(2)
    return registry


def draw_bban(rng, structure):
    symbols = {"n": DIGITS, "a": CAPITALS, "c": DIGITS + CAPITALS}
    out = ""
    for count, kind in re.findall(r"(\d+)!([nac])", structure):
        # Letters are rarer than digits in real accounts: "c" mostly digits.
        pool = symbols[kind] if kind != "c" or rng.random() < 0.2 else DIGITS
        out += "".join(rng.choice(pool) for _ in range(int(count)))
    return out


RIB_LETTERS = {c: str(i % 9 + 1) for i, c in enumerate("ABCDEFGHIJKLMNOPQR")}
RIB_LETTERS.update({c: str(i + 2) for i, c in enumerate("STUVWXYZ")})


def rib_key(bank, branch, account):
    """The key of a French RIB: 97 - (89 bank + 15 branch + 3 account) mod 97,
    the account's letters counting A-I 1-9, J-R 1-9, S-Z 2-9."""
    account = "".join(RIB_LETTERS.get(c, c) for c in account)
    return "%02d" % (97 - (89 * int(bank) + 15 * int(branch) + 3 * int(account)) % 97)


def with_iban_key(country, bban):
    return country + iban.calc_check_digits(country + "00" + bban) + bban


# The CIN of an Italian or San Marino BBAN: over the 22 characters after it,
# odd places (from 1) count by this table, even places by their value (digits
# 0-9, letters A = 0 ... Z = 25); the sum mod 26 is the letter.
CIN_ODD = [1, 0, 5, 7, 9, 13, 15, 17, 19, 21, 2, 4, 18, 20, 11, 3, 6, 8, 12, 14, 16, 10, 22, 25, 24, 23]


def cin(body):
    values = [int(c) if c.isdigit() else ord(c) - ord("A") for c in body]
    return chr(ord("A") + sum(CIN_ODD[v] if i % 2 == 0 else v for i, v in enumerate(values)) % 26)


MOD97_IS_1 = ("PT", "SI", "RS", "BA", "ME")
RIB_RULE = ("TN", "MR")
STDNUM_NATIONAL = ("BE", "ES", "ME", "NO")


def national_key(code, bban):
    """The national key(s) the BBAN's body calls for, at their place, or None
    when the country has none: (start, keys)."""
    if code in ("FR", "MC"):
        return 21, [rib_key(bban[:5], bban[5:10], bban[10:21])]
    if code in ("IT", "SM"):
        return 0, [cin(bban[1:])]
    if code in MOD97_IS_1:
        return len(bban) - 2, ["%02d" % k for k in range(100) if int(bban[:-2] + "%02d" % k) % 97 == 1]
    if code in RIB_RULE:
        return len(bban) - 2, ["%02d" % (97 - int(bban[:-2]) * 100 % 97)]
    if code == "BE":
        return 10, [stdnum.be.iban._calc_check_digits(bban[:10])]
    if code == "ES":
        return 8, [stdnum.es.ccc.calc_check_digits(bban)]
    if code == "NO":
        key = stdnum.no.kontonr._calc_check_digit(bban)
        return 10, [key] if len(key) == 1 else []
    return None


def with_national_key(code, bban):
    """The BBAN with its national key put in, or None when no key fits."""
    if code == "NO" and bban.startswith("0000"):
        return None  # stdnum reads these as the Luhn numbers of the old postal giro
    found = national_key(code, bban)
    if found is None:
        return bban
    at, keys = found
    if not keys:
        return None
    return bban[:at] + keys[0] + bban[at + len(keys[0]):]


def iban_valid(number):
    """stdnum's IBAN check, with the national keys it does not know (above)."""
    if not iban.is_valid(number, check_country=False):
        return False
    code, bban = number[:2], number[4:]
    if code in STDNUM_NATIONAL and code != "BE":
        return iban.is_valid(number)
    found = national_key(code, bban)
    if found is None:
        return True
    at, keys = found
    return any(bban[at:at + len(key)] == key for key in keys)


def check_iban(rng, count, cli, results):
    name = "iban"
    registry = iban_registry()
    codes = sorted(registry)
    per_country = max(4, count // len(codes))

    # Keys, and valid numbers (French and Monegasque RIBs with their key).
    bodies = []
    for code in codes:
        # France and Monaco more often: their RIB is checked too.
        for _ in range(per_country * (8 if code in ("FR", "MC") else 1)):
            bban = None
            while bban is None:
                bban = with_national_key(code, draw_bban(rng, registry[code]))
            bodies.append((code, bban))
    answers = cli.run("iban", [code + "??" + bban for code, bban in bodies])
    valid_numbers = []
    for (code, bban), answer in zip(bodies, answers):
        theirs = iban.calc_check_digits(code + "00" + bban)
        ours = compact(answer["number"])[2:4]
        results.count(name, "keys compared")
        if theirs != ours:
            results.fail(name, "key", code + "??" + bban, theirs, ours)
        valid_numbers.append(code + theirs + bban)
    results.count(name, "registered countries", len(codes))

    # --check: valid numbers; a wrong key; a wrong length (key recomputed);
    # an unregistered country (key recomputed); a wrong RIB key in France and
    # Monaco (IBAN key recomputed).
    cases = []
    unregistered = [c for c in ("US", "CA", "JP", "CN", "AU", "IN", "NZ", "XX", "ZZ", "QQ") if c not in registry]
    for number in valid_numbers:
        code, key, bban = number[:2], number[2:4], number[4:]
        cases.append(("valid", number, None))
        i = rng.randrange(4, len(number))
        same_class = DIGITS if number[i].isdigit() else CAPITALS
        cases.append(("substitution", number[:i] + rng.choice(same_class.replace(number[i], "")) + number[i + 1:],
                      "clé attendue"))
        if rng.random() < 0.5:
            longer = bban[:len(bban) // 2] + rng.choice(DIGITS) + bban[len(bban) // 2:]
        else:
            longer = bban[:-1]
        cases.append(("length", with_iban_key(code, longer), "longueur : %d attendus pour %s" % (4 + len(bban), code)))
        cases.append(("country", with_iban_key(rng.choice(unregistered), bban), "pays sans IBAN"))
        found = national_key(code, bban)
        if found and found[1]:
            at, keys = found
            length = len(keys[0])
            symbols = CAPITALS if code in ("IT", "SM") else DIGITS
            wrong = "".join(rng.choice(symbols) for _ in range(length))
            if wrong not in keys:
                what = "RIB key" if code in ("FR", "MC") else "national key"
                cause = "clé RIB" if code in ("FR", "MC", "TN", "MR") else "clé CIN" if code in ("IT", "SM") else "clé nationale"
                cases.append((what, with_iban_key(code, bban[:at] + wrong + bban[at + length:]), cause))
    answers = cli.run("iban", [number for _, number, _ in cases], "--check")
    for (what, number, cause), answer in zip(cases, answers):
        results.count(name, f"--check {what}")
        theirs = iban_valid(number)
        if what.endswith("key") and not iban.is_valid(number, check_country=False):
            results.fail(name, f"stdnum on a valid IBAN with a wrong {what}", number, "invalid", "-")
        ours = answer["valid"]
        ours_text = "OK" if ours else "ERREUR (" + answer.get("cause", "") + ")"
        if theirs != ours:
            results.fail(name, f"--check {what}", number, "valid" if theirs else "invalid", ours_text)
        elif cause and not answer.get("cause", "").startswith(cause):
            results.fail(name, f"--check {what}: cause", number, cause, ours_text)

    check_iban_corrections(rng, valid_numbers, registry, cli, results)
    check_iban_rows(rng, valid_numbers, registry, cli, results)


def place_symbols(structure, i):
    """What place i (from 0) of a BBAN holds under the registry's structure."""
    places = "".join(kind * int(count) for count, kind in re.findall(r"(\d+)!([nac])", structure))
    return {"n": DIGITS, "a": CAPITALS, "c": DIGITS + CAPITALS}[places[i]]


def check_iban_corrections(rng, valid_numbers, registry, cli, results):
    """Every correction of a number one slip away from a valid one is valid
    for stdnum, and the valid number is among them."""
    name = "iban"
    wrong = []
    for number in rng.sample(valid_numbers, min(len(valid_numbers), 400)):
        code, bban = number[:2], number[4:]
        i = rng.randrange(len(bban))
        symbols = place_symbols(registry[code], i).replace(bban[i], "")
        slipped = number[:4 + i] + rng.choice(symbols) + number[4 + i + 1:]
        if not iban_valid(slipped):
            wrong.append((number, slipped))
    answers = cli.run("iban", [slipped for _, slipped in wrong], "--corrige")
    for (number, slipped), answer in zip(wrong, answers):
        corrections = [compact(row) for row in answer["corrections"]]
        results.count(name, "--corrige", 1)
        results.count(name, "corrections", len(corrections))
        for row in corrections:
            if not iban_valid(row):
                results.fail(name, "--corrige: a correction stdnum rejects", slipped, "invalid", row)
        if number not in corrections:
            results.fail(name, "--corrige: the valid number missing", slipped, number, corrections[:5])


def check_iban_rows(rng, valid_numbers, registry, cli, results):
    """A search with one or two unknown BBAN characters and no key lists
    exactly the completions stdnum accepts."""
    name = "iban"
    searches = []
    for number in rng.sample(valid_numbers, min(len(valid_numbers), 300)):
        code, bban = number[:2], number[4:]
        places = rng.sample(range(len(bban)), min(len(bban), rng.choice((1, 1, 2))))
        pattern = "".join("?" if i in places else c for i, c in enumerate(bban))
        searches.append((code, pattern, sorted(places)))
    answers = cli.run("iban", [code + "??" + pattern for code, pattern, _ in searches])
    for (code, pattern, places), answer in zip(searches, answers):
        rows = sorted(compact(row) for row in answer["rows"])
        theirs = []
        for values in itertools.product(*(place_symbols(registry[code], i) for i in places)):
            bban = list(pattern)
            for i, value in zip(places, values):
                bban[i] = value
            bban = "".join(bban)
            number = with_iban_key(code, bban)
            if iban_valid(number):
                theirs.append(number)
        results.count(name, "searches", 1)
        results.count(name, "search rows", len(rows))
        if rows != sorted(theirs):
            results.fail(name, "search rows", code + "??" + pattern, len(theirs), len(rows))


# ---------------------------------------------------------------- main


def main():
    if len(sys.argv) < 2:
        raise SystemExit(__doc__)
    cli = Cli(sys.argv[1])
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 1500
    rng = random.Random(20261208)
    results = Results()
    start = time.monotonic()
    for kind in kinds():
        numbers = keys(kind, rng, count, cli, results)
        checks(kind, numbers, rng, cli, results)
        if kind.name in ("siret", "ean13", "ean8", "upca", "avs"):
            rows_and_corrections(kind, numbers, rng, cli, results)
    check_iban(rng, count, cli, results)
    check_isbn(rng, count, cli, results)
    elapsed = time.monotonic() - start

    print(f"python-stdnum {stdnum.__version__}, {cli.processes} runs of ferrino-cli, {elapsed:.1f} s")
    for kind, counts in results.counts.items():
        print(f"  {kind:7} " + ", ".join(f"{what} {n}" for what, n in counts.items()))
    for (kind, reason), cases in results.notes.items():
        print(f"NOTE {kind}: {len(cases)} known difference(s): {reason}")
        for case in cases[:5]:
            print(f"    {case}")
    if results.failures:
        print(f"{len(results.failures)} disagreement(s) with python-stdnum:")
        for failure in results.failures[:60]:
            print(f"  {failure}")
        return 1
    print("ferrino-cli agrees with python-stdnum")
    return 0


if __name__ == "__main__":
    sys.exit(main())
