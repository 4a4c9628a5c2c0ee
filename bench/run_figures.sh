#!/usr/bin/env bash
# Prints every speed and memory figure the game is held to, in one run: the computer player's
# turns and whole games on Swamp II, the board's full rebuild on Swamp II at the large size, and
# start-up to the first painted board with the resident memory then, and the resident memory with
# a six-player game dealt on Swamp II (under a virtual X server at a screen that takes the large
# size, else offscreen). Usage: bench/run_figures.sh [BUILD_DIR]
set -euo pipefail
build="${1:-build}"
echo "== computer player (6 computer players, medians over seeded games)"
"$build/bench/ai_bench" --turns
echo "== full board rebuild at the large size (map 0 the default, 1 Swamp II)"
"$build/bench/render_bench" --benchmark_filter='FullRebuild' --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true 2>/dev/null | grep -E 'median'
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
startup() {
    if command -v xvfb-run > /dev/null; then
        HOME="$home" xvfb-run -a -s "-screen 0 1920x1200x24" "$build/app/startup_bench" "$@" \
            2>/dev/null
    else
        HOME="$home" QT_QPA_PLATFORM=offscreen "$build/app/startup_bench" "$@" 2>/dev/null
    fi
}
echo "== start-up to the first painted board (5 runs)"
for _ in 1 2 3 4 5; do startup | grep 'first painted'; done
echo "== resident memory with a game on Swamp II at the large size (5 runs)"
for _ in 1 2 3 4 5; do startup --map "Swamp II" | grep 'game of'; done
