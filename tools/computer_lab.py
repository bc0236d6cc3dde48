#!/usr/bin/env python3
"""Plays holes with computer opponents only, for tuning their routes
(course/holes/computer_routes.cpp). Player 1 gives up each hole at once
(ESCAPE, then F in the quit dialog).

  computer_lab.py eval 1-8,10 --kinds=easy,medium,hard --seeds=1:5
        every hole with the three seats, each seed; strokes per seat, then
        the average per hole and difficulty
  computer_lab.py trace HOLE --kinds=hard --seed=1
        every stroke: the player, the target it putted at and where the ball rests
  computer_lab.py search HOLE "X,Z X,Z" --xs=A:B:S --zs=A:B:S
        one computer seat without routes putts at the given targets in turn,
        then at every (x, z) of the grid; lists the best rests
  computer_lab.py plan HOLE "X,Z X,Z"
        for each wanted rest point in turn (then the cup), the target that ends nearest
  computer_lab.py convert HOLE "R2,90 R76,14" --rests="X,Z" --scales=0.9,1,1.1 --turns=-2,0,2
        the reference strokes (as tools/stroke_lab.py writes them) turned into targets,
        each refined over the scales and turns towards the wanted rest (then the cup)
  computer_lab.py lines 1-18 --spots=1,-1 [--apply]
        the hard line from each tee spot: the strokes of a hard seat teeing off there
        (the other seats give up) with the line as the table has it, then with the
        line turned and stretched about the spot (--turns-deg, --stretch); prints the
        best per hole and spot as rows for the table of lines from the other spots
  options: --bin DIR (default build/game/Bin), --jobs N
"""
import argparse, concurrent.futures, json, os, re, subprocess, tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
INTO_PLAY = ["frames 5", "key RETURN down", "frames 2", "key RETURN up", "wait introDone 1 600", "frames 2"]
GIVE_UP = ["key ESCAPE down", "frames 1", "key ESCAPE up", "frames 2", "key F down", "frames 1", "key F up", "frames 2"]


def hole_table():
    text = open(os.path.join(ROOT, "course/holes/hole_table.cpp")).read()
    rows = {}
    for m in re.finditer(r"\{(-?\d+), (\d), \"[^\"]+\", \"[^\"]+\", \{([^}]*)\}", text):
        rows[int(m.group(1))] = (int(m.group(2)), [float(v.strip().rstrip("f")) for v in m.group(3).split(",")])
    return rows


def run_script(bin_dir, lines):
    with tempfile.TemporaryDirectory() as tmp:
        script, dump = os.path.join(tmp, "s.txt"), os.path.join(tmp, "d.jsonl")
        open(script, "w").write("\n".join(lines) + "\nquit\n")
        env = dict(os.environ, ALSOFT_DRIVERS="null")
        r = subprocess.run(["./tallowick", "--replay", script, "--dump", dump, "--null-video"], cwd=bin_dir,
                           env=env, capture_output=True, text=True)
        dumps = [json.loads(line) for line in open(dump)] if os.path.exists(dump) else []
        return r.returncode, dumps


def hole_script(hole, kinds, seed, trace_every=0, max_frames=40000):
    lines = [f"seed {seed}", f"hole {hole} {len(kinds) + 1} {' '.join(kinds)}"] + INTO_PLAY + GIVE_UP
    if trace_every:
        lines += [f"frames {trace_every}\ndump"] * (max_frames // trace_every)
    else:
        lines += [f"wait scorecardShowing 1 {max_frames}", "dump"]
    return lines


def strokes_of(dump, seats):
    return [int(dump["holeStrokes"][p - 1]) for p in range(2, seats + 2)]


def parse_range(text):
    if ":" in text:
        a, b, *s = (int(v) for v in text.split(":"))
        return list(range(a, b + 1, s[0] if s else 1))
    out = []
    for part in text.split(","):
        a, _, b = part.partition("-")
        out += list(range(int(a), int(b or a) + 1))
    return out


def frange(text):
    a, b, s = (float(v) for v in text.split(":"))
    n = int(round((b - a) / s))
    return [round(a + i * s, 3) for i in range(n + 1)]


def evaluate(a):
    kinds = a.kinds.split(",")
    table = hole_table()
    jobs = [(h, seed) for h in parse_range(a.holes) for seed in parse_range(a.seeds)]
    results = {}
    with concurrent.futures.ThreadPoolExecutor(a.jobs) as pool:
        futures = {pool.submit(run_script, a.bin, hole_script(h, kinds, seed)): (h, seed) for h, seed in jobs}
        for f in concurrent.futures.as_completed(futures):
            status, dumps = f.result()
            results[futures[f]] = strokes_of(dumps[-1], len(kinds)) if status == 0 and dumps else None
    per_kind = {}
    for h, seed in sorted(results):
        par = table[h][0]
        got = results[(h, seed)]
        print(f"hole {h:2} par {par} seed {seed}: {got if got else 'STUCK'}")
        for kind, n in zip(kinds, got or [None] * len(kinds)):
            per_kind.setdefault((h, kind), []).append(n)
    print("\nhole par " + " ".join(f"{k:>8}" for k in dict.fromkeys(kinds)))
    for h in parse_range(a.holes):
        cells = []
        for kind in dict.fromkeys(kinds):
            v = per_kind.get((h, kind), [])
            cells.append(f"{sum(v) / len(v):8.2f}" if v and None not in v else f"{'stuck':>8}")
        print(f"{h:4} {table[h][0]:3} " + " ".join(cells))


def trace(a):
    kinds = a.kinds.split(",")
    status, dumps = run_script(a.bin, hole_script(a.hole, kinds, a.seed, trace_every=10))
    last = [0] * 5
    shots = []
    for d in dumps:
        strokes = d["holeStrokes"]
        for p in range(2, len(kinds) + 2):
            if strokes[p - 1] != last[p]:
                shots.append((p, strokes[p - 1], d["computerTarget"][p - 2], d["ball"][p - 1][:]))
                last[p] = strokes[p - 1]
        if d.get("scorecardShowing") == 1:
            break
    # Where each ball came to rest: its position at its next stroke, or at the end.
    final = dumps[-1] if dumps else None
    for i, (p, n, target, start) in enumerate(shots):
        nxt = next((s for s in shots[i + 1:] if s[0] == p), None)
        rest = nxt[3] if nxt else (final["ball"][p - 1] if final else None)
        t = f"({target[0]:.1f}, {target[1]:.1f})" if target else "-"
        print(f"p{p} stroke {n}: from ({start[0]:.2f}, {start[1]:.2f}, {start[2]:.2f}) at {t} "
              f"-> ({rest[0]:.2f}, {rest[1]:.2f}, {rest[2]:.2f})")
    if final:
        print("strokes", final["holeStrokes"], "holed", final["holedOut"], "scorecard", final.get("scorecardShowing"))


SEAT = 4  # the seat the hard computer plays from in the tests; each seat has its own spot on the tee
TEE = (-1.5, 0.0)


def search_script(hole, targets):
    # Players 1 to 3 give up in turn; seat 4, a computer without routes, putts at the targets.
    lines = [f"hole {hole} 4 human human computer"] + INTO_PLAY + (GIVE_UP + ["frames 3"]) * 3
    for x, z in targets:
        lines += [f"target {SEAT} {x} {z}", "wait swingActive 1 2000", "wait powerBand 0 6000", "frames 90", "dump"]
    return lines


def search(a):
    table = hole_table()
    cup = table[a.hole][1]
    prefix = [tuple(float(v) for v in w.split(",")) for w in a.targets.split()]
    trials = [(x, z) for x in frange(a.xs) for z in frange(a.zs)]
    if not trials:
        trials = [None]
    results = []
    with concurrent.futures.ThreadPoolExecutor(a.jobs) as pool:
        futures = {pool.submit(run_script, a.bin, search_script(a.hole, prefix + ([t] if t else []))): t
                   for t in trials}
        for f in concurrent.futures.as_completed(futures):
            _, dumps = f.result()
            rests = [(d["ball"][SEAT - 1], d["holeStrokes"][SEAT - 1], d["holedOut"][SEAT - 1]) for d in dumps]
            if not rests:
                continue
            ball, n, holed = rests[-1]
            d = 0 if holed else ((ball[0] - cup[0]) ** 2 + (ball[2] - cup[2]) ** 2) ** 0.5
            results.append((d, futures[f], rests))
    results.sort(key=lambda r: r[0])
    for d, t, rests in results[:a.top]:
        path = " ".join(f"({b[0]:.1f},{b[1]:.1f},{b[2]:.1f})s{n}{'H' if h else ''}" for b, n, h in rests)
        print(f"{t}: to cup {d:.2f}  {path}")


def rests_for(bin_dir, hole, targets):
    _, dumps = run_script(bin_dir, search_script(hole, targets))
    return [(d["ball"][SEAT - 1], d["holeStrokes"][SEAT - 1], d["holedOut"][SEAT - 1]) for d in dumps]


def best_trial(a, targets, trials, goal, skip_sunk=False, holed_score=-1):
    """Plays each trial target after `targets`; the best as (score, target, rest, holed), or None.
    The score is the rest's distance from `goal` (a sunk ball 99 more, or left out with
    `skip_sunk`); a holed putt scores `holed_score`."""
    import math
    best = None
    with concurrent.futures.ThreadPoolExecutor(a.jobs) as pool:
        futures = {pool.submit(rests_for, a.bin, a.hole, targets + [t]): t for t in trials}
        for f in concurrent.futures.as_completed(futures):
            rests = f.result()
            if len(rests) < len(targets) + 1:
                continue
            b, n, holed = rests[len(targets)]
            if skip_sunk and b[1] < -50 and not holed:
                continue
            score = holed_score if holed else math.hypot(b[0] - goal[0], b[2] - goal[1]) + (0 if b[1] > -50 else 99)
            if best is None or score < best[0]:
                best = (score, futures[f], b, holed)
    return best


def report_stroke(k, best):
    score, target, b, holed = best
    print(f"stroke {k + 1}: target {target} -> ({b[0]:.2f}, {b[1]:.2f}, {b[2]:.2f})"
          f" {'HOLED' if holed else f'off {score:.2f}'}", flush=True)


def plan(a):
    """Greedy: for each wanted rest point in turn (the cup last), the target whose putt ends nearest."""
    import math
    table = hole_table()
    par, cup = table[a.hole]
    wanted = [tuple(float(v) for v in w.split(",")) for w in a.targets.split()] + [(cup[0], cup[2])]
    targets, ball = [], (0.0, 0.0)
    for k, goal in enumerate(wanted):
        dx, dz = goal[0] - ball[0], goal[1] - ball[1]
        base, dist = math.atan2(dx, dz), math.hypot(dx, dz)
        trials = []
        for da in range(-a.spread, a.spread + 1, a.step):
            for scale in (0.5, 0.75, 1.0, 1.3, 1.7, 2.2):
                ang = base + math.radians(da)
                trials.append((round(ball[0] + math.sin(ang) * dist * scale, 2),
                               round(ball[1] + math.cos(ang) * dist * scale, 2)))
        last = k == len(wanted) - 1
        if last:  # straight at the cup first
            rests = rests_for(a.bin, a.hole, targets + [goal])
            if len(rests) > len(targets) and rests[len(targets)][2]:
                targets.append(goal)
                print(f"stroke {k + 1}: target {goal} HOLED", flush=True)
                break
        best = best_trial(a, targets, trials, goal, skip_sunk=True, holed_score=-1 if last else -2)
        if not best:
            print("no trial worked")
            return
        targets.append(best[1])
        ball = (best[2][0], best[2][2])
        report_stroke(k, best)
        if best[3]:
            break
    print("targets", " ".join(f"{x},{z}" for x, z in targets))


def human_to_target(ball, aim_degrees, power_frames, scale=1.0, turn=0.0):
    """The computer target that gives about the push of a human stroke (aim, SPACE frames)."""
    import math
    a = math.radians(aim_degrees + turn)
    spread = abs(math.sin(a) + math.cos(a))
    d = 0.41 * power_frames * scale          # bands 2 and 3: force x 1/1.5
    if d * spread <= 8:
        d = 0.195 * power_frames * scale     # band 1: force x 2.1/1.5
        if d * spread > 8:
            d = 8 / spread
    return (round(ball[0] + math.sin(a) * d, 2), round(ball[1] + math.cos(a) * d, 2))


def convert(a):
    """Follows a reference solution ("AIM,POWER ...", as stroke_lab): each stroke as a target, refined nearby."""
    table = hole_table()
    par, cup = table[a.hole]
    strokes = [w.split(",") for w in a.targets.split()]
    strokes = [(int(x.replace("R", "").replace("L", "-")), int(p)) for x, p in strokes]
    wanted = [tuple(float(v) for v in w.split(",")) for w in a.rests.split()] if a.rests else []
    wanted = wanted[:len(strokes) - 1] + [(cup[0], cup[2])]
    targets, ball, aim = [], TEE, 0.0
    for k, (frames, power) in enumerate(strokes):
        aim += frames * 0.7
        if aim > 360 or aim < -360:
            aim = 0.0
        goal = wanted[k] if k < len(wanted) else (cup[0], cup[2])
        trials = [human_to_target(ball, aim, power, sc, tu) for sc in a.scales for tu in a.turns]
        for sc in (0.7, 1.0, 1.4, 2.0):  # and straight at the wanted rest
            trials.append((round(ball[0] + (goal[0] - ball[0]) * sc, 2), round(ball[1] + (goal[1] - ball[1]) * sc, 2)))
        best = best_trial(a, targets, trials, goal)
        if not best:
            print("no trial worked")
            return
        targets.append(best[1])
        ball = (best[2][0], best[2][2])
        report_stroke(k, best)
        if best[3]:
            break
    print("targets", " ".join(f"{x},{z}" for x, z in targets), flush=True)


# Each tee spot a computer seat tees off from: the player count and the seat.
SPOTS = {-1.5: (4, 4), -1.0: (3, 3), 0.5: (4, 2), 1.0: (2, 2), 1.5: (4, 3)}


def spot_script(hole, spot, line=None, delay=0, max_frames=40000, company=False):
    """A hard seat at `spot` plays the hole alone (the other seats give up in turn, or with
    `company` play it as hard computers too); `line` overrides its first line; `delay` frames
    pass before player 1 gives up."""
    players, seat = SPOTS[spot]
    kinds = ["hard" if k == seat or company else "human" for k in range(2, players + 1)]
    lines = [f"line {spot} {line[0]} {line[1]}"] if line else []
    lines += ["seed 1", f"hole {hole} {players} {' '.join(kinds)}"] + INTO_PLAY + [f"frames {delay}"] + GIVE_UP
    for k in range(2, players + 1):
        if k != seat and not company:
            lines += [f"wait currentPlayer {k} {max_frames}", "frames 3"] + GIVE_UP
    return lines + [f"wait scorecardShowing 1 {max_frames}", "dump"], seat


def spot_strokes(bin_dir, hole, spot, line, delay, company=False):
    script, seat = spot_script(hole, spot, line, delay, company=company)
    status, dumps = run_script(bin_dir, script)
    if status != 0 or not dumps or dumps[-1].get("scorecardShowing") != 1:
        return 99
    return int(dumps[-1]["holeStrokes"][seat - 1])


def routes_line(hole):
    """The line the route table gives hole `hole` (from seat 4's spot)."""
    text = open(os.path.join(ROOT, "course/holes/computer_routes.cpp")).read()
    m = re.search(r"\.hole = %d,.*?\n\s*at\((-?[\d.]+)f?, (-?[\d.]+)f?\), at\(" % hole, text, re.S)
    return (float(m.group(1)), float(m.group(2))) if m else None


def line_cost(strokes, par):
    # Over par costs most; par and one under are what a hard player should score.
    return sum(3 * max(0, s - par) + max(0, par - 1 - s) for s in strokes)


def lines(a):
    import math
    table = hole_table()
    spots = [float(v) for v in a.spots.split(",")]
    delays = [int(v) for v in a.delays.split(",")]
    for hole in parse_range(a.holes):
        par = table[hole][0]
        base = routes_line(hole) if hole != 1 else None  # hole 1 keeps its own routes
        if not base:
            continue
        for spot in spots:
            dx, dz = base[0] - spot, base[1]
            trials = {}
            for turn in a.turns_deg:
                for stretch in a.stretch:
                    t = math.radians(turn)
                    x = spot + (dx * math.cos(t) + dz * math.sin(t)) * stretch
                    z = (dz * math.cos(t) - dx * math.sin(t)) * stretch
                    trials[(turn, stretch)] = (round(x, 2), round(z, 2))
            jobs = [(k, d) for k in trials for d in delays]
            with concurrent.futures.ThreadPoolExecutor(a.jobs) as pool:
                got = dict(zip(jobs, pool.map(lambda j: spot_strokes(a.bin, hole, spot, trials[j[0]], j[1], a.company), jobs)))
            cost = {k: line_cost([got[(k, d)] for d in delays], par) for k in trials}
            def smooth(k):  # a line whose neighbours (a step of turn either side) also play well
                i = a.turns_deg.index(k[0])
                near = [cost[(a.turns_deg[j], k[1])] for j in (i - 1, i + 1) if 0 <= j < len(a.turns_deg)]
                return cost[k] + 0.5 * sum(near) / max(1, len(near)), abs(k[0]) + abs(k[1] - 1) * 10
            best = min(trials, key=smooth)
            now = (0.0, 1.0) if (0.0, 1.0) in trials else None
            shown = lambda k: [got[(k, d)] for d in delays]
            print(f"hole {hole} par {par} spot {spot:+.1f}: table line {base} {shown(now) if now else ''}"
                  f" -> best {trials[best]} (turn {best[0]}, stretch {best[1]}) {shown(best)}", flush=True)
            if now is None or cost[best] < cost[now]:
                print(f"    {{{hole}, {spot}f, at({trials[best][0]}f, {trials[best][1]}f)}},", flush=True)


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("mode", choices=["eval", "trace", "search", "plan", "convert", "lines"])
    ap.add_argument("holes")
    ap.add_argument("targets", nargs="?", default="")
    ap.add_argument("--bin", default=os.path.join(ROOT, "build/game/Bin"))
    ap.add_argument("--kinds", default="easy,medium,hard")
    ap.add_argument("--seeds", default="1")
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--xs", default="0:0:1")
    ap.add_argument("--zs", default="0:0:1")
    ap.add_argument("--jobs", type=int, default=2)
    ap.add_argument("--top", type=int, default=12)
    ap.add_argument("--spread", type=int, default=16)
    ap.add_argument("--rests", default="")
    ap.add_argument("--scales", type=lambda t: [float(v) for v in t.split(",")], default=[1.0])
    ap.add_argument("--turns", type=lambda t: [float(v) for v in t.split(",")], default=[0.0])
    ap.add_argument("--step", type=int, default=4)
    ap.add_argument("--spots", default="-1.5,-1,0.5,1,1.5")
    ap.add_argument("--delays", default="0,53")
    ap.add_argument("--company", action="store_true", help="lines: the other seats play as hard computers")
    ap.add_argument("--turns-deg", type=lambda t: [float(v) for v in t.split(",")],
                    default=[-5.0, -4.0, -3.0, -2.0, -1.0, 0.0, 1.0, 2.0, 3.0, 4.0, 5.0])
    ap.add_argument("--stretch", type=lambda t: [float(v) for v in t.split(",")], default=[0.9, 1.0, 1.1])
    a = ap.parse_args()
    if a.mode == "lines":
        lines(a)
        return
    if a.mode == "eval":
        evaluate(a)
        return
    a.hole = int(a.holes)
    {"trace": trace, "search": search, "plan": plan, "convert": convert}[a.mode](a)


if __name__ == "__main__":
    main()
