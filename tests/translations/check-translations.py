#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fails when a shipped language is not complete for the texts in the sources.

For each language, lupdate reads the sources into a copy of its .ts file: a text the sources have and the file does
not comes out unfinished, a text the file has and the sources lost comes out vanished. Every entry must be finished,
keep the placeholders of its source (%1, %n) and its keyboard accelerator (&), and lrelease must report no unfinished
entry.
"""
import argparse
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r'%(?:[1-9][0-9]?|n)')
# A "&" before a letter or digit marks an accelerator; "&&" is a literal "&".
ACCELERATOR = re.compile(r'(?<!&)&(?=[^&\s])')


def sources_of(source_dir):
    return sorted(str(p) for p in pathlib.Path(source_dir).rglob('*') if p.suffix in ('.cpp', '.h'))


def translations_of(message):
    translation = message.find('translation')
    if translation is None:
        return []
    forms = translation.findall('numerusform')
    return [f.text or '' for f in forms] if forms else [translation.text or '']


def problems_in(ts_file):
    problems = []
    for context in ET.parse(ts_file).getroot().iter('context'):
        name = context.findtext('name')
        for message in context.iter('message'):
            source = message.findtext('source') or ''
            where = f'{name}: "{source}"'
            state = message.find('translation').get('type') if message.find('translation') is not None else None
            if state == 'unfinished':
                problems.append(f'{where} is not translated')
                continue
            if state in ('vanished', 'obsolete'):
                problems.append(f'{where} is no longer in the sources')
                continue
            expected = sorted(set(PLACEHOLDER.findall(source)))
            if message.get('numerus') == 'yes' and '%n' not in expected:
                expected = sorted(set(expected + ['%n']))
            for text in translations_of(message):
                if not text.strip():
                    problems.append(f'{where} has an empty translation')
                elif sorted(set(PLACEHOLDER.findall(text))) != expected:
                    problems.append(f'{where} -> "{text}" does not keep the placeholders {expected}')
                elif bool(ACCELERATOR.search(source)) != bool(ACCELERATOR.search(text)):
                    problems.append(f'{where} -> "{text}" does not keep the accelerator (&)')
    return problems


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--lupdate', required=True)
    parser.add_argument('--lrelease', required=True)
    parser.add_argument('--sources', required=True, help='the folder of the sources (searched for .cpp and .h)')
    parser.add_argument('--translations', required=True, help='the folder of the .ts files')
    parser.add_argument('languages', nargs='+')
    args = parser.parse_args()

    failures = []
    folder = pathlib.Path(args.translations)
    shipped = {p.stem.removeprefix('tavrin_') for p in folder.glob('tavrin_*.ts')}
    for stray in sorted(shipped - set(args.languages)):
        failures.append(f'translations/tavrin_{stray}.ts is not a shipped language')
    with tempfile.TemporaryDirectory() as temp:
        listing = pathlib.Path(temp, 'sources.lst')
        listing.write_text('\n'.join(sources_of(args.sources)) + '\n')
        for language in args.languages:
            original = folder / f'tavrin_{language}.ts'
            if not original.exists():
                failures.append(f'{original.name} is missing')
                continue
            copy = pathlib.Path(temp, original.name)
            shutil.copyfile(original, copy)
            subprocess.run([args.lupdate, '-silent', '-locations', 'none', '-I', args.sources, f'@{listing}', '-ts', str(copy)],
                           check=True, stdout=subprocess.DEVNULL)
            failures += [f'{language}: {p}' for p in problems_in(copy)]
            released = subprocess.run([args.lrelease, str(copy), '-qm', str(copy.with_suffix('.qm'))],
                                      check=True, capture_output=True, text=True).stdout
            counts = re.search(r'Generated (\d+) translation\(s\) \((\d+) finished and (\d+) unfinished\)', released)
            if not counts:
                failures.append(f'{language}: lrelease said: {released.strip()}')
            elif int(counts.group(3)) != 0 or int(counts.group(1)) == 0:
                failures.append(f'{language}: lrelease: {counts.group(0)}')
            else:
                print(f'{language}: {counts.group(0)}')
    for failure in failures:
        print(failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
