#!/usr/bin/env python3
"""Lists what each translation lacks.

The keys are those the program looks up, read from src/text/StringTable.cpp
(every string literal there shaped like a key: POPUP_MEAL_LUNCH, ON,
COLUMN_notes); the translations are translations/orvane_<lang>.ts. For each
file it lists the keys it lacks, those it leaves empty or unfinished, those
whose placeholders (%1, %n, %lu, ...) differ from the English text's, and
those it holds that the program no longer looks up; each with the English
text to translate.

    scripts/missing-translations.py            every language
    scripts/missing-translations.py de fr      only these
    scripts/missing-translations.py --ts de    the missing messages of
                                               orvane_de.ts as Linguist XML,
                                               in English, to paste, translate
                                               and mark finished

Exits with 1 when something is missing, 0 when every file is complete.
"""
import argparse
import re
import sys
import xml.etree.ElementTree as ET
from pathlib import Path
from xml.sax.saxutils import escape

ROOT = Path(__file__).resolve().parent.parent
TABLE = ROOT / "src" / "text" / "StringTable.cpp"
TRANSLATIONS = ROOT / "translations"

KEY = re.compile(r'"([A-Z][A-Z0-9]*(?:_[A-Za-z0-9]+)*)"')
PLACEHOLDER = re.compile(
    r"%(?:L?[0-9]{1,2}|L?n|[-+#0]*[0-9]*(?:\.[0-9]+)?(?:hh|h|ll|l|z|j|t)?[diouxXeEfgGcsp]|%)")


def known_keys(source):
    """The keys in the order StringTable.cpp lists them, each once."""
    keys = []
    for key in KEY.findall(source.read_text(encoding="utf-8")):
        if key not in keys:
            keys.append(key)
    return keys


def read_ts(path):
    """{key: (translation, finished, comment)} of a Linguist file."""
    messages = {}
    for message in ET.parse(path).getroot().iter("message"):
        source = message.findtext("source")
        translation = message.find("translation")
        if source is None or translation is None:
            continue
        finished = translation.get("type") not in ("unfinished", "vanished", "obsolete")
        messages[source] = (translation.text or "", finished, message.findtext("extracomment") or "")
    return messages


def placeholders(text):
    return sorted(PLACEHOLDER.findall(text))


def problems(keys, english, messages):
    """[(key, what is wrong)] of one language, in key order."""
    found = []
    for key in keys:
        if key not in messages:
            found.append((key, "missing"))
            continue
        text, finished, _ = messages[key]
        if not text.strip():
            found.append((key, "empty"))
        elif not finished:
            found.append((key, "unfinished"))
        elif key in english and placeholders(text) != placeholders(english[key][0]):
            found.append((key, "placeholders %s, English has %s"
                          % (" ".join(placeholders(text)) or "none",
                             " ".join(placeholders(english[key][0])) or "none")))
    for key in messages:
        if key not in keys:
            found.append((key, "not looked up by the program"))
    return found


def skeleton(key, english):
    """A <message> for orvane_<lang>.ts holding the English text to translate,
    marked unfinished until it is (tests/text/test_string_table.cpp fails on
    it while it is)."""
    text, _, comment = english.get(key, ("", True, ""))
    lines = ["    <message>"]
    if comment:
        lines.append("        <extracomment>%s</extracomment>" % escape(comment))
    lines.append("        <source>%s</source>" % escape(key))
    lines.append('        <translation type="unfinished">%s</translation>' % escape(text))
    lines.append("    </message>")
    return "\n".join(lines)


def main():
    parser = argparse.ArgumentParser(description="Lists the keys each translation lacks.")
    parser.add_argument("languages", nargs="*", help="language codes (de, fr, ...); all by default")
    parser.add_argument("--ts", action="store_true", help="print the missing messages as Linguist XML")
    args = parser.parse_args()

    keys = known_keys(TABLE)
    english = read_ts(TRANSLATIONS / "orvane_en.ts")
    files = sorted(TRANSLATIONS.glob("orvane_*.ts"))
    if args.languages:
        wanted = {"orvane_%s.ts" % lang for lang in args.languages}
        unknown = wanted - {f.name for f in files}
        if unknown:
            sys.exit("no such translation: " + ", ".join(sorted(unknown)))
        files = [f for f in files if f.name in wanted]

    incomplete = False
    for path in files:
        found = problems(keys, english, read_ts(path))
        incomplete = incomplete or bool(found)
        if args.ts:
            for key, what in found:
                if what == "missing":
                    print(skeleton(key, english))
            continue
        if not found:
            print("%s: complete (%d keys)" % (path.name, len(keys)))
            continue
        print("%s: %d to do" % (path.name, len(found)))
        for key, what in found:
            en = english.get(key, ("",))[0].replace("\n", "\\n")
            print("  %-34s %s%s" % (key, what, "" if path.name == "orvane_en.ts" or not en else "  | en: " + en))
    return 1 if incomplete else 0


if __name__ == "__main__":
    sys.exit(main())
