#!/usr/bin/env bash
# Two order programs on one application folder at the same time: both work the order list and
# their own orders, and afterwards every save and void of both must be found exactly.
#   two_programs.sh DRIVER [ITERATIONS]
set -uo pipefail
driver=${1:?usage: two_programs.sh DRIVER [ITERATIONS]}
iterations=${2:-300}

# Memory rather than disk when there is a choice: no fsync wait, so the two meet far more often.
tmp=${ZEL_STRESS_TMP:-}
if [ -z "$tmp" ]; then
    tmp=${TMPDIR:-/tmp}
    [ -d /dev/shm ] && [ -w /dev/shm ] && tmp=/dev/shm
fi
folder=$(mktemp -d "$tmp/zel-two-programs.XXXXXX")
mkdir "$folder/Order" "$folder/System"
printf '"1","Ny"\r\n"4","Delvis levererad"\r\n"5","Levererad"\r\n"6","Makulerad"\r\n' >"$folder/System/Orderstatus.log"

"$driver" work "$folder" 1 "$RANDOM" "$iterations" >/dev/null &
first=$!
"$driver" work "$folder" 2 "$RANDOM" "$iterations" >/dev/null &
second=$!
wait "$first"
first_status=$?
wait "$second"
second_status=$?
if [ "$first_status" -ne 0 ] || [ "$second_status" -ne 0 ]; then
    echo "a driver failed (exit $first_status and $second_status); folder kept: $folder"
    exit 1
fi

if ! "$driver" check "$folder" --exact; then
    echo "check failed; folder kept: $folder"
    exit 1
fi
echo "two programs: check passed"
rm -rf "$folder"
