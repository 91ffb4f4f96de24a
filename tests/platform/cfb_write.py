#!/usr/bin/python3
"""Writes a compound file without any compound-file library, for the
interoperability tests, and prints its elements in the form of
olefile_tool.py dump.

  cfb_write.py FILE SECTOR_SIZE

The layout differs on purpose from what the layer's own writer produces:
sibling trees are balanced, streams are placed in directory order, and with
512-byte sectors one stream is large enough to need DIFAT sectors.
"""
import struct
import sys
import zlib

END_OF_CHAIN = 0xFFFFFFFE
FAT_SECTOR = 0xFFFFFFFD
DIFAT_SECTOR = 0xFFFFFFFC
FREE = 0xFFFFFFFF
NO_STREAM = 0xFFFFFFFF


def content(size, seed):
    return bytes((i * 31 + seed) & 0xFF for i in range(size))


def stream(name, size, seed):
    return {'name': name, 'data': content(size, seed)}


def storage(name, *children):
    return {'name': name, 'children': list(children)}


def tree(sector_size):
    big = 8 * 1024 * 1024 if sector_size == 512 else 300 * 1024
    return storage('Root Entry',
                   stream('\u00ae\u00acFileInfo', 200, 1),
                   stream('$00', 0, 2),
                   stream('exact', 4096, 3),
                   stream('small', 100, 4),
                   stream('big', big, 5),
                   storage('Empty'),
                   storage('ObjectDictionary',
                           storage('$10',
                                   storage('$18', stream('MAIN', 150, 6), stream('$00', 64, 7)),
                                   stream('\x05Summary', 4095, 8))))


def sort_key(entry):
    return (len(entry['name'].encode('utf-16-le')), entry['name'].upper())


class Writer:
    def __init__(self, sector_size):
        self.size = sector_size
        self.sectors = []
        self.fat = []
        self.mini = bytearray()
        self.minifat = []
        self.entries = []

    def allocate(self, data):
        if not data:
            return END_OF_CHAIN
        count = (len(data) + self.size - 1) // self.size
        first = len(self.sectors)
        for i in range(count):
            chunk = data[i * self.size:(i + 1) * self.size]
            self.sectors.append(chunk + bytes(self.size - len(chunk)))
            self.fat.append(first + i + 1 if i + 1 < count else END_OF_CHAIN)
        return first

    def allocate_mini(self, data):
        count = (len(data) + 63) // 64
        first = len(self.minifat)
        for i in range(count):
            chunk = data[i * 64:(i + 1) * 64]
            self.mini += chunk + bytes(64 - len(chunk))
            self.minifat.append(first + i + 1 if i + 1 < count else END_OF_CHAIN)
        return first

    def add_entries(self, node):
        node['id'] = len(self.entries)
        self.entries.append(node)
        for child in node.get('children', []):
            self.add_entries(child)

    def place_streams(self):
        for entry in self.entries[1:]:
            if 'data' not in entry:
                entry['start'] = END_OF_CHAIN
            elif len(entry['data']) >= 4096:
                entry['start'] = self.allocate(entry['data'])
            elif entry['data']:
                entry['start'] = self.allocate_mini(entry['data'])
            else:
                entry['start'] = END_OF_CHAIN

    def link_siblings(self, node):
        children = sorted(node.get('children', []), key=sort_key)

        def build(low, high):
            if low > high:
                return NO_STREAM
            middle = (low + high) // 2
            children[middle]['left'] = build(low, middle - 1)
            children[middle]['right'] = build(middle + 1, high)
            return children[middle]['id']

        node['child'] = build(0, len(children) - 1)
        for child in children:
            self.link_siblings(child)

    def directory_bytes(self, version):
        out = bytearray()
        for entry in self.entries:
            name = entry['name'].encode('utf-16-le')
            kind = 5 if entry['id'] == 0 else (1 if 'children' in entry else 2)
            size = len(entry.get('data', b''))
            if entry['id'] == 0:
                size = len(self.mini)
            out += name + bytes(64 - len(name))
            out += struct.pack('<HBBIII', len(name) + 2, kind, 1, entry.get('left', NO_STREAM),
                               entry.get('right', NO_STREAM), entry.get('child', NO_STREAM))
            out += bytes(16) + struct.pack('<I', 0) + bytes(16)
            out += struct.pack('<IQ', entry['start'], size)
        while len(out) % self.size:
            out += bytes(128)
        return bytes(out)

    def write(self, path, version):
        root = tree(self.size)
        self.add_entries(root)
        self.link_siblings(root)
        self.place_streams()
        root['start'] = self.allocate(bytes(self.mini)) if self.mini else END_OF_CHAIN
        minifat = b''.join(struct.pack('<I', value) for value in self.minifat)
        first_minifat = self.allocate(minifat) if minifat else END_OF_CHAIN
        minifat_count = (len(minifat) + self.size - 1) // self.size
        directory = self.directory_bytes(version)
        first_directory = self.allocate(directory)

        per_sector = self.size // 4
        fat_count = difat_count = 0
        while True:
            total = len(self.sectors) + fat_count + difat_count
            needed_fat = (total + per_sector - 1) // per_sector
            needed_difat = max(0, (needed_fat - 109 + per_sector - 2) // (per_sector - 1))
            if (needed_fat, needed_difat) == (fat_count, difat_count):
                break
            fat_count, difat_count = needed_fat, needed_difat
        fat_start = len(self.sectors)
        difat_start = fat_start + fat_count
        fat = self.fat + [FAT_SECTOR] * fat_count + [DIFAT_SECTOR] * difat_count
        fat += [FREE] * (fat_count * per_sector - len(fat))
        for i in range(fat_count):
            self.sectors.append(b''.join(struct.pack('<I', v) for v in fat[i * per_sector:(i + 1) * per_sector]))
        fat_ids = list(range(fat_start, fat_start + fat_count))
        rest = fat_ids[109:]
        for i in range(difat_count):
            chunk = rest[i * (per_sector - 1):(i + 1) * (per_sector - 1)]
            chunk += [FREE] * (per_sector - 1 - len(chunk))
            following = difat_start + i + 1 if i + 1 < difat_count else END_OF_CHAIN
            self.sectors.append(b''.join(struct.pack('<I', v) for v in chunk + [following]))

        header = bytearray(b'\xd0\xcf\x11\xe0\xa1\xb1\x1a\xe1' + bytes(16))
        header += struct.pack('<HHHHH', 0x3E, version, 0xFFFE, 12 if version == 4 else 9, 6) + bytes(6)
        directory_sectors = len(directory) // self.size if version == 4 else 0
        header += struct.pack('<IIIIIIIII', directory_sectors, fat_count, first_directory, 0, 4096,
                              first_minifat, minifat_count,
                              difat_start if difat_count else END_OF_CHAIN, difat_count)
        head_ids = fat_ids[:109] + [FREE] * (109 - min(109, len(fat_ids)))
        header += b''.join(struct.pack('<I', v) for v in head_ids)
        header += bytes(self.size - len(header))
        with open(path, 'wb') as out:
            out.write(header)
            for sector in self.sectors:
                out.write(sector)
        return root


def describe(node, prefix, lines):
    for child in node.get('children', []):
        units = child['name'].encode('utf-16-le')
        key = prefix + '/' + ''.join('%02x%02x' % (units[i + 1], units[i]) for i in range(0, len(units), 2))
        if 'children' in child:
            lines.append(key + '|storage')
            describe(child, key, lines)
        else:
            lines.append('%s|stream|%d|%d' % (key, len(child['data']), zlib.crc32(child['data'])))


def main():
    sector_size = int(sys.argv[2])
    root = Writer(sector_size).write(sys.argv[1], 4 if sector_size == 4096 else 3)
    lines = []
    describe(root, '', lines)
    for line in sorted(lines):
        print(line)


if __name__ == '__main__':
    main()
