#!/usr/bin/env bash
# The Debian package as dpkg sees it: its control fields, what it installs
# where, and the program unpacked into a scratch root, run from there: its
# lengths, its build sheet and an SVG drawing, which needs the printing module
# from the package's private folder, and its manual page.
#
# Usage: deb_test.sh PACKAGE_DIR MODULE_DIR (the module's folder under /usr)
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 PACKAGE_DIR MODULE_DIR" >&2; exit 2; }
shopt -s nullglob
debs=("$1"/rimora_*.deb)
[ ${#debs[@]} -eq 1 ] || { echo "FAIL: ${#debs[@]} packages in $1, expected one" >&2; exit 1; }
DEB=${debs[0]}
# Away from the build folder, so nothing there can stand in for the package's files.
WORK=$(mktemp -d "${TMPDIR:-/tmp}/rimora-deb.XXXXXX")
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

info=$(dpkg-deb --info "$DEB")
field() { sed -n "s/^ $1: //p" <<<"$info"; }
[ "$(field Package)" = rimora ] || fail "package name: $(field Package)"
[ "$(field Section)" = science ] || fail "section: $(field Section)"
[ "$(field Maintainer)" = "Rimora developers <rimora@example.org>" ] || fail "maintainer: $(field Maintainer)"
# From dpkg-shlibdeps over the program and the module, and the platform plugins' package.
for needed in libc6 libqt6widgets6 libqt6printsupport6 libqt6svg6 libqt6gui6; do
    grep -Eq "(^|, )$needed( |,|$)" <<<"$(field Depends)" || fail "Depends lacks $needed: $(field Depends)"
done

contents=$(dpkg-deb --contents "$DEB" | awk '{ print $6 }')
for path in usr/bin/rimora "usr/$2/rimora_output.so" usr/share/applications/org.example.Rimora.desktop \
    usr/share/mime/packages/rimora.xml usr/share/metainfo/org.example.Rimora.metainfo.xml \
    usr/share/man/man1/rimora.1.gz usr/share/doc/rimora/copyright \
    usr/share/icons/hicolor/scalable/apps/org.example.Rimora.svg \
    usr/share/icons/hicolor/{48x48,64x64,128x128}/apps/org.example.Rimora.png \
    usr/share/icons/hicolor/scalable/mimetypes/application-x-rimora-profile.svg; do
    grep -qx "\./$path" <<<"$contents" || fail "the package lacks /$path"
done
outside=$(grep -v '^\./usr/' <<<"$contents" | grep -vx '\./' || true)
[ -z "$outside" ] || fail "the package installs outside /usr: $outside"
# Scripts would keep the package listed after its removal.
! grep -Eq '[0-9] lines +\*? *(preinst|postinst|prerm|postrm) ' <<<"$info" || fail "the package has maintainer scripts: $info"

dpkg-deb -x "$DEB" "$WORK/root"
cat > "$WORK/default.prl" <<'PRL'
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
PRL
cd "$WORK"
rimora() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$WORK/home" LC_ALL=C.UTF-8 root/usr/bin/rimora "$@"; }
rimora --lengths default.prl >lengths.txt 2>&1 || fail "--lengths: $(cat lengths.txt)"
grep -q '^left: 18 spokes, 3 crosses, 285\.4 mm' lengths.txt || fail "--lengths: $(cat lengths.txt)"
rimora --sheet default.prl sheet.pdf 2>err.txt || fail "--sheet: $(cat err.txt)"
[ "$(head -c 5 sheet.pdf)" = "%PDF-" ] || fail "--sheet wrote no PDF"
rimora --draw default.prl drawing.svg 2>err.txt || fail "--draw to SVG (the module): $(cat err.txt)"
grep -q '<svg' drawing.svg || fail "--draw wrote no SVG"
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l root/usr/share/man/man1/rimora.1.gz 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "the manual page: $warnings"
echo PASS
