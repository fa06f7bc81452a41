#!/usr/bin/env python3
"""Translation files of Vistrel: resources/lang/vistrel_<code>.ts.

  update   run lupdate over the sources, then fill every message from
           resources/lang/glossary.tsv; exit 1 if a text has no glossary row
  check    exit 1 unless every .ts is complete, keeps the placeholders of its
           sources, agrees with the glossary and holds exactly the texts that
           a fresh lupdate run finds
  missing  list the texts found by lupdate that the glossary lacks

Standard library only. lupdate is taken from --lupdate, $LUPDATE, PATH or the
usual Qt 5 folders.
"""

import argparse
import collections
import csv
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
LANG_DIR = ROOT / "resources" / "lang"
GLOSSARY = LANG_DIR / "glossary.tsv"
SOURCE_DIRS = ["core", "imaging", "cli", "app", "widgets", "measure", "calib", "view", "capture", "record", "dialogs", "files", "editor"]
SOURCE_LANGUAGE = "zh_CN"

# File code (as the program loads lang/vistrel_<code>.qm) -> Qt language name.
# "zh" is Traditional Chinese; the Portuguese texts are Brazilian.
LANGUAGES = {
    "en": "en",
    "zh": "zh_TW",
    "fr": "fr",
    "it": "it",
    "ja": "ja",
    "ko": "ko",
    "ru": "ru",
    "de": "de",
    "es": "es",
    "pt": "pt_BR",
    "nl": "nl",
    "pl": "pl",
    "uk": "uk",
    "lt": "lt",
    "hu": "hu",
}
GLOSSARY_COLUMNS = [SOURCE_LANGUAGE] + list(LANGUAGES)

# Qt's %1 / %L1 / %n and printf-style conversions such as %d, %3d, %0.1f.
PLACEHOLDER = re.compile(r"%(?:L?\d+|n|[-+ #0]*\d*(?:\.\d+)?[diouxXeEfgGcs])")


class Failure(Exception):
    pass


def ts_path(code):
    return LANG_DIR / f"vistrel_{code}.ts"


# ---------------------------------------------------------------- glossary

def unescape(cell):
    # A TSV cell cannot hold a newline or a tab; the glossary writes them as \n, \t.
    return re.sub(r"\\(.)", lambda m: {"n": "\n", "t": "\t"}.get(m.group(1), m.group(1)), cell)


def placeholders(text):
    return collections.Counter(PLACEHOLDER.findall(text)) + collections.Counter(
        {"newline": text.count("\n")} if "\n" in text else {})


def load_glossary(path=GLOSSARY):
    """Returns ({(context, source): {code: text}}, [problems])."""
    problems = []
    entries = {}
    with open(path, encoding="utf-8", newline="") as f:
        rows = list(csv.reader(f, delimiter="\t", quoting=csv.QUOTE_NONE))
    if not rows:
        raise Failure(f"{path}: empty")
    header = rows[0]
    has_context = header[len(GLOSSARY_COLUMNS):] == ["context"]
    if header[:len(GLOSSARY_COLUMNS)] != GLOSSARY_COLUMNS or not (
            len(header) == len(GLOSSARY_COLUMNS) or has_context):
        raise Failure(f"{path}: header must be {' '.join(GLOSSARY_COLUMNS)} [context]")
    for line, row in enumerate(rows[1:], start=2):
        if not any(cell.strip() for cell in row):
            continue
        if len(row) == len(GLOSSARY_COLUMNS) and has_context:
            row = row + [""]
        if len(row) != len(header):
            problems.append(f"glossary line {line}: {len(row)} columns, expected {len(header)}")
            continue
        cells = [unescape(c) for c in row]
        source = cells[0]
        context = cells[len(GLOSSARY_COLUMNS)] if has_context else ""
        key = (context, source)
        if key in entries:
            problems.append(f"glossary line {line}: duplicate row for {source!r}"
                            + (f" in context {context}" if context else ""))
            continue
        texts = dict(zip(LANGUAGES, cells[1:len(GLOSSARY_COLUMNS)]))
        for code, text in texts.items():
            if not text.strip():
                problems.append(f"glossary line {line}: empty {code} text for {source!r}")
            elif placeholders(text) != placeholders(source):
                problems.append(f"glossary line {line}: {code} text {text!r} does not keep "
                                f"the placeholders of {source!r}")
        entries[key] = texts
    return entries, problems


def lookup(glossary, context, source):
    return glossary.get((context, source)) or glossary.get(("", source))


# ---------------------------------------------------------------- lupdate

def find_lupdate(explicit):
    for candidate in (explicit, os.environ.get("LUPDATE"), shutil.which("lupdate"),
                      "/usr/lib/qt5/bin/lupdate", "/usr/lib/x86_64-linux-gnu/qt5/bin/lupdate",
                      "/usr/lib/aarch64-linux-gnu/qt5/bin/lupdate"):
        if candidate and os.access(candidate, os.X_OK):
            return candidate
    raise Failure("lupdate not found (install qttools5-dev-tools, or pass --lupdate PATH)")


def run_lupdate(lupdate, target, language):
    dirs = [d for d in SOURCE_DIRS if (ROOT / d).is_dir()]
    cmd = [lupdate, *dirs, "-extensions", "cpp,h,ui", "-locations", "none", "-no-obsolete",
           "-source-language", SOURCE_LANGUAGE, "-target-language", language, "-ts", str(target)]
    proc = subprocess.run(cmd, cwd=ROOT, capture_output=True, text=True)
    if proc.returncode != 0:
        raise Failure(f"lupdate failed ({proc.returncode}):\n{proc.stdout}{proc.stderr}")


# ---------------------------------------------------------------- .ts files

def messages(root):
    """Yields (context, message element) in file order."""
    for context in root.iter("context"):
        name = context.findtext("name") or ""
        for message in context.findall("message"):
            yield name, message


def message_key(context, message):
    return (context, message.findtext("source") or "", message.findtext("comment") or "")


def translation_texts(message):
    translation = message.find("translation")
    if translation is None:
        return None
    if message.get("numerus") == "yes":
        return [form.text or "" for form in translation.findall("numerusform")]
    return [translation.text or ""]


def fill(message, text):
    translation = message.find("translation")
    if translation is None:
        translation = ET.SubElement(message, "translation")
    if message.get("numerus") == "yes":
        forms = translation.findall("numerusform")
        if not forms:
            forms = [ET.SubElement(translation, "numerusform")]
        for form in forms:
            form.text = text
    else:
        translation.text = text
    translation.attrib.pop("type", None)


def write_ts(tree, path):
    ET.indent(tree, space="    ")
    body = ET.tostring(tree.getroot(), encoding="unicode")
    path.write_text('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + body + "\n",
                    encoding="utf-8")


def fresh_keys(lupdate):
    with tempfile.TemporaryDirectory() as tmp:
        target = Path(tmp) / "fresh.ts"
        run_lupdate(lupdate, target, "en")
        if not target.exists():
            return []
        return [message_key(c, m) for c, m in messages(ET.parse(target).getroot())]


def describe(key):
    context, source, comment = key
    return f"[{context}] {source!r}" + (f" ({comment})" if comment else "")


# ---------------------------------------------------------------- commands

def cmd_update(args):
    glossary, problems = load_glossary()
    if problems:
        raise Failure("\n".join(problems))
    lupdate = find_lupdate(args.lupdate)
    LANG_DIR.mkdir(parents=True, exist_ok=True)
    missing = set()
    for code, language in LANGUAGES.items():
        path = ts_path(code)
        run_lupdate(lupdate, path, language)
        tree = ET.parse(path)
        root = tree.getroot()
        root.set("language", language)
        root.set("sourcelanguage", SOURCE_LANGUAGE)
        total = filled = 0
        for context, message in messages(root):
            total += 1
            entry = lookup(glossary, context, message.findtext("source") or "")
            if entry is None:
                missing.add(message_key(context, message))
                continue
            fill(message, entry[code])
            filled += 1
        write_ts(tree, path)
        print(f"{path.relative_to(ROOT)}: {filled}/{total} messages filled")
    if missing:
        print(f"\n{len(missing)} text(s) have no glossary row (add them to "
              f"{GLOSSARY.relative_to(ROOT)} and run update again):")
        for key in sorted(missing):
            print("  " + describe(key))
        return 1
    return 0


def cmd_check(args):
    errors = []
    glossary, problems = load_glossary()
    errors += problems
    lupdate = find_lupdate(args.lupdate)
    expected = collections.Counter(fresh_keys(lupdate))
    counts = []
    for code, language in LANGUAGES.items():
        path = ts_path(code)
        name = path.name
        if not path.exists():
            errors.append(f"{name}: missing (run scripts/translations.py update)")
            continue
        try:
            root = ET.parse(path).getroot()
        except ET.ParseError as e:
            errors.append(f"{name}: not valid XML: {e}")
            continue
        if root.get("language") != language or root.get("sourcelanguage") != SOURCE_LANGUAGE:
            errors.append(f"{name}: language {root.get('language')!r} / sourcelanguage "
                          f"{root.get('sourcelanguage')!r}, expected {language!r} / "
                          f"{SOURCE_LANGUAGE!r}")
        found = collections.Counter()
        for context, message in messages(root):
            key = message_key(context, message)
            found[key] += 1
            source = key[1]
            translation = message.find("translation")
            texts = translation_texts(message)
            if texts is None:
                errors.append(f"{name}: {describe(key)} has no translation")
                continue
            kind = translation.get("type")
            if kind:
                errors.append(f"{name}: {describe(key)} is {kind}")
                continue
            if not texts or any(not t.strip() for t in texts):
                errors.append(f"{name}: {describe(key)} has an empty translation")
                continue
            for text in texts:
                if placeholders(text) != placeholders(source):
                    errors.append(f"{name}: {describe(key)} -> {text!r} does not keep "
                                  f"the placeholders")
            entry = lookup(glossary, context, source)
            if entry is not None and any(t != entry[code] for t in texts):
                errors.append(f"{name}: {describe(key)} differs from the glossary "
                              f"(run scripts/translations.py update)")
        for key in sorted(expected - found):
            errors.append(f"{name}: lacks {describe(key)} (run scripts/translations.py update)")
        for key in sorted(found - expected):
            errors.append(f"{name}: holds {describe(key)}, which the sources no longer have "
                          f"(run scripts/translations.py update)")
        counts.append(sum(found.values()))
    if errors:
        print(f"{len(errors)} translation problem(s):")
        for line in errors:
            print("  " + line)
        return 1
    print(f"translations complete: {len(counts)} files, {sum(expected.values())} messages each, "
          f"{len(glossary)} glossary rows")
    return 0


def cmd_missing(args):
    glossary, problems = load_glossary()
    for line in problems:
        print(line, file=sys.stderr)
    lupdate = find_lupdate(args.lupdate)
    missing = sorted({(c, s) for c, s, _ in fresh_keys(lupdate) if lookup(glossary, c, s) is None})
    for context, source in missing:
        print(f"{context}\t{source}")
    print(f"{len(missing)} text(s) without a glossary row", file=sys.stderr)
    return 1 if missing else 0


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("command", choices=["update", "check", "missing"])
    parser.add_argument("--lupdate", help="path of the lupdate program")
    args = parser.parse_args(argv)
    try:
        return {"update": cmd_update, "check": cmd_check, "missing": cmd_missing}[args.command](args)
    except Failure as e:
        print(f"translations.py: {e}", file=sys.stderr)
        return 2


if __name__ == "__main__":
    sys.exit(main())
