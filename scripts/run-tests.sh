#!/usr/bin/env bash
# Runs CTest in a build folder and ends with the closing line "N passed, M failed".
set -uo pipefail
build=$1
log=$(mktemp)
ctest --test-dir "$build" --output-on-failure --no-tests=error -j "$(nproc)" 2>&1 | tee "$log"
rc=${PIPESTATUS[0]}
summary=$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
rm -f "$log"
if [ -z "$summary" ]; then
  echo "0 passed, 1 failed"
  exit 1
fi
failed=$(sed -E 's/.*passed, ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$summary")
total=$(sed -E 's/.*failed out of ([0-9]+).*/\1/' <<<"$summary")
echo "$((total - failed)) passed, $failed failed"
exit $rc
