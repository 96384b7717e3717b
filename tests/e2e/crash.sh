#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Killing the program at random moments never damages its settings: after
# every SIGKILL the file parses and holds the whole list, either as it was
# written by hand (the old file) or as the program rewrote it (the new file).
# A SIGTERM at any moment ends the program with its state written.
source "$(dirname "$0")/x11-session.sh"
NO_WM=1 start_x 1024 768

ROUNDS=${CRASH_ROUNDS:-210}

# Prints the [Items] list, one item a line, after checking that every line of
# the file is blank, a [section] or key=value and that the list runs 0, 1, 2...
# without a gap. Fails (status 1) on anything else.
items_of() {
    awk '
        /^[ \t]*$/ { next }
        /^[ \t]*[;#]/ { next }
        /^\[[^]]+\][ \t]*$/ { section = $0; next }
        /^[^=]+=/ {
            if (section == "[Items]") {
                key = substr($0, 1, index($0, "=") - 1)
                if (key !~ /^[0-9]+$/) { print "bad item key: " key > "/dev/stderr"; bad = 1; next }
                item[key + 0] = substr($0, index($0, "=") + 1)
                if (key + 1 > n) n = key + 1
            }
            next
        }
        { print "unparsable line: " $0 > "/dev/stderr"; bad = 1 }
        END {
            if (bad) exit 1
            for (i = 0; i < n; ++i) {
                if (!(i in item)) { print "gap at item " i > "/dev/stderr"; exit 1 }
                print item[i]
            }
        }' "$1"
}

# The hand-written list of a round: between 3 and 14 items, different in
# length and content from round to round.
list_for_round() {
    local round=$1 count=$((3 + $1 % 12)) i
    for ((i = 0; i < count; ++i)); do
        if ((i % 4 == 3)); then
            echo "sep"
        else
            echo "$E2E_TMP/target$i.sh|Item $i of round $round"
        fi
    done
}

for i in $(seq 0 14); do printf '#!/bin/sh\n' > "$E2E_TMP/target$i.sh"; chmod +x "$E2E_TMP/target$i.sh"; done

# The old file: no program folder stored yet, so the program writes at start
# as well as at shutdown.
write_round_file() {
    {
        echo "[App]"
        echo "FirstTimeEx=no"
        echo ""
        echo "[Setting]"
        echo "Top=$((100 + 15 * ($1 % 20)))"
        echo ""
        echo "[Items]"
        local n=0
        while IFS= read -r item; do echo "$n=$item"; n=$((n + 1)); done < <(list_for_round "$1")
    } > "$SETTINGS"
}

# Waits (up to about 10 s) until the program has written the program folder
# at start.
started_write() {
    for _ in $(seq 1000); do
        grep -q '^Path=' "$SETTINGS" && return 0
        kill -0 "$1" 2>/dev/null || return 1
        sleep 0.01
    done
    return 1
}

random_ms() { printf '0.%03d' $((RANDOM % $1)); }

# How a status came about, in words.
ended_how() { if (($1 > 128)); then echo "ended by SIG$(kill -l "$1")"; else echo "ended with status $1"; fi; }
# What the round's program wrote and how it ended (its status, once waited
# for, as the argument), for a failure message.
round_output() {
    local ended="was still running" status=0
    if [ $# -gt 0 ]; then
        ended=$(ended_how "$1")
    elif ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid" 2>/dev/null || status=$?
        ended=$(ended_how "$status")
    fi
    printf '\n-- the program %s; it wrote: --\n%s' "$ended" "$(cat "$E2E_TMP/bar.log")"
}

killed_mid_shutdown=0 terminated=0 rewritten=0
for ((round = 0; round < ROUNDS; ++round)); do
    write_round_file "$round"
    old=$(md5sum < "$SETTINGS")
    expected=$(list_for_round "$round")
    # A process ended by SIGKILL while its leak check stops its threads
    # leaves a note that it could not read their registers: it is no report
    # of a fault, so the rounds that send SIGKILL run without the check. The
    # rounds that only send SIGTERM keep it.
    if ((round % 3 == 2)); then
        "$KESTREL" >"$E2E_TMP/bar.log" 2>&1 &
    else
        ASAN_OPTIONS="$ASAN_OPTIONS:detect_leaks=0" LSAN_OPTIONS="$LSAN_OPTIONS:detect_leaks=0" \
            "$KESTREL" >"$E2E_TMP/bar.log" 2>&1 &
    fi
    pid=$!
    # Half of the rounds strike after the write at start, so that the kill
    # meets the shutdown write; the others at any moment from the start.
    if ((round % 2 == 1)); then
        started_write "$pid" || fail "round $round: the program did not store its folder at start$(round_output)"
    fi
    # What each round did goes into its failure message.
    delay=$(random_ms 300)
    how="${delay}s in"
    ((round % 2 == 0)) || how="${delay}s after the write at start"
    sleep "$delay"
    case $((round % 3)) in
        0)  how+=", SIGKILL"
            kill -KILL "$pid" 2>/dev/null || true ;;
        1)  # SIGTERM starts the shutdown write; SIGKILL lands somewhere in it.
            kill -TERM "$pid" 2>/dev/null || true
            second=$(random_ms 40)
            how+=", SIGTERM then SIGKILL ${second}s later"
            sleep "$second"
            kill -KILL "$pid" 2>/dev/null || true
            killed_mid_shutdown=$((killed_mid_shutdown + 1)) ;;
        2)  how+=", SIGTERM"
            kill -TERM "$pid" 2>/dev/null || true ;;
    esac
    status=0
    wait "$pid" 2>/dev/null || status=$?
    sanitizer_status "$status" "round $round, $how"
    # The program never ends by itself, and only by a signal it was sent.
    case $((round % 3)):$status in
        0:137 | 1:0 | 1:137 | 1:143 | 2:0 | 2:143) ;;
        *) fail "round $round, $how: not the end it was sent$(round_output "$status")" ;;
    esac

    got=$(items_of "$SETTINGS") || fail "round $round, $how: the settings file does not parse: $(cat "$SETTINGS")$(round_output "$status")"
    [ "$got" = "$expected" ] || fail "round $round, $how: the list is not the stored one:
$got
-- expected --
$expected$(round_output "$status")"
    new=$(md5sum < "$SETTINGS")
    if [ "$new" != "$old" ]; then
        # Rewritten by the program: the program folder is in it now.
        grep -q '^Path=' "$SETTINGS" || fail "round $round, $how: the file changed but holds no program folder$(round_output "$status")"
        rewritten=$((rewritten + 1))
    fi
    if ((round % 3 == 2)); then
        # SIGTERM before the handler exists ends the process by the signal,
        # with the old file untouched; once the program runs it writes.
        if [ "$status" = 0 ]; then
            terminated=$((terminated + 1))
            grep -q '^Path=' "$SETTINGS" || fail "round $round, $how: SIGTERM did not write the program folder$(round_output "$status")"
            grep -q "^Top=$((100 + 15 * (round % 20)))\$" "$SETTINGS" || fail "round $round, $how: SIGTERM did not write the position$(round_output "$status")"
        elif [ "$new" != "$old" ]; then
            fail "round $round, $how: ended by the signal (status $status) yet the file changed$(round_output "$status")"
        fi
    fi
done

# The rounds must have hit real writes, not only processes that never started.
((rewritten >= ROUNDS / 2)) || fail "only $rewritten of $ROUNDS rounds rewrote the file"
((terminated >= ROUNDS / 8)) || fail "only $terminated of the SIGTERM rounds ended through the unload"
leftovers=$(find "$XDG_CONFIG_HOME/Dash97" -mindepth 1 ! -name settings.ini ! -name 'settings.ini.lock' | wc -l)
echo "$ROUNDS rounds: $rewritten rewrote the file, $killed_mid_shutdown killed during shutdown, $terminated ended by SIGTERM; $leftovers stray files"
echo "1 passed, 0 failed"
