#!/usr/bin/env bash
# Times one game-clock tick on a crowded field (default face and random fonts) and the bare GDI floor
# of the same drawing, in the 64-bit and the 32-bit program one after the other under one display, and
# prints the medians with the two ratios the game aims for: the tick within 1.3x of its floor, random
# fonts within 1.5x of the default face. Build both Windows presets and run their tests once first
# (that makes the Wine prefixes).
#   bash scripts/game-bench.sh [repetitions]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
repetitions=${1:-300}

run_all() {
  for build in win64 win32; do
    dir=$top/build/$build
    [ -x "$dir/game_bench.exe" ] && [ -d "$dir/wineprefix" ] || {
      echo "$build: build the preset and run its tests first" >&2
      exit 1
    }
    (cd "$dir" && WINEPREFIX=$dir/wineprefix WINEDEBUG=-all wine game_bench.exe \
      --repetitions="$repetitions" >"$dir/game_bench.json" 2>/dev/null)
    (WINEPREFIX=$dir/wineprefix wineserver -k >/dev/null 2>&1 || true)
  done
}
if [ "${GAME_BENCH_INNER:-}" = 1 ]; then
  run_all
  exit 0
fi
GAME_BENCH_INNER=1 xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$repetitions"

median() { # the median of one benchmark in microseconds from a run's JSON
  awk -v name="\"$2_median\"" '$0 ~ "\"name\": " name { found = 1 } found && /"real_time"/ { gsub(/[ ,]/, ""); split($0, kv, ":"); print kv[2]; exit }' "$1"
}
printf '%-8s %12s %20s %12s %14s %13s\n' build Crowded CrowdedRandomFonts Floor "Crowded/Floor" "Random/Crowded"
for build in win64 win32; do
  json=$top/build/$build/game_bench.json
  crowded=$(median "$json" BM_GameTick/Crowded)
  random=$(median "$json" BM_GameTick/CrowdedRandomFonts)
  floor=$(median "$json" BM_GameTickFloor)
  awk -v b="$build" -v c="$crowded" -v r="$random" -v f="$floor" \
    'BEGIN { printf "%-8s %9.0f us %17.0f us %9.0f us %14.2f %14.2f\n", b, c, r, f, c / f, r / c }'
done
