#!/usr/bin/env python3
"""Reads a diary file with Python's plistlib, independently of our reader.

  archive_peer.py text FILE      prints the cards in the fixtures' text form
  archive_peer.py rewrite IN OUT  loads IN and writes it again with plistlib
"""
import math
import plistlib
import struct
import sys


ESCAPES = {ord('\\'): '\\\\', ord('"'): '\\"', ord('\n'): '\\n', ord('\r'): '\\r', ord('\t'): '\\t'}


def esc(s):
    out = []
    for ch in s:
        code = ord(ch)
        if code in ESCAPES:
            out.append(ESCAPES[code])
        elif code < 0x20 or code == 0x7f:
            out.append('\\x%02x' % code)
        else:
            out.append(ch)
    return '"' + ''.join(out) + '"'


def g17(x):
    return '%.17g' % x


def f9(x):
    # the stored single-precision value, printed as %.9g
    return '%.9g' % struct.unpack('<f', struct.pack('<f', x))[0]


def text_of(objects, value):
    if value.data == 0:
        return '<nil>'
    o = objects[value.data]
    if isinstance(o, dict):
        o = o['NS.string']
    return esc(o)


def date_of(objects, value):
    if value.data == 0:
        return '<nil>'
    o = objects[value.data]
    if isinstance(o, dict):
        return g17(o['NS.time'])
    epoch = __import__('datetime').datetime(2001, 1, 1)
    return g17((o - epoch).total_seconds())


def main():
    mode, path = sys.argv[1], sys.argv[2]
    with open(path, 'rb') as f:
        archive = plistlib.load(f)
    if mode == 'rewrite':
        with open(sys.argv[3], 'wb') as f:
            plistlib.dump(archive, f, fmt=plistlib.FMT_BINARY, sort_keys=False)
        return
    objects = archive['$objects']
    root = objects[archive['$top']['root'].data]
    members = root['NS.objects']
    out = ['root=array count=%d' % len(members)]
    for i, uid in enumerate(members):
        card = objects[uid.data]
        out.append('[%d]' % i)
        out.append('id=%d' % (card.get('id', 0) % (1 << 64)))
        for key in ('dateCreation', 'dateEditing', 'cardDateMeasurement'):
            out.append('%s=%s' % (key, date_of(objects, card[key]) if key in card else '<nil>'))
        for key in ('isProtect', 'isPreMeal', 'isTherapy'):
            out.append('%s=%d' % (key, 1 if card.get(key, False) else 0))
        for key in ('nameMeal', 'nameInsulin', 'notes'):
            out.append('%s=%s' % (key, text_of(objects, card[key]) if key in card else '<nil>'))
        for key in ('glycemiaValue', 'unitValue'):
            out.append('%s=%s' % (key, f9(card.get(key, 0.0))))
    sys.stdout.write('\n'.join(out) + '\n')


if __name__ == '__main__':
    main()
