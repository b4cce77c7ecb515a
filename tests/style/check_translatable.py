#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Tabrino developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fails when a text a person reads is not marked for translation.

Every string literal in src/ that reads as prose (two words, a capitalised
word, or a sentence's end) must stand inside tr(), qsTr() or their kin, sit
on a log line, or be listed in untranslated.txt with the reason it is not
for people ("*" for a whole file of such texts). Every marked text must also
be in the catalogues, which catches a call lupdate could not read.
"""
import pathlib
import re
import sys
import xml.etree.ElementTree as ElementTree

ROOT = pathlib.Path(__file__).resolve().parents[2]
# Calls whose n-th argument is the text to translate.
SOURCE_ARGUMENT = {"tr": 0, "qsTr": 0, "QT_TR_NOOP": 0, "QT_TR_N_NOOP": 0,
                   "translate": 1, "qsTranslate": 1, "QT_TRANSLATE_NOOP": 1, "QT_TRANSLATE_N_NOOP": 1}
LOG_LINE = re.compile(r"\b(qC(Debug|Info|Warning|Critical)|q(Debug|Info|Warning|Critical|Fatal)|console\.(log|warn|error)"
                      r"|Q_LOGGING_CATEGORY|QML_UNCREATABLE|QFAIL|Q_ASSERT_X)\b|^\s*(#include|import)\b", re.MULTILINE)
TOKEN = re.compile(r"""
    (?P<comment>//[^\n]*|/\*.*?\*/)
  | (?P<raw>(?:\b(?:u8|u|U|L)R|\bR)"(?P<delim>[^(\s]*)\((?P<rawtext>.*?)\)(?P=delim)")
  | (?P<string>(?:\b(?:u8|u|U|L))?"(?P<text>(?:\\.|[^"\\\n])*)")
  | (?P<single>'(?P<stext>(?:\\.|[^'\\\n])*)')
  | (?P<ident>[A-Za-z_][A-Za-z0-9_]*)
  | (?P<punct>[(),])
""", re.VERBOSE | re.DOTALL)


def unescape(text):
    return re.sub(r"\\(.)", lambda m: {"n": "\n", "t": "\t"}.get(m.group(1), m.group(1)), text)


def is_prose(text):
    if not re.search(r"[A-Za-z]{2,}", text) or re.match(r"^[a-z][a-z0-9+.-]*://", text):
        return False
    if re.fullmatch(r"[A-Z][a-z]+(?:[A-Z][a-z0-9]*)+", text):  # an identifier: "GetProperty"
        return False
    return bool(re.search(r"[A-Za-z][,;:]?\s+[A-Za-z]", text) or re.match(r"^[A-Z][a-z]", text)
                or re.search(r"[a-z][.!?…]$", text))


def scan(path):
    """Every string literal as (line, text, inside a translation call or a log
    statement), and the source text of every translation call as (line, text),
    adjacent literals joined."""
    code = path.read_text(encoding="utf-8")
    literals, sources = [], []
    frames = []  # [translation function or None, argument index, source pieces, line]
    pending = None
    for match in TOKEN.finditer(code):
        kind = next(k for k in ("comment", "raw", "string", "single", "ident", "punct") if match.group(k) is not None)
        line = code.count("\n", 0, match.start()) + 1
        if kind == "ident":
            pending = match.group("ident")
            continue
        if kind == "punct":
            p = match.group("punct")
            if p == "(":
                frames.append([pending if pending in SOURCE_ARGUMENT else None, 0, [], line])
            elif p == ")" and frames:
                name, _, pieces, start = frames.pop()
                if name and pieces:
                    sources.append((start, "".join(pieces)))
            elif p == "," and frames:
                frames[-1][1] += 1
        elif kind in ("raw", "string") or (kind == "single" and path.suffix == ".qml"):
            text = match.group("rawtext") if kind == "raw" else unescape(match.group("text") or match.group("stext") or "")
            statement = code[max(code.rfind(c, 0, match.start()) for c in ";{}") + 1:match.start()]
            literals.append((line, text, any(f[0] for f in frames) or bool(LOG_LINE.search(statement))))
            if frames and frames[-1][0] and frames[-1][1] == SOURCE_ARGUMENT[frames[-1][0]]:
                frames[-1][2].append(text)
        pending = None
    return literals, sources


def main():
    allowed = set()
    for entry in (ROOT / "tests/style/untranslated.txt").read_text(encoding="utf-8").splitlines():
        if entry.strip() and not entry.startswith("#"):
            file, _, text = entry.partition(": ")
            allowed.add((file.strip(), text.split("  #")[0].strip().strip('"')))
    catalogue = {unescape(m.text or "") for m in ElementTree.parse(ROOT / "translations/tabrino_de.ts").iter("source")}
    problems = []
    used = set()
    files = sorted(p for p in (ROOT / "src").rglob("*") if p.suffix in (".cpp", ".h", ".qml"))
    for path in files:
        relative = path.relative_to(ROOT).as_posix()
        literals, sources = scan(path)
        for line, text, marked in literals:
            if marked or not is_prose(text):
                continue
            entry = (relative, text) if (relative, text) in allowed else (relative, "*")
            if entry in allowed:
                used.add(entry)
                continue
            problems.append(f"{relative}:{line}: not marked for translation: \"{text}\"")
        for line, text in sources:
            if text not in catalogue:
                problems.append(f"{relative}:{line}: marked, but not in the catalogues (lupdate could not read "
                                f"the call, or run scripts/update-translations): \"{text}\"")
    for file, text in sorted(allowed - used):
        problems.append(f"tests/style/untranslated.txt: no longer needed: {file}: \"{text}\"")
    print("\n".join(problems))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
