#!/usr/bin/env bash
# The program started as a file manager starts it for a double-clicked
# profile, "rimora wheel.prl" from the profile's folder: the window must open
# with that wheel drawn in the profile's colours, and keep it as the recent
# profile by its full path. Started on one of qmake's build files (the same
# extension), it must say so in a message box over the window and keep every
# input at its default.
#
# Usage: open_profile_test.sh path/to/rimora
set -euo pipefail
SCREEN_W=1024 SCREEN_H=768
source "$(dirname "$0")/x_session.sh"

# No settings file: the window opens centred at its design size.
WIDTH=758 HEIGHT=540
LEFT=$((SCREEN_W / 2 - WIDTH / 2)) TOP=$((SCREEN_H / 2 - HEIGHT / 2))
tcolor() { echo $(($1 + ($2 << 8) + ($3 << 16))); }

# The profile's wheel: 16" rim, radially laced 36 holes, colours of its own.
BEAD=305 ERD=240 RIMID=9 RIMBK=9 DL=60 DR=60 HUBOD=9 HOLES=36 LEFT_HOLE=3 RIGHT_HOLE=6
export BEAD ERD RIMID RIMBK DL DR HUBOD HOLES LEFT_HOLE RIGHT_HOLE
C_BACK="240 230 140" C_RIM1="128 0 0" C_RIM2="0 128 128" C_HUB="128 0 128" C_LEFT="255 128 0" C_RIGHT="255 0 255"

start_x_server
APP_DIR="$WORK/app"
prepare_folder "$EXE" "$APP_DIR"
mkdir -p "$WORK/wheels" "$WORK/home" "$WORK/runtime"
chmod 700 "$WORK/runtime"
{
    printf '[MainF]\nTyCB=12\nHubCB=0\nRimCB=0\ndRE=%s\ndLE=%s\nCLE=0\nWLE=30.5\nWRE=20.5\nShE=2.6\nErdE=%s\nCRE=0\n' \
        "$DR" "$DL" "$ERD"
    echo "SG1-Row0=HUB,->R,RIM,->H,Length,"
    for h in $(seq 1 $HOLES); do printf 'SG1-Row%d=%02d,%02d,%02d,%02d,,\n' "$h" "$h" "$h" "$h" "$h"; done
    printf 'AdE=0\nCL1=%s\nCL2=%s\nCL3=%s\nCL4=%s\nCL5=%s\nCL6=%s\n' "$(tcolor $C_BACK)" "$(tcolor $C_RIM1)" \
        "$(tcolor $C_RIM2)" "$(tcolor $C_HUB)" "$(tcolor $C_RIGHT)" "$(tcolor $C_LEFT)"
    printf 'RIMBK=%s\nRIMID=%s\nHUBOD=%s\nSpkD=10\nAuCB=1\nRNCB=1\nSsd=0\n' "$RIMBK" "$RIMID" "$HUBOD"
} >"$WORK/wheels/wheel.prl"
printf 'QMAKE_PRL_BUILD_DIR = /build/qtbase/src/corelib\nQMAKE_PRL_TARGET = libQt6Core.so.6\n' >"$WORK/wheels/libQt6Core.prl"

# As start_program, from the profiles' folder with the file named relative to it.
start_on() { # file
    APP_LOG="$WORK/rimora-$1.log"
    (cd "$WORK/wheels" && exec env -u QT_QPA_PLATFORM -u SESSION_MANAGER HOME="$WORK/home" \
        XDG_CONFIG_HOME="$WORK/home/.config" XDG_RUNTIME_DIR="$WORK/runtime" LC_ALL=C.UTF-8 \
        QT_QPA_PLATFORM=xcb "$APP_DIR/rimora" "$1") >"$APP_LOG" 2>&1 &
    APP_PID=$!
}

echo "rimora wheel.prl: the profile's wheel in the window"
start_on wheel.prl
WID=$(wait_for_window "$TITLE")
check_window "$WID" $LEFT $TOP $WIDTH $HEIGHT profile-opened
stop_program
expect_lines "$APP_DIR/KELD.ini" "ErdE=$ERD" "TyCB=12" "CL1=$(tcolor $C_BACK)" "SG1-Row1=01,01,01,01,,"
grep -Fq "$WORK/wheels/wheel.prl" <(grep '^RecentL=' "$APP_DIR/KELD.ini") ||
    fail "the profile is not the recent one by its full path: $(grep '^RecentL=' "$APP_DIR/KELD.ini")"

echo "rimora libQt6Core.prl: said over the window, the inputs left at their defaults"
rm "$APP_DIR/KELD.ini"
start_on libQt6Core.prl
wait_for_window "$TITLE" >/dev/null
for _ in $(seq 100); do
    [ "$(xdotool search --onlyvisible --name "^$TITLE\$" 2>/dev/null | wc -l)" -ge 2 ] && break
    sleep 0.1
done
[ "$(xdotool search --onlyvisible --name "^$TITLE\$" | wc -l)" -ge 2 ] || fail "no message box over the window"
take_screenshot refused
stop_program
expect_lines "$APP_DIR/KELD.ini" "ErdE=590" "TyCB=0" "HubCB=-1" "SG1-Row1=,,,,," "RecentL="
echo "PASS"
