#!/usr/bin/env bash
# The files that tell a desktop about Rimora, checked by the tools desktops
# use: the menu entry, the software centre's description, and the profile's
# file type installed into a scratch MIME database and asked about files by
# name and by contents.
#
# Usage: desktop_files_test.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 SOURCE_DIR BUILD_DIR" >&2; exit 2; }
SRC=$1 BUILD=$2
WORK=$(mktemp -d "${TMPDIR:-/tmp}/rimora-desktop.XXXXXX")
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in desktop-file-validate appstreamcli update-mime-database gio; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps installs it)"
done

# Clean means not even a hint: the validators print nothing but their verdict.
entry="$SRC/share/org.example.Rimora.desktop"
out=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate: $out"
grep -qx 'Exec=rimora %f' "$entry" || fail "the menu entry does not pass the file it is started for"
grep -qx 'MimeType=application/x-rimora-profile;' "$entry" || fail "the menu entry does not take profiles"
out=$(appstreamcli validate --no-net "$BUILD/share/org.example.Rimora.metainfo.xml" 2>&1) || fail "appstreamcli: $out"
grep -q 'Validation was successful' <<<"$out" || fail "appstreamcli: $out"

mkdir -p "$WORK/mime/packages"
cp "$SRC/share/rimora-mime.xml" "$WORK/mime/packages/rimora.xml"
update-mime-database "$WORK/mime" 2>/dev/null || fail "update-mime-database refused the file type"
profile=$'[MainF]\nTyCB=0\nErdE=590\n'
qmake=$'QMAKE_PRL_BUILD_DIR = /build/qtbase/src/corelib\nQMAKE_PRL_TARGET = libQt6Core.so.6\nQMAKE_PRL_LIBS = -lpthread\n'
# name | contents | the type a file manager gives it
while IFS='|' read -r name contents expected; do
    case $contents in profile) printf '%s' "$profile" ;; crlf) printf '%s' "${profile//$'\n'/$'\r\n'}" ;;
        qmake) printf '%s' "$qmake" ;; esac >"$WORK/$name"
    got=$(XDG_DATA_HOME="$WORK" XDG_DATA_DIRS=/usr/share gio info -a standard::content-type "$WORK/$name" |
        sed -n 's/^ *standard::content-type: //p')
    [ "$got" = "$expected" ] || fail "$name ($contents): $got, expected $expected"
done <<'ROWS'
wheel.prl|profile|application/x-rimora-profile
front wheel|profile|application/x-rimora-profile
rear|crlf|application/x-rimora-profile
libQt6Core|qmake|text/plain
libQt6Core.prl|qmake|application/x-rimora-profile
ROWS
echo PASS
