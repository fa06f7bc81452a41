#!/usr/bin/env python3
"""The desktop entry and the AppStream metainfo in every language the
program speaks, from packaging/*.in and resources/lang/glossary.tsv.

  desktopfiles.py OUTDIR

In the templates, @text@ is a source text of the glossary: a desktop entry
line "Key=@text@" becomes Key=<English> plus Key[<lang>]=... for every other
language; a metainfo element "<tag>@text@</tag>" becomes the English element
plus one with xml:lang per language. Standard library only.
"""

import re
import sys
from pathlib import Path
from xml.sax.saxutils import escape

sys.path.insert(0, str(Path(__file__).resolve().parent))
import translations  # noqa: E402

ROOT = translations.ROOT
PACKAGING = ROOT / "packaging"
CONTEXT = "packaging"

# The glossary's columns as desktop files and AppStream name the languages.
LOCALES = {translations.SOURCE_LANGUAGE: "zh_CN"}
LOCALES.update(translations.LANGUAGES)


def texts_for(glossary, source):
    entry = translations.lookup(glossary, CONTEXT, source)
    if entry is None:
        raise translations.Failure(f"glossary has no row for {source!r}")
    out = {"zh_CN": source}
    for code, locale in translations.LANGUAGES.items():
        out[locale] = entry[code]
    return out


def desktop(glossary, template):
    lines = []
    for line in template.splitlines():
        m = re.fullmatch(r"([A-Za-z]+)=@(.*)@", line)
        if not m:
            lines.append(line)
            continue
        key, source = m.groups()
        texts = texts_for(glossary, source)
        lines.append(f"{key}={texts['en']}")
        for locale in sorted(texts):
            if locale != "en":
                lines.append(f"{key}[{locale}]={texts[locale]}")
    return "\n".join(lines) + "\n"


def metainfo(glossary, template):
    lines = []
    for line in template.splitlines():
        m = re.fullmatch(r"(\s*)<(\w+)>@(.*)@</\2>", line)
        if not m:
            lines.append(line)
            continue
        indent, tag, source = m.groups()
        texts = texts_for(glossary, source)
        lines.append(f"{indent}<{tag}>{escape(texts['en'])}</{tag}>")
        for locale in sorted(texts):
            if locale != "en":
                lines.append(f'{indent}<{tag} xml:lang="{locale}">{escape(texts[locale])}</{tag}>')
    return "\n".join(lines) + "\n"


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    try:
        glossary, problems = translations.load_glossary()
        if problems:
            raise translations.Failure("; ".join(problems))
        for name, make in (("org.vistrel.Vistrel.desktop", desktop), ("org.vistrel.Vistrel.metainfo.xml", metainfo)):
            text = make(glossary, (PACKAGING / (name + ".in")).read_text(encoding="utf-8"))
            (out / name).write_text(text, encoding="utf-8")
    except translations.Failure as e:
        print(f"desktopfiles.py: {e}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
