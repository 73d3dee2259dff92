#!/usr/bin/env python3
"""icon.py ICON.ico SIZE OUT.png: the icon's largest picture, enlarged by whole pixels to SIZE (a multiple of
its own size) as a PNG whose transparent pixels come from the icon's mask. Home screens show it as drawn."""
import struct
import sys
import zlib


def largest_image(data):
    count = struct.unpack_from('<H', data, 4)[0]
    entries = [struct.unpack_from('<BBBBHHII', data, 6 + 16 * i) for i in range(count)]
    width, _, _, _, _, _, size, offset = max(entries, key=lambda e: e[0] or 256)
    return data[offset:offset + size]


def pixels(image):
    """Rows from the top of (r, g, b, a): the icon's colours, and its AND mask as transparency."""
    header, width, height2, _, bits = struct.unpack_from('<IiiHH', image, 0)
    height = height2 // 2
    colours = struct.unpack_from('<I', image, 32)[0] or (1 << bits if bits <= 8 else 0)
    table = [image[header + 4 * i:header + 4 * i + 4] for i in range(colours)]
    at = header + 4 * colours
    stride = ((width * bits + 31) // 32) * 4
    mask_at = at + stride * height
    mask_stride = ((width + 31) // 32) * 4
    rows = []
    for y in range(height - 1, -1, -1):
        row = []
        for x in range(width):
            if bits == 4:
                byte = image[at + y * stride + x // 2]
                b, g, r, _ = table[(byte >> 4) if x % 2 == 0 else (byte & 15)]
            elif bits == 8:
                b, g, r, _ = table[image[at + y * stride + x]]
            else:
                sys.exit('icon.py: only icons of 4 or 8 bits a pixel')
            clear = image[mask_at + y * mask_stride + x // 8] >> (7 - x % 8) & 1
            row.append((r, g, b, 0 if clear else 255))
        rows.append(row)
    return rows


def png(rows, scale):
    width, height = len(rows[0]) * scale, len(rows) * scale
    raw = bytearray()
    for row in rows:
        line = b'\0' + b''.join(bytes(p) * scale for p in row)
        raw += line * scale

    def chunk(kind, body):
        return struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body))
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 6, 0, 0, 0)) +
            chunk(b'IDAT', zlib.compress(bytes(raw), 9)) + chunk(b'IEND', b''))


def main():
    if len(sys.argv) != 4:
        sys.exit('usage: icon.py ICON.ico SIZE OUT.png')
    with open(sys.argv[1], 'rb') as f:
        rows = pixels(largest_image(f.read()))
    size = int(sys.argv[2])
    if size % len(rows):
        sys.exit(f'icon.py: {size} is no multiple of the icon\'s {len(rows)} pixels')
    with open(sys.argv[3], 'wb') as f:
        f.write(png(rows, size // len(rows)))


main()
