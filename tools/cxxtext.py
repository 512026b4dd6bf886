"""Helpers shared by the table scripts of tools/: C++ string literals of UTF-8
text (non-ASCII bytes as octal escapes, so that any compiler reads the file the
same way whatever its source character set), the generated file's parts (its
DataSet, its tables, a look-up by code) and the file itself."""


def literal(text):
    """A C++ string literal holding the UTF-8 bytes of text."""
    out = ['"']
    for byte in text.encode("utf-8"):
        if byte == 0x22:
            out.append('\\"')
        elif byte == 0x5C:
            out.append("\\\\")
        elif byte == 0x0A:
            out.append("\\n")
        elif byte == 0x09:
            out.append("\\t")
        elif 0x20 <= byte < 0x7F:
            out.append(chr(byte))
        else:
            out.append(f"\\{byte:03o}")
    out.append('"')
    return "".join(out)


def data_set(variable, name, edition, licence, source):
    """The definition of a DataSet (keys/common/DataSets.h) describing a table."""
    return [
        f"const DataSet {variable} = {{",
        f"    {literal(name)},",
        f"    {literal(edition)},",
        f"    {literal(licence)},",
        f"    {literal(source)},",
        "};",
    ]


def array(declaration, rows):
    """A constant array: declaration is its type and name ("BankRow kBanks"),
    rows its lines."""
    return [f"constexpr {declaration}[] = {{", *rows, "};"]


def find_by_code(signature, table, row_type, key, found):
    """A function that looks key up in table, an array of row_type sorted by
    its member code: the function's first line, then its body, which returns
    found (an expression of the row `it` points to) or std::nullopt."""
    return [
        signature,
        "{",
        f"    const auto it = std::lower_bound(std::begin({table}), std::end({table}), {key},",
        f"                                     [](const {row_type}& row, std::string_view key) {{ return row.code < key; }});",
        f"    if (it == std::end({table}) || it->code != {key}) return std::nullopt;",
        f"    return {found};",
        "}",
    ]


def write_source(path, comment, header, body, definitions, described=None, includes=()):
    """Writes a generated C++ file of the engine: comment (lines without their
    "// "), the include of its header, of the standard headers includes and,
    for a table described by a DataSet (described, from data_set()), of
    common/DataSets.h; then in namespace ferrino that DataSet, body in an
    anonymous namespace and definitions, the functions that show it."""
    out = [f"// {line}" for line in comment]
    out += [f'#include "{header}"', ""]
    if includes:
        out += [*(f"#include <{name}>" for name in includes), ""]
    if described:
        out += ['#include "common/DataSets.h"', ""]
    out += ["namespace ferrino {", ""]
    if described:
        out += [*described, ""]
    out += ["namespace {", "", *body, "", "}  // namespace", "", *definitions, "", "}  // namespace ferrino", ""]
    path.write_text("\n".join(out), encoding="utf-8")
