#!/usr/bin/env bash
# Times one drawing pass of a crowded field in the 64-bit and the 32-bit program, one after the
# other under one display, so that the two figures come from the same run of the machine.
# Build both Windows presets and run their tests once first (that makes the Wine prefixes).
#   bash scripts/draw-bench.sh [repetitions]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
repetitions=${1:-200}

run_all() {
  for build in win64 win32; do
    dir=$top/build/$build
    [ -x "$dir/draw_bench.exe" ] && [ -d "$dir/wineprefix" ] || {
      echo "$build: build the preset and run its tests first" >&2
      exit 1
    }
    (cd "$dir" && WINEPREFIX=$dir/wineprefix WINEDEBUG=-all wine draw_bench.exe \
      --repetitions="$repetitions" >"$dir/draw_bench.json" 2>/dev/null)
    (WINEPREFIX=$dir/wineprefix wineserver -k >/dev/null 2>&1 || true)
  done
}
if [ "${DRAW_BENCH_INNER:-}" = 1 ]; then
  run_all
  exit 0
fi
DRAW_BENCH_INNER=1 xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$repetitions"

median() { # the median pass in microseconds from a run's JSON
  awk '/"name": "BM_DrawField_median"/ { found = 1 } found && /"real_time"/ { gsub(/[ ,]/, ""); split($0, kv, ":"); print kv[2]; exit }' "$1"
}
m64=$(median "$top/build/win64/draw_bench.json")
m32=$(median "$top/build/win32/draw_bench.json")
printf '%-8s %14s\n' build "median pass"
awk -v a="$m64" -v b="$m32" 'BEGIN { printf "%-8s %11.0f us\n%-8s %11.0f us\n", "win64", a, "win32", b }'
awk -v a="$m32" -v b="$m64" 'BEGIN { printf "win32 / win64 = %.2f\n", a / b }'
