#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build on a copy of its seed corpus for SECONDS each (default
# 10); a finding stops the run with the target's report and leaves the input in ARTIFACTS.
#   fuzz/run.sh BUILD_DIR [SECONDS] [TARGET...]
set -euo pipefail
build=${1:?usage: fuzz/run.sh BUILD_DIR [SECONDS] [TARGET...]}
seconds=${2:-10}
shift $(($# >= 2 ? 2 : 1))
here=$(cd "$(dirname "$0")" && pwd)
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(map_text campaign_file settings_record last_game_record board_state outline_file bmp
        message_frames map_game)
fi
work=$(mktemp -d "${TMPDIR:-/tmp}/marovek-fuzz-run-XXXXXX")
trap 'rm -rf "$work"' EXIT
artifacts=${ARTIFACTS:-$build/fuzz-artifacts}
mkdir -p "$artifacts"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1} UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
for target in "${targets[@]}"; do
    echo "== fuzz $target for ${seconds}s"
    mkdir -p "$work/$target"
    cp "$here/corpus/$target"/* "$work/$target/"
    "$build/fuzz/fuzz_$target" "$work/$target" -max_total_time="$seconds" -timeout=20 \
        -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
        -artifact_prefix="$artifacts/$target-" 2>"$work/$target.log" || {
        tail -n 60 "$work/$target.log"
        echo "fuzz $target found a fault; the input is in $artifacts" >&2
        exit 1
    }
    grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$work/$target.log" || true
done
