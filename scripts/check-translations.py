#!/usr/bin/env python3
"""Fails when a translation file has a message without a finished English
text: missing, marked unfinished, or kept only as obsolete/vanished.

Usage: check-translations.py FILE.ts...
"""
import sys
import xml.etree.ElementTree as ET

STALE = {"unfinished", "obsolete", "vanished"}


def faults(path):
    root = ET.parse(path).getroot()
    for context in root.iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            source = message.findtext("source", "")
            translation = message.find("translation")
            kind = None if translation is None else translation.get("type")
            if translation is None or not (translation.text or "").strip():
                yield f"{path}: {name}: missing: {source!r}"
            elif kind in STALE:
                yield f"{path}: {name}: {kind}: {source!r}"


def main(paths):
    if not paths:
        print(__doc__.strip(), file=sys.stderr)
        return 64
    found = [fault for path in paths for fault in faults(path)]
    for fault in found:
        print(fault, file=sys.stderr)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
