#!/usr/bin/env bash
# The program's command line end to end, with no display at all: a profile
# of the default 36/36 wheel, its lengths as lines and as JSON, its build
# sheet as a PDF read back as text and as pixels, its drawing as SVG and PNG,
# and the files it must refuse. The program runs from a folder of its own,
# laid out as an installation (bin/, lib/<architecture>/rimora/ for the SVG
# module, RIMORA_MODULE_DIR when the build names it), so that
# a settings file written beside it would be seen.
#
# Usage: command_line_test.sh path/to/rimora
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: $0 path/to/rimora" >&2; exit 2; }
SOURCE_EXE=$(realpath "$1")
WORK=$(mktemp -d "${TMPDIR:-/tmp}/rimora-cli.XXXXXX")
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*" >&2; trap - EXIT; echo "work folder kept: $WORK" >&2; exit 1; }

mkdir "$WORK/bin"
cp "$SOURCE_EXE" "$WORK/bin/rimora"
EXE="$WORK/bin/rimora"
# The printing and SVG module where an installation puts it.
MODULE_DIR="$WORK/${RIMORA_MODULE_DIR:-lib/$(gcc -print-multiarch)/rimora}"
MODULE="$MODULE_DIR/rimora_output.so"
mkdir -p "$(dirname "$MODULE")"
cp "$(dirname "$SOURCE_EXE")/rimora_output.so" "$MODULE"
cd "$WORK"

# No display, no platform: the program must find its own way.
rimora() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_ALL=C.UTF-8 "$EXE" "$@"; }

# The default wheel as the window saves it before its table is laced.
cat > default.prl <<'PRL'
[MainF]
TyCB=0
HubCB=0
RimCB=0
dRE=41
dLE=41
CLE=3
WLE=27.5
WRE=18.1
ShE=2.5
ErdE=590
CRE=3
AdE=0
CL5=16711680
CL6=65280
PRL
LEFT_RGB="0 255 0" RIGHT_RGB="0 0 255"

# --- lengths -----------------------------------------------------------------
rimora --lengths default.prl > lengths.txt 2> lengths.err || fail "--lengths exited $?: $(cat lengths.err)"
# A profile saved before the rim offset and tension inputs: offset 0, 120 kgf
# on the tighter side, 2 mm spokes ordered in 2 mm steps.
grep -Eq '^left: 18 spokes, 3 crosses, 285\.4 mm, order 286 mm, bracing 5\.5°, 79\.2 kgf$' lengths.txt \
    || fail "no left line with 285.4 and 79.2 kgf: $(cat lengths.txt)"
grep -Eq '^right: 18 spokes, 3 crosses, 284\.6 mm, order 284 mm, bracing 3\.6°, 120\.0 kgf$' lengths.txt \
    || fail "no right line with 284.6 and 120.0 kgf: $(cat lengths.txt)"
[ "$(wc -l < lengths.txt)" -eq 3 ] || fail "--lengths printed more than one line per side and the order"

rimora --lengths default.prl --json > lengths.json || fail "--json exited $?"
python3 - lengths.json <<'PY' || fail "the JSON does not hold what --lengths printed"
import json, sys
d = json.load(open(sys.argv[1]))
spokes = d["spokes"]
assert len(spokes) == 36, len(spokes)
assert sorted(s["hub"] for s in spokes) == list(range(1, 37))
assert all((s["side"] == "left") == (s["hub"] % 2 == 1) for s in spokes)
assert {s["length"] for s in spokes if s["side"] == "left"} == {285.4}
assert {s["length"] for s in spokes if s["side"] == "right"} == {284.6}
assert d["sides"]["left"]["length"] == 285.4 and d["sides"]["right"]["length"] == 284.6
assert d["inputs"]["erd"] == 590 and d["inputs"]["hubHoles"] == 36
assert d["inputs"]["rimOffset"] == 0 and d["inputs"]["tension"] == 120
left, right = d["sides"]["left"], d["sides"]["right"]
assert (left["bracing"], right["bracing"]) == (5.51, 3.63), (left["bracing"], right["bracing"])
assert (left["tension"], right["tension"]) == (79.2, 120.0), (left["tension"], right["tension"])
assert (left["orderLength"], right["orderLength"]) == (286, 284)
PY

# The same wheel with its rim's holes 2 mm off centre.
{ cat default.prl; echo RimOffE=2; } > offset.prl
rimora --lengths offset.prl > offset.txt || fail "--lengths with a rim offset exited $?"
grep -Eq '^left: 18 spokes, 3 crosses, 285\.2 mm, order 284 mm, bracing 5\.1°, 94\.7 kgf$' offset.txt \
    || fail "no left line with 285.2 and 94.7 kgf: $(cat offset.txt)"
grep -Eq '^right: 18 spokes, 3 crosses, 284\.8 mm, order 284 mm, bracing 4\.0°, 120\.0 kgf$' offset.txt \
    || fail "no right line with 284.8: $(cat offset.txt)"
rimora --json offset.prl | python3 -c '
import json, sys
d = json.load(sys.stdin)
assert d["inputs"]["rimOffset"] == 2
assert (d["sides"]["left"]["flangeOffset"], d["sides"]["right"]["flangeOffset"]) == (25.5, 20.1)
assert (d["sides"]["left"]["bracing"], d["sides"]["right"]["bracing"]) == (5.11, 4.03)
assert d["sides"]["left"]["tension"] == 94.7
' || fail "the JSON of the offset wheel"

# --- the build sheet ---------------------------------------------------------
rimora --sheet default.prl sheet.pdf 2> sheet.err || fail "--sheet exited $?: $(cat sheet.err)"
pdftotext -layout sheet.pdf sheet.txt || fail "pdftotext cannot read the sheet"
[ "$(grep -o '285\.4' sheet.txt | wc -l)" -ge 19 ] || fail "the sheet does not list 285.4 for every left spoke"
[ "$(grep -o '284\.6' sheet.txt | wc -l)" -ge 19 ] || fail "the sheet does not list 284.6 for every right spoke"
grep -q 'default.prl' sheet.txt || fail "the sheet does not name its profile"
grep -q '79\.2' sheet.txt || fail "the sheet does not show the left tension 79.2"
grep -q 'Tension, tighter side' sheet.txt || fail "the sheet does not list the tension"
pdftoppm -r 100 -png sheet.pdf page || fail "pdftoppm cannot render the sheet"
count_colour() { # image "r g b": pixels of exactly that colour
    convert "$1" -depth 8 -fill black +opaque "rgb($(echo "$2" | tr ' ' ','))" -fill white -opaque "rgb($(echo "$2" | tr ' ' ','))" \
        -format '%[fx:int(mean*w*h+0.5)]' info:
}
[ "$(count_colour page-1.png "$LEFT_RGB")" -gt 200 ] || fail "the rendered sheet shows no left spokes"
[ "$(count_colour page-1.png "$RIGHT_RGB")" -gt 200 ] || fail "the rendered sheet shows no right spokes"

# --- the drawing -------------------------------------------------------------
rimora --draw default.prl wheel.svg || fail "--draw svg exited $?"
python3 - wheel.svg <<'PY' || fail "the SVG does not hold 36 spoke lines"
import re, sys
svg = open(sys.argv[1]).read()
lines = {"#00ff00": 0, "#0000ff": 0}
for group in svg.split("<g ")[1:]:
    head = group[:group.index(">")]
    m = re.search(r'stroke="(#[0-9a-f]{6})"', head)
    if m and m.group(1) in lines:
        lines[m.group(1)] += group.count("<polyline")
assert lines == {"#00ff00": 18, "#0000ff": 18}, lines
PY
rimora --draw default.prl wheel.png --size 640x480 || fail "--draw png exited $?"
[ "$(identify -format '%wx%h' wheel.png)" = 640x480 ] || fail "the PNG is not 640x480"
[ "$(count_colour wheel.png "$LEFT_RGB")" -gt 100 ] || fail "the PNG shows no left spokes"

# --- refusals ----------------------------------------------------------------
printf 'just notes\n[Other]\nx=1\n' > notes.prl
expect_refusal() { # what, output, says..., -- arguments...
    local what=$1 output=$2; shift 2
    local says=()
    while [ "$1" != -- ]; do says+=("$1"); shift; done
    shift
    local status=0
    rimora "$@" > refusal.out 2> refusal.err || status=$?
    [ "$status" -eq 1 ] || fail "$what: exit status $status, not 1"
    [ -s refusal.err ] || fail "$what: no message"
    for s in "${says[@]}"; do grep -qF -- "$s" refusal.err || fail "$what: the message does not say '$s': $(cat refusal.err)"; done
    [ ! -s refusal.out ] || fail "$what: printed $(cat refusal.out)"
    [ -z "$output" ] || [ ! -e "$output" ] || fail "$what: left $output behind"
}
expect_refusal "missing profile" out1.pdf missing.prl "does not exist" -- --sheet missing.prl out1.pdf
expect_refusal "missing profile" "" missing.prl -- --lengths missing.prl
expect_refusal "no [MainF]" out2.svg notes.prl "[MainF]" -- --draw notes.prl out2.svg
mv "$MODULE" "$WORK/module.away"
expect_refusal "no SVG module" out.svg "Saving a drawing as SVG is not possible" "rimora_output.so" "$MODULE_DIR" -- --draw default.prl out.svg
mv "$WORK/module.away" "$MODULE"
expect_refusal "no [MainF]" "" notes.prl "[MainF]" -- --lengths notes.prl --json
expect_refusal "unwritable output" no/such/folder/out.pdf "no/such/folder/out.pdf" -- --sheet default.prl no/such/folder/out.pdf
expect_refusal "unwritable output" no/such/folder/out.png "no/such/folder/out.png" -- --draw default.prl no/such/folder/out.png
sed 's/^ErdE=590$/ErdE=59O/' default.prl > bad.prl
expect_refusal "bad number" out3.png "bad.prl: ERD: '59O'" -- --draw bad.prl out3.png
{ cat default.prl; echo RimOffE=30; } > far.prl
expect_refusal "impossible offset" "" "far.prl: Rim offset:" -- --lengths far.prl

# --- outputs refused, streams, stdout, options, no display -------------------
# One run per row: exit status | what stderr says ("" for nothing) | where
# stdout goes (file, full: /dev/full, closed, profile: appended to the
# profile) | the arguments.
cp default.prl default.kept
ln default.prl hard.pdf
ln -s default.prl link.svg
while IFS='|' read -r status says stdout args; do
    read -ra argv <<< "$args"
    got=0
    case $stdout in
        file) rimora "${argv[@]}" > run.out 2> run.err || got=$? ;;
        full) rimora "${argv[@]}" > /dev/full 2> run.err || got=$? ;;
        closed) rimora "${argv[@]}" >&- 2> run.err || got=$? ;;
        profile) rimora "${argv[@]}" >> default.prl 2> run.err || got=$? ;;
    esac
    [ "$got" -eq "$status" ] || fail "rimora $args: exit status $got, not $status: $(cat run.err)"
    if [ -n "$says" ]; then
        [ "$(cat run.err)" = "rimora: $says" ] || fail "rimora $args: said '$(cat run.err)', not 'rimora: $says'"
    else
        [ ! -s run.err ] || fail "rimora $args: said $(cat run.err)"
    fi
done <<'CASES'
1|x.png: a build sheet is written as a .pdf file|file|--sheet default.prl x.png
1|x: a build sheet is written as a .pdf file|file|--sheet default.prl x
1|default.prl: the output would replace the profile default.prl it is made from|file|--sheet default.prl default.prl
1|./default.prl: the output would replace the profile default.prl it is made from|file|--sheet default.prl ./default.prl
1|hard.pdf: the output would replace the profile default.prl it is made from|file|--sheet default.prl hard.pdf
1|link.svg: the output would replace the profile default.prl it is made from|file|--draw default.prl link.svg
1|-: the output would replace the profile default.prl it is made from|profile|--sheet default.prl -
0||file|--sheet default.prl UPPER.PDF
0||file|--sheet default.prl /dev/null
1|/dev/full: No space left on device|file|--sheet default.prl /dev/full
1|/dev/full: No space left on device|file|--draw default.prl /dev/full
1|stdout: No space left on device|full|--sheet default.prl -
1|stdout: No space left on device|full|--draw default.prl - --format png
1|stdout: No space left on device|full|--lengths default.prl
1|stdout: No space left on device|full|--help
1|stdout: Bad file descriptor|closed|--lengths default.prl
1|stdout: Bad file descriptor|closed|--version
1|stdout: No space left on device|full|--steps default.prl
1|--steps reads one profile and writes no file.|file|--steps default.prl out.pdf
1|Give exactly one of --lengths, --steps, --sheet, --draw and --tension (see --help).|file|--steps default.prl --lengths default.prl
1|--size: a PNG of 16000x16000 would take 976 MB; at most 256 MB (e.g. 8192x8192)|file|--draw default.prl big.png --size 16000x16000
2|unknown option '--lenghts' (see --help)|file|--lenghts default.prl
2|unknown option '--bogus' (see --help)|file|--lengths default.prl --bogus
2|unknown option '-x' (see --help)|file|-platform offscreen -x
1|no display to open the window on (DISPLAY and WAYLAND_DISPLAY are unset); see rimora --help for what runs without one|file|
1|no display to open the window on (DISPLAY and WAYLAND_DISPLAY are unset); see rimora --help for what runs without one|file|default.prl
CASES
cmp -s default.prl default.kept || fail "a refused output changed the profile"
# A display left over from an ended session: the command line needs none, the
# window says it cannot open instead of aborting.
env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:987 "$EXE" --lengths default.prl > /dev/null \
    || fail "--lengths under a display that does not answer exited $?"
got=0; env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:987 "$EXE" 2> run.err || got=$?
[ "$got" -eq 1 ] && grep -q 'the display :987 does not answer' run.err \
    || fail "the window under a display that does not answer: exit $got, $(cat run.err)"
for refused in x.png x big.png; do [ ! -e "$refused" ] || fail "a refused run left $refused"; done
[ "$(head -c 5 UPPER.PDF)" = "%PDF-" ] || fail "UPPER.PDF holds no PDF"
[ -c /dev/null ] && [ -c /dev/full ] || fail "a device was replaced by a file"

# A pipe gets the bytes as a stream; "-" is the standard output.
mkfifo pipe
cat pipe > piped.pdf &
rimora --sheet default.prl pipe || fail "--sheet into a pipe exited $?"
wait $! || fail "the pipe's reader failed"
[ -p pipe ] || fail "the pipe was replaced"
[ "$(head -c 5 piped.pdf)" = "%PDF-" ] || fail "the pipe's reader got no PDF"
rimora --sheet default.prl - | head -c 5 | grep -qx '%PDF-' || fail "--sheet to - wrote no PDF"
rimora --draw default.prl - | grep -q '<svg' || fail "--draw to - wrote no SVG"
rimora --draw default.prl - --format png --size 64x48 > stdout.png || fail "--draw png to - exited $?"
[ "$(identify -format '%wx%h' stdout.png)" = 64x48 ] || fail "the PNG on stdout is not 64x48"

# Nothing beside the program: the settings file is never read or written.
[ "$(ls -A bin)" = rimora ] || fail "the command line wrote beside the program: $(ls -A bin)"
[ ! -e KELD.ini ] || fail "the command line wrote a settings file in the current folder"

rimora --help > help.txt || fail "--help exited $?"
grep -q -- '--lengths' help.txt || fail "--help does not list --lengths"
grep -q '^Usage: rimora  *open the window$' help.txt || fail "--help does not say a bare rimora opens the window"
! grep -qF "$WORK" help.txt || fail "--help shows the program's path"
rimora --version | grep -qx 'rimora [0-9][0-9.]*' || fail "--version does not print 'rimora' and a version"
# --- the lacing steps ----------------------------------------------------------
# One wheel per row: the records changed from default.prl | the spokes of each
# group in lacing order ("" where the steps only note what they do not cover).
while IFS='|' read -r changes groups; do
    sed "$changes" default.prl > steps.prl
    rimora --steps steps.prl > steps.txt 2> steps.err || fail "--steps ($changes) exited $?: $(cat steps.err)"
    grep -q '^step 1: ' steps.txt || fail "--steps ($changes) printed no first step: $(cat steps.txt)"
    rimora --steps steps.prl --json | python3 -c 'import json, sys
d = json.load(sys.stdin); want = [int(g) for g in sys.argv[1].split()]
groups = [s for s in d["steps"] if s["kind"] == "group"]
assert [s["count"] for s in groups] == want, [s["count"] for s in groups]
assert (d["note"] is None) == bool(want), d["note"]
if want:
    key = d["steps"][1]["spokes"][0]; rims = d["steps"][0]["text"]
    n = sum(want)
    assert key["rim"] in (n, 1) and key["side"] == "right" and key["direction"] == "trailing", key
    assert groups[0]["spokes"][0] == key, groups[0]["spokes"][0]
    for g in groups:
        assert len({(s["side"], s["direction"], s["head"]) for s in g["spokes"]}) == 1, g["title"]' "$groups" \
        || fail "--steps --json ($changes) is not the order expected: $groups"
done <<'STEPS'
s/^HubCB=0$/HubCB=0/|9 9 9 9
s/^HubCB=0$/HubCB=1/; s/^RimCB=0$/RimCB=1/|8 8 8 8
s/^HubCB=0$/HubCB=2/; s/^RimCB=0$/RimCB=2/; s/^CLE=3$/CLE=2/; s/^CRE=3$/CRE=2/|7 7 7 7
s/^HubCB=0$/HubCB=5/; s/^RimCB=0$/RimCB=5/; s/^CLE=3$/CLE=1/; s/^CRE=3$/CRE=1/|
STEPS
rimora --sheet default.prl steps.pdf --steps || fail "--sheet --steps exited $?"
pdfinfo steps.pdf | grep -q '^Pages: *7$' || fail "--sheet --steps of 36 holes is not the sheet and six steps: $(pdfinfo steps.pdf | grep Pages)"
pdftotext steps.pdf - | grep -q 'Lacing step 6 of 6: Left flange, leading spokes' || fail "the sheet has no page for the last step"

# --- the order list and the paper --------------------------------------------
grep -qx 'order: 284 mm × 18 right; 286 mm × 18 left' lengths.txt || fail "no order line: $(cat lengths.txt)"
sed 's/^HubCB=0$/HubCB=2/; s/^RimCB=0$/RimCB=1/' default.prl > w2832.prl
rimora --json w2832.prl | python3 -c 'import json, sys; d = json.load(sys.stdin)
assert sum(o["left"] + o["right"] for o in d["order"]) == len(d["spokes"]) == 28' || fail "the order of 28/32 does not add up"
for paper in "letter:612 x 792" "a4:595 x 842"; do
    rimora --sheet w2832.prl "sheet-${paper%%:*}.pdf" --paper "${paper%%:*}" || fail "--paper ${paper%%:*} exited $?"
    pdfinfo "sheet-${paper%%:*}.pdf" | grep -q "Page size: *${paper#*:}" || fail "--paper ${paper%%:*} is not ${paper#*:}"
    pdftotext "sheet-${paper%%:*}.pdf" - > order.txt
    for word in offset flange Profile trailing; do grep -q "$word" order.txt || fail "no '$word' in the ${paper%%:*} sheet's text"; done
done
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_ALL= LANG=de_DE.UTF-8 LC_PAPER=en_US.UTF-8 "$EXE" --sheet w2832.prl lcpaper.pdf \
    || fail "--sheet with LC_PAPER exited $?"
pdfinfo lcpaper.pdf | grep -q 'Page size: *612 x 792' || fail "LC_PAPER=en_US does not give Letter"

# --- the tension log ---------------------------------------------------------
# Two rounds kept in the profile; the last one is printed. The user's meters
# are looked for in a data folder of the test's own.
export XDG_DATA_HOME="$WORK/data"
{ cat default.prl
  echo 'TenRound1E=2026-12-07T21:00:00Z|Park Tool TM-1|2.0 mm round steel|18 18|initial'
  echo "TenRound2E=2026-12-07T21:30:00Z|Park Tool TM-1|2.0 mm round steel|22.5 25 16 29 $(printf '21 25 %.0s' $(seq 16))|after truing"
} > trued.prl
rimora --tension trued.prl > tension.txt || fail "--tension exited $?"
while IFS='|' read -r line; do
    grep -qxF -- "$line" tension.txt || fail "--tension does not print '$line': $(cat tension.txt)"
done <<'ROWS'
round: after truing, 2026-12-07 21:30 UTC, Park Tool TM-1, 2.0 mm round steel
rim 1 left: 22.5 -> 91.0 kgf
rim 3 left: 16 -> below 17
rim 4 right: 29 -> above 28
left: target 79.2 kgf, band 63.4 - 95.0 kgf, 17 read, mean 77.8 kgf, spread 3.3 kgf, outside: rim 3
right: target 120.0 kgf, band 96.0 - 144.0 kgf, 17 read, mean 120.0 kgf, spread 0.0 kgf, outside: rim 4
ROWS
rimora --tension trued.prl --json | python3 -c 'import json, sys; d = json.load(sys.stdin)
assert d["round"]["label"] == "after truing" and len(d["spokes"]) == 36, d["round"]
assert d["spokes"][0] == {"rim": 1, "side": "left", "reading": 22.5, "kgf": 91.0, "mark": "within"}, d["spokes"][0]
assert d["sides"]["left"]["outside"] == [3] and d["sides"]["right"]["outside"] == [4], d["sides"]' \
    || fail "the tension JSON does not hold the last round"
expect_refusal "no round" "" "default.prl: no round of tension readings" -- --tension default.prl
rimora --sheet trued.prl round.pdf --tension-round || fail "--tension-round exited $?"
pdftotext round.pdf - | grep -q 'Tension round: trued.prl' || fail "the sheet has no tension round page"
rimora --sheet default.prl form.pdf --tension-form || fail "--tension-form exited $?"
pdftotext form.pdf - | grep -q 'Tension form: default.prl' || fail "the sheet has no blank tension form"
[ ! -e "$WORK/data" ] || fail "the command line wrote into the data folder"

echo "command line: all checks passed"
