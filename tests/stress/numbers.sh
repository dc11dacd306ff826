#!/usr/bin/env bash
# Several order programs on one application folder whose new-order windows all open at the same
# moment, round after round: afterwards every program's every round must have saved one whole order
# of its own under a number no other took.
#   numbers.sh DRIVER [PROGRAMS] [ROUNDS]
set -uo pipefail
driver=${1:?usage: numbers.sh DRIVER [PROGRAMS] [ROUNDS]}
programs=${2:-4}
rounds=${3:-50}

tmp=${ZEL_STRESS_TMP:-}
if [ -z "$tmp" ]; then
    tmp=${TMPDIR:-/tmp}
    [ -d /dev/shm ] && [ -w /dev/shm ] && tmp=/dev/shm
fi
folder=$(mktemp -d "$tmp/zel-numbers.XXXXXX")
mkdir "$folder/Order"

pids=()
for ((id = 1; id <= programs; id++)); do
    "$driver" numbers "$folder" "$id" "$rounds" >"$folder/ready-$id.txt" &
    pids+=($!)
done
# Start them together once all are set up, so that start-up on a busy machine cannot spread them out.
for ((wait = 0; wait < 3000; wait++)); do
    [ "$(cat "$folder"/ready-*.txt | grep -c '^ready$')" -eq "$programs" ] && break
    sleep 0.01
done
touch "$folder/start"
failed=0
for pid in "${pids[@]}"; do
    wait "$pid" || failed=1
done
if [ "$failed" -ne 0 ]; then
    echo "a program failed; folder kept: $folder"
    exit 1
fi
if ! "$driver" check-numbers "$folder" "$programs" "$rounds"; then
    echo "check failed; folder kept: $folder"
    exit 1
fi
echo "$programs programs x $rounds rounds: check passed"
rm -rf "$folder"
