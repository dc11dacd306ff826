#!/usr/bin/env bash
# Kills the stress driver at random moments while it saves orders, appends, changes and removes
# lines, writes statuses, records deliveries, reopens and voids orders, and checks after every kill
# that the order files are still whole and agree with the driver's journal.
#   scripts/crash_test.sh [KILLS] [DRIVER]
# KILLS defaults to 1000. DRIVER defaults to $ZEL_STRESS, then build/tests/stress/zel_stress.
# The folder goes in $ZEL_STRESS_TMP, else /dev/shm when there is one, else $TMPDIR or /tmp: a
# process kill keeps what reached the page cache, so a memory file system tests the same and
# fits far more steps into each run than a disk that waits for every fsync.
set -uo pipefail

kills=${1:-1000}
driver=${2:-${ZEL_STRESS:-$(dirname "$0")/../build/tests/stress/zel_stress}}
if [ ! -x "$driver" ]; then
    echo "no driver at $driver: build first (bash scripts/build.sh) or pass its path" >&2
    exit 2
fi
tmp=${ZEL_STRESS_TMP:-}
if [ -z "$tmp" ]; then
    tmp=${TMPDIR:-/tmp}
    [ -d /dev/shm ] && [ -w /dev/shm ] && tmp=/dev/shm
fi

folder=$(mktemp -d "$tmp/zel-crash.XXXXXX")
mkdir "$folder/Order" "$folder/System"
# A delivery moves the order to status 4 or 5, described by this list.
printf '"1","Ny"\r\n"4","Delvis levererad"\r\n"5","Levererad"\r\n"6","Makulerad"\r\n' >"$folder/System/Orderstatus.log"

passed=0
failed=0
for ((i = 1; i <= kills; i++)); do
    # A fresh folder now and then keeps the check quick; within a stretch state piles up.
    if ((i % 100 == 1 && i > 1)); then
        rm -rf "$folder/Order" "$folder"/journal-*.txt
        mkdir "$folder/Order"
    fi
    # A few IDs in turn, so a run goes on from an earlier run's journal and works on its orders.
    id=$((i % 3 + 1))
    seed=$((RANDOM * 32768 + RANDOM))
    delay_ms=$((RANDOM % 41))
    coproc DRIVER { exec "$driver" work "$folder" "$id" "$seed" 100000; }
    pid=$DRIVER_PID
    out=${DRIVER[0]}
    # The delay counts from "ready". Reading the driver's output, which says nothing more until
    # it ends, doubles as a sleep that needs no extra process.
    read -r -u "$out" ready
    read -r -t "$(printf '0.%03d' "$delay_ms")" -u "$out" _
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    status=$?
    # 137 is the kill; anything else means the driver stopped on its own before it.
    if [ "$status" -ne 137 ] || [ "$ready" != ready ]; then
        echo "kill $i: the driver ended with status $status before the kill (id $id, seed $seed)"
        failed=$((failed + 1))
        echo "folder kept for inspection: $folder"
        break
    fi
    if "$driver" check "$folder" >"$folder/check.txt"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "kill $i failed the check (id $id, seed $seed, killed ${delay_ms} ms after start-up):"
        cat "$folder/check.txt"
        echo "folder kept for inspection: $folder"
        break
    fi
done

echo "$passed passed, $failed failed"
if ((failed > 0)); then
    exit 1
fi
rm -rf "$folder"
