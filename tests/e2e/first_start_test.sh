#!/usr/bin/env bash
# The real program started for the first time, with no settings file beside
# it: the window opens centred on the screen at its design size and draws the
# rim and the hub in the default colours; no hole count is chosen yet, so no
# spoke is drawn. Asked to end with SIGTERM, it writes a settings file with
# its placement and every input at its default.
#
# Usage: first_start_test.sh path/to/rimora
set -euo pipefail
SCREEN_W=1024 SCREEN_H=768
source "$(dirname "$0")/x_session.sh"

# Design client size 758 x 409, kept at least 540 high (the "Data" tab's
# lines need it): centred for the size the window really has.
WIDTH=758 HEIGHT=540
LEFT=$((SCREEN_W / 2 - WIDTH / 2)) TOP=$((SCREEN_H / 2 - HEIGHT / 2))

# The defaults: "700c:622", ERD 590 less 1 mm, an 8 mm outer band, 41 mm
# flanges and a hub 6 mm beyond them. The spoke holes only place the point
# between two spokes, which is background with or without spokes.
BEAD=622 ERD=590 RIMID=1 RIMBK=8 DL=41 DR=41 HUBOD=6 HOLES=36 LEFT_HOLE=3 RIGHT_HOLE=6
export BEAD ERD RIMID RIMBK DL DR HUBOD HOLES LEFT_HOLE RIGHT_HOLE
C_BACK="166 202 240" C_RIM1="192 192 192" C_RIM2="128 128 128" C_HUB="160 160 164"
C_LEFT="" C_RIGHT=""

start_x_server
APP_DIR="$WORK/app"
prepare_folder "$EXE" "$APP_DIR"

echo "first start without settings: centred, design size, rim and hub"
start_program "$APP_DIR"
WID=$(wait_for_window "$TITLE")
check_window "$WID" $LEFT $TOP $WIDTH $HEIGHT first-start
[ ! -e "$APP_DIR/KELD.ini" ] || fail "the settings file was written before the program ended"

echo "SIGTERM: the program writes its settings"
stop_program
expect_lines "$APP_DIR/KELD.ini" "[MainF]" "Left=$LEFT" "Top=$TOP" "Height=$HEIGHT" "Width=$WIDTH" \
    "TyCB=0" "HubCB=-1" "RimCB=-1" "dRE=41" "dLE=41" "CLE=3" "WLE=27.5" "WRE=18.1" "ShE=2.5" \
    "ErdE=590" "CRE=3" "SG1-Row0=HUB,->R,RIM,->H,Length," "SG1-Row1=,,,,," "AdE=0" \
    "CL1=15780518" "CL2=12632256" "CL3=8421504" "CL4=10789024" "CL5=16711680" "CL6=65280" "CL7=255" \
    "RIMBK=8" "RIMID=1" "HUBOD=6" "SpkD=2" "AuCB=1" "RNCB=1" "Ssd=0" \
    "RimOffE=0" "TensionE=120" "SpokeDiaE=2" "OrderStepCB=1" "HNCB=0" "RecentL="
# The summary window was never shown, so it wrote nothing.
if grep -q '^\[SumF\]' "$APP_DIR/KELD.ini"; then fail "the summary window wrote its placement without being closed"; fi
[ "$(tail -n 1 "$APP_DIR/KELD.ini")" = "RecentL=" ] ||
    fail "the settings file does not end with the last record, RecentL (no recent profiles yet)"

echo "PASS"
