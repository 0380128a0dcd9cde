#!/usr/bin/env bash
# Builds the Debian package and, where this machine allows it (root with apt), installs it,
# runs the installed programs and removes it again.
set -euo pipefail
build="$1"
fail() { echo "FAIL: $*" >&2; exit 1; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >/dev/null) || fail "cpack failed"
deb=$(ls "$out"/quorvik-plb_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || fail "no package written"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6core6 libqt6quick6 libqt6serialport6 libarchive13 qml6-module-qtquick-controls; do
    echo "$depends" | grep -q "$lib" || fail "Depends lacks $lib: $depends"
done
contents=$(dpkg-deb -c "$deb")
for f in ./usr/bin/QuorvikPLB ./usr/lib/quorvik-plb/QuorvikPLB "./usr/lib/quorvik-plb/Quorvik-PLB Ref_Guide.pdf" \
         ./usr/share/applications/example.aldmar.QuorvikPLB.desktop ./usr/share/man/man1/quorvik-cli.1; do
    echo "$contents" | grep -qF "$f" || fail "package lacks $f"
done
echo "built $(basename "$deb")"

if [ "$(id -u)" -ne 0 ] || ! command -v apt-get >/dev/null; then
    echo "SKIP: installing the package needs root and apt-get; only the build was checked"
    exit 77
fi
if dpkg-query -W -f='${Status}' quorvik-plb 2>/dev/null | grep -q "install ok installed"; then
    echo "SKIP: quorvik-plb is already installed on this machine; not touching it"
    exit 77
fi
cleanup() { DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq quorvik-plb >/dev/null 2>&1 || true; rm -rf "$out"; }
trap cleanup EXIT
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" >/dev/null \
    || fail "apt-get install of the package failed"
/usr/bin/quorvik-cli msg encode --serial 3133 --tac 200 --country 257 --protocol 15 | grep -q '"hexId"' \
    || fail "installed quorvik-cli does not work"
HOME="$out" XDG_DATA_HOME="$out/share" XDG_CONFIG_HOME="$out/config" QT_QPA_PLATFORM=offscreen /usr/bin/QuorvikPLB --version | grep -q "5\." || fail "installed QuorvikPLB does not start"
echo "package installed, run and removed"
