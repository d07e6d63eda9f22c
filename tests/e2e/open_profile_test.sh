#!/usr/bin/env bash
# "rimora wheel.prl" from the profile's folder, as a file manager starts it: the wheel drawn in
# its colours, the profile recent by its full path. On a qmake build file (same extension): a
# message box over the window, every default kept. Usage: open_profile_test.sh path/to/rimora
set -euo pipefail
SCREEN_W=1024 SCREEN_H=768
source "$(dirname "$0")/x_session.sh"
# No settings file: centred at the design size. The profile's wheel: 16" rim, radial 36 holes.
WIDTH=758 HEIGHT=540 LEFT=$((SCREEN_W / 2 - 379)) TOP=$((SCREEN_H / 2 - 270))
BEAD=305 ERD=240 RIMID=9 RIMBK=9 DL=60 DR=60 HUBOD=9 HOLES=36 LEFT_HOLE=3 RIGHT_HOLE=6
export BEAD ERD RIMID RIMBK DL DR HUBOD HOLES LEFT_HOLE RIGHT_HOLE
C_BACK="240 230 140" C_RIM1="128 0 0" C_RIM2="0 128 128" C_HUB="128 0 128" C_LEFT="255 128 0" C_RIGHT="255 0 255"
tcolor() { echo $(($1 + ($2 << 8) + ($3 << 16))); }
start_x_server
prepare_folder "$EXE" "$WORK/app"
mkdir -p "$WORK/wheels" "$WORK/home" "$WORK/runtime" && chmod 700 "$WORK/runtime" && cd "$WORK/wheels"
{
    printf '[MainF]\nTyCB=12\nHubCB=0\nRimCB=0\ndRE=60\ndLE=60\nCLE=0\nWLE=30.5\nWRE=20.5\nShE=2.6\nErdE=240\nCRE=0\n'
    for h in $(seq 0 $HOLES); do printf 'SG1-Row%d=%02d,%02d,%02d,%02d,,\n' "$h" "$h" "$h" "$h" "$h"; done
    printf 'AdE=0\nCL1=%s\nCL2=%s\nCL3=%s\nCL4=%s\nCL5=%s\nCL6=%s\nRIMBK=9\nRIMID=9\nHUBOD=9\nSpkD=10\n' "$(tcolor $C_BACK)" \
        "$(tcolor $C_RIM1)" "$(tcolor $C_RIM2)" "$(tcolor $C_HUB)" "$(tcolor $C_RIGHT)" "$(tcolor $C_LEFT)"
} | sed 's/^SG1-Row0=.*/SG1-Row0=HUB,->R,RIM,->H,Length,/' >wheel.prl
printf 'QMAKE_PRL_BUILD_DIR = /build/qtbase/src/corelib\nQMAKE_PRL_TARGET = libQt6Core.so.6\n' >libQt6Core.prl
start_on() { # file, named relative to the current folder
    APP_LOG="$WORK/rimora-$1.log"
    env -u QT_QPA_PLATFORM HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" XDG_RUNTIME_DIR="$WORK/runtime" \
        LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb "$WORK/app/rimora" "$1" >"$APP_LOG" 2>&1 &
    APP_PID=$!
}
start_on wheel.prl
check_window "$(wait_for_window "$TITLE")" $LEFT $TOP $WIDTH $HEIGHT profile-opened
stop_program
expect_lines "$WORK/app/KELD.ini" "ErdE=240" "TyCB=12" "CL1=$(tcolor $C_BACK)" "SG1-Row1=01,01,01,01,," \
    "RecentL=$WORK/wheels/wheel.prl"
rm "$WORK/app/KELD.ini"
start_on libQt6Core.prl
wait_for_window "$TITLE" >/dev/null
for _ in $(seq 50); do [ "$(xdotool search --onlyvisible --name "^$TITLE\$" | wc -l)" -ge 2 ] && break || sleep 0.1; done
[ "$(xdotool search --onlyvisible --name "^$TITLE\$" | wc -l)" -ge 2 ] || fail "no message box over the window"
stop_program
expect_lines "$WORK/app/KELD.ini" "ErdE=590" "TyCB=0" "HubCB=-1" "SG1-Row1=,,,,," "RecentL="
echo "PASS"
