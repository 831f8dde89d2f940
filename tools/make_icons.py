#!/usr/bin/env python3
"""Draws the programs' icons and writes them as .ico files (16 and 32 pixel,
32-bit colour with alpha).  Run it after changing a drawing; the .ico files
are committed so that a build needs no image tools.

  tools/make_icons.py
"""
import math
import os
import struct

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

QUADRANTS = [(230, 40, 40), (40, 200, 40), (40, 70, 230), (240, 210, 30)]  # l r L R


def blank(size):
    return [[(0, 0, 0, 0)] * size for _ in range(size)]


def disc(img, cx, cy, r, colour):
    size = len(img)
    for y in range(size):
        for x in range(size):
            d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
            if d <= r:
                img[y][x] = colour + (255,)


def launcher_icon(size, lit=4, ring=None):
    """Four coloured quadrants of a disc with a white stroke arrow; `lit`
    quadrants are coloured (the recording frames light them one by one)."""
    img = blank(size)
    c = size / 2
    r = size / 2 - 0.5
    for y in range(size):
        for x in range(size):
            dx, dy = x + 0.5 - c, y + 0.5 - c
            if math.hypot(dx, dy) > r:
                continue
            q = (0 if dx < 0 else 1) + (0 if dy < 0 else 2)
            order = [0, 1, 3, 2].index(q)
            colour = QUADRANTS[q] if order < lit else (150, 150, 150)
            img[y][x] = colour + (255,)
    if ring:
        for y in range(size):
            for x in range(size):
                d = math.hypot(x + 0.5 - c, y + 0.5 - c)
                if r - size / 8 <= d <= r:
                    img[y][x] = ring + (255,)
    # white stroke from the upper left to the right with an arrow head
    w = max(1, size // 12)
    for t in range(int(size * 0.2), int(size * 0.78)):
        for k in range(-w, w + 1):
            y = int(size * 0.5) + k
            img[y][t] = (255, 255, 255, 255)
    for k in range(size // 6):
        for j in range(-w + 1, w):
            x = int(size * 0.78) - k
            for y in (int(size * 0.5) - k + j, int(size * 0.5) + k + j):
                if 0 <= y < size and 0 <= x < size:
                    img[y][x] = (255, 255, 255, 255)
    return img


def editor_icon(size):
    """A sheet of paper with list lines and a coloured quadrant badge."""
    img = blank(size)
    m = size // 8
    for y in range(m, size - m // 2):
        for x in range(m, size - m * 2):
            img[y][x] = (250, 250, 245, 255)
    for y in range(m, size - m // 2):
        img[y][m] = img[y][size - m * 2 - 1] = (80, 80, 80, 255)
    for x in range(m, size - m * 2):
        img[m][x] = img[size - m // 2 - 1][x] = (80, 80, 80, 255)
    for row in range(3):
        y = m + (row + 1) * size // 6
        for x in range(m + 2, size - m * 3):
            img[y][x] = (60, 90, 200, 255)
    big = launcher_icon(size // 2 + 2)
    off = size - len(big)
    for y, line in enumerate(big):
        for x, p in enumerate(line):
            if p[3]:
                img[off + y][off + x] = p
    return img


def bmp_entry(img):
    size = len(img)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b''.join(struct.pack('BBBB', b, g, r, a) for row in reversed(img) for (r, g, b, a) in row)
    mask_row = ((size + 31) // 32) * 4
    mask = bytes(mask_row * size)
    return header + pixels + mask


def write_ico(path, images):
    entries = [bmp_entry(img) for img in images]
    out = struct.pack('<HHH', 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for img, data in zip(images, entries):
        size = len(img)
        out += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b''.join(entries)
    with open(path, 'wb') as f:
        f.write(out)


def both(draw, **kw):
    return [draw(32, **kw), draw(16, **kw)]


def main():
    icons = os.path.join(ROOT, 'launcher', 'win32', 'icons')
    write_ico(os.path.join(icons, 'fesk.ico'), both(launcher_icon))
    for frame in range(1, 6):
        write_ico(os.path.join(icons, 'frame%d.ico' % frame),
                  both(launcher_icon, lit=frame - 1, ring=(255, 255, 255) if frame == 5 else None))
    write_ico(os.path.join(icons, 'runoption.ico'), both(launcher_icon, ring=(255, 140, 0)))
    write_ico(os.path.join(ROOT, 'editor', 'win32', 'icons', 'feskini.ico'),
              [editor_icon(32), editor_icon(16)])


if __name__ == '__main__':
    main()
