"""Helpers shared by the table scripts of tools/: C++ string literals of UTF-8
text (non-ASCII bytes as octal escapes, so that any compiler reads the file the
same way whatever its source character set) and the generated file's banner."""


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
