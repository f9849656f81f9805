#!/bin/sh
# A save reaches the disk in order: the new file's data is synced after its last
# write and before it is renamed over the old file, and the folder is synced
# after the rename so that the rename itself survives a power cut. The new file
# is opened once, by the call that creates it (close-on-exec, so no program
# started meanwhile inherits it), and written through that descriptor: a second
# open by name would follow a link that someone put in its place. A crash test
# cannot see this; the system calls of one save can. Exits 77 (skipped) where
# strace is missing or may not trace.
set -u
PROBE="$1"
command -v strace >/dev/null 2>&1 || { echo "SKIP: strace is not installed"; exit 77; }
strace -qq -o /dev/null true 2>/dev/null || { echo "SKIP: strace may not trace here"; exit 77; }

# LeakSanitizer (in a sanitized build) stops the world with ptrace, which a
# traced process may not do; leaks are not this test's business.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}${ASAN_OPTIONS:+:}detect_leaks=0"

. "$(dirname "$0")/../support/scratch_clock.sh"
scratch_begin save-fsync
# strace shows the folder as the kernel names it: without symbolic links.
WORK=$(cd "$SCRATCH" && pwd -P)
printf '[Alarm]\nHour=7\n' > "$WORK/vellmor.ini"
TRACE="$WORK/trace"
strace -f -qq -y -o "$TRACE" \
    -e trace=open,openat,write,writev,pwrite64,fsync,fdatasync,rename,renameat,renameat2 \
    "$PROBE" "$WORK/vellmor.ini" || { echo "FAIL: the save failed"; exit 1; }

# strace -y shows the path of each file descriptor in <...>; a rename shows
# both names in quotes.
awk -v dir="$WORK" -v target="$WORK/vellmor.ini" '
    / = -1 / { next }                       # failed calls do not count
    {
        sub(/^[0-9]+ +/, "")                # the process id of strace -f
        call = $0; sub(/\(.*/, "", call)
        if (call ~ /^open/) {
            split($0, o, "\"")
            opens[o[2]]++
            if ($0 !~ /O_CLOEXEC/) leaky[o[2]] = 1
        } else if (call ~ /^rename/) {
            n = split($0, q, "\"")
            if (q[n - 1] != target) next
            renames++; renameLine = NR; renamed = q[n - 3]
        } else if (match($0, /<[^>]*>/)) {
            path = substr($0, RSTART + 1, RLENGTH - 2)
            if (call ~ /write/) lastWrite[path] = NR
            else { syncs++; syncLine[syncs] = NR; syncPath[syncs] = path }
        }
    }
    END {
        if (renames != 1) { print "FAIL: " renames + 0 " renames onto " target; exit 1 }
        if (!(renamed in lastWrite)) { print "FAIL: nothing written to " renamed; exit 1 }
        if (opens[renamed] != 1) { print "FAIL: " renamed " opened " opens[renamed] + 0 " times, not once"; exit 1 }
        if (leaky[renamed]) { print "FAIL: " renamed " opened without O_CLOEXEC"; exit 1 }
        for (i = 1; i <= syncs; i++) {
            if (syncPath[i] == renamed && syncLine[i] > lastWrite[renamed] &&
                syncLine[i] < renameLine) fileSynced = 1
            if (syncPath[i] == dir && syncLine[i] > renameLine) dirSynced = 1
        }
        if (!fileSynced) { print "FAIL: " renamed " not synced between its last write and the rename"; exit 1 }
        if (!dirSynced) { print "FAIL: the folder not synced after the rename"; exit 1 }
    }' "$TRACE" || { echo "--- trace:"; cat "$TRACE"; exit 1; }
