#!/usr/bin/env bash
# Builds every preset and runs every test: format check, native tests with sanitizers, benchmarks
# (a short smoke run), the fuzz target over its corpus, and the Windows tests of the x86_64 and the
# i686 (32-bit) builds under Wine. Installs what is missing first. Exits non-zero at the first failure.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

step() { printf '\n==== %s ====\n' "$*"; }

step "Installing what is missing"
bash scripts/install-deps.sh

step "Checking the formatting"
bash scripts/check-format.sh

step "Native build and tests (AddressSanitizer, UndefinedBehaviorSanitizer)"
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

step "Benchmarks (short smoke run; see README for a real one)"
cmake --preset bench >/dev/null
cmake --build --preset bench
(cd build/bench && ./words_bench --benchmark_min_time=0.01 >/dev/null && echo "benchmarks ran")

step "Fuzz target over its corpus"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
build/fuzz/wordlist_fuzz -runs=0 fuzz/corpus/*

step "Windows x86_64 build and tests under Wine"
cmake --preset win64 >/dev/null
cmake --build --preset win64
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset win64

step "Windows i686 (32-bit) build and tests under Wine"
cmake --preset win32 >/dev/null
cmake --build --preset win32
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset win32

step "All presets built and all tests passed"
