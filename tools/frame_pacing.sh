#!/usr/bin/env bash
# Measures the game's real frame rate on the idle main menu (the splash first runs
# its five seconds), in a window of its own, with a run tree of its own so that the
# player's settings are untouched. Under a virtual X server when there is no display.
# Usage: tools/frame_pacing.sh [SECONDS=10] [BUILD_DIR=build]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}
build=${2:-build}
tree=$(mktemp -d /tmp/tallowick-pacing-XXXXXX)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/Bin" "$tree/UserData"
ln -s "$(realpath "$build/game/Contents")" "$tree/Contents"
exe=$(realpath "$build/game/Bin/tallowick")
run=(env TALLOWICK_FRAME_REPORT="$seconds" ALSOFT_DRIVERS="${ALSOFT_DRIVERS:-null}" "$exe")
[[ -z "${DISPLAY:-}" ]] && run=(xvfb-run -a -s "-screen 0 1280x1024x24" "${run[@]}")
cd "$tree/Bin"
"${run[@]}" 2>&1 >/dev/null | grep '^frame pacing:'
