#!/usr/bin/env bash
# Builds the release packages of both Windows builds into build/packages: for each of win64 and
# win32 a portable zip and a per-user installer, named Lexiblast-<version>-<win64|win32>.
# Installs what is missing first.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
bash scripts/install-deps.sh
for preset in win64 win32; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  cpack --config "build/$preset/CPackConfig.cmake" -B build/packages
done
rm -rf build/packages/_CPack_Packages
ls -l build/packages
