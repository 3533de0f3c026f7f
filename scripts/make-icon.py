#!/usr/bin/env python3
"""Draws Vexil's icon, a four-band resistor (yellow, violet, red, gold), as 16 x 16 and 32 x 32 images of
at most 16 colours (indexed PNG) and packs both into a Windows .ico.

Run it again only to change the picture; its output is committed."""
import pathlib
import struct
import zlib

PALETTE = [
    (0x00, 0x40, 0x40),  # 0 background, transparent
    (0xC0, 0xFF, 0xC0),  # 1 leads
    (0x00, 0x80, 0x00),  # 2 body
    (0x00, 0xC0, 0x00),  # 3 body outline
    (0xFF, 0xFF, 0x00),  # 4 yellow
    (0xFF, 0x00, 0xFF),  # 5 violet
    (0xFF, 0x00, 0x00),  # 6 red
    (0xFF, 0xC0, 0x80),  # 7 gold
]


def draw(size):
    s = size // 16  # 1 at 16 px, 2 at 32 px
    px = [[0] * size for _ in range(size)]

    def rect(x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                px[y][x] = colour

    mid = size // 2
    rect(0, mid - s, size - 1, mid + s - 1, 1)            # leads
    rect(3 * s, 4 * s, size - 3 * s - 1, size - 4 * s - 1, 3)  # body outline
    rect(3 * s + 1, 4 * s + 1, size - 3 * s - 2, size - 4 * s - 2, 2)
    for n, colour in enumerate((4, 5, 6, 7)):  # yellow, violet, red, gold
        x = (4 + 2 * n) * s
        rect(x, 4 * s - 1, x + s - 1, size - 4 * s, colour)
    return px


def png(px):
    size = len(px)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    # Four bits a pixel: two pixels a byte, high nibble first.
    raw = b"".join(b"\x00" + bytes(row[i] << 4 | row[i + 1] for i in range(0, size, 2)) for row in px)
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 4, 3, 0, 0, 0))
            + chunk(b"PLTE", b"".join(bytes(c) for c in PALETTE))
            + chunk(b"tRNS", b"\x00")
            + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def ico(images):
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, blobs = b"", b""
    for size, data in images:
        entries += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
        blobs += data
    return header + entries + blobs


out = pathlib.Path(__file__).resolve().parent.parent / "window" / "icons"
images = []
for size in (16, 32):
    data = png(draw(size))
    (out / f"icon-{size}.png").write_bytes(data)
    images.append((size, data))
(out / "vexil.ico").write_bytes(ico(images))
