#!/usr/bin/env python3
"""Gives each unfinished message of the translation files the translation that the same source text
had in the files as they stand in a git revision, in whatever class it stood then: a text that moved
to another class keeps its translation. Run after the update_translations target.
Usage: tools/keep-moved-translations.py [REVISION]   (default HEAD)"""
import glob, re, subprocess, sys

MESSAGE = re.compile(r'<message( numerus="yes")?>\s*<source>(.*?)</source>(.*?)(<translation[^>]*>.*?</translation>)'
                     r'\s*</message>', re.S)
revision = sys.argv[1] if len(sys.argv) > 1 else 'HEAD'
for path in glob.glob('translations/*.ts'):
    before = subprocess.run(['git', 'show', f'{revision}:{path}'], capture_output=True, text=True, check=True).stdout
    known = {}
    for message in MESSAGE.finditer(before):
        if 'type="unfinished"' not in message[4]:
            known.setdefault(message[2], message[4])

    def keep(message):
        translated = known.get(message[2])
        if 'type="unfinished"' not in message[4] or translated is None:
            return message[0]
        return message[0].replace(message[4], translated)

    with open(path, encoding='utf-8') as file:
        text = MESSAGE.sub(keep, file.read())
    # lupdate writes a no-break space as a character reference; the files keep the character.
    with open(path, 'w', encoding='utf-8') as file:
        file.write(text.replace('&#xa0;', '\u00a0'))
