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

# --sanitized (test.sh): also a build with AddressSanitizer and UndefinedBehaviorSanitizer
# of the game and a selection of tests, in build-asan/, reading the Contents/ generated above.
if [[ "${1:-}" == "--sanitized" ]]; then
  asan_dir=${ASAN_BUILD_DIR:-$root/build-asan}
  if [[ ! -f "$asan_dir/CMakeCache.txt" ]]; then
    launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
    cmake -S "$root" -B "$asan_dir" -DCMAKE_BUILD_TYPE=Release -DTALLOWICK_SANITIZE=ON \
      -DTALLOWICK_CONTENTS="$build_dir/game/Contents" "${launcher[@]}"
  fi
  cmake --build "$asan_dir" -j"$(nproc)"
fi
