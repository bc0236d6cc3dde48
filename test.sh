#!/usr/bin/env bash
# Install what is missing, build, then run the whole suite under a virtual X server.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
export ALSOFT_DRIVERS=null
cd build
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j"$(nproc)" "$@"
