#!/usr/bin/env python3
"""Reads an xwd window dump (32-bit true-colour ZPixmap, as Xvfb gives), so the
packaging scripts need no image tool of their own.

  xwd-to-png.py DUMP                 prints "WIDTHxHEIGHT COLOURS"
  xwd-to-png.py DUMP --png OUT       also writes it as PNG (the screenshots)
  xwd-to-png.py DUMP --like PNG      also prints the share of pixels that differ
                                     from PNG, one this script wrote
"""
import argparse
import struct
import sys
import zlib


def read_xwd(path):
    data = open(path, "rb").read()
    if len(data) < 100:
        sys.exit("xwd-to-png: the dump is cut short")
    fields = struct.unpack(">25I", data[:100])
    header_size, version, pixmap_format, _depth, width, height = fields[:6]
    byte_order, bits_per_pixel, bytes_per_line, ncolors = fields[7], fields[11], fields[12], fields[19]
    masks = fields[15:18]
    if version != 7 or pixmap_format != 2 or bits_per_pixel != 32 or 0 in masks:
        sys.exit("xwd-to-png: only 32-bit true-colour ZPixmap dumps are read")
    start = header_size + ncolors * 12
    if width == 0 or height == 0 or bytes_per_line < width * 4 or start + bytes_per_line * height > len(data):
        sys.exit("xwd-to-png: the dump is cut short")
    order = "<" if byte_order == 0 else ">"
    shifts = [(mask & -mask).bit_length() - 1 for mask in masks]
    rows = []
    for y in range(height):
        line = data[start + y * bytes_per_line:start + y * bytes_per_line + width * 4]
        rows.append(b"".join(bytes((pixel >> s) & 0xFF for s in shifts) for (pixel,) in struct.iter_unpack(order + "I", line)))
    return width, height, rows


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


def write_png(path, width, height, rows):
    body = b"".join(b"\0" + row for row in rows)
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(body, 9)) + chunk(b"IEND", b"")
    open(path, "wb").write(png)


def read_png(path):
    """Only the PNGs write_png makes: 8-bit RGB, one IDAT, no row filters."""
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit(f"xwd-to-png: {path} is not a PNG")
    width, height, depth, colour = struct.unpack(">IIBB", data[16:26])
    at = data.index(b"IDAT") if b"IDAT" in data else -1
    if depth != 8 or colour != 2 or at < 4:
        sys.exit(f"xwd-to-png: {path} is not an RGB PNG this script wrote")
    size = struct.unpack(">I", data[at - 4:at])[0]
    body = zlib.decompress(data[at + 4:at + 4 + size])
    stride = width * 3 + 1
    if len(body) != stride * height or any(body[y * stride] != 0 for y in range(height)):
        sys.exit(f"xwd-to-png: {path} is not an unfiltered PNG this script wrote")
    return width, height, [body[y * stride + 1:(y + 1) * stride] for y in range(height)]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("dump")
    parser.add_argument("--png")
    parser.add_argument("--like")
    args = parser.parse_args()
    width, height, rows = read_xwd(args.dump)
    colours = {row[i:i + 3] for row in rows for i in range(0, len(row), 3)}
    print(f"{width}x{height} {len(colours)}")
    if args.png:
        write_png(args.png, width, height, rows)
    if args.like:
        w, h, other = read_png(args.like)
        if (w, h) != (width, height):
            print(f"size {w}x{h} differs")
        else:
            differ = sum(a[i:i + 3] != b[i:i + 3] for a, b in zip(rows, other) for i in range(0, len(a), 3))
            print(f"differ {differ / (width * height):.3f}")


main()
