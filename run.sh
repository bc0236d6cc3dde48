#!/usr/bin/env bash
# Install what is missing, build, generate the content and start the game.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
cd build/game/Bin
exec ./tallowick "$@"
