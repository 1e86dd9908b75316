#!/usr/bin/python3
"""Writes the cursor and icon files of the resource module (32x32, 32 bits with alpha, plus the
AND mask that old readers want). Run from this folder after changing a picture:
    /usr/bin/python3 make_icons.py
"""
import struct

SIZE = 32
BLACK, WHITE, NONE = (0, 0, 0, 255), (255, 255, 255, 255), (0, 0, 0, 0)


def blank(size=SIZE):
    return [[NONE] * size for _ in range(size)]


def rect(img, x0, y0, x1, y1, color):
    for y in range(y0, y1):
        for x in range(x0, x1):
            img[y][x] = color


def outline(img):
    """Gives every opaque black shape a one-pixel white border, as the system cursors have."""
    out = [row[:] for row in img]
    for y in range(SIZE):
        for x in range(SIZE):
            if img[y][x] != NONE:
                continue
            near = any(0 <= y + dy < SIZE and 0 <= x + dx < SIZE and img[y + dy][x + dx] == BLACK
                       for dy in (-1, 0, 1) for dx in (-1, 0, 1))
            if near:
                out[y][x] = WHITE
    return out


def splitter_x():
    """The cursor over a splitter between panes side by side: two bars, arrows left and right."""
    img = blank()
    rect(img, 14, 8, 15, 24, BLACK)
    rect(img, 17, 8, 18, 24, BLACK)
    rect(img, 5, 15, 14, 17, BLACK)
    rect(img, 18, 15, 27, 17, BLACK)
    for i in range(5):  # arrow heads
        rect(img, 5 + i, 15 - (4 - i), 6 + i, 17 + (4 - i), BLACK)
        rect(img, 26 - i, 15 - (4 - i), 27 - i, 17 + (4 - i), BLACK)
    return outline(img)


def property_sheet():
    """The property dialog's icon: a page with rows of names and values."""
    img = blank()
    rect(img, 4, 2, 28, 30, (0, 0, 0, 255))
    rect(img, 5, 3, 27, 29, (255, 255, 255, 255))
    rect(img, 5, 3, 27, 8, (0, 84, 166, 255))
    for row in range(4):
        y = 10 + row * 5
        rect(img, 7, y, 14, y + 3, (128, 128, 128, 255))
        rect(img, 16, y, 25, y + 3, (0, 120, 215, 255))
    return img


def value_list():
    """The list editor's icon: a list with a highlighted entry."""
    img = blank()
    rect(img, 3, 4, 29, 28, (0, 0, 0, 255))
    rect(img, 4, 5, 28, 27, (255, 255, 255, 255))
    for row in range(5):
        y = 7 + row * 4
        color = (0, 120, 215, 255) if row == 1 else (96, 96, 96, 255)
        rect(img, 6, y, 26, y + 2, color)
    return img


def versions():
    """The version history's icon: three pages of a document stacked, the newest in front."""
    img = blank()
    for i, shade in enumerate(((160, 160, 160, 255), (200, 200, 200, 255), (255, 255, 255, 255))):
        x, y = 3 + i * 5, 2 + i * 5
        rect(img, x, y, x + 16, y + 20, (0, 0, 0, 255))
        rect(img, x + 1, y + 1, x + 15, y + 19, shade)
    for row in range(3):
        y = 17 + row * 4
        rect(img, 15, y, 27, y + 2, (0, 120, 215, 255))
    return img


def line(img, x0, y0, x1, y1, color, width=2):
    """A straight line of square dots from (x0, y0) to (x1, y1)."""
    steps = max(abs(x1 - x0), abs(y1 - y0), 1)
    for i in range(steps + 1):
        x = x0 + (x1 - x0) * i // steps
        y = y0 + (y1 - y0) * i // steps
        rect(img, x, y, min(x + width, len(img)), min(y + width, len(img)), color)


DARK = (64, 64, 64, 255)


def close_cross():
    """The warning pane's close button (16 x 16): an x."""
    img = blank(16)
    line(img, 4, 4, 11, 11, DARK)
    line(img, 11, 4, 4, 11, DARK)
    return img


def pin_out():
    """The pin button while the pop-up hides by itself: a pin lying on its side, point left."""
    img = blank(16)
    rect(img, 1, 7, 6, 9, DARK)      # needle
    rect(img, 6, 4, 7, 12, DARK)     # collar
    rect(img, 7, 5, 13, 11, DARK)    # body
    rect(img, 8, 6, 12, 10, WHITE)
    rect(img, 13, 4, 14, 12, DARK)   # head
    return img


def pin_in():
    """The pin button while the pop-up stays: the pin pushed in, point down."""
    img = blank(16)
    rect(img, 7, 10, 9, 15, DARK)    # needle
    rect(img, 4, 9, 12, 10, DARK)    # collar
    rect(img, 5, 3, 11, 9, DARK)     # body
    rect(img, 6, 4, 10, 9, WHITE)
    rect(img, 4, 2, 12, 3, DARK)     # head
    return img


def warning_sign():
    """A warning: a yellow triangle with a black edge and an exclamation mark."""
    img = blank()
    for y in range(3, 29):
        half = (y - 3) * 14 // 25
        rect(img, 16 - half - 1, y, 16 + half + 1, y + 1, BLACK)
        if 5 < y < 27:
            inner = max(0, half - 2)
            rect(img, 16 - inner, y, 16 + inner, y + 1, (255, 204, 0, 255))
    rect(img, 15, 11, 17, 21, BLACK)
    rect(img, 15, 23, 17, 25, BLACK)
    return img


def dib(img):
    size = len(img)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, size * size * 4, 0, 0, 0, 0)
    pixels = b''.join(struct.pack('<BBBB', b, g, r, a) for row in reversed(img) for (r, g, b, a) in row)
    mask = b''
    for row in reversed(img):
        bits = 0
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits |= 1 << (31 - x)  # rows of the mask are 32 bits whatever the width
        mask += struct.pack('>I', bits)
    return header + pixels + mask


def write(path, img, cursor=False, hotspot=(0, 0)):
    data = dib(img)
    kind = 2 if cursor else 1
    planes, bits = hotspot if cursor else (1, 32)
    size = len(img)
    entry = struct.pack('<BBBBHHII', size, size, 0, 0, planes, bits, len(data), 6 + 16)
    with open(path, 'wb') as f:
        f.write(struct.pack('<HHH', 0, kind, 1) + entry + data)


write('splitter_x.cur', splitter_x(), cursor=True, hotspot=(16, 16))
write('property.ico', property_sheet())
write('value_list.ico', value_list())
write('versions.ico', versions())
write('warning_close.ico', close_cross())
write('warning_pin_in.ico', pin_in())
write('warning_pin_out.ico', pin_out())
write('warning_sign.ico', warning_sign())
