#!/usr/bin/env bash
# desktop SOURCE_DIR BUILD_DIR: the menu entry and AppStream file validate clean; the file type,
# in a scratch MIME database, names files by name and by contents. deb PACKAGE_DIR MODULE_DIR: the
# package's fields and files; the program unpacked and run (its SVG needs the module's folder).
set -euo pipefail
WORK=$(mktemp -d "${TMPDIR:-/tmp}/rimora-package.XXXXXX")
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
if [ "$1" = desktop ]; then
    out=$(desktop-file-validate "$2/share/org.example.Rimora.desktop" 2>&1) && [ -z "$out" ] || fail "$out"
    out=$(appstreamcli validate --no-net "$3/share/org.example.Rimora.metainfo.xml" 2>&1) || fail "$out"
    mkdir -p "$WORK/mime/packages" && cp "$2/share/rimora-mime.xml" "$WORK/mime/packages/"
    update-mime-database "$WORK/mime" 2>/dev/null
    while IFS='|' read -r name contents expected; do
        printf "$contents" >"$WORK/$name"
        got=$(XDG_DATA_HOME="$WORK" XDG_DATA_DIRS=/usr/share gio info -a standard::content-type "$WORK/$name")
        [ "${got##*: }" = "$expected" ] || fail "$name: ${got##*: }, expected $expected"
    done <<'ROWS'
wheel.prl|[MainF]\nErdE=590\n|application/x-rimora-profile
front wheel|[MainF]\r\nErdE=590\r\n|application/x-rimora-profile
libQt6Core|QMAKE_PRL_BUILD_DIR = /build/qtbase\nQMAKE_PRL_TARGET = libQt6Core.so.6\n|text/plain
libQt6Core.prl|QMAKE_PRL_BUILD_DIR = /build/qtbase\n|application/x-rimora-profile
ROWS
    echo PASS && exit 0
fi
shopt -s nullglob
debs=("$2"/rimora_*.deb)
[ ${#debs[@]} -eq 1 ] || fail "${#debs[@]} packages in $2, expected one"
info=$(dpkg-deb --info "${debs[0]}")
for field in "Package: rimora" "Section: science" "Maintainer: Rimora developers <rimora@example.org>" \
    "Depends: .*libqt6gui6 " "Depends: .*libqt6widgets6 " "Depends: .*libqt6printsupport6 " "Depends: .*libqt6svg6 "; do
    grep -q "^ $field" <<<"$info" || fail "no \"$field\" in: $info"
done
# Maintainer scripts would keep the package listed after its removal.
! grep -Eq 'lines +\*? *(pre|post)(inst|rm) ' <<<"$info" || fail "maintainer scripts: $info"
contents=$(dpkg-deb --contents "${debs[0]}" | awk '{ print $6 }')
for path in bin/rimora "$3/rimora_output.so" share/applications/org.example.Rimora.desktop share/mime/packages/rimora.xml \
    share/metainfo/org.example.Rimora.metainfo.xml share/man/man1/rimora.1.gz share/doc/rimora/copyright \
    share/icons/hicolor/{48x48,64x64,128x128}/apps/org.example.Rimora.png share/icons/hicolor/scalable/apps/org.example.Rimora.svg \
    share/icons/hicolor/scalable/mimetypes/application-x-rimora-profile.svg; do
    grep -qx "\./usr/$path" <<<"$contents" || fail "no /usr/$path"
done
dpkg-deb -x "${debs[0]}" "$WORK/root" && cd "$WORK"
printf '[MainF]\nTyCB=0\nHubCB=0\nRimCB=0\ndRE=41\ndLE=41\nCLE=3\nWLE=27.5\nWRE=18.1\nShE=2.5\nErdE=590\nCRE=3\n' >w.prl
rimora() { env -u DISPLAY -u QT_QPA_PLATFORM HOME="$WORK" LC_ALL=C.UTF-8 root/usr/bin/rimora "$@" 2>&1; }
rimora --lengths w.prl | grep -q '^left: 18 spokes, 3 crosses, 285\.4 mm' || fail "--lengths: $(rimora --lengths w.prl)"
rimora --sheet w.prl s.pdf && [ "$(head -c 5 s.pdf)" = %PDF- ] || fail "--sheet: $(rimora --sheet w.prl s.pdf)"
rimora --draw w.prl d.svg && grep -q '<svg' d.svg || fail "--draw SVG: $(rimora --draw w.prl d.svg)"
out=$(MANWIDTH=80 man --warnings -l root/usr/share/man/man1/rimora.1.gz 2>&1 >/dev/null) && [ -z "$out" ] || fail "man: $out"
echo PASS
