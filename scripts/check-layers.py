#!/usr/bin/env python3
"""Fails when a file includes a header of a folder its layer may not include.

The layers are the README's layout table: each row names a folder (a `*`
stands for one folder name) and the folders its files may include besides
their own. A file belongs to the deepest row that holds it; so does each
header it includes. The row "(tests)" lists what test files may include as
well. Usage: check-layers.py [SOURCE_ROOT]
"""
import fnmatch
import os
import re
import subprocess
import sys

ROW = re.compile(r"^\| *(`[^`]+`|\(tests\)) *\|[^|]*\|([^|]*)\|\s*$")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+/[^"]+)"')
TEST_FILE = re.compile(r"(_test|_fakes|fakes|_bench|_benchmark|_fuzz|_fuzzer)\.(h|cpp)$|/testing/")


def read_rows(readme):
    rows, tests = {}, set()
    with open(readme, encoding="utf-8") as text:
        inside = False
        for line in text:
            if line.startswith("## "):
                inside = line.strip() == "## Layout"
                continue
            match = ROW.match(line) if inside else None
            if not match:
                continue
            allowed = set(re.findall(r"`([^`]+)`", match.group(2)))
            if match.group(1) == "(tests)":
                tests = allowed
            else:
                rows[match.group(1).strip("`")] = allowed
    return rows, tests


def row_of(path, rows):
    """The deepest row whose folder holds `path`, or None."""
    best = None
    for folder in rows:
        depth = folder.count("/") + 1
        prefix = "/".join(path.split("/")[:depth])
        if fnmatch.fnmatchcase(prefix, folder) and path.startswith(prefix + "/"):
            if best is None or depth > best.count("/") + 1:
                best = folder
    return best


def allowed(source, header, rows, tests):
    own, theirs = row_of(source, rows), row_of(header, rows)
    if theirs is None or own == theirs:
        return True
    permitted = set(rows.get(own, set()))
    if TEST_FILE.search(source):
        permitted |= tests
    return theirs in permitted or any(header.startswith(p + "/") for p in permitted)


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    rows, tests = read_rows(os.path.join(root, "README.md"))
    if not rows:
        print("check-layers: the README has no layout table")
        return 1
    files = subprocess.run(["git", "-C", root, "ls-files", "*.h", "*.cpp"], capture_output=True,
                           text=True, check=True).stdout.split()
    faults = 0
    for source in files:
        if row_of(source, rows) is None:
            continue
        with open(os.path.join(root, source), encoding="utf-8", errors="replace") as text:
            for number, line in enumerate(text, 1):
                match = INCLUDE.match(line)
                if match and not allowed(source, match.group(1), rows, tests):
                    print(f"{source}:{number}: {row_of(source, rows)} may not include {match.group(1)}")
                    faults += 1
    print(f"check-layers: {len(files)} files, {faults} includes against the layers")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
