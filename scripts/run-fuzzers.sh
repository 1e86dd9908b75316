#!/usr/bin/env bash
# Builds every fuzz target with clang and libFuzzer and runs each for a few seconds on its seeds.
set -euo pipefail
seconds=${1:-10}
cmake --preset fuzz >/dev/null
cmake --build build/fuzz -j "$(nproc)"
for f in build/fuzz/fuzz/fuzz_*; do
  [ -x "$f" ] || continue
  name=$(basename "$f")
  corpus=build/fuzz/corpus/$name
  mkdir -p "$corpus"
  seeds=fuzz/seeds/${name#fuzz_}
  echo "== $name (${seconds}s)"
  if [ -d "$seeds" ]; then
    "$f" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 "$corpus" "$seeds" 2>&1 | tail -n 3
  else
    "$f" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 "$corpus" 2>&1 | tail -n 3
  fi
done
