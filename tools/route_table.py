#!/usr/bin/env python3
"""Writes the route table of course/holes/computer_routes.cpp (between "// TABLE" and
"// END TABLE") from the holes' plans and the hard lines that computer_lab.py convert
found (its printed output, one file or more; later files win per hole).

Zones follow each green's centre line (content/course/plans), one box per stretch,
each aimed a little past the stretch's end; the box that holds a rest of the hard
line aims at that line's next target instead; a box round the cup aims at the cup.
Holes in HAND (laid with computer_lab.py plan, search and trace) keep the rows the
table holds for them, whatever the plans and the lines say.

  route_table.py convert_output.txt [more.txt ...]
"""
import math, os, re, sys
ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, ROOT + '/tools')
import computer_lab as c
table = c.hole_table()
SLOTS = {2:"{kMainSlot, kGateRouteSlot}",3:"range({kMainSlot}, 5, 6)",4:"range({}, 5, 11)",5:"range({kMainSlot}, 5, 6)",
6:"range({kMainSlot, kGateBoxSlot, kGateRouteSlot}, 5, 6)",7:"range({kMainSlot}, 5, 6)",8:"range({kMainSlot, kHomeSlot}, 5, 6)",
10:"range({kMainSlot}, 5, 9)",11:"range({kMainSlot}, 5, 13)",12:"range({kMainSlot}, 5, 11)",15:"range({}, 5, 13)",16:"range({}, 5, 12)",
17:"range({kMainSlot}, 5, 14)",18:"range({}, 5, 11)"}
ZONES = {2:0,3:2,4:7,5:2,6:2,7:2,8:2,10:5,11:9,12:7,15:9,16:8,17:10,18:7}
NOMAIN = {4,15,16,18}
ORDER = [2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18]

def f(v):
    t = f"{v:.2f}".rstrip('0').rstrip('.')
    if t in ("-0", ""): t = "0"
    return t if '.' not in t else t + "f"

def at(x, z, r=0):
    return f"at({f(x)}, {f(z)}{', ' + str(r) if r else ''})"

def parse(path):
    out = {}
    hole = None
    for line in open(path):
        m = re.match(r"== hole (\d+)", line)
        if m: hole = int(m.group(1)); out[hole] = []; continue
        m = re.match(r"stroke \d+: target \(([-\d.]+), ([-\d.]+)\)(?: -> \(([-\d.]+), ([-\d.]+), ([-\d.]+)\))?", line)
        if m and hole:
            t = (float(m.group(1)), float(m.group(2)))
            b = (float(m.group(3)), float(m.group(5))) if m.group(3) else None
            out[hole].append((t, b))
    return out

TEE = (-2.6, 2.6, -3.0, 3.5)  # x0, x1, z0, z1

def plan_paths(h):
    text = open(f"{ROOT}/content/course/plans/hole_{h:02d}.cpp").read()
    consts = {}
    for m in re.finditer(r"constexpr float ([^;]+);", text):
        for part in m.group(1).split(","):
            name, _, e = part.partition("=")
            try:
                consts[name.strip()] = eval(re.sub(r"(\d)f\b", r"\1", e), {}, dict(consts))
            except Exception:
                pass
    def val(e):
        e = re.sub(r"(\d)f\b", r"\1", e.strip())
        return float(eval(e, {}, consts))
    paths = []
    for block in re.finditer(r"\.path = \{(.*?)\n\s*\},", text, re.S):
        pts = []
        for m in re.finditer(r"\{\.at = \{([^,]+),([^}]+)\}, \.width = ([^,}]+)", block.group(1)):
            try:
                pts.append((val(m.group(1)), val(m.group(2)), val(m.group(3))))
            except Exception:
                pass
        if len(pts) >= 2:
            paths.append(pts)
    return paths

def area(b): return max(0, b[1]-b[0]) * max(0, b[3]-b[2])

def overlap(a, b): return a[0] < b[1] and b[0] < a[1] and a[2] < b[3] and b[2] < a[3]

def cut(a, b):
    """a without b, cut along one side; None when b holds a."""
    opts = []
    if b[1] >= a[1]: opts.append((a[0], min(a[1], b[0]), a[2], a[3]))
    if b[0] <= a[0]: opts.append((max(a[0], b[1]), a[1], a[2], a[3]))
    if b[3] >= a[3]: opts.append((a[0], a[1], a[2], min(a[3], b[2])))
    if b[2] <= a[2]: opts.append((a[0], a[1], max(a[2], b[3]), a[3]))
    if not opts: return a
    return max(opts, key=area)

def inside(p, b): return b[0] < p[0] < b[1] and b[2] < p[1] < b[3]

def zones_for(h, budget):
    segs = []
    for path in plan_paths(h):
        for (x1, z1, w1), (x2, z2, w2) in zip(path, path[1:]):
            hw = max(w1, w2) / 2 + 0.3
            ahead = (x2 + (x2 - x1) * 0.25, z2 + (z2 - z1) * 0.25)  # a little past the segment's end
            segs.append([(min(x1, x2) - hw, max(x1, x2) + hw, min(z1, z2) - hw, max(z1, z2) + hw), ahead,
                         math.hypot(x2 - x1, z2 - z1)])
    # drop the segment that only runs back behind the tee
    segs = [s for s in segs if not (s[0][3] <= TEE[3] + 1.5 and s[0][2] >= TEE[2] - 4)]
    while len(segs) > budget:
        i = min(range(len(segs) - 1), key=lambda k: segs[k][2] + segs[k + 1][2])
        a, b = segs[i], segs[i + 1]
        box = (min(a[0][0], b[0][0]), max(a[0][1], b[0][1]), min(a[0][2], b[0][2]), max(a[0][3], b[0][3]))
        segs[i:i + 2] = [[box, b[1], a[2] + b[2]]]
    boxes = [s[0] for s in segs]
    for i in range(len(boxes)):
        for j in range(i + 1, len(boxes)):
            if overlap(boxes[i], boxes[j]):
                boxes[i] = cut(boxes[i], boxes[j])
        if overlap(boxes[i], TEE):  # the tee is the main route's (or zone 1's); the fairway starts ahead of it
            b = boxes[i]
            boxes[i] = (b[0], b[1], TEE[3], b[3])
    out = []
    for box, s in zip(boxes, segs):
        if area(box) > 0.5 and box[3] > TEE[3] + 0.5:
            out.append([box, s[1]])
    return out

def route(t, cupw): return f"to({at(*t)}, {cupw})"

def hole_entry(h, seq):
    par, cup3 = table[h]
    cup = (cup3[0], cup3[2]); cupw = at(*cup)
    nomain = h in NOMAIN
    budget = ZONES[h] - (1 if nomain else 0)
    zones = zones_for(h, budget) if budget > 2 else []
    for z in zones:
        if inside(cup, z[0]): z[1] = cup
    first = seq[0][0] if seq else cup
    rests = [b for (_, b) in seq[:-1] if b] if seq else []
    nexts = [t for (t, _) in seq[1:]] if seq else []
    done = set()
    for b, t in zip(rests, nexts):
        for k, z in enumerate(zones):
            if inside(b, z[0]) and k not in done:
                z[1] = t; done.add(k); break
        else:
            if len(zones) < budget and not any(inside(b, z[0]) for z in zones):
                hs = 1.5 if budget > 2 else 3.0
                box = (b[0] - hs, b[0] + hs, b[1] - hs, b[1] + hs)
                for z in zones:
                    if overlap(box, z[0]): box = cut(box, z[0])
                if area(box) > 0.5 and inside(b, box):
                    zones.append([box, t]); done.add(len(zones) - 1)
    if seq and len(zones) < budget and not any(inside(cup, z[0]) for z in zones):
        box = (cup[0] - 4, cup[0] + 4, cup[1] - 4, cup[1] + 4)
        for z in zones:
            if overlap(box, z[0]): box = cut(box, z[0])
        if area(box) > 0.5 and inside(cup, box):
            zones.append([box, cup])
    rows = []
    n = 1
    if nomain:
        rows.append(f"{{1, {f(TEE[1])}, {f(TEE[0])}, {f(TEE[3])}, {f(TEE[2])}, {{}}}}")
        n = 2
    for box, t in zones:
        rows.append(f"{{{n}, {f(box[1])}, {f(box[0])}, {f(box[3])}, {f(box[2])}, {route(t, cupw)}}}")
        n += 1
    lines = [f"    withLine(HoleRoutes{{.hole = {h},", f"                        .slots = {SLOTS[h]},"]
    if rows:
        lines.append("                        .zones = {" + ",\n                                  ".join(rows) + "},")
    if h in (2, 5, 6):
        lines.append("                        .gatesAway = true,")
    body = "\n".join(lines).rstrip(",")
    return body + f"}},\n             {at(*first)}, {cupw}),"

# Holes laid by hand (zone, box x max, x min, z max, z min, route), from computer_lab.py plan and trace.
# Holes laid by hand (computer_lab.py plan, search and trace): their rows are kept as they stand in
# the table.
HAND = {3, 4, 6, 8, 9, 11, 13, 14, 16, 18}


def entry_starts(line, previous):
    """Whether a table line opens a hole's entry: its comment, or its row where none precedes it."""
    if line.startswith("    // Hole "):
        return True
    return line.startswith(("    withLine(", "    {.hole", "};")) and not previous.startswith("    //")


def hand_rows(table):
    """The entries of the holes in HAND, as the table holds them (comment and row)."""
    rows, hole, lines, previous = {}, None, [], ""
    for line in table.split("\n"):
        if entry_starts(line, previous):
            if hole in HAND:
                rows[hole] = "\n".join(lines)
            m = re.match(r"    // Hole (\d+):", line)
            hole, lines = (int(m.group(1)) if m else None), []
        lines.append(line)
        previous = line
    if hole in HAND:
        rows[hole] = "\n".join(lines)
    return rows

# Hand changes after the boxes are drawn: hole 12's first hairpin split in two, its inner half
# aimed down the second leg, and the foot of that leg (cut away by the boxes above) put back.
EDITS = [
    ("{3, 10.05f, -2.55f, 27.55f, 18.4f, to(at(15.8f, 24.39f), at(18.99f, 7.26f))},",
     "{3, 4.95f, -2.55f, 27.55f, 18.4f, to(at(15.8f, 24.39f), at(18.99f, 7.26f))},\n"
     "                                  {6, 10.05f, 4.95f, 27.55f, 18.4f, to(at(5.57f, -10.61f), at(18.99f, 7.26f))},\n"
     "                                  {7, 16.2f, 4.95f, 1.55f, -11.55f, to(at(21.9f, -9), at(18.99f, 7.26f))},"),
]


def generate(seqs, hand):
    out = ["// Hole by hole: the set-up operations, the zones (zone, box x max, x min, z max, z min,",
           "// and the route it installs: the boxes follow the green's centre line, each aimed on",
           "// down the hole) and the hard line from the tee with the cup.",
           "const HoleRoutes kHoleRoutes[] = {",
           "    {.hole = 1,",
           "     .slots = {kMainSlot},",
           "     .easy = {to(at(-1.6f, 25.7f, 3), at(0.24f, 26.7f, 0, 0.76f)), to(at(0, 16.1f, 3), at(0.24f, 26.7f, 0, 0.76f)),",
           "              to(at(0, 16.1f, 3), at(0.24f, 26.7f, 0, 0.76f)), to(at(1.6f, 25.7f, 3), at(0.24f, 26.7f, 0, 0.76f))},",
           "     .medium = {to(at(0, 16.1f, 3), at(0, 26.7f, 0, 0.76f)), to(at(0, 16.1f, 3), at(0, 26.7f, 0, 0.76f)),",
           "                to(at(0, 26.7f, 3), at(0, 26.7f, 0, 0.76f)), to(at(0, 26.7f, 3), at(0, 26.7f, 0, 0.76f))},",
           "     .hard = to(at(0, 26.7f, 3), at(0, 26.7f, 0, 0.76f)),",
           "     .gatesAway = true},"]
    for h in ORDER:
        if h in HAND:
            out.append(hand[h]); continue
        out.append(hole_entry(h, seqs.get(h, [])))
    out.append("};")
    text = "\n".join(out) + "\n"
    for old, new in EDITS:
        text = text.replace(old, new)
    return text

seqs = {}
for path in sys.argv[1:]:
    for h, v in parse(path).items():
        if v: seqs[h] = v
p = ROOT + '/course/holes/computer_routes.cpp'
s = open(p).read()
a = s.index('// TABLE\n') + len('// TABLE\n')
b = s.index('// END TABLE\n')
hand = hand_rows(s[a:b])
missing = HAND - set(hand)
if missing: sys.exit(f"no hand-laid rows in the table for holes {sorted(missing)}")
s = s[:a] + generate(seqs, hand) + s[b:]
open(p, 'w').write(s)
print({h: len(v) for h, v in seqs.items()})
