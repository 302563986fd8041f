# SPDX-License-Identifier: GPL-3.0-or-later
"""Keeps, of a catalogue, the messages the page can show.

    python3 page_catalogue.py MODULE.wasm IN.po OUT.po

A message stays when the module holds its Italian text, with the NUL that
ends a C string, or when a script of the page (web/*.js) says it; the
header stays. The command line's help, the machine file's messages and the
rest of what the module never links are left out: every byte the page
downloads counts. A text the compiler merged into the tail of a longer one
is still found, as the longer one ends with it.

Reads only what xgettext writes: "msgid", "msgid_plural", "msgstr[...]",
comments and "#:" locations, strings with C escapes.
"""
import re
import sys

ESCAPES = {'n': '\n', 't': '\t', '"': '"', '\\': '\\', 'r': '\r', 'a': '\a'}


def unescaped(text):
    return re.sub(r'\\(.)', lambda m: ESCAPES.get(m.group(1), m.group(1)), text)


def msgid_of(entry):
    """The entry's msgid as its bytes, or None for an entry without one."""
    text, reading = [], False
    for line in entry.splitlines():
        if line.startswith('msgid '):
            reading = True
            line = line[len('msgid '):]
        elif not line.startswith('"'):
            reading = False
        if reading:
            text.append(unescaped(line.strip()[1:-1]))
    return ''.join(text).encode('utf-8') if text else None


def said_by_a_script(entry):
    return any(re.search(r'web/\S+\.js', line) for line in entry.splitlines()
               if line.startswith('#:'))


def main(module_path, in_path, out_path):
    with open(module_path, 'rb') as module_file:
        module = module_file.read()
    with open(in_path, encoding='utf-8') as po:
        entries = po.read().split('\n\n')
    kept = [entry for entry in entries
            if msgid_of(entry) in (None, b'')
            or msgid_of(entry) + b'\0' in module
            or said_by_a_script(entry)]
    with open(out_path, 'w', encoding='utf-8') as out:
        out.write('\n\n'.join(kept))


if __name__ == '__main__':
    main(*sys.argv[1:])
