#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Tabrino developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fails when a shipped translation is missing or would show the wrong thing.

Every text of a language's catalogue is translated, in every plural form the
language has, and keeps the placeholders of its source: a lost "%1" drops the
price from a sentence, a stray one prints "%2" to the user. A plural form may
leave out %n ("einen Tag"); English has plural forms only.
"""
import pathlib
import re
import sys
import xml.etree.ElementTree as ElementTree

ROOT = pathlib.Path(__file__).resolve().parents[2]
PLACEHOLDER = re.compile(r"%L?(\d+|n)")


def placeholders(text):
    return sorted(PLACEHOLDER.findall(text or ""))


def problems_in(path):
    found = []
    tree = ElementTree.parse(path)
    for context in tree.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            where = f"{path.name}: {name}: \"{source}\""
            translation = message.find("translation")
            if translation is None or translation.get("type") in ("unfinished", "obsolete", "vanished"):
                found.append(f"{where}: not translated")
                continue
            expected = placeholders(source)
            if message.get("numerus") == "yes":
                forms = [form.text or "" for form in translation.iter("numerusform")]
                if not forms or not all(forms):
                    found.append(f"{where}: a plural form is empty")
                for form in forms:
                    if [p for p in placeholders(form) if p != "n"] != [p for p in expected if p != "n"]:
                        found.append(f"{where}: the plural form \"{form}\" has other placeholders")
                if "n" in expected and not any("n" in placeholders(form) for form in forms[1:]):
                    found.append(f"{where}: no plural form beyond the first shows the number")
            elif placeholders(translation.text) != expected:
                found.append(f"{where}: \"{translation.text}\" has other placeholders")
            elif not (translation.text or "").strip():
                found.append(f"{where}: the translation is empty")
    return found


def main():
    problems = []
    for path in sorted((ROOT / "translations").glob("tabrino_*.ts")):
        problems += problems_in(path)
    print("\n".join(problems))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
