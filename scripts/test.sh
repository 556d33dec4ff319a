#!/usr/bin/env bash
# Builds and runs every test headless: the normal build, the sanitizer build, and a bounded
# fuzz run of the data-file parser. Fails on any failure or sanitizer finding.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
fuzz_seconds=${FUZZ_SECONDS:-60}

echo "== build and test (dev)"
cmake --preset dev >/dev/null
cmake --build --preset dev
ctest --preset dev

echo "== build and test (AddressSanitizer + UndefinedBehaviorSanitizer)"
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan

echo "== fuzz the data-file parser for ${fuzz_seconds} s"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
scripts/fuzz.sh "$fuzz_seconds"
