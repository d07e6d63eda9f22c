# Shared by the end-to-end scripts (sourced, not run): a private X server, the
# program started from a folder of its own, screenshots and pixel checks.
#
# A script sets SCREEN_W and SCREEN_H, sources this file and calls
# start_x_server; its one argument, the program under test, is EXE from here. Every failure goes through fail, which says why, names the
# latest screenshot and keeps the work folder; a passing run removes it
# unless RIMORA_E2E_KEEP=1.

set -euo pipefail

SCREEN_W=${SCREEN_W:-1280}
SCREEN_H=${SCREEN_H:-1024}
WORK=$(mktemp -d "${TMPDIR:-/tmp}/rimora-e2e.XXXXXX")
KEEP_WORK=${RIMORA_E2E_KEEP:-0}
XVFB_PID=""
APP_PID=""
LAST_SHOT=""
SHOT_RGB=""
SHOT_COUNT=0

cleanup() {
    if [ -n "$APP_PID" ] && kill -0 "$APP_PID" 2>/dev/null; then
        kill -KILL "$APP_PID" 2>/dev/null || true
    fi
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    fi
    if [ "$KEEP_WORK" = 1 ]; then echo "work folder kept: $WORK" >&2; else rm -rf "$WORK"; fi
}
trap cleanup EXIT
trap 'fail "interrupted"' INT TERM

fail() {
    KEEP_WORK=1
    echo "FAIL: $*" >&2
    if [ -n "$LAST_SHOT" ]; then echo "screenshot: $LAST_SHOT" >&2; fi
    if [ -n "${APP_LOG:-}" ] && [ -s "$APP_LOG" ]; then
        echo "program output ($APP_LOG):" >&2
        tail -n 20 "$APP_LOG" >&2
    fi
    exit 1
}

[ $# -eq 1 ] || { echo "usage: $0 path/to/rimora" >&2; exit 2; }
EXE=$(realpath "$1")
[ -x "$EXE" ] || fail "$EXE is not an executable"

need() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps installs it)"
    done
}

# Starts Xvfb on the first free display (-displayfd: parallel runs never pick
# the same one) and points DISPLAY at it.
start_x_server() {
    need Xvfb xdotool import convert od awk
    local numberFile="$WORK/display"
    : >"$numberFile"
    Xvfb -displayfd 9 -screen 0 "${SCREEN_W}x${SCREEN_H}x24" -nolisten tcp \
        9>"$numberFile" >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    local number=""
    for _ in $(seq 100); do
        number=$(cat "$numberFile")
        [[ $number =~ ^[0-9]+$ ]] && break
        kill -0 "$XVFB_PID" 2>/dev/null || fail "Xvfb ended at start: $(tail -n 5 "$WORK/xvfb.log")"
        sleep 0.1
    done
    [[ $number =~ ^[0-9]+$ ]] || fail "Xvfb gave no display number within 10 s"
    export DISPLAY=":$number"
}

# Copies the executable into a new folder of its own, where it keeps KELD.ini.
prepare_folder() { # executable folder
    mkdir -p "$2"
    cp "$1" "$2/rimora"
}

# Starts the program from its folder on the X server, with a home and
# configuration folder of the test's own, so nothing of the user's is read
# or written.
start_program() { # folder [log file name, for a second copy in the same folder]
    local folder=$1
    mkdir -p "$WORK/home" "$WORK/runtime"
    chmod 700 "$WORK/runtime"
    APP_LOG="$folder/${2:-rimora.log}"
    (cd "$folder" && exec env -u QT_QPA_PLATFORM -u SESSION_MANAGER HOME="$WORK/home" \
        XDG_CONFIG_HOME="$WORK/home/.config" XDG_RUNTIME_DIR="$WORK/runtime" LC_ALL=C.UTF-8 \
        QT_QPA_PLATFORM=xcb ./rimora) >"$APP_LOG" 2>&1 &
    APP_PID=$!
}

# Prints the id of the program's main window once it is shown.
wait_for_window() { # title
    local id
    id=$(timeout 30 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
    if [ -z "$id" ]; then
        kill -0 "$APP_PID" 2>/dev/null || fail "the program ended before showing \"$1\""
        fail "no window named \"$1\" within 30 s"
    fi
    echo "$id"
}

# The window's X, Y, WIDTH and HEIGHT as shell variables WIN_X, WIN_Y, ...
read_window_geometry() { # window id
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$1")"
    WIN_X=$X WIN_Y=$Y WIN_W=$WIDTH WIN_H=$HEIGHT
}

# Screenshot of the whole screen, kept as PNG, plus raw RGB for pixel reads.
take_screenshot() { # name
    SHOT_COUNT=$((SHOT_COUNT + 1))
    LAST_SHOT="$WORK/$(printf '%02d' "$SHOT_COUNT")-$1.png"
    import -window root "$LAST_SHOT" || fail "import could not take a screenshot"
    SHOT_RGB="${LAST_SHOT%.png}.rgb"
    convert "$LAST_SHOT" -depth 8 "rgb:$SHOT_RGB" || fail "convert could not read $LAST_SHOT"
}

pixel_at() { # x y -> "r g b" of the latest screenshot
    local offset=$((($2 * SCREEN_W + $1) * 3))
    od -An -tu1 -j "$offset" -N 3 "$SHOT_RGB" | awk '{ print $1, $2, $3 }'
}

# Compares one pixel with a colour given as "r g b".
expect_colour() { # what x y "r g b"
    local got
    got=$(pixel_at "$2" "$3")
    [ "$got" = "$4" ] || fail "$1 at screen ($2, $3): expected rgb($4), found rgb($got)"
}

# Asks the program to end as a desktop session does and waits for it; it must
# end by itself, with status 0, having written its settings.
stop_program() {
    kill -TERM "$APP_PID" 2>/dev/null || fail "the program had already ended before SIGTERM"
    for _ in $(seq 150); do
        kill -0 "$APP_PID" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$APP_PID" 2>/dev/null; then fail "the program did not end within 15 s of SIGTERM"; fi
    local status=0
    wait "$APP_PID" || status=$?
    APP_PID=""
    [ "$status" = 0 ] || fail "the program ended with status $status after SIGTERM"
}

# Every given "key=value" line must be in the file, exactly.
expect_lines() { # file line...
    local file=$1
    shift
    [ -f "$file" ] || fail "$file was not written"
    for line in "$@"; do
        grep -Fxq -- "$line" "$file" || fail "$file lacks the line \"$line\"; it holds: $(tr '\n' ' ' <"$file" | cut -c1-600)"
    done
}

# Where the wheel's parts are on the screen, for a paint box at (left, top)
# of size w x h and the drawing settings in the environment: BEAD (bead seat
# diameter), ERD, RIMID, RIMBK, DL, DR, HUBOD, HOLES, LEFT_HOLE, RIGHT_HOLE.
# Prints "name x y" lines: background, rim1, rim2, inside, hub, left, right.
# Rounding follows the drawing: halves to even (printf), truncation by int().
wheel_points() { # left top w h
    awk -v L="$1" -v T="$2" -v W="$3" -v H="$4" -v bead_mm="$BEAD" -v erd="$ERD" -v rimid="$RIMID" \
        -v rimbk="$RIMBK" -v dl="$DL" -v dr="$DR" -v hubod="$HUBOD" -v holes="$HOLES" \
        -v lh="$LEFT_HOLE" -v rh="$RIGHT_HOLE" '
    function rnd(v) { return sprintf("%.0f", v) + 0 }
    function polar(r, deg, axis,   a) {
        a = (deg + 270) * 3.141592653589793 / 180
        return axis == "x" ? rnd(cos(a) * r + cx) : rnd(sin(a) * r + cy)
    }
    function put(name, x, y) { printf "%s %d %d\n", name, L + x, T + y }
    # The middle of a spoke from hub hole h to rim hole h (radial lacing).
    function spoke(name, h,   deg) {
        deg = h * 360 / holes
        put(name, int((polar(hubhole, deg, "x") + polar(rimhole, deg, "x")) / 2),
                  int((polar(hubhole, deg, "y") + polar(rimhole, deg, "y")) / 2))
    }
    BEGIN {
        cx = int(W / 2); cy = int(H / 2)
        bead = int((W < H ? W : H) / 2)
        scl = 2 * bead / bead_mm
        rimhole = rnd((erd / 2 - rimid) * scl)
        inner = bead - int(rimbk * scl)
        flange = rnd((dr > dl ? dr : dl) / 2)
        hub = rnd((hubod + flange) * scl)
        hubhole = rnd(flange * scl)
        # Background: halfway between the wheel and the edge of the box on the
        # longer side.
        if (H - 2 * bead > W - 2 * bead) put("background", cx, int((cy - bead) / 2))
        else put("background", int((cx - bead) / 2), cy)
        # The bands at three o clock, clear of the title and the logo.
        put("rim1", cx + int((bead + inner) / 2), cy)
        put("rim2", cx + int((inner + rimhole) / 2), cy)
        put("hub", cx, cy)
        # Halfway between two spokes, inside the rim: the background again.
        deg = (lh + 0.5) * 360 / holes
        r = (hubhole + rimhole) / 2
        put("inside", polar(r, deg, "x"), polar(r, deg, "y"))
        spoke("left", lh)
        spoke("right", rh)
    }'
}

# The main window: its title, and the paint box at its top left, beside the
# right panel (profile bar and tabs) and above the button bar and the status
# bar, whose sizes are fixed.
TITLE="Rimora Ver0.02"
RIGHT_PANEL=272
BUTTON_BAR=32
STATUS_BAR=23

# The window at the expected place and size, the wheel drawn in it.
check_window() { # id left top width height name
    read_window_geometry "$1"
    [ "$WIN_X,$WIN_Y,$WIN_W,$WIN_H" = "$2,$3,$4,$5" ] ||
        fail "window at $WIN_X,$WIN_Y size ${WIN_W}x$WIN_H; expected $2,$3 size ${4}x$5"
    check_wheel "$2" "$3" $(($4 - RIGHT_PANEL)) $(($5 - BUTTON_BAR - STATUS_BAR)) "$6"
}

# Checks the wheel drawn in a paint box at (left, top), w x h. Colours come
# from the environment as "r g b": C_BACK, C_RIM1, C_RIM2, C_HUB, C_LEFT,
# C_RIGHT; a colour left empty is not checked (no spokes drawn). The window
# may be mapped, moved or resized a moment before its painting reaches the
# screen, so the screenshot is retaken for up to 10 s until every point
# shows its colour; then the first point that does not is the failure.
check_wheel() { # left top w h name
    local name x y points mismatch
    local -A colour=([background]="$C_BACK" [rim1]="$C_RIM1" [rim2]="$C_RIM2" [inside]="$C_BACK"
        [hub]="$C_HUB" [left]="${C_LEFT:-}" [right]="${C_RIGHT:-}")
    points=$(wheel_points "$1" "$2" "$3" "$4")
    for _ in $(seq 40); do
        take_screenshot "$5"
        mismatch=""
        while read -r name x y; do
            [ -n "${colour[$name]}" ] || continue
            [ "$(pixel_at "$x" "$y")" = "${colour[$name]}" ] || { mismatch="$name $x $y"; break; }
        done <<<"$points"
        [ -z "$mismatch" ] && return 0
        sleep 0.25
    done
    read -r name x y <<<"$mismatch"
    expect_colour "$name" "$x" "$y" "${colour[$name]}"
}
