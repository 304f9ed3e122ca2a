#!/usr/bin/env bash
# Times one drawing pass of a crowded field in the 64-bit and the 32-bit program, one after the
# other under one display, so that the two figures come from the same run of the machine.
# Build both Windows presets and run their tests once first (that makes the Wine prefixes).
#   bash scripts/draw-bench.sh [repetitions]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
repetitions=${1:-200}

source "$top/scripts/wine-bench.sh"
wine_bench_run draw_bench "$repetitions"

m64=$(wine_bench_median "$top/build/win64/draw_bench.json" BM_DrawField)
m32=$(wine_bench_median "$top/build/win32/draw_bench.json" BM_DrawField)
printf '%-8s %14s\n' build "median pass"
awk -v a="$m64" -v b="$m32" 'BEGIN { printf "%-8s %11.0f us\n%-8s %11.0f us\n", "win64", a, "win32", b }'
awk -v a="$m32" -v b="$m64" 'BEGIN { printf "win32 / win64 = %.2f\n", a / b }'
