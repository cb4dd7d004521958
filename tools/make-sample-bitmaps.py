#!/usr/bin/env python3
"""Writes the symbol bitmaps of the sample installation.

The map finds the sizes of a symbol type's icons by their file names
(base.size.gif below the bitmap directory), so the sample needs real files of
those names. Each one is a small, valid GIF image of the size its name gives:
a square in the colour of its symbol class with a dark frame and a lighter
inner mark, plain enough to be recognised at 16 pixels.

Usage: make-sample-bitmaps.py [BITMAPDIR]
BITMAPDIR defaults to examples/www/htdocs/bitmaps beside this script's folder.
The files are committed; run this again only after changing the table below.
"""

import os
import struct
import sys

# (subdirectory below the language directory C, file base, sizes, fill colour)
BITMAPS = [
    ("computer", "workstation", [16, 32, 50, 70], (0x3a, 0x6e, 0xa5)),
    ("computer", "fileserver", [32, 50], (0x3a, 0x6e, 0xa5)),
    ("connector", "hub", [16, 32, 48], (0x2e, 0x8b, 0x57)),
    ("connector", "router", [20, 32, 50], (0x2e, 0x8b, 0x57)),
    ("connector", "switch", [32, 50, 70], (0x2e, 0x8b, 0x57)),
    ("connector", "unknownrouter", [50], (0x80, 0x80, 0x80)),
    ("network", "ipnet", [32, 50], (0xc0, 0x8a, 0x1e)),
    ("server", "webserver", [50, 70], (0x6a, 0x3d, 0x9a)),
    ("server", "mailserver", [32, 50], (0x6a, 0x3d, 0x9a)),
    ("power", "ups", [32, 50], (0xb2, 0x22, 0x22)),
]


def lzw_encode(pixels, min_code_size):
    """Variable-width LZW as GIF wants it: clear code first, end code last."""
    clear = 1 << min_code_size
    end = clear + 1
    table = {(i,): i for i in range(clear)}
    next_code = end + 1
    width = min_code_size + 1
    out = bytearray()
    acc = 0
    nbits = 0

    def emit(code):
        nonlocal acc, nbits
        acc |= code << nbits
        nbits += width
        while nbits >= 8:
            out.append(acc & 0xFF)
            acc >>= 8
            nbits -= 8

    emit(clear)
    prefix = ()
    for p in pixels:
        candidate = prefix + (p,)
        if candidate in table:
            prefix = candidate
            continue
        emit(table[prefix])
        if next_code < 4096:
            table[candidate] = next_code
            next_code += 1
            if next_code > (1 << width) and width < 12:
                width += 1
        else:
            emit(clear)
            table = {(i,): i for i in range(clear)}
            next_code = end + 1
            width = min_code_size + 1
        prefix = (p,)
    if prefix:
        emit(table[prefix])
    emit(end)
    if nbits:
        out.append(acc & 0xFF)
    return bytes(out)


def gif(size, fill):
    frame = (0x20, 0x20, 0x20)
    mark = tuple(min(255, c + 0x60) for c in fill)
    palette = [(0xff, 0xff, 0xff), frame, fill, mark]
    pixels = []
    inner = max(2, size // 4)
    for y in range(size):
        for x in range(size):
            if x == 0 or y == 0 or x == size - 1 or y == size - 1:
                pixels.append(1)
            elif inner <= x < size - inner and inner <= y < size - inner:
                pixels.append(3)
            else:
                pixels.append(2)
    data = lzw_encode(pixels, 2)
    blocks = bytearray()
    for i in range(0, len(data), 255):
        chunk = data[i:i + 255]
        blocks.append(len(chunk))
        blocks += chunk
    blocks.append(0)
    head = b"GIF89a" + struct.pack("<HHBBB", size, size, 0x81, 0, 0)
    table = b"".join(bytes(c) for c in palette)
    image = b"," + struct.pack("<HHHHB", 0, 0, size, size, 0) + bytes([2])
    return head + table + image + bytes(blocks) + b";"


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        here, "..", "examples", "www", "htdocs", "bitmaps")
    for sub, base, sizes, fill in BITMAPS:
        folder = os.path.join(root, "C", sub)
        os.makedirs(folder, exist_ok=True)
        for size in sizes:
            with open(os.path.join(folder, "%s.%d.gif" % (base, size)), "wb") as f:
                f.write(gif(size, fill))


if __name__ == "__main__":
    main()
