#!/usr/bin/env python3
"""Fails when a text the user sees bypasses the translation.

Flags, in the sources of the programs and their libraries (tests, fuzz
targets and benchmarks left out):
  - a string literal holding Hangul that is not the source text of a call
    lupdate reads (tr, translate, QT_TR_NOOP, QT_TRANSLATE_NOOP, ...);
  - a literal with words in it passed straight to a Qt setter of a visible
    text (setText, setToolTip, setAccessibleName, setWindowTitle, ...).
Data the phone or the files hold, and developers' log lines, stay as they
are: the allow-list names them, by file (a glob) or by file and the exact
text of a literal, each under a comment that says why.

Usage: check-untranslated.py [--root DIR] [--allow FILE] [--counts] [FOLDER...]
FOLDERs are relative to the root; without any, every source folder.
"""
import argparse
import fnmatch
import os
import re
import sys
from collections import Counter

FOLDERS = ["animation", "apps", "cli", "core", "features", "link", "melody", "platform", "resources",
           "simulator", "winlib"]
SKIPPED = re.compile(r"(_test|_tests|_fuzz|_fuzzer|_bench|_benchmark|test_support|_fakes|fakes)\.(cpp|h)$"
                     r"|/(testing|build[^/]*)/")
TRANSLATING = {"tr", "translate", "translateLiteral", "qtTrId", "QT_TR_NOOP", "QT_TR_NOOP_UTF8", "QT_TRANSLATE_NOOP",
               "QT_TRANSLATE_NOOP3", "QT_TRANSLATE_NOOP_UTF8", "QT_TR_N_NOOP", "QT_TRANSLATE_N_NOOP",
               "QT_TRANSLATE_N_NOOP3", "QT_TRID_NOOP"}
SETTERS = {"setText", "setToolTip", "setStatusTip", "setWhatsThis", "setAccessibleName",
           "setAccessibleDescription", "setWindowTitle", "setPlaceholderText", "setTitle", "setLabelText"}
# Literal wrappers that pass their text on unchanged.
WRAPPERS = {"QStringLiteral", "QLatin1String", "QLatin1StringView", "QString", "fromUtf8", "u8"}
HANGUL = re.compile("[\u1100-\u11ff\u3130-\u318f\uac00-\ud7a3]")
WORD = re.compile(r"[A-Za-z]{3,}")
TOKEN = re.compile(r"""
    (?P<comment>//[^\n]*|/\*.*?\*/)
  | (?P<raw>(?:u8|u|U|L)?R"(?P<delim>[^(\s]*)\((?P<rawtext>.*?)\)(?P=delim)")
  | (?P<string>(?:u8|u|U|L)?"(?P<text>(?:\\.|[^"\\\n])*)")
  | (?P<char>'(?:\\.|[^'\\\n])+')
  | (?P<name>[A-Za-z_]\w*)
  | (?P<open>[({\[])
  | (?P<close>[)}\]])
  | (?P<other>\S)
""", re.S | re.X)


def literals(source):
    """Yields (line, text, call) for every string literal: `call` is the name
    before the innermost open bracket ('' for braces and for brackets after
    no name), seen through the literal wrappers, and is marked "=1" when the
    literal is that call's one argument (known when the call closes)."""
    stack, previous = [], None
    for match in TOKEN.finditer(source):
        kind = next(k for k in ("comment", "raw", "string", "char", "name", "open", "close", "other")
                    if match.group(k) is not None)
        if kind == "comment":
            continue
        if kind == "open":
            name = previous if match.group() == "(" and previous else ""
            stack.append({"name": name, "commas": 0, "held": []})
        elif kind == "close" and stack:
            frame = stack.pop()
            if frame["commas"] == 0:
                yield from ((line, text, frame["name"] + "=1") for line, text in frame["held"])
        elif kind in ("raw", "string"):
            text = match.group("rawtext") if kind == "raw" else match.group("text")
            line = source.count("\n", 0, match.start()) + 1
            frames = [f for f in stack if f["name"] not in WRAPPERS]
            call = frames[-1]["name"] if frames else ""
            yield line, text, call
            if call in SETTERS:
                frames[-1]["held"].append((line, text))
        elif match.group() == "," and stack:
            stack[-1]["commas"] += 1
        previous = match.group() if kind == "name" else None


def faults_in(source):
    for line, text, call in literals(source):
        if call in TRANSLATING:
            continue
        sole = call.endswith("=1") and call[:-2] in SETTERS
        if (HANGUL.search(text) and not call.endswith("=1")) or (sole and WORD.search(text)):
            yield line, text


def read_allow(path):
    """{file glob: None (the whole file) or [texts]}; an entry without a
    comment above it (its reason) is an error."""
    entries, reasoned, errors = {}, False, []
    with open(path, encoding="utf-8") as lines:
        for number, raw in enumerate(lines, 1):
            line = raw.strip()
            if not line:
                reasoned = False
                continue
            if line.startswith("#"):
                reasoned = True
                continue
            if not reasoned:
                errors.append(f"{path}:{number}: an entry needs a comment above it that says why")
            name, _, text = line.partition(" ")
            text = text.strip()
            if text:
                if len(text) < 3 or not (text.startswith('"') and text.endswith('"')):
                    errors.append(f"{path}:{number}: write the text in double quotes")
                    continue
                if entries.get(name, []) is not None:
                    entries.setdefault(name, []).append(text[1:-1])
            else:
                entries[name] = None
    return entries, errors


def source_files(root, folders):
    for folder in folders:
        for directory, subdirs, files in os.walk(os.path.join(root, folder)):
            subdirs[:] = sorted(d for d in subdirs if not d.startswith("build"))
            for name in sorted(files):
                path = os.path.relpath(os.path.join(directory, name), root).replace(os.sep, "/")
                if name.endswith((".cpp", ".h")) and not SKIPPED.search("/" + path):
                    yield path


def allowed_in(path, allow):
    """None when the whole file is allowed, else the set of allowed texts."""
    texts = set()
    for pattern, entries in allow.items():
        if fnmatch.fnmatchcase(path, pattern):
            if entries is None:
                return None
            texts.update(entries)
    return texts


def check(root, folders, allow):
    """Returns the fault lines and the count of faults per top folder."""
    found, counts = [], Counter()
    for path in source_files(root, folders):
        allowed = allowed_in(path, allow)
        if allowed is None:
            continue
        with open(os.path.join(root, path), encoding="utf-8") as source:
            text = source.read()
        for line, literal in faults_in(text):
            if literal not in allowed:
                found.append(f'{path}:{line}: not translated: "{literal}"')
                counts[path.split("/")[0]] += 1
    return found, counts


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.strip().splitlines()[0])
    parser.add_argument("--root", default=os.path.dirname(here))
    parser.add_argument("--allow", default=os.path.join(here, "untranslated-allow.txt"))
    parser.add_argument("--counts", action="store_true", help="print the number of faults per folder")
    parser.add_argument("folders", nargs="*")
    args = parser.parse_args(argv)
    folders = [f.strip("/") for f in args.folders] or FOLDERS
    allow, errors = read_allow(args.allow)
    found, counts = check(args.root, folders, allow)
    for line in errors + found:
        print(line, file=sys.stderr)
    if args.counts:
        for folder in folders:
            print(f"{folder}: {counts[folder.split('/')[0]]}")
    return 1 if errors or found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
