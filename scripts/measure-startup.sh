#!/usr/bin/env bash
# Measures start-up: the time from launch until the window shows the demonstration's final board,
# and the resident memory then, against a bare Qt window with a menu bar. Medians of N runs.
# Usage: scripts/measure-startup.sh [RUNS]   (default 15; starts Xvfb when there is no display)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
scripts/install-deps.sh --with-display-tools
cmake --preset bench >/dev/null
cmake --build --preset bench --target startup_probe >/dev/null
probe=$PWD/build/bench/bench/startup_probe

if [ -z "${DISPLAY:-}" ]; then
    display=":$(( 500 + RANDOM % 300 ))"
    Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill $xvfb 2>/dev/null' EXIT
    export DISPLAY=$display
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
fi

work=$(mktemp -d)
median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
launch() {
    (cd "$work" && ZENDRIX_LAUNCH_NS=$(date +%s%N) "$probe" "$@" 2>/dev/null)
}
# One run of each to warm the caches and create the data file, as a player's machine has it.
launch --bare >/dev/null
launch >/dev/null
# The two alternate, so that a change in the machine's load touches both alike.
bare_times=() bare_rss=() game_times=() game_rss=()
for _ in $(seq "$runs"); do
    read -r t r < <(launch --bare)
    bare_times+=("$t"); bare_rss+=("$r")
    read -r t r < <(launch)
    game_times+=("$t"); game_rss+=("$r")
done
bare_t=$(printf '%s\n' "${bare_times[@]}" | median)
bare_r=$(printf '%s\n' "${bare_rss[@]}" | median)
game_t=$(printf '%s\n' "${game_times[@]}" | median)
game_r=$(printf '%s\n' "${game_rss[@]}" | median)
rm -rf "$work"
awk -v gt="$game_t" -v gr="$game_r" -v bt="$bare_t" -v br="$bare_r" -v n="$runs" 'BEGIN {
    printf "runs: %d (medians)\n", n
    printf "bare window:  %7.1f ms  %7.1f MiB\n", bt, br / 1024
    printf "3D-Zendrix:   %7.1f ms  %7.1f MiB\n", gt, gr / 1024
    printf "ratio:        %7.2f x   %7.2f x\n", gt / bt, gr / br
}'
