#!/usr/bin/env bash
# The real program under a private X server, started with a settings file
# beside it that describes a radially laced 36-hole wheel in colours of its
# own: the window must open where the file says and draw every part of the
# wheel in its colour. It is then moved and resized as a user would, asked to
# end with SIGTERM, and must write what it showed; a second start must come
# back at the new place and size with the same wheel, and write the same file.
#
# Usage: saved_wheel_test.sh path/to/rimora
set -euo pipefail
source "$(dirname "$0")/x_session.sh"

# The wheel, as the settings file holds it and the drawing needs it.
TYPE_INDEX=12 BEAD=305   # "16*1.75:305"
ERD=240 RIMID=9 RIMBK=9 DL=60 DR=60 HUBOD=9 SPOKE_WIDTH=10
HOLES=36 LEFT_HOLE=3 RIGHT_HOLE=6
export BEAD ERD RIMID RIMBK DL DR HUBOD HOLES LEFT_HOLE RIGHT_HOLE

tcolor() { echo $(($1 + ($2 << 8) + ($3 << 16))); }
C_BACK="240 230 140" C_RIM1="128 0 0" C_RIM2="0 128 128" C_HUB="128 0 128"
C_LEFT="255 128 0" C_RIGHT="255 0 255"

# First place: taller than wide, so the paint box's width sets the scale.
LEFT1=40 TOP1=30 WIDTH1=772 HEIGHT1=855
# Where the window is moved to: wider than tall.
LEFT2=100 TOP2=60 WIDTH2=872 HEIGHT2=555

write_settings() { # file
    {
        echo "[MainF]"
        echo "Left=$LEFT1"
        echo "Top=$TOP1"
        echo "Height=$HEIGHT1"
        echo "Width=$WIDTH1"
        echo "TyCB=$TYPE_INDEX"
        echo "HubCB=0"
        echo "RimCB=0"
        echo "dRE=$DR"
        echo "dLE=$DL"
        echo "CLE=0"
        echo "WLE=30.5"
        echo "WRE=20.5"
        echo "ShE=2.6"
        echo "ErdE=$ERD"
        echo "CRE=0"
        echo "SG1-Row0=HUB,->R,RIM,->H,Length,"
        for h in $(seq 1 $HOLES); do
            printf 'SG1-Row%d=%02d,%02d,%02d,%02d,%s,\n' "$h" "$h" "$h" "$h" "$h" "$([ "$h" = 1 ] && echo 112.5)"
        done
        echo "AdE=0"
        echo "CL1=$(tcolor $C_BACK)"
        echo "CL2=$(tcolor $C_RIM1)"
        echo "CL3=$(tcolor $C_RIM2)"
        echo "CL4=$(tcolor $C_HUB)"
        echo "CL5=$(tcolor $C_RIGHT)"
        echo "CL6=$(tcolor $C_LEFT)"
        echo "RIMBK=$RIMBK"
        echo "RIMID=$RIMID"
        echo "HUBOD=$HUBOD"
        echo "SpkD=$SPOKE_WIDTH"
        echo "AuCB=1"
        echo "RNCB=1"
        echo "Ssd=0"
        echo "[SumF]"
        echo "Left=500"
        echo "Top=400"
        echo "Height=300"
        echo "Width=400"
    } >"$1"
}

# What the program must have written after being left at the second place.
check_written() { # file
    local rows=()
    for h in $(seq 1 $HOLES); do
        rows+=("$(printf 'SG1-Row%d=%02d,%02d,%02d,%02d,%s,' "$h" "$h" "$h" "$h" "$h" "$([ "$h" = 1 ] && echo 112.5)")")
    done
    expect_lines "$1" "[MainF]" "Left=$LEFT2" "Top=$TOP2" "Height=$HEIGHT2" "Width=$WIDTH2" \
        "TyCB=$TYPE_INDEX" "HubCB=0" "RimCB=0" "dRE=$DR" "dLE=$DL" "CLE=0" "WLE=30.5" "WRE=20.5" \
        "ShE=2.6" "ErdE=$ERD" "CRE=0" "SG1-Row0=HUB,->R,RIM,->H,Length," "${rows[@]}" "AdE=0" \
        "CL1=$(tcolor $C_BACK)" "CL2=$(tcolor $C_RIM1)" "CL3=$(tcolor $C_RIM2)" "CL4=$(tcolor $C_HUB)" \
        "CL5=$(tcolor $C_RIGHT)" "CL6=$(tcolor $C_LEFT)" "CL7=$(tcolor 255 0 0)" "RIMBK=$RIMBK" \
        "RIMID=$RIMID" "HUBOD=$HUBOD" "SpkD=$SPOKE_WIDTH" "AuCB=1" "RNCB=1" "Ssd=0" \
        "RimOffE=0" "TensionE=120" "SpokeDiaE=2" "OrderStepCB=1" "HNCB=0" "RecentL=" "[SumF]" "Left=500" "Top=400" "Height=300" "Width=400"
    # The table has one row per hole and the heading row, no more.
    if grep -q '^SG1-Row37=' "$1"; then fail "$1 holds a table row beyond the 36 holes"; fi
    # The settings end where the summary window's section ends: nothing cut.
    [ "$(tail -n 1 "$1")" = "Width=400" ] || fail "$1 does not end with the summary window's section"
}

start_x_server
APP_DIR="$WORK/app"
prepare_folder "$EXE" "$APP_DIR"
write_settings "$APP_DIR/KELD.ini"

echo "first start: window from the prepared settings"
start_program "$APP_DIR"
WID=$(wait_for_window "$TITLE")
check_window "$WID" $LEFT1 $TOP1 $WIDTH1 $HEIGHT1 first-start

echo "moving and resizing the window"
xdotool windowmove --sync "$WID" $LEFT2 $TOP2 >/dev/null
xdotool windowsize --sync "$WID" $WIDTH2 $HEIGHT2 >/dev/null
check_window "$WID" $LEFT2 $TOP2 $WIDTH2 $HEIGHT2 moved

echo "SIGTERM: the program closes its window and writes its settings"
stop_program
check_written "$APP_DIR/KELD.ini"
cp "$APP_DIR/KELD.ini" "$WORK/KELD-after-first.ini"

echo "second start: restored where the first run left it"
start_program "$APP_DIR"
WID=$(wait_for_window "$TITLE")
check_window "$WID" $LEFT2 $TOP2 $WIDTH2 $HEIGHT2 second-start
stop_program
cmp -s "$WORK/KELD-after-first.ini" "$APP_DIR/KELD.ini" ||
    fail "the second run wrote other settings than the first: $(diff "$WORK/KELD-after-first.ini" "$APP_DIR/KELD.ini" | head -n 20)"

echo "PASS"
