#!/usr/bin/env python3
"""Tries strokes on a hole without a window, for designing holes and finding
reference solutions.

A stroke is "AIM,POWER" ("w7" waits seven more frames before the next stroke): AIM frames of RIGHT (R5) or LEFT (L13) at 0.7 degrees
a frame (a bare number is RIGHT, turning the aim towards +x; negative LEFT), then POWER frames of SPACE at
100 power a frame, as a player makes them at 60 frames per second.

  stroke_lab.py play HOLE "L5,50 R13,28"     # plays the strokes, prints each rest
  stroke_lab.py search HOLE "PREFIX" --aims=-30:30:3 --powers=10:130:10
                                             # tries every aim and power after PREFIX
  options: --bin DIR (the run tree's Bin/, default build/game/Bin), --jobs N,
           --shots DIR (with a display: a picture after each stroke)
"""
import argparse, concurrent.futures, json, os, re, subprocess, sys, tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)


def cup_of(hole):
    text = open(os.path.join(ROOT, "course/holes/hole_table.cpp")).read()
    for m in re.finditer(r"\{(-?\d+), (\d), \"[^\"]+\", \"[^\"]+\", \{([^}]*)\}, (-?[\d.]+)f?", text):
        if int(m.group(1)) == hole:
            xyz = [float(v.strip().rstrip("f")) for v in m.group(3).split(",")]
            return xyz, int(m.group(2)), float(m.group(4))
    raise SystemExit(f"hole {hole} is not in the hole table")


def parse_strokes(text):
    out = []
    for word in text.split():
        if word.startswith("w"):  # w7: seven more frames before the next stroke (a blade's timing)
            out.append((None, int(word[1:])))
            continue
        aim, power = word.split(",")
        aim = aim.replace("R", "").replace("L", "-")
        out.append((int(aim), int(power)))
    return out


def script_for(hole, strokes, shots=None, phase=0):
    lines = [f"frames {phase}"] if phase else []
    lines += [f"hole {hole} 1", "frames 5", "key RETURN down", "frames 2", "key RETURN up",
             "wait introDone 1 600", "frames 130"]
    for i, (aim, power) in enumerate(strokes):
        if aim is None:
            lines += [f"frames {power}"]
            continue
        if aim:
            key = "RIGHT" if aim > 0 else "LEFT"
            lines += [f"key {key} down", f"frames {abs(aim)}", f"key {key} up"]
        lines += ["frames 1", "key SPACE down", f"frames {power}", "key SPACE up", "frames 2",
                  "wait powerBand 0 3000", "dump"]
        if shots:
            lines += [f"shot {shots}/stroke{i + 1}.png"]
        lines += ["frames 130"]
    lines += ["quit"]
    return "\n".join(lines) + "\n"


def run(bin_dir, hole, strokes, shots=None, phase=0):
    with tempfile.TemporaryDirectory() as tmp:
        script = os.path.join(tmp, "s.txt")
        dump = os.path.join(tmp, "d.jsonl")
        open(script, "w").write(script_for(hole, strokes, shots, phase))
        cmd = ["./tallowick", "--replay", script, "--dump", dump]
        if not shots:
            cmd.append("--null-video")
        env = dict(os.environ, ALSOFT_DRIVERS="null")
        if shots:
            cmd = ["xvfb-run", "-a", "-s", "-screen 0 1280x1024x24"] + cmd
        r = subprocess.run(cmd, cwd=bin_dir, env=env, capture_output=True, text=True)
        rests = []
        if os.path.exists(dump):
            for line in open(dump):
                d = json.loads(line)
                rests.append({"ball": d["ball"][0], "strokes": d["holeStrokes"][0], "holed": d["holedOut"][0],
                              "banner": d.get("resultBanner", ""), "hole": d.get("currentHole")})
        return r.returncode, rests


def distance(a, b):
    return ((a[0] - b[0]) ** 2 + (a[2] - b[2]) ** 2) ** 0.5


def rng(text):
    a, b, s = (int(v) for v in text.split(":"))
    return list(range(a, b + 1, s))


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("mode", choices=["play", "search"])
    ap.add_argument("hole", type=int)
    ap.add_argument("strokes", nargs="?", default="")
    ap.add_argument("--bin", default=os.path.join(ROOT, "build/game/Bin"))
    ap.add_argument("--aims", default="-20:20:4")
    ap.add_argument("--powers", default="10:130:20")
    ap.add_argument("--jobs", type=int, default=2)
    ap.add_argument("--shots")
    ap.add_argument("--top", type=int, default=15)
    ap.add_argument("--phases", default="0",
                    help="frames run before the hole starts, e.g. 0,1,2: the clock's 16/17 ms pattern shifts "
                         "with them, and a good line holes out whatever the pattern")
    a = ap.parse_args()
    phases = [int(x) for x in a.phases.split(",")]
    cup, par, depth = cup_of(a.hole)
    prefix = parse_strokes(a.strokes)
    played = sum(1 for aim, _ in prefix if aim is not None)
    if a.mode == "play":
        print(f"hole {a.hole} par {par} cup {cup}")
        for phase in phases:
            status, rests = run(a.bin, a.hole, prefix, a.shots and os.path.abspath(a.shots), phase)
            print(f" phase {phase} status {status}")
            for i, r in enumerate(rests):
                b = r["ball"]
                print(f"  {i + 1}: ({b[0]:.2f}, {b[1]:.2f}, {b[2]:.2f}) to cup {distance(b, cup):.2f}"
                      f" strokes {r['strokes']} holed {r['holed']} {r['banner']}")
        return
    trials = [(aim, power) for aim in rng(a.aims) for power in rng(a.powers)]
    jobs = [(t, phase) for t in trials for phase in phases]
    outcome = {}
    with concurrent.futures.ThreadPoolExecutor(a.jobs) as pool:
        futures = {pool.submit(run, a.bin, a.hole, prefix + [t], None, phase): (t, phase) for t, phase in jobs}
        for f in concurrent.futures.as_completed(futures):
            t, phase = futures[f]
            status, rests = f.result()
            if len(rests) >= played + 1:
                outcome.setdefault(t, []).append(rests[played])
    results = []
    for t, rests in outcome.items():
        if len(rests) < len(phases):
            continue
        misses = sum(1 for r in rests if not r["holed"])
        worst = max(0 if r["holed"] else distance(r["ball"], cup) for r in rests)
        spread = max(distance(r["ball"], q["ball"]) for r in rests for q in rests)
        results.append((misses, worst, t, rests[0], spread))
    results.sort(key=lambda x: (x[0], x[1]))
    for misses, worst, (aim, power), r, spread in results[:a.top]:
        b = r["ball"]
        print(f"{aim},{power}: ({b[0]:.2f}, {b[1]:.2f}, {b[2]:.2f}) worst to cup {worst:.2f} "
              f"holed {len(phases) - misses}/{len(phases)} spread {spread:.2f} {r['banner']}")


if __name__ == "__main__":
    main()
