#!/usr/bin/env python3
"""Checks the game's .ts files, one a language: every text translated (nothing
unfinished or empty), none left over from a text the code lost (vanished,
obsolete), every translation with its source's placeholders (%1..%9, %n) and
number of access letters (&), and as many plural forms as the language has.

With --lupdate the files are first brought up to date from the sources in a
scratch copy, so a text the code marks and no .ts file holds counts as
unfinished, and one the code lost as vanished.

Usage: check_translations.py [--lupdate LUPDATE --source DIR... [--option=OPT]...] TS...
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

# The forms Qt's plural rules give each language ("%n points").
PLURAL_FORMS = {"de": 2, "fr": 2, "es": 2, "it": 2, "pt_BR": 2, "nl": 2, "pl": 3}
PLACEHOLDER = re.compile(r"%L?([1-9]|n)")


def placeholders(text):
    return sorted(set(PLACEHOLDER.findall(text)))


def access_letters(text):
    return text.replace("&&", "").count("&")


def problems(path):
    language = os.path.basename(path)[len("gorbix_"):-len(".ts")]
    root = ET.parse(path).getroot()
    if root.get("language") != language:
        yield f"the file says language {root.get('language')!r}, its name {language!r}"
    forms = PLURAL_FORMS.get(language)
    if forms is None:
        yield f"no plural rule known for {language!r}"
        return
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            where = f"{name}: {source!r}"
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "missing"
            if kind:
                yield f"{where}: {kind}"
                continue
            texts = [f.text or "" for f in translation.iter("numerusform")]
            if message.get("numerus") == "yes":
                if len(texts) != forms:
                    yield f"{where}: {len(texts)} plural forms, {language} has {forms}"
            else:
                texts = [translation.text or ""]
            for text in texts:
                if not text.strip():
                    yield f"{where}: empty translation"
                elif placeholders(text) != placeholders(source):
                    yield f"{where}: {text!r} does not keep the placeholders {placeholders(source)}"
                elif access_letters(text) != access_letters(source):
                    yield f"{where}: {text!r} has {access_letters(text)} access letters, the source {access_letters(source)}"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lupdate")
    parser.add_argument("--source", action="append", default=[])
    parser.add_argument("--option", action="append", default=[])
    parser.add_argument("ts", nargs="+")
    args = parser.parse_args()

    with tempfile.TemporaryDirectory() as scratch:
        files = args.ts
        if args.lupdate:
            files = [shutil.copy(ts, scratch) for ts in args.ts]
            subprocess.run([args.lupdate, "-silent", *args.option, *args.source, "-ts", *files], check=True,
                           stdout=subprocess.DEVNULL)
        found = [f"{os.path.basename(ts)}: {p}" for ts in files for p in problems(ts)]
    for line in found:
        print(line)
    print(f"{len(args.ts)} translation files, {len(found)} problems")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
