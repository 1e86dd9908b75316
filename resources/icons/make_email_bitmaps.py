#!/usr/bin/python3
"""Writes the bitmaps of the e-mail compose dialog's two picture buttons ("Add>>" and "Clear"):
for each the normal, pressed and focused picture, 24-bit BMP files. Run from this folder after
changing a picture:
    /usr/bin/python3 make_email_bitmaps.py
"""
import struct

WIDTH, HEIGHT = 56, 20
FACE, LIGHT, SHADOW, DARK, TEXT = (212, 208, 200), (255, 255, 255), (128, 128, 128), (64, 64, 64), (0, 0, 0)

# A 5x7 pixel font holding the letters the two buttons need.
GLYPHS = {
    'A': [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    'C': [".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."],
    'a': [".....", ".....", ".###.", "....#", ".####", "#...#", ".####"],
    'd': ["....#", "....#", ".####", "#...#", "#...#", "#...#", ".####"],
    'e': [".....", ".....", ".###.", "#...#", "#####", "#....", ".###."],
    'l': [".##..", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."],
    'r': [".....", ".....", "#.##.", "##..#", "#....", "#....", "#...."],
    '>': ["#....", ".#...", "..#..", "...#.", "..#..", ".#...", "#...."],
}


def button(label, pressed=False, focused=False):
    img = [[FACE] * WIDTH for _ in range(HEIGHT)]
    top_left, bottom_right = (SHADOW, LIGHT) if pressed else (LIGHT, DARK)
    for x in range(WIDTH):
        img[0][x], img[HEIGHT - 1][x] = top_left, bottom_right
    for y in range(HEIGHT):
        img[y][0], img[y][WIDTH - 1] = top_left, bottom_right
    if not pressed:
        for x in range(1, WIDTH - 1):
            img[HEIGHT - 2][x] = SHADOW
        for y in range(1, HEIGHT - 1):
            img[y][WIDTH - 2] = SHADOW
    width = len(label) * 6 - 1
    x0 = (WIDTH - width) // 2 + (1 if pressed else 0)
    y0 = (HEIGHT - 7) // 2 + (1 if pressed else 0)
    for i, ch in enumerate(label):
        for gy, row in enumerate(GLYPHS.get(ch, ["....."] * 7)):
            for gx, bit in enumerate(row):
                if bit == '#':
                    img[y0 + gy][x0 + i * 6 + gx] = TEXT
    if focused:  # a dotted rectangle inside the edge
        for x in range(4, WIDTH - 4, 2):
            img[3][x] = img[HEIGHT - 4][x] = TEXT
        for y in range(3, HEIGHT - 3, 2):
            img[y][4] = img[y][WIDTH - 5] = TEXT
    return img


def write(path, img):
    stride = (WIDTH * 3 + 3) & ~3
    pixels = b''
    for row in reversed(img):
        line = b''.join(struct.pack('<BBB', b, g, r) for (r, g, b) in row)
        pixels += line + b'\0' * (stride - len(line))
    info = struct.pack('<IiiHHIIiiII', 40, WIDTH, HEIGHT, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    with open(path, 'wb') as f:
        f.write(header + info + pixels)


for name, label in (('email_add', 'Add>>'), ('email_clear', 'Clear')):
    write(name + '.bmp', button(label))
    write(name + '_down.bmp', button(label, pressed=True))
    write(name + '_focus.bmp', button(label, focused=True))
