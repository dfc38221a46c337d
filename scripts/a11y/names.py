"""The programs' texts in the language a walk or a picture runs in: Korean,
the source text, or English. The language comes from PDX_WALK_LANGUAGE (ko,
the default, or en) or from "--lang ko|en" on the command line. Walks are
written with the Korean texts; for an English run each is looked up in the
translation the programs are built with, so a walk needs no second copy of
its names and follows the translation as it changes."""

import os
import xml.etree.ElementTree as ET

TS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "resources", "translations",
                  "pelodex_en.ts")

_language = os.environ.get("PDX_WALK_LANGUAGE", "ko")
_english = {}  # source -> {context: English}


def use(language):
    """Chooses the language ("ko" or "en") of the texts t() and tr() give."""
    global _language
    if language not in ("ko", "en"):
        raise ValueError(f"unknown language {language}")
    _language = language
    if language == "en" and not _english:
        for context in ET.parse(TS).getroot().iter("context"):
            name = context.findtext("name", "")
            for message in context.iter("message"):
                english = message.findtext("translation") or ""
                if english:
                    _english.setdefault(message.findtext("source", ""), {})[name] = english


def take_language(argv):
    """Removes "--lang ko|en" from a command line: (language, the rest).
    Without the option, the language chosen so far."""
    if "--lang" not in argv:
        return _language, argv
    at = argv.index("--lang")
    language = argv[at + 1] if at + 1 < len(argv) else ""
    return language, argv[:at] + argv[at + 2:]


def language():
    return _language


def t(source, *values, context=None):
    """The shown text of `source`, with %1, %2, ... filled from `values`. A
    text without an English entry stays Korean, as the program shows it. A
    text translated differently in several places needs its context."""
    text = source
    if _language == "en" and source in _english:
        found = _english[source]
        if context is not None:
            text = found.get(context, source)
        elif len(set(found.values())) == 1:
            text = next(iter(found.values()))
        else:
            raise ValueError(f"{source!r} needs a context: {sorted(found)}")
    for n, value in enumerate(values, 1):
        text = text.replace(f"%{n}", str(value))
    return text


def tr(source, context=None):
    """As t(), but an English run fails on a text the translation lacks."""
    if _language == "en" and source not in _english:
        raise KeyError(f"no English for {source!r}")
    return t(source, context=context)


def picture(name):
    """The file name of a picture in the language it shows."""
    return name if _language != "en" else name + "-en"


use(_language)
