# SPDX-License-Identifier: GPL-3.0-or-later
"""Keeps, of a catalogue, the messages the page can show, each named by the
digest of its Italian text.

    python3 page_catalogue.py IN.po OUT.po [MODULE.wasm]

A message stays when the module holds its Italian text, with the NUL that
ends a C string, or when a script of the page (web/*.js) says it; the
header stays. The command line's help, the machine file's messages and the
rest of what the module never links are left out: every byte the page
downloads counts. A text the compiler merged into the tail of a longer one
is still found, as the longer one ends with it. Without a module, every
message stays.

The module holds the Italian texts already, so the page's catalogue names
each by the eight hex digits of its 32-bit FNV-1a hash instead, which saves
some 2 kB a language once gzipped:

    msgid "Vite"  ->  msgid "6c7223fb"

The header says so with the line "X-Originals: FNV-1a 32", which the
module's reader looks for (calc/message_catalogue.h). Two messages of IN
with one digest stop the build. Comments and flags go, so that msgfmt
checks no format of a digest; a fuzzy message goes too, as msgfmt would
leave it out.

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


def digest(text):
    """The eight lowercase hex digits of the 32-bit FNV-1a hash of `text`."""
    value = 0x811c9dc5
    for byte in text:
        value = ((value ^ byte) * 0x01000193) & 0xffffffff
    return f'{value:08x}'


def digested(entry):
    """The entry as msgfmt should read it: a header with the line that says
    its originals are digests, a message named by its digest, or None for a
    fuzzy message."""
    original = msgid_of(entry)
    if not original:
        return entry + '\n"X-Originals: FNV-1a 32\\n"'
    lines = entry.splitlines()
    if any(line.startswith('#,') and 'fuzzy' in line for line in lines):
        return None
    named = f'"{digest(original)}"'
    kept = [f'msgid {named}']
    if any(line.startswith('msgid_plural ') for line in lines):
        kept.append(f'msgid_plural {named}')
    reading = False
    for line in lines:
        if line.startswith('msgstr'):
            reading = True
        elif not line.startswith('"'):
            reading = False
        if reading:
            kept.append(line)
    return '\n'.join(kept)


def main(in_path, out_path, module_path=None):
    with open(in_path, encoding='utf-8') as po:
        entries = po.read().split('\n\n')
    originals = {msgid_of(entry) for entry in entries} - {None, b''}
    digests = {}
    for original in originals:
        clash = digests.setdefault(digest(original), original)
        if clash != original:
            sys.exit(f'page_catalogue.py: {clash!r} and {original!r} share a digest')
    module = None
    if module_path:
        with open(module_path, 'rb') as module_file:
            module = module_file.read()
    kept = [entry for entry in entries
            if module is None
            or msgid_of(entry) in (None, b'')
            or msgid_of(entry) + b'\0' in module
            or said_by_a_script(entry)]
    written = [entry for entry in map(digested, kept) if entry is not None]
    with open(out_path, 'w', encoding='utf-8') as out:
        out.write('\n\n'.join(written) + '\n')


if __name__ == '__main__':
    main(*sys.argv[1:])
