#!/usr/bin/env python3
"""Writes the translations of the program's .ts files into its desktop entry and its AppStream
metainfo: after each English Name, GenericName, Comment and Keywords line of the entry comes the
same key for each language (Name[de]=...), and after each English name, summary, description
paragraph and screenshot caption of the metainfo the same element with xml:lang. A text is
matched by its English words (spaces and line breaks count as one space) with the messages of
the DesktopEntry context; a language without a finished translation of it is left out.

    translate_desktop_files.py DESKTOP_IN DESKTOP_OUT METAINFO_IN METAINFO_OUT FILE.ts...
"""
import html
import os
import re
import sys
import xml.etree.ElementTree as ET


def squeeze(text):
    return ' '.join(text.split())


def translations(ts_files):
    """{english: {language: translation}} of the DesktopEntry context."""
    table = {}
    for path in ts_files:
        language = re.fullmatch(r'quenvalor_(\w+)\.ts', os.path.basename(path)).group(1)
        for context in ET.parse(path).getroot().iter('context'):
            if context.findtext('name') != 'DesktopEntry':
                continue
            for message in context.findall('message'):
                translation = message.find('translation')
                if translation is None or translation.get('type') or not translation.text:
                    continue
                table.setdefault(squeeze(message.findtext('source')), {})[language] = squeeze(translation.text)
    return table


def desktop_entry(text, table):
    lines = []
    for line in text.splitlines():
        lines.append(line)
        key, _, value = line.partition('=')
        if key in ('Name', 'GenericName', 'Comment', 'Keywords'):
            for language, translated in sorted(table.get(squeeze(value), {}).items()):
                lines.append(f'{key}[{language}]={translated}')
    return '\n'.join(lines) + '\n'


def metainfo(text, table):
    element = re.compile(r'^([ \t]*)<(name|summary|p|caption)>(.*?)</\2>[ \t]*\n', re.S | re.M)

    def with_translations(match):
        indent, tag, words = match.groups()
        added = ''.join(f'{indent}<{tag} xml:lang="{language}">{html.escape(translated, quote=False)}</{tag}>\n'
                        for language, translated in sorted(table.get(squeeze(html.unescape(words)), {}).items()))
        return match.group(0) + added

    return element.sub(with_translations, text)


def main():
    desktop_in, desktop_out, metainfo_in, metainfo_out, *ts_files = sys.argv[1:]
    table = translations(ts_files)
    with open(desktop_in, encoding='utf-8') as source, open(desktop_out, 'w', encoding='utf-8') as out:
        out.write(desktop_entry(source.read(), table))
    with open(metainfo_in, encoding='utf-8') as source, open(metainfo_out, 'w', encoding='utf-8') as out:
        out.write(metainfo(source.read(), table))


if __name__ == '__main__':
    main()
