#!/usr/bin/env bash
# Installs into a scratch DESTDIR and checks what a desktop and the program expect to find there.
set -euo pipefail
build="$1"
fail() { echo "FAIL: $*" >&2; exit 1; }
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
DESTDIR="$dest" cmake --install "$build" --prefix /usr >/dev/null
app="$dest/usr/lib/quorvik-plb"
for f in QuorvikPLB quorvik-cli quorvik-beacon-sim Country.txt "Quorvik-PLB Ref_Guide.pdf"; do
    [ -e "$app/$f" ] || fail "missing $app/$f"
done
for p in QuorvikPLB quorvik-cli quorvik-beacon-sim; do
    [ -L "$dest/usr/bin/$p" ] || fail "usr/bin/$p is not a link"
    [ "$(readlink -f "$dest/usr/bin/$p")" = "$(readlink -f "$app/$p")" ] || fail "usr/bin/$p points elsewhere"
done
id=example.aldmar.QuorvikPLB
desktop="$dest/usr/share/applications/$id.desktop"
meta="$dest/usr/share/metainfo/$id.metainfo.xml"
[ -f "$desktop" ] || fail "no desktop entry"
[ -f "$meta" ] || fail "no metainfo"
[ -f "$dest/usr/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon"
png="$dest/usr/share/icons/hicolor/256x256/apps/$id.png"
[ -f "$png" ] || fail "no 256 px icon"
file "$png" | grep -q "256 x 256" || fail "icon is not 256 x 256: $(file "$png")"
for m in QuorvikPLB quorvik-cli; do
    [ -f "$dest/usr/share/man/man1/$m.1" ] || fail "no manual page for $m"
    man -l "$dest/usr/share/man/man1/$m.1" >/dev/null 2>&1 || groff -man -Tutf8 "$dest/usr/share/man/man1/$m.1" >/dev/null \
        || fail "manual page $m does not format"
done
desktop-file-validate "$desktop" || fail "desktop entry does not validate"
appstreamcli validate --no-net --pedantic "$meta" || appstreamcli validate --no-net "$meta" \
    || fail "metainfo does not validate"
# The installed tool runs from its link and finds its country list beside itself.
out=$("$dest/usr/bin/quorvik-cli" msg encode --serial 3133 --tac 200 --country 257 --protocol 15 2>&1) \
    || fail "installed quorvik-cli does not run: $out"
echo "$out" | grep -q '"hexId"' || fail "installed quorvik-cli gave no hex ID: $out"
echo "install layout ok"
