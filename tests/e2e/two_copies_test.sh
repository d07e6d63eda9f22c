#!/usr/bin/env bash
# The real program, several copies of it and the ways it is ended, under a
# private X server:
# - a second copy started beside a running one says that its settings will
#   not be kept and opens down and right of the first, and whichever closes
#   last, the settings file holds the first copy's values (here its window's
#   place, which each copy is moved to by hand);
# - a copy killed outright leaves its lock behind, and the next start takes
#   it over and keeps its settings;
# - a window stored at Left=5000 (a monitor since unplugged) comes back onto
#   the screen at its size, and one stored larger than the screen at the
#   screen's size;
# - SIGTERM while the settings cannot be written ends the program within a
#   second, with the reason on stderr and a non-zero status.
#
# Usage: two_copies_test.sh path/to/rimora
set -euo pipefail
SCREEN_W=1024 SCREEN_H=768
source "$(dirname "$0")/x_session.sh"

NOT_KEPT="Settings will not be kept: another Rimora is open."
WIDTH=758 HEIGHT=540

# The visible window of one process.
window_of() { # pid
    local id
    id=$(timeout 30 xdotool search --all --sync --onlyvisible --pid "$1" --name "^$TITLE\$" 2>/dev/null | head -n 1) || true
    [ -n "$id" ] || fail "no window of process $1 within 30 s"
    echo "$id"
}

expect_place() { # window id left top width height what
    for _ in $(seq 40); do
        read_window_geometry "$1"
        [ "$WIN_X,$WIN_Y,$WIN_W,$WIN_H" = "$2,$3,$4,$5" ] && return 0
        sleep 0.25
    done
    fail "$6: window at $WIN_X,$WIN_Y size ${WIN_W}x$WIN_H; expected $2,$3 size ${4}x$5"
}

move_to() { # window id left top
    xdotool windowmove --sync "$1" "$2" "$3" >/dev/null
    expect_place "$1" "$2" "$3" $WIDTH $HEIGHT "moved"
}

# Ends a copy by SIGTERM and waits for it; its status goes to STATUS.
end_copy() { # pid
    kill -TERM "$1"
    STATUS=0
    wait "$1" || STATUS=$?
}

start_x_server
APP_DIR="$WORK/app"
prepare_folder "$EXE" "$APP_DIR"
SETTINGS="$APP_DIR/KELD.ini"

for order in second-first first-second; do
    echo "two copies, closed $order"
    rm -f "$SETTINGS"
    start_program "$APP_DIR" first.log
    PID1=$APP_PID LOG1=$APP_LOG
    WID1=$(window_of "$PID1")
    start_program "$APP_DIR" second.log
    PID2=$APP_PID LOG2=$APP_LOG
    WID2=$(window_of "$PID2")
    [ "$WID1" != "$WID2" ] || fail "both copies show the same window"
    expect_place "$WID2" $(((SCREEN_W - WIDTH) / 2 + 30)) $(((SCREEN_H - HEIGHT) / 2 + 30)) $WIDTH $HEIGHT "second copy"
    grep -Fq "$NOT_KEPT" "$LOG2" || fail "the second copy did not say its settings will not be kept: $(cat "$LOG2")"
    if grep -Fq "$NOT_KEPT" "$LOG1"; then fail "the first copy says its settings will not be kept"; fi
    move_to "$WID1" 40 30
    move_to "$WID2" 220 260
    take_screenshot "two-copies-$order"
    if [ "$order" = second-first ]; then
        end_copy "$PID2"; s2=$STATUS
        end_copy "$PID1"; s1=$STATUS
    else
        end_copy "$PID1"; s1=$STATUS
        end_copy "$PID2"; s2=$STATUS
    fi
    APP_PID=""
    [ "$s1,$s2" = "0,0" ] || fail "the copies ended with status $s1 and $s2"
    expect_lines "$SETTINGS" "[MainF]" "Left=40" "Top=30" "Height=$HEIGHT" "Width=$WIDTH" "ErdE=590"
    [ ! -e "$SETTINGS.lock" ] || fail "the lock outlived both copies"
done

echo "a killed copy's lock is taken over by the next start"
start_program "$APP_DIR" killed.log
WID=$(window_of "$APP_PID")
kill -KILL "$APP_PID"
wait "$APP_PID" 2>/dev/null || true
[ -e "$SETTINGS.lock" ] || fail "a killed copy left no lock (nothing to take over)"
start_program "$APP_DIR" after-kill.log
WID=$(window_of "$APP_PID")
if grep -Fq "$NOT_KEPT" "$APP_LOG"; then fail "the lock of the killed copy was not taken over"; fi
move_to "$WID" 70 50
stop_program
expect_lines "$SETTINGS" "Left=70" "Top=50"

echo "a place on an unplugged monitor comes back onto the screen"
sed -i -e 's/^Left=70$/Left=5000/' -e 's/^Top=50$/Top=100/' "$SETTINGS"
start_program "$APP_DIR" off-screen.log
WID=$(window_of "$APP_PID")
expect_place "$WID" $((SCREEN_W - WIDTH)) 100 $WIDTH $HEIGHT "off-screen place"
take_screenshot off-screen-restored
stop_program
expect_lines "$SETTINGS" "Left=$((SCREEN_W - WIDTH))" "Top=100"

echo "a window larger than the screen comes back at the screen's size"
sed -i -e 's/^Left=.*/Left=0/' -e 's/^Top=.*/Top=0/' -e 's/^Width=.*/Width=1920/' -e 's/^Height=.*/Height=1200/' "$SETTINGS"
start_program "$APP_DIR" too-large.log
expect_place "$(window_of "$APP_PID")" 0 0 $SCREEN_W $SCREEN_H "too large a place"
stop_program
expect_lines "$SETTINGS" "Left=0" "Top=0" "Width=$SCREEN_W" "Height=$SCREEN_H"

echo "SIGTERM with settings that cannot be written"
start_program "$APP_DIR" unwritable.log
WID=$(window_of "$APP_PID")
# The settings path becomes a folder while the program runs.
rm -f "$SETTINGS"
mkdir "$SETTINGS"
started=$(date +%s%N)
end_copy "$APP_PID"
status=$STATUS
took_ms=$((($(date +%s%N) - started) / 1000000))
APP_PID=""
[ "$status" != 0 ] || fail "the program ended with status 0 although its settings were not written"
[ "$took_ms" -le 1000 ] || fail "the program took $took_ms ms to end after SIGTERM"
grep -Fq "Cannot write $SETTINGS" "$APP_LOG" || fail "no write error on stderr: $(cat "$APP_LOG")"
[ -d "$SETTINGS" ] || fail "the folder at the settings path was replaced"
echo "ended in $took_ms ms with status $status"

echo "PASS"
