#!/usr/bin/python3
"""Reads and rewrites compound files with python3-olefile for the
interoperability tests.

  olefile_tool.py dump FILE
      Prints every element as "path|storage" or "path|stream|size|crc32",
      sorted, where path is "/" followed by the names as hex of their UTF-16
      units, joined by "/". Exits with 1 when olefile finds the file incorrect.
  olefile_tool.py rewrite FILE SEED NAME...
      Overwrites the stream at the path NAME... with bytes of the same size,
      byte i being (i * 7 + SEED) & 0xFF.
"""
import sys
import zlib

import olefile


def hex_name(name):
    units = name.encode('utf-16-le')
    return ''.join('%02x%02x' % (units[i + 1], units[i]) for i in range(0, len(units), 2))


def dump(path):
    ole = olefile.OleFileIO(path, raise_defects=olefile.DEFECT_INCORRECT)
    lines = []
    for entry in ole.listdir(streams=True, storages=True):
        key = '/' + '/'.join(hex_name(part) for part in entry)
        if ole.get_type(entry) == olefile.STGTY_STORAGE:
            lines.append(key + '|storage')
        else:
            data = ole.openstream(entry).read()
            if len(data) != ole.get_size(entry):
                raise ValueError('short stream ' + key)
            lines.append('%s|stream|%d|%d' % (key, len(data), zlib.crc32(data)))
    ole.close()
    for line in sorted(lines):
        print(line)


def rewrite(path, seed, names):
    ole = olefile.OleFileIO(path, write_mode=True)
    size = ole.get_size(names)
    ole.write_stream(names, bytes((i * 7 + seed) & 0xFF for i in range(size)))
    ole.close()


def main():
    try:
        if sys.argv[1] == 'dump':
            dump(sys.argv[2])
        elif sys.argv[1] == 'rewrite':
            rewrite(sys.argv[2], int(sys.argv[3]), sys.argv[4:])
        else:
            return 2
    except Exception as error:  # any defect olefile reports fails the test
        print('error: %s' % error)
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main())
