#!/usr/bin/env bash
# Builds and runs every test headless: the normal build, the sanitizer build, and a bounded
# fuzz run of the data-file parser. Fails on any failure or sanitizer finding.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
fuzz_seconds=${FUZZ_SECONDS:-60}

log=$(mktemp)
trap 'rm -f "$log"' EXIT

echo "== build and test (dev)"
cmake --preset dev >/dev/null
cmake --build --preset dev
ctest --preset dev | tee -a "$log"

echo "== build and test (AddressSanitizer + UndefinedBehaviorSanitizer)"
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan | tee -a "$log"

echo "== fuzz the data-file parser for ${fuzz_seconds} s"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
scripts/fuzz.sh "$fuzz_seconds"

# Both suites passed (set -o pipefail stops at a failing one); one closing line for both.
total=$(grep -E '^[0-9]+% tests passed' "$log" | sed -E 's/.* out of ([0-9]+)/\1/' | awk '{s += $1} END {print s}')
skipped=$(grep -c '(Skipped)' "$log" || true)
echo "$((total - skipped)) passed, 0 failed, ${skipped} skipped"
