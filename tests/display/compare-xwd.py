"""Compares a PNG with the same-sized area of an X screenshot (xwd -root) at (left, top).

usage: compare-xwd.py SCREEN.xwd PICTURE.png LEFT TOP
Exit 0 when every pixel's red, green and blue agree; 1 (with the first differences) otherwise.
Standard library only: the PNG reader handles 8-bit RGB/RGBA, non-interlaced, as written by the
window system; the XWD reader 24- and 32-bit ZPixmap images.
"""
import struct
import sys
import zlib


def read_xwd(path):
    data = open(path, "rb").read()
    header = struct.unpack(">25I", data[:100])
    (header_size, _version, pixmap_format, _depth, width, height, _xoffset, byte_order, _unit,
     _bit_order, _pad, bits_per_pixel, bytes_per_line, _visual, red_mask, green_mask, blue_mask,
     _bits_per_rgb, _entries, ncolors) = header[:20]
    if pixmap_format != 2 or bits_per_pixel not in (24, 32):
        sys.exit("unsupported xwd image (format %d, %d bits per pixel)" % (pixmap_format, bits_per_pixel))
    start = header_size + ncolors * 12
    order = "<" if byte_order == 0 else ">"

    def shift(mask):
        return (mask & -mask).bit_length() - 1

    rs, gs, bs = shift(red_mask), shift(green_mask), shift(blue_mask)

    step = bits_per_pixel // 8

    def pixel(x, y):
        at = start + y * bytes_per_line + x * step
        raw = data[at:at + step] + b"\0" * (4 - step)
        (value,) = struct.unpack(order + "I", raw if order == "<" else b"\0" * (4 - step) + data[at:at + step])
        return ((value & red_mask) >> rs, (value & green_mask) >> gs, (value & blue_mask) >> bs)

    return width, height, pixel


def read_png(path):
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit("not a PNG: " + path)
    pos, idat = 8, b""
    while pos < len(data):
        (length,) = struct.unpack(">I", data[pos:pos + 4])
        kind = data[pos + 4:pos + 8]
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _c, _f, interlace = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    if depth != 8 or colour not in (2, 6) or interlace:
        sys.exit("unsupported PNG layout")
    channels = 4 if colour == 6 else 3
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, prev, pos = [], bytearray(stride), 0
    for _ in range(height):
        kind, line = raw[pos], bytearray(raw[pos + 1:pos + 1 + stride])
        pos += 1 + stride
        for i in range(stride):
            a = line[i - channels] if i >= channels else 0
            b = prev[i]
            c = prev[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + a) & 255
            elif kind == 2:
                line[i] = (line[i] + b) & 255
            elif kind == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append(line)
        prev = line

    def pixel(x, y):
        row = rows[y]
        return tuple(row[x * channels:x * channels + 3])

    return width, height, pixel


def main():
    screen_path, png_path, left, top = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
    sw, sh, screen = read_xwd(screen_path)
    pw, ph, picture = read_png(png_path)
    if left < 0 or top < 0 or left + pw > sw or top + ph > sh:
        sys.exit("the picture (%dx%d at %d,%d) is not inside the screen (%dx%d)" % (pw, ph, left, top, sw, sh))
    wrong = []
    for y in range(ph):
        for x in range(pw):
            if screen(left + x, top + y) != picture(x, y):
                wrong.append((x, y))
    if wrong:
        print("%d of %d pixels differ; first: %s" % (len(wrong), pw * ph,
              ", ".join("(%d,%d) screen %s picture %s" % (x, y, screen(left + x, top + y), picture(x, y))
                        for x, y in wrong[:5])))
        return 1
    print("all %d pixels of the %dx%d picture match the screen at %d,%d" % (pw * ph, pw, ph, left, top))
    return 0


if __name__ == "__main__":
    sys.exit(main())
