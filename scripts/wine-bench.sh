#!/usr/bin/env bash
# What the Wine benchmark scripts (draw-bench.sh, game-bench.sh) share: running one benchmark
# program of the 64-bit and the 32-bit build one after the other under one virtual display, so
# that their figures come from the same run of the machine, and reading medians from its JSON.
# Sourced; run as `bash wine-bench.sh inner <exe> <repetitions>` it is the part under the display.

wine_bench_top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Runs build/<build>/<exe>.exe of both builds, writing build/<build>/<exe>.json.
wine_bench_run() { # <exe> <repetitions>
  xvfb-run -a -s "-screen 0 1280x1024x24" bash "${BASH_SOURCE[0]}" inner "$1" "$2"
}

# The median real time of benchmark <name> in microseconds.
wine_bench_median() { # <json> <name>
  awk -v name="\"$2_median\"" '$0 ~ "\"name\": " name { found = 1 } found && /"real_time"/ { gsub(/[ ,]/, ""); split($0, kv, ":"); print kv[2]; exit }' "$1"
}

if [ "${1:-}" = inner ]; then
  set -euo pipefail
  for build in win64 win32; do
    dir=$wine_bench_top/build/$build
    [ -x "$dir/$2.exe" ] && [ -d "$dir/wineprefix" ] || {
      echo "$build: build the preset and run its tests first" >&2
      exit 1
    }
    (cd "$dir" && WINEPREFIX=$dir/wineprefix WINEDEBUG=-all wine "$2.exe" --repetitions="$3" >"$dir/$2.json" 2>/dev/null)
    (WINEPREFIX=$dir/wineprefix wineserver -k >/dev/null 2>&1 || true)
  done
fi
