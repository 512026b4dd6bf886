"""Reading the inputs of the table scripts of tools/: a package installed by
npm in a scratch folder, and the tab-separated tables of tools/data/."""

import csv
import json
import pathlib
import sys


def npm_package(name):
    """The folder and version of the npm package name, in the node_modules
    folder the script's first argument names (node_modules by default)."""
    modules = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "node_modules")
    package = modules / name
    return package, read_json(package / "package.json")["version"]


def read_json(path):
    return json.loads(path.read_text(encoding="utf-8"))


def read_tsv(path):
    """The rows of a tab-separated table whose first line names its columns,
    each row a dict from column name to text."""
    with path.open(encoding="utf-8", newline="") as source:
        return list(csv.DictReader(source, delimiter="\t"))
