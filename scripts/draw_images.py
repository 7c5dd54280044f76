#!/usr/bin/env python3
"""Draws the plug-in's icon and bitmaps: the window icon (ICO, 16 and 32 pixels with alpha), the
state images of the result lists (BMP, two 16-pixel images on magenta, the colour the lists make
transparent) and the logo of the about page (BMP on magenta, which the page replaces by the dialog
colour). Everything is drawn from shapes, so the images have no other source than this file.

Usage: draw_images.py OUTPUT_FOLDER
"""
import math
import pathlib
import struct
import sys

MAGENTA = (255, 0, 255)
SAMPLES = 4  # supersampling per axis


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def flame(x, y):
    """A gas flame in a unit square: a drop whose tip points up, with a lighter core."""
    cx, cy, r = 0.5, 0.64, 0.27
    inside = (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    if not inside and 0.08 <= y <= cy:
        half = r * (y - 0.08) / (cy - 0.08)
        bend = 0.06 * math.sin((y - 0.08) * math.pi / (cy - 0.08))
        inside = abs(x - cx - bend) <= half
    if not inside:
        return None
    core = (x - cx) ** 2 / 0.018 + (y - 0.72) ** 2 / 0.035 <= 1.0
    return (255, 214, 64) if core else (232, 96, 24)


def blend(samples, background):
    """Averages supersampled colours; None samples are background (or transparent when None)."""
    hits = [s for s in samples if s is not None]
    if not hits:
        return (background or (0, 0, 0)), 0
    r = sum(s[0] for s in hits) / len(hits)
    g = sum(s[1] for s in hits) / len(hits)
    b = sum(s[2] for s in hits) / len(hits)
    cover = len(hits) / len(samples)
    if background is None:
        return (round(r), round(g), round(b)), round(255 * cover)
    if background == MAGENTA:
        # A colour key admits no blending: an edge pixel is either the shape or transparent.
        return ((round(r), round(g), round(b)) if cover >= 0.5 else MAGENTA), 255
    mix = tuple(round(c * cover + bg * (1 - cover)) for c, bg in zip((r, g, b), background))
    return mix, 255


def render(width, height, shape, background):
    pixels = []
    for y in range(height):
        row = []
        for x in range(width):
            samples = [shape((x + (i + 0.5) / SAMPLES) / width, (y + (j + 0.5) / SAMPLES) / height)
                       for i in range(SAMPLES) for j in range(SAMPLES)]
            row.append(blend(samples, background))
        pixels.append(row)
    return pixels


def icon_shape(x, y):
    # A blue rounded square carrying the flame.
    margin, radius = 0.03, 0.2
    qx = max(abs(x - 0.5) - (0.5 - margin - radius), 0)
    qy = max(abs(y - 0.5) - (0.5 - margin - radius), 0)
    if math.hypot(qx, qy) > radius:
        return None
    colour = flame((x - 0.5) * 1.15 + 0.5, (y - 0.5) * 1.15 + 0.5)
    return colour or (28, 86, 160)


def bmp_bytes(pixels):
    """A bottom-up 24-bit BMP."""
    height, width = len(pixels), len(pixels[0])
    stride = (width * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        for (r, g, b), _ in row:
            line += bytes((b, g, r))
        data += line + bytes(stride - len(line))
    header = struct.pack('<2sIHHI', b'BM', 14 + 40 + len(data), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(data), 3780, 3780, 0, 0)
    return header + info + bytes(data)


def ico_image(pixels):
    """One 32-bit icon image with its AND mask, as stored inside an ICO file."""
    size = len(pixels)
    info = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    for row in reversed(pixels):
        for (r, g, b), a in row:
            colour += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(pixels):
        bits = bytearray(mask_stride)
        for x, (_, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return info + bytes(colour) + bytes(mask)


def ico_bytes(images):
    header = struct.pack('<HHH', 0, 1, len(images))
    entries, blobs, offset = b'', b'', 6 + 16 * len(images)
    for pixels in images:
        blob = ico_image(pixels)
        size = len(pixels)
        entries += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(blob), offset)
        blobs += blob
        offset += len(blob)
    return header + entries + blobs


def state_images():
    """Image 0: a red cross (not accepted); image 1: a green tick (accepted)."""
    def cross(x, y):
        x *= 2
        if x >= 1:
            return None
        d = min(segment_distance(x, y, 0.25, 0.25, 0.75, 0.75), segment_distance(x, y, 0.75, 0.25, 0.25, 0.75))
        return (200, 30, 30) if d < 0.09 else None

    def tick(x, y):
        x = x * 2 - 1
        if x < 0:
            return None
        d = min(segment_distance(x, y, 0.18, 0.52, 0.42, 0.76), segment_distance(x, y, 0.42, 0.76, 0.84, 0.26))
        return (40, 150, 40) if d < 0.09 else None

    def both(x, y):
        return cross(x, y) or tick(x, y)

    return render(32, 16, both, MAGENTA)


def logo():
    """The flame beside three gas-line waves, on magenta."""
    width, height = 360, 54

    def shape(x, y):
        px, py = x * width, y * height
        if px < height:
            return flame(px / height, py / height)
        for k, colour in enumerate(((28, 86, 160), (64, 128, 200), (120, 170, 220))):
            centre = 14 + 13 * k + 4 * math.sin((px - height) / 22.0 + k)
            if abs(py - centre) < 3.2 and px < width - 6:
                return colour
        return None

    return render(width, height, shape, MAGENTA)


def main():
    out = pathlib.Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    (out / 'Tarvel.ico').write_bytes(ico_bytes([render(s, s, icon_shape, None) for s in (32, 16)]))
    (out / 'StateImages.bmp').write_bytes(bmp_bytes(state_images()))
    (out / 'Logo.bmp').write_bytes(bmp_bytes(logo()))


if __name__ == '__main__':
    main()
