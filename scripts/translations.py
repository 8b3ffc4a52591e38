#!/usr/bin/env python3
"""Keeps the translation files in step with the texts in the code.

Every text of the program is looked up under one context, "amortix", whichever
class or namespace it is written in: the engine marks its texts with AMX_TEXT,
the window calls Tr(), and lupdate files them under the context it parses.
This script runs lupdate into a scratch file, then rewrites each
src/gui/translations/*.ts as one context holding every text once, keeping the
translations already made.

  translations.py update   add new texts (unfinished), drop texts no longer used
  translations.py check    exit 1, listing them, when a text has no translation
                           or a file lags behind the code
  translations.py merge LANG FILE...
                           take translations from JSON-lines files of
                           {"en": ..., "fr": ...} into LANG's file (e.g. fr_CA),
                           for texts the code has; reports disagreements
"""
import json
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
TRANSLATIONS = ROOT / "src" / "gui" / "translations"
LUPDATE = "/usr/lib/qt6/bin/lupdate"
CONTEXT = "amortix"


def sources_in_code():
    """Every marked text in the engine and the window, in first-seen order."""
    code = [str(p) for p in sorted((ROOT / "src" / "core").rglob("*")) if p.suffix in (".h", ".cpp")
            and "/core/export/" not in str(p) and ("/core/files/" not in str(p) or p.name == "settings_file.h")]
    code += [str(p) for p in sorted((ROOT / "src" / "gui").rglob("*")) if p.suffix in (".h", ".cpp")]
    with tempfile.TemporaryDirectory() as scratch:
        listing = Path(scratch) / "files.lst"
        listing.write_text("\n".join(code) + "\n")
        out = Path(scratch) / "found.ts"
        subprocess.run([LUPDATE, "-tr-function-alias", "QT_TR_NOOP+=AMX_TEXT,tr+=Tr", "-locations", "none",
                        "-no-obsolete", "-silent", "@" + str(listing), "-ts", str(out)],
                       check=True, stderr=subprocess.DEVNULL)
        found = []
        seen = set()
        for message in ET.parse(out).getroot().iter("message"):
            text = (message.findtext("source"), message.findtext("comment") or "")
            if text not in seen:
                seen.add(text)
                found.append(text)
        return found


def read(ts_path):
    root = ET.parse(ts_path).getroot()
    done = {}
    for message in root.iter("message"):
        translation = message.find("translation")
        if translation is not None and translation.get("type") is None and translation.text:
            done[(message.findtext("source"), message.findtext("comment") or "")] = translation.text
    return root.get("language"), done


def write(ts_path, language, sources, done):
    root = ET.Element("TS", {"version": "2.1", "language": language, "sourcelanguage": "en"})
    context = ET.SubElement(root, "context")
    ET.SubElement(context, "name").text = CONTEXT
    for text, comment in sources:
        message = ET.SubElement(context, "message")
        ET.SubElement(message, "source").text = text
        if comment:
            ET.SubElement(message, "comment").text = comment
        translation = ET.SubElement(message, "translation")
        if (text, comment) in done:
            translation.text = done[(text, comment)]
        else:
            translation.set("type", "unfinished")
    ET.indent(root)
    body = ET.tostring(root, encoding="unicode")
    ts_path.write_text('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + body + "\n", encoding="utf-8")


def merge(language, files, sources):
    ts_path = TRANSLATIONS / f"amortix_{language}.ts"
    _, done = read(ts_path)
    key = language.split("_")[0]
    offered = {}
    for name in files:
        for line in Path(name).read_text(encoding="utf-8").splitlines():
            if not line.strip():
                continue
            entry = json.loads(line)
            english, translated = (entry["en"], entry.get("comment", "")), entry[key]
            if english in offered and offered[english] != translated:
                print(f"{name}: {english!r}: {translated!r} differs from {offered[english]!r} (first kept)")
                continue
            offered[english] = translated
    wanted = set(sources)
    for english, translated in offered.items():
        if english not in wanted:
            print(f"not in the code: {english!r}")
        elif english not in done:
            done[english] = translated
    write(ts_path, language, sources, done)
    missing = [s for s in sources if s not in done]
    print(f"{ts_path.name}: {len(sources)} texts, {len(missing)} without a translation")


def main():
    mode = sys.argv[1] if len(sys.argv) > 1 else "check"
    sources = sources_in_code()
    if mode == "merge":
        merge(sys.argv[2], sys.argv[3:], sources)
        return
    failed = False
    for ts_path in sorted(TRANSLATIONS.glob("*.ts")):
        language, done = read(ts_path)
        if mode == "update":
            write(ts_path, language, sources, done)
            missing = [s for s in sources if s not in done]
            print(f"{ts_path.name}: {len(sources)} texts, {len(missing)} without a translation")
            continue
        missing = [s for s in sources if s not in done]
        unused = sorted(set(done) - set(sources))
        for text in missing:
            print(f"{ts_path.name}: no translation for {text!r}")
        for text in unused:
            print(f"{ts_path.name}: translates {text!r}, which the code no longer has (run update)")
        failed |= bool(missing or unused)
        print(f"{ts_path.name}: {len(sources)} texts, {len(missing)} untranslated, {len(unused)} unused")
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
