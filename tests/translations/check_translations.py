#!/usr/bin/env python3
"""Fails when a translation file is not complete: a text of the code that it lacks, a text it
holds that the code no longer has, an entry left unfinished or empty, or a translation whose
placeholders (%1, %2, ..., %n) differ from its source's, which would drop or garble a value.

    check_translations.py UPDATE_SCRIPT FILE.ts...

UPDATE_SCRIPT is tools/update-translations.sh, which writes the code's texts into a new file."""
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def messages(path):
    found = {}
    for context in ET.parse(path).getroot().iter('context'):
        name = context.findtext('name')
        for message in context.findall('message'):
            key = (name, message.findtext('source'), message.findtext('comment') or '')
            found[key] = message
    return found


def placeholders(text):
    return sorted(set(re.findall(r'%(?:n|\d)', text or '')))


def problems(path, expected):
    listed = messages(path)
    for key in sorted(expected.keys() - listed.keys()):
        yield f'missing: {key[0]}: {key[1]!r}'
    for key in sorted(listed.keys() - expected.keys()):
        yield f'not in the code: {key[0]}: {key[1]!r}'
    for key, message in sorted(listed.items()):
        translation = message.find('translation')
        where = f'{key[0]}: {key[1]!r}'
        if translation is None or translation.get('type') in ('unfinished', 'vanished', 'obsolete'):
            yield f'unfinished: {where}'
            continue
        forms = [form.text for form in translation.findall('numerusform')]
        texts = forms if message.get('numerus') == 'yes' else [translation.text]
        if not texts or any(not text for text in texts):
            yield f'empty: {where}'
            continue
        wanted = placeholders(key[1])
        for text in texts:
            if placeholders(text) != wanted:
                yield f'placeholders {placeholders(text)} instead of {wanted}: {where}'


def main():
    update_script, files = sys.argv[1], sys.argv[2:]
    with tempfile.TemporaryDirectory() as scratch:
        fresh = os.path.join(scratch, 'code.ts')
        subprocess.run(['bash', update_script, '--to', fresh], check=True)
        expected = messages(fresh)
    if not expected:
        print('the code offers no texts: the update script found nothing')
        return 1
    failed = False
    for path in files:
        found = list(problems(path, expected))
        for problem in found:
            print(f'{os.path.basename(path)}: {problem}')
        failed |= bool(found)
        if not found:
            print(f'{os.path.basename(path)}: all {len(expected)} texts translated')
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main())
