#!/usr/bin/env python3
"""Generate the program's pictures.

Writes, into res/:
  kestrup.ico  - program icon: two computer screens joined by a lightning
                 flash on a green background (32x32 and 16x16, 16 colours)
  update.ico   - window icon: a green arrow pointing down into a floppy disk
                 (32x32 and 16x16, 16 colours)
  update.avi   - two-frame clip for the animation control: a data store
                 sending ones and zeros along an arrow to a document page
                 (200x50, 8 bits per pixel, uncompressed, 5 frames/s)

The outputs are committed to the repository, so this script only needs to be
run again after changing a picture.  It uses only the Python standard library
and produces the same bytes on every run.

Usage (from the repository root):  python3 tools/make_pictures.py
"""

import os
import struct

# ---------------------------------------------------------------------------
# Palette and colour names
# ---------------------------------------------------------------------------

# The standard Windows 16-colour (VGA) palette, as (red, green, blue).
VGA = [
    (0x00, 0x00, 0x00),  # 0  black
    (0x80, 0x00, 0x00),  # 1  dark red
    (0x00, 0x80, 0x00),  # 2  dark green
    (0x80, 0x80, 0x00),  # 3  olive
    (0x00, 0x00, 0x80),  # 4  navy
    (0x80, 0x00, 0x80),  # 5  purple
    (0x00, 0x80, 0x80),  # 6  teal
    (0xC0, 0xC0, 0xC0),  # 7  silver
    (0x80, 0x80, 0x80),  # 8  grey
    (0xFF, 0x00, 0x00),  # 9  red
    (0x00, 0xFF, 0x00),  # 10 lime
    (0xFF, 0xFF, 0x00),  # 11 yellow
    (0x00, 0x00, 0xFF),  # 12 blue
    (0xFF, 0x00, 0xFF),  # 13 magenta
    (0x00, 0xFF, 0xFF),  # 14 cyan
    (0xFF, 0xFF, 0xFF),  # 15 white
]

BLACK, DKRED, DKGREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GREY, RED, LIME, YELLOW, BLUE, MAGENTA, CYAN, WHITE = range(8, 16)

CLEAR = -1  # transparent pixel (icons only)


# ---------------------------------------------------------------------------
# Drawing primitives
# ---------------------------------------------------------------------------

class Canvas:
    """A grid of palette indices; (0, 0) is the top-left pixel."""

    def __init__(self, width, height, fill):
        self.width = width
        self.height = height
        self.px = [[fill] * width for _ in range(height)]

    def put(self, x, y, c):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.px[y][x] = c

    def get(self, x, y):
        return self.px[y][x]

    def rect(self, x0, y0, x1, y1, c):
        """Filled rectangle, corners inclusive."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, c)

    def box(self, x0, y0, x1, y1, c):
        """Rectangle outline, corners inclusive."""
        self.hline(x0, x1, y0, c)
        self.hline(x0, x1, y1, c)
        self.vline(x0, y0, y1, c)
        self.vline(x1, y0, y1, c)

    def hline(self, x0, x1, y, c):
        for x in range(min(x0, x1), max(x0, x1) + 1):
            self.put(x, y, c)

    def vline(self, x, y0, y1, c):
        for y in range(min(y0, y1), max(y0, y1) + 1):
            self.put(x, y, c)

    def line(self, x0, y0, x1, y1, c):
        """Bresenham line, both ends inclusive."""
        dx = abs(x1 - x0)
        dy = -abs(y1 - y0)
        sx = 1 if x0 < x1 else -1
        sy = 1 if y0 < y1 else -1
        err = dx + dy
        while True:
            self.put(x0, y0, c)
            if x0 == x1 and y0 == y1:
                break
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def polygon(self, points, c):
        """Fill a polygon given by corner points in pixel-edge coordinates.

        A pixel is filled when its centre lies inside the polygon.
        """
        n = len(points)
        ys = [p[1] for p in points]
        for y in range(max(0, int(min(ys))), min(self.height, int(max(ys)) + 1)):
            sy = y + 0.5
            xs = []
            for i in range(n):
                (ax, ay), (bx, by) = points[i], points[(i + 1) % n]
                if (ay <= sy < by) or (by <= sy < ay):
                    xs.append(ax + (sy - ay) * (bx - ax) / (by - ay))
            xs.sort()
            for i in range(0, len(xs) - 1, 2):
                for x in range(self.width):
                    if xs[i] <= x + 0.5 < xs[i + 1]:
                        self.px[y][x] = c

    def ellipse(self, cx, cy, rx, ry, c):
        """Filled ellipse; centre and radii in pixel-edge coordinates."""
        for y in range(self.height):
            for x in range(self.width):
                dx = (x + 0.5 - cx) / rx
                dy = (y + 0.5 - cy) / ry
                if dx * dx + dy * dy < 1.0:
                    self.px[y][x] = c

    def outline(self, inside, c):
        """Paint colour c on every pixel not in `inside` that touches one
        that is (4-neighbourhood).  `inside` is a set of (x, y)."""
        edge = set()
        for (x, y) in inside:
            for nx, ny in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)):
                if (nx, ny) not in inside:
                    edge.add((nx, ny))
        for (x, y) in sorted(edge):
            self.put(x, y, c)

    def shape(self, draw):
        """Run draw(canvas) on a scratch canvas; return the set of pixels it
        painted.  Used to build outlines around filled shapes."""
        scratch = Canvas(self.width, self.height, 0)
        draw(scratch)
        return {(x, y) for y in range(self.height) for x in range(self.width)
                if scratch.px[y][x]}

    def fill_set(self, pixels, c):
        for (x, y) in sorted(pixels):
            self.put(x, y, c)


# Tiny 3x5 font for the binary digits.
FONT = {
    "0": ["111",
          "101",
          "101",
          "101",
          "111"],
    "1": ["010",
          "110",
          "010",
          "010",
          "111"],
}


def draw_text(cv, x, y, text, c, scale=1, gap=1):
    for ch in text:
        rows = FONT[ch]
        for ry, row in enumerate(rows):
            for rx, bit in enumerate(row):
                if bit == "1":
                    cv.rect(x + rx * scale, y + ry * scale,
                            x + rx * scale + scale - 1,
                            y + ry * scale + scale - 1, c)
        x += (3 + gap) * scale


# ---------------------------------------------------------------------------
# Icon pictures
# ---------------------------------------------------------------------------

def green_tile(cv, radius):
    """Rounded green square filling the whole icon, with transparent
    corners and a light top-left bevel."""
    n = cv.width
    cv.rect(0, 0, n - 1, n - 1, DKGREEN)
    # Transparent rounded corners.
    for y in range(radius):
        for x in range(radius):
            dx = radius - x - 0.5
            dy = radius - y - 0.5
            if dx * dx + dy * dy > radius * radius:
                for px, py in ((x, y), (n - 1 - x, y), (x, n - 1 - y),
                               (n - 1 - x, n - 1 - y)):
                    cv.put(px, py, CLEAR)
    inside = {(x, y) for y in range(n) for x in range(n)
              if cv.get(x, y) != CLEAR}
    # Dark rim round the tile.
    for (x, y) in sorted(inside):
        for nx, ny in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)):
            if (nx, ny) not in inside:
                cv.put(x, y, BLACK)
                break
    return inside


def monitor32(cv, x, y):
    """A 14x14 desktop computer screen with its top-left corner at (x, y)."""
    cv.rect(x, y, x + 13, y + 10, SILVER)          # case
    cv.box(x, y, x + 13, y + 10, BLACK)
    cv.rect(x + 2, y + 2, x + 11, y + 8, NAVY)     # glass
    cv.hline(x + 3, x + 6, y + 3, CYAN)            # glint
    cv.vline(x + 3, y + 3, y + 5, CYAN)
    cv.hline(x + 1, x + 12, y + 9, GREY)           # lower lip shading
    cv.rect(x + 5, y + 11, x + 8, y + 11, GREY)    # neck
    cv.vline(x + 4, y + 11, y + 11, BLACK)
    cv.vline(x + 9, y + 11, y + 11, BLACK)
    cv.rect(x + 2, y + 12, x + 11, y + 13, SILVER)  # foot
    cv.box(x + 2, y + 12, x + 11, y + 13, BLACK)


def monitor16(cv, x, y):
    """A 7x7 screen with its top-left corner at (x, y)."""
    cv.rect(x, y, x + 6, y + 4, SILVER)
    cv.rect(x + 1, y + 1, x + 5, y + 3, NAVY)
    cv.put(x + 1, y + 1, CYAN)
    cv.put(x + 3, y + 5, GREY)
    cv.hline(x + 1, x + 5, y + 6, SILVER)


def bolt(cv, points, rim=True):
    """Yellow lightning flash, with a black outline when rim is set."""
    region = cv.shape(lambda s: s.polygon(points, 1))
    if rim:
        cv.outline(region, BLACK)
    cv.fill_set(region, YELLOW)


def kestrup32():
    cv = Canvas(32, 32, CLEAR)
    green_tile(cv, 4)
    monitor32(cv, 2, 3)
    monitor32(cv, 16, 15)
    bolt(cv, [(18, 3), (27, 3), (23, 8.5), (27.5, 8.5), (20, 16),
              (21.5, 11), (16.5, 11)])
    return cv


def kestrup16():
    cv = Canvas(16, 16, CLEAR)
    green_tile(cv, 2)
    monitor16(cv, 1, 2)
    monitor16(cv, 8, 8)
    bolt(cv, [(10, 1), (14.5, 1), (12.5, 3.5), (14.5, 3.5), (11, 8),
              (11.5, 5.5), (8, 5.5)], rim=False)
    return cv


def update32():
    cv = Canvas(32, 32, CLEAR)
    # Floppy disk body with a cut corner.
    body = [(3, 11), (26, 11), (29, 14), (29, 31), (3, 31)]
    region = cv.shape(lambda s: s.polygon(body, 1))
    cv.fill_set(region, NAVY)
    edge = {(x, y) for (x, y) in region
            if any(n not in region for n in ((x - 1, y), (x + 1, y),
                                             (x, y - 1), (x, y + 1)))}
    cv.fill_set(edge, BLACK)
    cv.rect(6, 22, 26, 30, WHITE)                   # label
    cv.box(6, 22, 26, 30, BLACK)
    cv.hline(8, 24, 25, SILVER)
    cv.hline(8, 21, 27, SILVER)
    cv.rect(9, 12, 22, 17, SILVER)                  # metal shutter
    cv.vline(22, 12, 17, GREY)
    cv.hline(9, 22, 17, GREY)
    cv.rect(18, 13, 20, 16, NAVY)                   # shutter window
    # Green arrow pointing down into the disk.
    arrow = [(12, 1), (20, 1), (20, 8), (25, 8), (16, 17), (7, 8), (12, 8)]
    region = cv.shape(lambda s: s.polygon(arrow, 1))
    cv.outline(region, BLACK)
    cv.fill_set(region, LIME)
    for (x, y) in sorted(region):                   # shade the right side
        if (x + 1, y) not in region or (x + 1, y + 1) not in region:
            if x >= 16:
                cv.put(x, y, DKGREEN)
    return cv


def update16():
    cv = Canvas(16, 16, CLEAR)
    body = [(1, 6), (13, 6), (15, 8), (15, 16), (1, 16)]
    region = cv.shape(lambda s: s.polygon(body, 1))
    cv.fill_set(region, NAVY)
    edge = {(x, y) for (x, y) in region
            if any(n not in region for n in ((x - 1, y), (x + 1, y),
                                             (x, y - 1), (x, y + 1)))}
    cv.fill_set(edge, BLACK)
    cv.rect(3, 11, 13, 14, WHITE)
    cv.hline(4, 11, 12, SILVER)
    cv.rect(4, 7, 11, 9, SILVER)
    cv.rect(9, 7, 10, 8, NAVY)
    arrow = [(6, 1), (10, 1), (10, 5), (13, 5), (8, 9), (3, 5), (6, 5)]
    region = cv.shape(lambda s: s.polygon(arrow, 1))
    cv.outline(region, BLACK)
    cv.fill_set(region, LIME)
    return cv


# ---------------------------------------------------------------------------
# .ico writer
# ---------------------------------------------------------------------------

def rgbquads(colours, count):
    out = bytearray()
    for i in range(count):
        r, g, b = colours[i] if i < len(colours) else (0, 0, 0)
        out += bytes((b, g, r, 0))
    return bytes(out)


def icon_image(cv):
    """One 4-bit icon image: BITMAPINFOHEADER, palette, XOR bits, AND mask."""
    w, h = cv.width, cv.height
    xor_stride = ((w * 4 + 31) // 32) * 4
    and_stride = ((w + 31) // 32) * 4
    xor = bytearray()
    mask = bytearray()
    for y in range(h - 1, -1, -1):                  # bottom-up rows
        row = bytearray(xor_stride)
        mrow = bytearray(and_stride)
        for x in range(w):
            c = cv.get(x, y)
            if c == CLEAR:
                c = 0
                mrow[x // 8] |= 0x80 >> (x % 8)
            if x % 2 == 0:
                row[x // 2] |= c << 4
            else:
                row[x // 2] |= c
        xor += row
        mask += mrow
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 4, 0,
                         len(xor) + len(mask), 0, 0, 16, 0)
    return header + rgbquads(VGA, 16) + bytes(xor) + bytes(mask)


def ico_file(canvases):
    images = [icon_image(cv) for cv in canvases]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for cv, img in zip(canvases, images):
        out += struct.pack("<BBBBHHII", cv.width % 256, cv.height % 256, 16,
                           0, 1, 4, len(img), offset)
        offset += len(img)
    for img in images:
        out += img
    return bytes(out)


# ---------------------------------------------------------------------------
# Animation clip
# ---------------------------------------------------------------------------

AVI_W, AVI_H = 200, 50

# Palette for the clip: the 16 VGA colours, then a few shades used for
# the data store and the page, then black.
AVI_EXTRA = [
    (0x3A, 0x6E, 0xA5),  # 16 store body, dark side
    (0x5B, 0x8F, 0xC6),  # 17 store body
    (0x8C, 0xB4, 0xDE),  # 18 store body, light side
    (0xB9, 0xD3, 0xEE),  # 19 store top
    (0x24, 0x4A, 0x73),  # 20 store outline
    (0xF4, 0xF4, 0xF4),  # 21 page
    (0xA0, 0xA0, 0xA0),  # 22 page text lines
    (0x00, 0x60, 0x00),  # 23 digits
    (0xD8, 0xD8, 0xD8),  # 24 folded corner
]
AVI_PALETTE = VGA + AVI_EXTRA
ST_DARK, ST_MID, ST_LIGHT, ST_TOP, ST_LINE, PAGE, PAGE_TEXT, DIGIT, FOLD = \
    range(16, 16 + len(AVI_EXTRA))


def data_store(cv):
    x0, x1 = 8, 44                       # left and right edges
    top, bottom, ry = 10, 40, 5          # ellipse centres and half height
    cx, rx = (x0 + x1 + 1) / 2, (x1 - x0 + 1) / 2
    region = cv.shape(lambda s: (s.rect(x0, top, x1, bottom, 1),
                                 s.ellipse(cx, top + 0.5, rx, ry, 1),
                                 s.ellipse(cx, bottom + 0.5, rx, ry, 1)))
    cv.outline(region, ST_LINE)
    # Body, shaded from left to right.
    for (x, y) in sorted(region):
        t = (x - x0) / (x1 - x0)
        if t < 0.15:
            c = ST_MID
        elif t < 0.45:
            c = ST_LIGHT
        elif t < 0.8:
            c = ST_MID
        else:
            c = ST_DARK
        cv.put(x, y, c)
    # Rings marking the stacked platters.
    for ring in (20, 30):
        ring_px = cv.shape(lambda s: s.ellipse(cx, ring + 0.5, rx, ry, 1))
        for (x, y) in sorted(ring_px):
            if (x, y + 1) not in ring_px and y > ring:
                cv.put(x, y, ST_LINE)
    # Top face.
    top_px = cv.shape(lambda s: s.ellipse(cx, top + 0.5, rx, ry, 1))
    cv.fill_set(top_px, ST_TOP)
    for (x, y) in sorted(top_px):
        if any(n not in top_px for n in ((x, y - 1), (x, y + 1))) and \
                y > top:
            cv.put(x, y, ST_LINE)


def page(cv):
    x0, y0, x1, y1, fold = 164, 5, 192, 44, 8
    outline = [(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1),
               (x0, y1)]
    region = cv.shape(lambda s: s.polygon(
        [(x0, y0), (x1 + 1 - fold, y0), (x1 + 1, y0 + fold),
         (x1 + 1, y1 + 1), (x0, y1 + 1)], 1))
    cv.fill_set(region, PAGE)
    for i in range(len(outline)):
        (ax, ay), (bx, by) = outline[i], outline[(i + 1) % len(outline)]
        cv.line(ax, ay, bx, by, BLACK)
    # Folded corner.
    fx = x1 - fold
    for k in range(fold + 1):
        cv.hline(fx, fx + k, y0 + k, FOLD)
    cv.line(fx, y0, fx, y0 + fold, BLACK)
    cv.line(fx, y0 + fold, x1, y0 + fold, BLACK)
    cv.line(fx, y0, x1, y0 + fold, BLACK)
    # Lines of text.
    lengths = [12, 18, 15, 18, 17, 10, 18, 14]
    for i, n in enumerate(lengths):
        y = y0 + 6 + i * 4
        if y + 1 >= y1:
            break
        start = x0 + 4
        width = n if i > 0 else min(n, fx - 3 - start)
        cv.hline(start, start + width, y, PAGE_TEXT)
        cv.hline(start, start + width, y + 1, PAGE_TEXT)


def arrow(cv, tip_x, y_mid, length):
    """Right-pointing arrow with its tip at column tip_x."""
    head = 9
    tail = tip_x - length
    cv.rect(tail, y_mid - 2, tip_x - head, y_mid + 2, DKGREEN)
    cv.polygon([(tip_x - head, y_mid - 6.5), (tip_x + 1, y_mid + 0.5),
                (tip_x - head, y_mid + 7.5)], DKGREEN)
    cv.hline(tail, tip_x - head, y_mid - 1, LIME)


def avi_frame(index):
    cv = Canvas(AVI_W, AVI_H, SILVER)
    data_store(cv)
    page(cv)
    bits = "0110100110010110"
    shift = index * 3
    text = (bits[shift:] + bits[:shift])[:11]
    draw_text(cv, 56, 9, text, DIGIT, scale=2, gap=1)
    arrow(cv, 146 + index * 8, 35, 88)
    return cv


def avi_file(frames):
    rows = []
    for cv in frames:
        data = bytearray()
        stride = (cv.width + 3) // 4 * 4
        for y in range(cv.height - 1, -1, -1):      # bottom-up rows
            row = bytes(cv.px[y]) + bytes(stride - cv.width)
            data += row
        rows.append(bytes(data))
    frame_size = len(rows[0])
    count = len(frames)
    rate = 5

    def chunk(fourcc, data):
        pad = b"\0" if len(data) % 2 else b""
        return fourcc + struct.pack("<I", len(data)) + data + pad

    def lst(kind, data):
        return chunk(b"LIST", kind + data)

    avih = struct.pack(
        "<IIIIIIIIII16x",
        1000000 // rate,          # dwMicroSecPerFrame
        frame_size * rate,        # dwMaxBytesPerSec
        0,                        # dwPaddingGranularity
        0x10,                     # dwFlags: AVIF_HASINDEX
        count,                    # dwTotalFrames
        0,                        # dwInitialFrames
        1,                        # dwStreams
        frame_size,               # dwSuggestedBufferSize
        AVI_W, AVI_H)
    strh = struct.pack(
        "<4s4sIHHIIIIIIIIhhhh",
        b"vids", b"DIB ",
        0,                        # dwFlags
        0, 0,                     # wPriority, wLanguage
        0,                        # dwInitialFrames
        1, rate,                  # dwScale, dwRate
        0,                        # dwStart
        count,                    # dwLength
        frame_size,               # dwSuggestedBufferSize
        0xFFFFFFFF,               # dwQuality: default
        0,                        # dwSampleSize
        0, 0, AVI_W, AVI_H)       # rcFrame
    strf = struct.pack("<IiiHHIIiiII", 40, AVI_W, AVI_H, 1, 8, 0,
                       frame_size, 0, 0, 256, 0) + rgbquads(AVI_PALETTE, 256)
    hdrl = lst(b"hdrl", chunk(b"avih", avih) +
               lst(b"strl", chunk(b"strh", strh) + chunk(b"strf", strf)))

    movi_body = bytearray()
    index = bytearray()
    for data in rows:
        offset = 4 + len(movi_body)   # from the 'movi' fourcc
        movi_body += chunk(b"00db", data)
        index += struct.pack("<4sIII", b"00db", 0x10, offset, len(data))
    movi = lst(b"movi", bytes(movi_body))
    body = b"AVI " + hdrl + movi + chunk(b"idx1", bytes(index))
    return b"RIFF" + struct.pack("<I", len(body)) + body


# ---------------------------------------------------------------------------

def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    res = os.path.join(root, "res")
    os.makedirs(res, exist_ok=True)
    outputs = {
        "kestrup.ico": ico_file([kestrup32(), kestrup16()]),
        "update.ico": ico_file([update32(), update16()]),
        "update.avi": avi_file([avi_frame(0), avi_frame(1)]),
    }
    for name, data in outputs.items():
        with open(os.path.join(res, name), "wb") as f:
            f.write(data)
        print("wrote res/%s (%d bytes)" % (name, len(data)))


if __name__ == "__main__":
    main()
