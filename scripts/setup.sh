#!/usr/bin/env bash
# Shared set-up of run.sh, test.sh and bench.sh: install missing Debian packages,
# configure and build (incremental), and lay out the run tree build/game/.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

missing=()
while read -r pkg; do
  [[ -z "$pkg" || "$pkg" == \#* ]] && continue
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done < scripts/packages.txt
if ((${#missing[@]})); then
  echo "Installing Debian packages: ${missing[*]}"
  sudo_cmd=()
  [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi

build_type=${BUILD_TYPE:-Release}
build_dir=${BUILD_DIR:-$root/build}
if [[ ! -f "$build_dir/CMakeCache.txt" ]]; then
  cmake -S "$root" -B "$build_dir" -DCMAKE_BUILD_TYPE="$build_type"
fi
cmake --build "$build_dir" -j"$(nproc)"
