"""The programs' texts in the language a walk or a picture runs in
(PDX_WALK_LANGUAGE: ko, the default, or en). Korean is the source text;
the English comes from the suite's translation file, so a walk written
with the Korean names finds the English ones."""

import os
import xml.etree.ElementTree as ET

LANGUAGE = os.environ.get("PDX_WALK_LANGUAGE", "ko")
TRANSLATIONS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "resources", "translations",
                            "pelodex_en.ts")
_english = None


def _load():
    table = {}
    for context in ET.parse(TRANSLATIONS).getroot().iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            table.setdefault(message.findtext("source", ""), {})[name] = message.findtext("translation", "")
    return table


def tr(source, context=None):
    """`source` as the programs show it. Without a context the source must
    have one English text wherever it appears."""
    global _english
    if LANGUAGE != "en":
        return source
    if _english is None:
        _english = _load()
    found = _english.get(source)
    if not found:
        raise KeyError(f"no English for {source!r}")
    if context is not None:
        return found[context]
    texts = set(found.values())
    if len(texts) != 1:
        raise KeyError(f"{source!r} has several English texts; name the context: {found}")
    return texts.pop()


def picture(name):
    """The file name of a picture in the language it shows."""
    return name if LANGUAGE != "en" else name + "-en"
