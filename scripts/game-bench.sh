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

source "$top/scripts/wine-bench.sh"
wine_bench_run game_bench "$repetitions"

printf '%-8s %12s %20s %12s %14s %13s\n' build Crowded CrowdedRandomFonts Floor "Crowded/Floor" "Random/Crowded"
for build in win64 win32; do
  json=$top/build/$build/game_bench.json
  crowded=$(wine_bench_median "$json" BM_GameTick/Crowded)
  random=$(wine_bench_median "$json" BM_GameTick/CrowdedRandomFonts)
  floor=$(wine_bench_median "$json" BM_GameTickFloor)
  awk -v b="$build" -v c="$crowded" -v r="$random" -v f="$floor" \
    'BEGIN { printf "%-8s %9.0f us %17.0f us %9.0f us %14.2f %14.2f\n", b, c, r, f, c / f, r / c }'
done
