"""The picture of the screens as a browser gets it: parsed by a real XML parser, drawn by librsvg
and read back pixel by pixel at places the hardware's rule gives, worked out by hand below.

    screen_picture_test.py PROGRAM RSVG_CONVERT IMAGEMAGICK_CONVERT SCRATCH_PREFIX
"""
import struct
import subprocess
import sys
import xml.etree.ElementTree as ET

PROGRAM, RSVG, CONVERT, SCRATCH = sys.argv[1:5]
SCALE = 4
SVG = '{http://www.w3.org/2000/svg}'
HIDDEN = (0x0200, 0, 0)

def entry(x, y, shape, size, priority=0, mode=0, group=None, double=0):
    affine = group is not None
    attr0 = y | affine << 8 | double << 9 | mode << 10 | shape << 14
    return (attr0, x | (group or 0) << 9 | size << 14, priority << 10)

# engine, index, attributes, pieces as (left, top, width, height) in screen pixels, look
ENTRIES = [
    ('A', 0, entry(16, 16, 0, 2), [(16, 16, 32, 32)], 'plain'),
    ('A', 1, entry(64, 248, 0, 1, 1), [(64, 0, 16, 8)], 'plain'),              # from y=-8
    ('A', 2, entry(500, 40, 1, 2, 2), [(0, 40, 20, 16)], 'plain'),             # from x=-12
    ('A', 3, entry(100, 150, 0, 3, 3, group=5, double=1),                       # 128 x 128
     [(100, 0, 128, 22), (100, 150, 128, 42)], 'plain'),
    ('A', 4, entry(504, 252, 0, 1), [(0, 0, 8, 12)], 'plain'),                 # both wrap
    ('A', 5, entry(240, 180, 0, 2, 1), [(240, 180, 16, 12)], 'plain'),
    ('A', 6, entry(180, 60, 0, 1, 0, mode=1), [(180, 60, 16, 16)], 'semi'),
    ('A', 7, entry(210, 60, 0, 1, 0, mode=2), [(210, 60, 16, 16)], 'window'),
    ('A', 8, (0x0200 | 100, 20 | 2 << 14, 0), [], None),                       # hidden
    ('A', 9, (0xC000 | 100, 60, 0), [], None),                                 # prohibited
    ('A', 10, entry(300, 10, 0, 0), [], None),                                 # x=-212
    ('A', 11, entry(150, 192, 0, 3), [], None),                                # rows 192-255
    ('B', 0, entry(0, 0, 0, 3, 3), [(0, 0, 64, 64)], 'plain'),
    ('B', 1, entry(255, 191, 0, 1, 2, group=0), [(255, 191, 1, 1)], 'plain'),
]
LISTS = {'Hidden: 8, 12-127', 'Prohibited shape: 9', 'Off screen: 10-11', 'Hidden: 2-127'}
WRONG_PLACES = {('A', 8): (30, 110), ('A', 9): (65, 105)}  # where the unshown would be

def write_dump(path, engines):
    table = {(engine, index): attributes for engine, index, attributes, _, _ in ENTRIES}
    with open(path, 'wb') as dump:
        for engine in 'AB'[:engines]:
            for index in range(128):
                dump.write(struct.pack('<4H', *table.get((engine, index), HIDDEN), 0))

def draw(engines):
    write_dump(SCRATCH + '.bin', engines)
    subprocess.run([PROGRAM, 'screen', '--scale', str(SCALE), SCRATCH + '.bin', '-o',
                    SCRATCH + '.svg'], check=True)
    return ET.parse(SCRATCH + '.svg').getroot()

def pixels(root):
    subprocess.run([RSVG, SCRATCH + '.svg', '-o', SCRATCH + '.png'], check=True)
    raw = subprocess.run([CONVERT, SCRATCH + '.png', '-depth', '8', 'rgb:-'], check=True,
                         capture_output=True).stdout
    width = int(root.get('width'))
    assert len(raw) == width * int(root.get('height')) * 3, 'the picture is not its stated size'
    return lambda x, y: tuple(raw[(y * width + x) * 3:(y * width + x) * 3 + 3])

def shown(element):  # the text a browser draws: a title is a tooltip, not drawn
    return (element.text or '') + ''.join(
        (shown(child) if child.tag != SVG + 'title' else '') + (child.tail or '')
        for child in element)

def by_id(root, id):
    return next((e for e in root.iter() if e.get('id') == id), None)

def centre(root, id):
    rect = by_id(root, id).find(SVG + 'rect')
    return (int(rect.get('x')) + int(rect.get('width')) // 2,
            int(rect.get('y')) + int(rect.get('height')) // 2)

failures = []
def check(ok, what):
    if not ok:
        failures.append(what)

root = draw(2)
check(root.tag == SVG + 'svg', 'the root is not SVG')
texts = [shown(t) for t in root.iter(SVG + 'text')]
check(LISTS <= set(texts), f'lists under the screens: {texts}')
pixel = pixels(root)
swatch = {look: pixel(*centre(root, id)) for look, id in
          [(p, f'legend-priority-{p}') for p in range(4)] + [('window', 'legend-obj-window')]}
white = (255, 255, 255)
origin = {e: (int(by_id(root, 'screen-' + e).get('x')), int(by_id(root, 'screen-' + e).get('y')))
          for e in 'AB'}

def at(engine, x, y):  # screen pixel (x, y)'s output pixel, clear of strokes and labels
    return pixel(origin[engine][0] + x * SCALE + 1, origin[engine][1] + y * SCALE + SCALE - 2)

for engine, index, attributes, pieces, look in ENTRIES:
    group = by_id(root, f'entry-{engine}{index}')
    check((group is not None) == bool(pieces), f'{engine}{index} drawn: {group is not None}')
    for left, top, width, height in pieces:
        name = f'{engine}{index} piece at {left},{top}'
        for x, y in [(left, top), (left + width - 1, top + height - 1)]:
            got = at(engine, x, y)
            if look == 'semi':
                plain = swatch[attributes[2] >> 10]
                check(got != white and all(g >= p for g, p in zip(got, plain)), f'{name}: {got}')
            else:
                want = swatch[look if look == 'window' else attributes[2] >> 10]
                check(max(abs(g - w) for g, w in zip(got, want)) <= 2, f'{name}: {got} not {want}')
        for x, y in [(left - 2, top + 1), (left + width + 1, top + 1), (left + 1, top - 2),
                     (left + 1, top + height + 1)]:
            inside = any(l - 1 <= x <= l + w and t - 1 <= y <= t + h for e, _, _, ps, _ in
                         ENTRIES if e == engine for l, t, w, h in ps)
            if 0 <= x < 256 and 0 <= y < 192 and not inside:
                check(at(engine, x, y) == white, f'{name}: ({x},{y}) outside is not blank')
for (engine, index), (x, y) in WRONG_PLACES.items():
    check(at(engine, x, y) == white, f'{engine}{index} is drawn')
check(sum(t == '3 g5' for t in texts) == 2, 'the wrapped double-size box is not labelled twice')

check(by_id(draw(1), 'screen-B') is None, 'a dump of engine A alone draws engine B')
print('\n'.join(failures) or 'the picture is as the hardware shows it')
sys.exit(1 if failures else 0)
