#!/usr/bin/env bash
# Runs the data-file fuzzer for a bounded time (run `cmake --build --preset fuzz` first).
# Usage: scripts/fuzz.sh SECONDS
# Works on a copy of fuzz/corpus in a temporary directory so the repository stays as it is; on a
# finding it keeps that directory, prints where the failing input is, and exits non-zero.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:?usage: scripts/fuzz.sh SECONDS}
if ! [[ $seconds =~ ^[0-9]+$ ]] || (( seconds < 1 )); then
    echo "fuzz.sh: SECONDS must be a whole number of at least 1" >&2
    exit 2
fi
fuzzer=${FUZZER:-build/fuzz/fuzz/data_file_fuzzer}
if [[ ! -x $fuzzer ]]; then
    echo "fuzz.sh: $fuzzer not found; run 'cmake --preset fuzz && cmake --build --preset fuzz'" >&2
    exit 2
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/zendrix-fuzz.XXXXXX")
mkdir -p "$work/corpus" "$work/artifacts"
cp fuzz/corpus/* "$work/corpus/"

status=0
"$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
    -dict=fuzz/data_file.dict -artifact_prefix="$work/artifacts/" -print_final_stats=1 \
    "$work/corpus" >"$work/fuzz.log" 2>&1 || status=$?
tail -n 25 "$work/fuzz.log"

if (( status != 0 )) || [[ -n $(ls -A "$work/artifacts") ]]; then
    echo "fuzz.sh: the data-file fuzzer found a problem (exit status $status)." >&2
    echo "fuzz.sh: log and failing inputs kept in $work" >&2
    exit 1
fi
rm -rf "$work"
echo "fuzz.sh: no finding in $seconds s"
