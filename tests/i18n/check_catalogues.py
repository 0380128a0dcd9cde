#!/usr/bin/env python3
"""Fails when a catalogue is not complete: an entry unfinished or empty, or a text that lupdate
finds in the sources today missing from the catalogue.

check_catalogues.py LUPDATE PROJECT_CMAKE CATALOGUE.ts...
PROJECT_CMAKE is the lupdate project description qt_add_translations writes into the build tree.
"""
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def entries(path):
    """(context, source, comment) -> list of translation texts, of the entries in use."""
    found = {}
    for context in ET.parse(path).getroot().iter('context'):
        name = context.findtext('name', '')
        for message in context.iter('message'):
            translation = message.find('translation')
            kind = translation.get('type', '') if translation is not None else ''
            if kind in ('vanished', 'obsolete'):
                continue
            key = (name, message.findtext('source', ''), message.findtext('comment', ''))
            if translation is None:
                texts = [None]
            elif message.get('numerus') == 'yes':
                texts = [None if kind == 'unfinished' else (f.text or '') for f in translation.iter('numerusform')]
            else:
                texts = [None if kind == 'unfinished' else (translation.text or '')]
            found[key] = texts
    return found


def project_sources(project_cmake):
    text = open(project_cmake, encoding='utf-8').read()
    def listed(var):
        m = re.search(r'set\(%s "([^"]*)"\)' % var, text)
        return [p for p in (m.group(1).split(';') if m else []) if p]
    return [p for p in listed('lupdate_sources') if os.path.exists(p)], listed('lupdate_include_paths')


def main():
    lupdate, project_cmake, catalogues = sys.argv[1], sys.argv[2], sys.argv[3:]
    sources, includes = project_sources(project_cmake)
    problems = []
    with tempfile.TemporaryDirectory() as tmp:
        fresh = os.path.join(tmp, 'fresh.ts')
        project = os.path.join(tmp, 'project.json')
        with open(project, 'w', encoding='utf-8') as f:
            json.dump({'projectFile': project_cmake, 'includePaths': includes,
                       'sources': sources, 'translations': [fresh]}, f)
        run = subprocess.run([lupdate, '-project', project, '-locations', 'none', '-silent'],
                             capture_output=True, text=True)
        if run.returncode != 0 or not os.path.exists(fresh):
            print(run.stdout + run.stderr)
            print('lupdate failed')
            return 1
        wanted = set(entries(fresh))
    if not wanted:
        print('lupdate found no texts in %d sources' % len(sources))
        return 1
    for path in catalogues:
        have = entries(path)
        name = os.path.basename(path)
        for key in sorted(wanted - set(have)):
            problems.append('%s: missing [%s] %r' % (name, key[0], key[1]))
        for key, texts in sorted(have.items()):
            if key in wanted and any(t is None or not t.strip() for t in texts):
                problems.append('%s: unfinished [%s] %r' % (name, key[0], key[1]))
    for p in problems:
        print(p)
    print('%d texts in the sources; %d problem(s) in %d catalogue(s)' % (len(wanted), len(problems), len(catalogues)))
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
