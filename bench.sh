#!/usr/bin/env bash
# Install what is missing and build (as ./test.sh does), then measure the game on this
# machine under virtual X servers of its own: a table on stdout and build/bench.json.
#   ./bench.sh           the whole benchmark (about a quarter of an hour)
#   ./bench.sh --quick   one resolution and three holes, for iteration
# tools/bench.py --help lists the other options.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
export ALSOFT_DRIVERS=null
python3 tools/bench.py "$@"
