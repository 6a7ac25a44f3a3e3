#!/usr/bin/env python3
"""Moves the texts of text tables written with all their languages in one place (MakeLocalisedTable,
MakeLanguageIndexedText) into the language files under src/i18n/languages/, adds each table's name and width to
src/i18n/TextTableCatalogue.h and leaves a declaration of the table in its header.

Usage: scripts/split-texts-by-language.py src/i18n/NewTexts.h [...]

Literals are copied as written, so every text keeps its bytes. Run clang-format on the rewritten header afterwards.
"""

import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
I18N = ROOT / "src" / "i18n"
CATALOGUE = I18N / "TextTableCatalogue.h"
CATALOGUE_END = "    // End of the catalogue.\n"
LANGUAGE_END = "    // End of the texts.\n"
# Language files in LanguageId order.
LANGUAGE_FILES = ["Chinese", "English", "German", "Finnish", "Italian", "French", "Hungarian", "Slovenian", "Czech",
                  "Japanese", "Lithuanian", "Polish", "Turkish", "Ukrainian", "Russian"]

DEFINITION = re.compile(
    r"inline constexpr auto (\w+) = Make(?:LocalisedTable<(\w+)>|(LanguageIndexedText))\(\"(\w+)\", \{")


def tokens(body):
    """The entries of a table body: each a list of the raw string literals that make it (adjacent literals join)."""
    entries, current, i = [], [], 0
    while i < len(body):
        c = body[i]
        if c.isspace():
            i += 1
        elif body.startswith("//", i):
            i = body.index("\n", i)
        elif body.startswith("/*", i):
            i = body.index("*/", i) + 2
        elif c == '"':
            j = i + 1
            while body[j] != '"':
                j += 2 if body[j] == "\\" else 1
            current.append(body[i:j + 1])
            i = j + 1
        elif c == ",":
            entries.append(current)
            current = []
            i += 1
        else:
            raise SystemExit(f"unexpected {body[i:i + 20]!r} in a table")
    if current:
        entries.append(current)
    return [" ".join(entry) for entry in entries]


def constant(header_text, name):
    found = re.search(r"inline constexpr std::size_t " + name + r" = (\d+);", header_text)
    if not found:
        raise SystemExit(f"width {name} not found")
    return int(found.group(1))


def split_header(path):
    text = path.read_text()
    tables = []
    while True:
        found = DEFINITION.search(text)
        if not found:
            break
        variable, width_text, indexed, name = found.groups()
        end = text.index("\n});", found.end())
        entries = tokens(text[found.end():end])
        width = 1 if indexed else (int(width_text) if width_text.isdigit() else constant(text, width_text))
        if indexed:
            if len(entries) != 16 or entries[0] != entries[2]:
                raise SystemExit(f"{name}: element 0 must repeat English")
            entries = entries[1:]
        if len(entries) != 15 * width:
            raise SystemExit(f"{name}: {len(entries)} texts for width {width}")
        rows = [entries[k * width:(k + 1) * width] for k in range(15)]
        tables.append((name, width, rows))
        if indexed:
            declaration = f'inline constexpr LanguageIndexedText {variable} {{ DeclareLocalisedTable<1>("{name}") }};'
        else:
            declaration = f'inline constexpr auto {variable} = DeclareLocalisedTable<{width_text}>("{name}");'
        text = text[:found.start()] + declaration + text[end + len("\n});"):]
    text = text.replace(" Rows in LanguageId order.", "")
    text = text.replace("// clang-format off\n", "").replace("// clang-format on\n", "")
    path.write_text(text)
    return tables


def row_text(name, texts):
    one_line = f'    {{ "{name}", {{ {", ".join(texts)} }} }},\n'
    if len(one_line) <= 120:
        return one_line
    inner = "".join(f"        {t},\n" for t in texts)
    return f'    {{ "{name}", {{\n{inner}    }} }},\n'


def main():
    headers = [pathlib.Path(arg) for arg in sys.argv[1:]]
    catalogue = CATALOGUE.read_text()
    languages = [(I18N / "languages" / f"{language}.cpp") for language in LANGUAGE_FILES]
    language_texts = [path.read_text() for path in languages]
    for header in headers:
        tables = split_header(header)
        if not tables:
            continue
        subject = f"    // {header.name}\n"
        catalogue = catalogue.replace(
            CATALOGUE_END, subject + "".join(f'    {{ "{n}", {w} }},\n' for n, w, _ in tables) + CATALOGUE_END)
        for k in range(15):
            rows = "".join(row_text(n, rows[k]) for n, _, rows in tables)
            language_texts[k] = language_texts[k].replace(LANGUAGE_END, subject + rows + LANGUAGE_END)
    CATALOGUE.write_text(catalogue)
    for path, text in zip(languages, language_texts):
        path.write_text(text)


if __name__ == "__main__":
    main()
