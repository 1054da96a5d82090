# Usage: python3 scripts/make_toolbar_icons.py resources/icons/toolbar
# Draws the toolbar's fallback icons (flat, 24 and 48 px PNG) with no library
# beyond the standard one: shapes on a 4x canvas, averaged down.
import math, struct, sys, zlib

S = 96  # canvas size; icons are 24 (4x down) and 48 (2x down)

class Canvas:
    def __init__(self):
        self.px = [[(0, 0, 0, 0)] * S for _ in range(S)]
    def put(self, x, y, c):
        if 0 <= x < S and 0 <= y < S:
            a = c[3] / 255
            r, g, b, da = self.px[y][x]
            oa = a + da / 255 * (1 - a)
            if oa == 0: return
            mix = lambda s, d: int((s * a + d * da / 255 * (1 - a)) / oa)
            self.px[y][x] = (mix(c[0], r), mix(c[1], g), mix(c[2], b), int(oa * 255))
    def shape(self, inside, c, box=(0, 0, S, S)):
        x0, y0, x1, y1 = [int(v) for v in box]
        for y in range(max(0, y0), min(S, y1 + 1)):
            for x in range(max(0, x0), min(S, x1 + 1)):
                if inside(x + 0.5, y + 0.5): self.put(x, y, c)
    def rect(self, x0, y0, x1, y1, c, r=0):
        def inside(x, y):
            if not (x0 <= x <= x1 and y0 <= y <= y1): return False
            cx = min(max(x, x0 + r), x1 - r); cy = min(max(y, y0 + r), y1 - r)
            return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
        self.shape(inside, c, (x0, y0, x1, y1))
    def circle(self, cx, cy, rad, c, inner=0):
        self.shape(lambda x, y: inner ** 2 <= (x - cx) ** 2 + (y - cy) ** 2 <= rad * rad, c,
                   (cx - rad, cy - rad, cx + rad, cy + rad))
    def line(self, ax, ay, bx, by, w, c):
        def inside(x, y):
            dx, dy = bx - ax, by - ay
            t = max(0, min(1, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
            return (x - ax - t * dx) ** 2 + (y - ay - t * dy) ** 2 <= (w / 2) ** 2
        self.shape(inside, c, (min(ax, bx) - w, min(ay, by) - w, max(ax, bx) + w, max(ay, by) + w))
    def poly(self, pts, c):
        def inside(x, y):
            n, hit = len(pts), False
            for i in range(n):
                (x1, y1), (x2, y2) = pts[i], pts[(i + 1) % n]
                if (y1 > y) != (y2 > y) and x < (x2 - x1) * (y - y1) / (y2 - y1) + x1: hit = not hit
            return hit
        xs = [p[0] for p in pts]; ys = [p[1] for p in pts]
        self.shape(inside, c, (min(xs), min(ys), max(xs), max(ys)))
    def arc(self, cx, cy, rad, w, a0, a1, c):
        def inside(x, y):
            d = math.hypot(x - cx, y - cy)
            if abs(d - rad) > w / 2: return False
            a = math.degrees(math.atan2(cy - y, x - cx)) % 360
            return (a0 <= a <= a1) if a0 <= a1 else (a >= a0 or a <= a1)
        self.shape(inside, c, (cx - rad - w, cy - rad - w, cx + rad + w, cy + rad + w))
    def png(self, size, path):
        f = S // size
        rows = []
        for y in range(size):
            row = b"\0"
            for x in range(size):
                acc = [0, 0, 0, 0]
                for yy in range(y * f, y * f + f):
                    for xx in range(x * f, x * f + f):
                        r, g, b, a = self.px[yy][xx]
                        acc[0] += r * a; acc[1] += g * a; acc[2] += b * a; acc[3] += a
                a = acc[3]
                rgb = [int(v / a) if a else 0 for v in acc[:3]]
                row += bytes(rgb + [a // (f * f)])
            rows.append(row)
        chunk = lambda t, d: struct.pack(">I", len(d)) + t + d + struct.pack(">I", zlib.crc32(t + d) & 0xffffffff)
        data = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
        data += chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b"")
        open(path, "wb").write(data)

INK = (60, 64, 72, 255); PAPER = (250, 250, 250, 255); BLUE = (40, 110, 200, 255)
GREEN = (50, 150, 70, 255); AMBER = (230, 160, 40, 255); GREY = (130, 135, 145, 255); RED = (200, 60, 50, 255)

def page(c, x0=22, y0=10, x1=74, y1=86, fold=16):
    c.poly([(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)], INK)
    c.poly([(x0 + 4, y0 + 4), (x1 - fold - 2, y0 + 4), (x1 - 4, y0 + fold + 2), (x1 - 4, y1 - 4), (x0 + 4, y1 - 4)], PAPER)
    c.poly([(x1 - fold, y0), (x1, y0 + fold), (x1 - fold, y0 + fold)], INK)

def lines(c, x0, x1, ys):
    for y in ys: c.rect(x0, y, x1, y + 3, GREY)

def icon_new(c):
    page(c); lines(c, 32, 62, [44, 54, 64])
    c.circle(72, 72, 17, GREEN); c.rect(70, 62, 74, 82, PAPER); c.rect(62, 70, 82, 74, PAPER)
def icon_open(c):
    c.poly([(8, 24), (34, 24), (40, 32), (84, 32), (84, 82), (8, 82)], (190, 125, 25, 255))
    c.poly([(18, 44), (92, 44), (80, 82), (8, 82)], AMBER)
def icon_save(c):
    c.rect(12, 12, 84, 84, BLUE, 6); c.rect(26, 12, 68, 38, PAPER); c.rect(54, 16, 62, 34, BLUE)
    c.rect(22, 52, 74, 84, PAPER); lines(c, 30, 66, [60, 70])
def icon_print(c):
    c.rect(26, 8, 70, 40, PAPER); c.rect(26, 8, 70, 11, INK)
    c.rect(8, 34, 88, 72, GREY, 8); c.rect(24, 58, 72, 90, PAPER); c.rect(24, 58, 72, 61, INK)
    lines(c, 32, 64, [68, 77]); c.circle(76, 46, 4, GREEN)
def icon_cut(c):
    c.line(30, 10, 62, 62, 7, INK); c.line(66, 10, 34, 62, 7, INK)
    c.circle(28, 72, 15, RED, 8); c.circle(68, 72, 15, RED, 8)
def icon_copy(c):
    page(c, 10, 6, 58, 70, 12); page(c, 38, 26, 86, 90, 12); lines(c, 48, 74, [50, 60, 70])
def icon_paste(c):
    c.rect(14, 14, 72, 90, (150, 100, 50, 255), 6); c.rect(30, 8, 56, 22, GREY, 4)
    page(c, 40, 32, 88, 92, 12); lines(c, 50, 76, [54, 64, 74])
def icon_insert(c):
    page(c, 12, 8, 64, 88); lines(c, 22, 52, [40, 50, 60])
    c.rect(58, 38, 66, 82, BLUE); c.rect(42, 56, 82, 64, BLUE)
def icon_update(c):
    c.arc(48, 48, 30, 11, 20, 290, GREEN)
    c.poly([(70, 8), (86, 40), (54, 38)], GREEN)
def icon_check(c):
    page(c); lines(c, 32, 62, [30, 40])
    c.line(34, 60, 46, 74, 10, GREEN); c.line(46, 74, 84, 36, 10, GREEN)
def icon_run(c):
    c.circle(48, 48, 42, GREEN); c.poly([(38, 26), (72, 48), (38, 70)], PAPER)
def icon_help(c):
    c.circle(48, 48, 42, BLUE)
    c.arc(48, 38, 14, 10, 330, 200, PAPER)   # the hook of the question mark
    c.line(58, 48, 48, 56, 10, PAPER); c.line(48, 56, 48, 62, 10, PAPER)
    c.circle(48, 76, 6, PAPER)

ICONS = {"document-new": icon_new, "document-open": icon_open, "document-save": icon_save,
         "document-print": icon_print, "edit-cut": icon_cut, "edit-copy": icon_copy, "edit-paste": icon_paste,
         "insert-text": icon_insert, "view-refresh": icon_update, "tools-check-spelling": icon_check,
         "media-playback-start": icon_run, "help-contents": icon_help}

out = sys.argv[1]
for name, draw in ICONS.items():
    c = Canvas(); draw(c)
    c.png(24, f"{out}/{name}-24.png"); c.png(48, f"{out}/{name}-48.png")

