#!/usr/bin/env bash
# Runs each test program of a build once whole, its tests in shuffled order, so that a test that
# leans on what an earlier one left behind fails. Usage: scripts/run_shuffled.sh BUILD_DIR
# The seed is printed; MAROVEK_SHUFFLE_SEED=<seed> runs the same orders again.
set -euo pipefail
build=${1:?usage: scripts/run_shuffled.sh BUILD_DIR}
seed=${MAROVEK_SHUFFLE_SEED:-$((RANDOM % 99999 + 1))}
echo "== every test program whole, shuffled with seed $seed (MAROVEK_SHUFFLE_SEED=$seed replays)"

# The programs as ctest runs them: working folder, program and environment, each program once.
programs() {
    ctest --test-dir "$build" --show-only=json-v1 | python3 -c '
import json, sys
seen = set()
for test in json.load(sys.stdin)["tests"]:
    program = test["command"][0]
    if program in seen:
        continue
    seen.add(program)
    props = {p["name"]: p["value"] for p in test.get("properties", [])}
    print("\t".join([props.get("WORKING_DIRECTORY", "."), program] + props.get("ENVIRONMENT", [])))
'
}

# One program in the background: its output in <logs>/<name>.log, its exit code in <name>.rc.
run_one() {
    local folder=$1 program=$2
    shift 2
    local name
    name=$(basename "$program")
    local started=$SECONDS rc=0
    (cd "$folder" && env "$@" "$program" --gtest_shuffle --gtest_random_seed="$seed") \
        >"$logs/$name.log" 2>&1 || rc=$?
    printf '%s\t%s\t%s\t%s\n' "$rc" "$((SECONDS - started))" "$folder" "$program" >"$logs/$name.rc"
}

logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
while IFS=$'\t' read -r -a fields; do
    while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do wait -n || true; done
    run_one "${fields[@]}" &
done < <(programs)
wait

failed=0
ran=0
for result in "$logs"/*.rc; do
    [ -e "$result" ] || continue
    ran=$((ran + 1))
    IFS=$'\t' read -r rc seconds folder program <"$result"
    name=$(basename "$program")
    if [ "$rc" -eq 0 ]; then
        echo "$name: passed ($seconds s)"
        continue
    fi
    failed=1
    echo "$name: FAILED; replay: (cd $folder && $program --gtest_shuffle --gtest_random_seed=$seed)"
    grep -E '^\[  FAILED  \]|Failure$' "$logs/$name.log" || tail -n 20 "$logs/$name.log"
done
if [ "$ran" -eq 0 ]; then
    echo "no test programs in $build"
    exit 1
fi
exit "$failed"
