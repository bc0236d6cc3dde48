#!/usr/bin/env python3
"""The game's benchmark: frame times per hole, hole builds, the physics step, start-up,
content generation and memory, measured on this machine (Mesa's software GL under the
virtual X server bench.sh starts). Prints a table and writes build/bench.json.

Frame times are the wall time of real frames in a real window: the harness runs its
scripted input as fast as the frames render and logs each pass (--frame-log), with the
CPU time of the whole process over the pass (the rasteriser's threads included), which
a busy machine inflates far less than the wall time.

    tools/bench.py [--quick] [--holes 1,11,17] [--skip content,memory] [--out FILE]
"""
import argparse
import json
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.environ.get("BUILD_DIR", os.path.join(ROOT, "build"))
GAME = os.path.join(BUILD, "game", "Bin", "tallowick")
CONTENTS = os.path.join(BUILD, "game", "Contents")
CONTENT_TOOL = os.path.join(BUILD, "content", "tallowick_content")
PHYSICS_BENCH = os.path.join(BUILD, "tools", "tallowick_physics_bench")

OPTIONS = "0010011"  # 800 x 600 (the window size comes from --window), windowed, shaders on, sound and music on
RESOLUTIONS = ["800x600", "1280x800"]
HOLES = [-1] + list(range(1, 19))
FLY_OVER_CAP = 240       # frames of fly-over timed before it is skipped
ROLL_FRAMES = 180        # frames timed after the putt (the ball rolls, the camera follows)
STARTUP_RUNS = 3
MATCHES = 3              # 3 x 18 hole builds: more than 50 hole changes

TARGETS = {
    "frame_median_ms": 16.7, "frame_p95_ms": 25.0, "hole_build_ms": 300.0, "physics_step_us": 300.0,
    "first_frame_ms": 1000.0, "peak_rss_mb": 300.0, "rss_growth_mb": 5.0,
}

# Each hole's first putt from the reference solutions: frames of RIGHT (+) or LEFT (-), frames of SPACE.
FIRST_PUTTS = {
    1: (-5, 50), 2: (6, 60), 3: (4, 90), 4: (0, 40), 5: (-10, 60), 6: (0, 25), 7: (0, 50), 8: (-2, 110),
    9: (0, 40), 10: (0, 30), 11: (0, 50), 12: (0, 50), 13: (-16, 60), 14: (-36, 40), 15: (0, 25),
    16: (0, 50), 17: (0, 70), 18: (0, 30),
}
# The practice hole's how-to-play pages hold play until three are clicked through.
PRACTICE_PAGES = "mouse 525 459\nframes 1\nlmb down\nframes 1\nlmb up\nframes 1\n" * 3

GIVE_UP = ("frames 5\nkey RETURN down\nframes 2\nkey RETURN up\nwait introDone 1 3000\nframes 2\n"
           "key ESCAPE down\nframes 1\nkey ESCAPE up\nframes 2\nkey F down\nframes 1\nkey F up\n"
           "wait scorecardShowing 1 1200\nframes 10\nkey RETURN down\nframes 1\nkey RETURN up\n"
           "wait introDone 0 600\n")


# Each run of the game gets a virtual X server of its own: on a shared machine other
# programs start and stop theirs, and a long-lived one may not outlive them.
XVFB = ["xvfb-run", "-a", "-s", "-screen 0 1280x1024x24 -nolisten tcp"]


def load_average():
    with open("/proc/loadavg") as f:
        return [float(x) for x in f.read().split()[:3]]


def log(text):
    print(text, file=sys.stderr, flush=True)


class RunTree:
    """A private Bin/ and UserData/ beside the build's Contents/, as the scenario tests use."""

    def __init__(self):
        self.root = tempfile.mkdtemp(prefix="tallowick-bench-")
        os.makedirs(os.path.join(self.root, "Bin"))
        os.makedirs(os.path.join(self.root, "UserData"))
        os.symlink(CONTENTS, os.path.join(self.root, "Contents"))
        with open(os.path.join(self.root, "UserData", "options.golf"), "w") as f:
            f.write(OPTIONS)

    def run(self, script, window="800x600", timeout=900, extra=()):
        """Runs the game on a script; returns the parsed frame log."""
        script_path = os.path.join(self.root, "script.txt")
        frame_log = os.path.join(self.root, "frames.txt")
        with open(script_path, "w") as f:
            f.write(script)
        for attempt in range(2):  # once more after a failure: the virtual display may not have started
            env = dict(os.environ, ALSOFT_DRIVERS="null")
            started = time.monotonic()
            done = subprocess.run([*XVFB, GAME, "--replay", script_path, "--frame-log", frame_log, "--window", window, *extra],
                                  cwd=os.path.join(self.root, "Bin"), env=env, stdout=subprocess.DEVNULL,
                                  stderr=subprocess.PIPE, text=True, timeout=timeout)
            elapsed = time.monotonic() - started
            if done.returncode == 0:
                return parse_frame_log(frame_log), elapsed
            log("run failed (%d), %s" % (done.returncode, "again" if attempt == 0 else "given up"))
        raise RuntimeError("game exited with %d: %s" % (done.returncode, done.stderr[-2000:]))

    def close(self):
        shutil.rmtree(self.root, ignore_errors=True)


def parse_frame_log(path):
    out = {"frames": [], "builds": [], "marks": [], "present1": None, "end": None}
    with open(path) as f:
        for line in f:
            w = line.split()
            if not w:
                continue
            if w[0] == "f":
                out["frames"].append({"wall": float(w[2]), "cpu": float(w[3]), "phase": w[4], "mark": w[5],
                                     "main": float(w[6])})
            elif w[0] == "build":
                out["builds"].append({"hole": int(w[1]), "wall": float(w[2]), "cpu": float(w[3]),
                                      "rss_kb": int(w[4]), "hwm_kb": int(w[5])})
            elif w[0] == "mark":
                out["marks"].append({"name": w[1], "rss_kb": int(w[2]), "hwm_kb": int(w[3])})
            elif w[0] == "present1":
                out["present1"] = float(w[1])
            elif w[0] == "end":
                out["end"] = {"hwm_kb": int(w[1]), "rss_kb": int(w[2])}
    return out


def percentile(values, p):
    if not values:
        return None
    s = sorted(values)
    return s[min(len(s) - 1, int(len(s) * p))]


def stats(frames):
    wall = [f["wall"] for f in frames]
    cpu = [f["cpu"] for f in frames]
    main = [f["main"] for f in frames]
    if not wall:
        return None
    return {"frames": len(wall), "median_ms": round(statistics.median(wall), 2), "p95_ms": round(percentile(wall, 0.95), 2),
            "cpu_median_ms": round(statistics.median(cpu), 2), "cpu_p95_ms": round(percentile(cpu, 0.95), 2),
            "main_thread_median_ms": round(statistics.median(main), 2)}


def fly_over_frames(tree, hole):
    """The fly-over's length in frames, from a run without video (the virtual clock makes it the same)."""
    log_, _ = tree.run("seed 1\nhole %d 1\nwait introDone 1 5000\nquit\n" % hole, extra=("--null-video",))
    return sum(1 for f in log_["frames"] if f["phase"] == "F")


def hole_script(hole, fly_frames):
    s = "seed 1\nhole %d 1\nmark load\nframes 3\nmark flyover\n" % hole
    if fly_frames > FLY_OVER_CAP:
        s += "frames %d\nkey RETURN down\nframes 2\nkey RETURN up\n" % FLY_OVER_CAP
    s += "wait introDone 1 3000\n"
    s += "mark idle\nframes 2\n"
    if hole == -1:
        s += PRACTICE_PAGES
        aim, power = 0, 30
    else:
        aim, power = FIRST_PUTTS[hole]
    s += "mark stroke\n"
    if aim:
        key = "RIGHT" if aim > 0 else "LEFT"
        s += "key %s down\nframes %d\nkey %s up\n" % (key, abs(aim), key)
    s += "frames 1\nkey SPACE down\nframes %d\nkey SPACE up\nframes %d\n" % (power, ROLL_FRAMES)
    s += "mark end\nquit\n"
    return s


def bench_hole(tree, hole, window, fly_frames):
    log_, _ = tree.run(hole_script(hole, fly_frames), window)
    # Fly-over frames: the ones the game itself counts as fly-over before the skip; the build pass is left out.
    fly = [f for f in log_["frames"] if f["mark"] == "flyover" and f["phase"] == "F"]
    stroke = [f for f in log_["frames"] if f["mark"] == "stroke"]
    result = {"all": stats(fly + stroke), "flyover": stats(fly), "stroke": stats(stroke)}
    if log_["builds"]:
        b = log_["builds"][0]
        result["build_ms"] = round(b["wall"], 1)
        result["build_cpu_ms"] = round(b["cpu"], 1)
    return result


def bench_startup(tree):
    times = []
    for _ in range(STARTUP_RUNS):
        log_, _ = tree.run("frames 3\nquit\n")
        times.append(log_["present1"])
    return {"first_frame_ms": round(statistics.median(times), 1), "runs_ms": times}


def bench_content():
    out = tempfile.mkdtemp(prefix="tallowick-content-")
    try:
        started = time.monotonic()
        usage_before = os.times()
        subprocess.run([CONTENT_TOOL, os.path.join(out, "Contents")], check=True, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
        usage_after = os.times()
        return {"wall_s": round(time.monotonic() - started, 2),
                "cpu_s": round((usage_after.children_user - usage_before.children_user) +
                               (usage_after.children_system - usage_before.children_system), 2)}
    finally:
        shutil.rmtree(out, ignore_errors=True)


def bench_physics():
    done = subprocess.run([PHYSICS_BENCH, os.path.join(BUILD, "game")], check=True, capture_output=True, text=True)
    holes = {}
    for line in done.stdout.splitlines():
        w = line.split()
        if w and w[0] == "hole":
            fields = dict(zip(w[2::2], w[3::2]))
            holes[int(w[1])] = {k: float(v) for k, v in fields.items()}
    busiest = max(holes, key=lambda h: holes[h]["triangles"])
    return {"busiest_hole": busiest, "busiest_triangles": int(holes[busiest]["triangles"]),
            "step_median_us": holes[busiest]["step_median_us"],
            "worst_median_us": max(h["step_median_us"] for h in holes.values()), "holes": holes}


def bench_memory(tree, matches):
    script = "seed 1\n"
    for m in range(matches):
        script += "start 118 1\n" + GIVE_UP * 18 + "wait mainMenuActive 1 600\nframes 5\nmark match%d\n" % (m + 1)
    script += "quit\n"
    log_, elapsed = tree.run(script, timeout=1800)
    builds = log_["builds"]
    marks = {m["name"]: m for m in log_["marks"]}
    result = {"builds": len(builds), "wall_s": round(elapsed, 1),
              "peak_rss_mb": round(marks["match1"]["hwm_kb"] / 1024, 1),
              "rss_after_builds_mb": [round(b["rss_kb"] / 1024, 1) for b in builds],
              "match_build_ms": {}}
    for b in builds[:18]:
        result["match_build_ms"][str(b["hole"])] = round(b["wall"], 1)
    result["build_holes"] = [b["hole"] for b in builds]
    if len(builds) > 50:
        result["growth_50_changes_mb"] = round((builds[50]["rss_kb"] - builds[0]["rss_kb"]) / 1024, 1)
        # Like for like: after the last hole of the second match and of the last, once the first filled the caches.
        last_holes = [b["rss_kb"] for b in builds if b["hole"] == 18]
        if len(last_holes) >= 3:
            result["growth_match2_to_last_mb"] = round((last_holes[-1] - last_holes[1]) / 1024, 1)
    return result


def fmt(v, width=7, digits=1):
    return ("%*.*f" % (width, digits, v)) if v is not None else " " * (width - 1) + "-"


def hole_name(h):
    return "practice" if h == -1 else str(h)


def print_table(report):
    out = []
    res = report["resolutions"]
    head = "%-9s" % "hole"
    for r in res:
        head += " | %-9s med   p95  cpu-med" % r
    head += " | build ms (cpu)"
    out.append(head)
    out.append("-" * len(head))
    for h in report["holes_run"]:
        row = "%-9s" % hole_name(h)
        build = None
        for r in res:
            e = report["frames"].get(r, {}).get(str(h))
            a = e["all"] if e else None
            row += " | %-9s%s%s%s" % ("", fmt(a and a["median_ms"], 5), fmt(a and a["p95_ms"], 6), fmt(a and a["cpu_median_ms"], 9))
            if e and build is None and "build_ms" in e:
                build = (e["build_ms"], e["build_cpu_ms"])
        row += " | %s (%s)" % (fmt(build and build[0], 6, 0), fmt(build and build[1], 5, 0).strip()) if build else " |"
        out.append(row)
    out.append("")
    s = report["summary"]
    for key, label, unit in [("frame_median_ms", "worst median frame, 800x600", "ms"),
                             ("frame_p95_ms", "worst p95 frame, 800x600", "ms"),
                             ("hole_build_ms", "slowest hole build (fresh process)", "ms"),
                             ("physics_step_us", "physics step, busiest hole (median)", "us"),
                             ("first_frame_ms", "process start to first frame", "ms"),
                             ("peak_rss_mb", "peak resident memory, 18-hole match", "MB"),
                             ("rss_growth_mb", "resident memory growth, 50 hole changes", "MB")]:
        if key in s:
            v = s[key]
            mark = "ok" if v <= TARGETS[key] else "MISSED"
            out.append("%-42s %9.1f %-2s  (target <= %g)  %s" % (label, v, unit, TARGETS[key], mark))
    if "frame_cpu_median_ms" in s:
        out.append("%-42s %9.1f ms" % ("worst median frame CPU time, 800x600", s["frame_cpu_median_ms"]))
    if "content" in report:
        out.append("%-42s %9.1f s   (cpu %.1f s)" % ("content generation from nothing", report["content"]["wall_s"],
                                                     report["content"]["cpu_s"]))
    if "memory" in report and "growth_match2_to_last_mb" in report["memory"]:
        out.append("%-42s %9.1f MB" % ("growth, hole 18 of the second match to the last's",
                                        report["memory"]["growth_match2_to_last_mb"]))
    out.append("load average before %s, after %s; %d cores" % (report["load_before"], report["load_after"], os.cpu_count()))
    print("\n".join(out))


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--quick", action="store_true", help="800x600 only, holes 1, 11 and 17, no content or memory runs")
    parser.add_argument("--holes", help="comma-separated holes (-1 the practice hole)")
    parser.add_argument("--resolutions", help="comma-separated WxH sizes")
    parser.add_argument("--skip", default="", help="comma-separated parts to leave out: frames,physics,startup,content,memory")
    parser.add_argument("--out", default=os.path.join(BUILD, "bench.json"))
    args = parser.parse_args()

    holes, resolutions, skip = HOLES, RESOLUTIONS, set(filter(None, args.skip.split(",")))
    if args.quick:
        holes, resolutions = [1, 11, 17], ["800x600"]
        skip |= {"content", "memory"}
    if args.holes:
        holes = [int(h) for h in args.holes.split(",")]
    if args.resolutions:
        resolutions = args.resolutions.split(",")

    report = {"load_before": load_average(), "holes_run": holes, "resolutions": resolutions, "frames": {},
              "lp_num_threads": os.environ.get("LP_NUM_THREADS"), "summary": {}}
    started = time.monotonic()
    tree = RunTree()
    errors = report["errors"] = []

    def part(name, work):
        try:
            work()
        except Exception as failure:  # a part that fails is reported, the others still run
            errors.append("%s: %s" % (name, failure))
            log("%s failed: %s" % (name, failure))
        with open(args.out, "w") as f:  # what is measured so far
            json.dump(report, f, indent=1)

    try:
        if "physics" not in skip:
            log("physics ...")
            part("physics", lambda: report.update(physics=bench_physics()))
        if "startup" not in skip:
            log("start-up ...")
            part("start-up", lambda: report.update(startup=bench_startup(tree)))
        if "frames" not in skip:
            fly = {}
            part("fly-over lengths", lambda: fly.update({h: fly_over_frames(tree, h) for h in holes}))
            for r in resolutions:
                report["frames"][r] = {}
                for h in holes:
                    log("frames: %s, hole %s ..." % (r, hole_name(h)))
                    part("frames %s hole %s" % (r, h),
                         lambda: report["frames"][r].update({str(h): bench_hole(tree, h, r, fly.get(h, FLY_OVER_CAP + 1))}))
        if "memory" not in skip:
            log("memory: %d matches of 18 holes ..." % MATCHES)
            part("memory", lambda: report.update(memory=bench_memory(tree, MATCHES)))
        if "content" not in skip:
            log("content generation ...")
            part("content", lambda: report.update(content=bench_content()))
    finally:
        tree.close()
    report["load_after"] = load_average()
    report["seconds"] = round(time.monotonic() - started, 1)

    s = report["summary"]
    base = report["frames"].get("800x600", {})
    if base:
        s["frame_median_ms"] = max(e["all"]["median_ms"] for e in base.values())
        s["frame_p95_ms"] = max(e["all"]["p95_ms"] for e in base.values())
        s["frame_cpu_median_ms"] = max(e["all"]["cpu_median_ms"] for e in base.values())
    builds = [e["build_ms"] for r in report["frames"].values() for e in r.values() if "build_ms" in e]
    if builds:
        s["hole_build_ms"] = max(builds)
    if "physics" in report:
        s["physics_step_us"] = report["physics"]["step_median_us"]
    if "startup" in report:
        s["first_frame_ms"] = report["startup"]["first_frame_ms"]
    if "memory" in report:
        s["peak_rss_mb"] = report["memory"]["peak_rss_mb"]
        if "growth_50_changes_mb" in report["memory"]:
            s["rss_growth_mb"] = report["memory"]["growth_50_changes_mb"]

    with open(args.out, "w") as f:
        json.dump(report, f, indent=1)
    print_table(report)
    for error in errors:
        print("not measured: " + error)
    print("(%.0f s; written to %s)" % (report["seconds"], args.out))


if __name__ == "__main__":
    main()
