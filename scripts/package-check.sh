#!/usr/bin/env bash
# Builds the Debian package (cpack -G DEB) and checks it without installing anything into this
# machine: the list of its files, the desktop entry, the AppStream metadata, lintian, the
# maintainer scripts on a scratch root, and the extracted program started on a virtual screen
# under an English locale, whose English captions must show in its accessibility tree.
#
#   bash scripts/package-check.sh [build folder, default build]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

build=${1:-build}
unset QT_QPA_PLATFORM # the program runs on the virtual X screen below

echo "== package =="
bash scripts/build.sh "$build"
rm -f "$build"/korvath-diag_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/korvath-diag_*.deb)
echo "$deb"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAILED: $*" >&2
  exit 1
}

echo "== contents =="
dpkg-deb -c "$deb"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' | sort >"$work/files"
sort >"$work/expected" <<'LIST'
usr/bin/korvath-diag
usr/lib/korvath-diag/korvath-diag
usr/lib/korvath-diag/korvath-diag.EN
usr/lib/korvath-diag/korvath-diag-tones.so
usr/share/applications/pl.korvath.Diag.desktop
usr/share/doc/korvath-diag/changelog.gz
usr/share/doc/korvath-diag/copyright
usr/share/icons/hicolor/256x256/apps/korvath-diag.png
usr/share/icons/hicolor/scalable/apps/korvath-diag.svg
usr/share/man/man1/korvath-diag.1.gz
usr/share/metainfo/pl.korvath.Diag.metainfo.xml
LIST
diff -u "$work/expected" "$work/files" || fail "the package holds other files than expected"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libqt6core6 qt6-qpa-plugins libqt6svg6 qt6-translations-l10n fonts-liberation2; do
  [[ $depends == *"$needed"* ]] || fail "Depends lacks $needed"
done

# apt can satisfy the dependencies here (a simulation: nothing is installed).
apt-get install --simulate -qq "$(realpath "$deb")" >/dev/null || fail "apt cannot install the package's dependencies"

root=$work/root
dpkg-deb -x "$deb" "$root"
[[ $(readlink -f "$root/usr/bin/korvath-diag") == "$root/usr/lib/korvath-diag/korvath-diag" ]] ||
  fail "/usr/bin/korvath-diag does not lead to the program"
/usr/bin/python3 - "$root/usr/share/icons/hicolor/256x256/apps/korvath-diag.png" <<'PY' || fail "the PNG icon is not 256 x 256"
import struct, sys
data = open(sys.argv[1], "rb").read(24)
assert data[:8] == b"\x89PNG\r\n\x1a\n" and struct.unpack(">II", data[16:24]) == (256, 256)
PY

echo "== desktop entry and AppStream =="
desktop-file-validate "$root/usr/share/applications/pl.korvath.Diag.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/pl.korvath.Diag.metainfo.xml"

echo "== lintian =="
lintian --fail-on error "$deb"

echo "== maintainer scripts on a scratch root =="
dpkg-deb -e "$deb" "$work/control"
scratch=$work/scratch
settings=$scratch/etc/xdg/Korvath
mkdir -p "$scratch"
DPKG_ROOT=$scratch sh "$work/control/postinst" configure
[[ $(stat -c '%a %G' "$settings") == "2775 dialout" ]] ||
  fail "settings folder is $(stat -c '%a %G' "$settings"), not 2775 dialout"
echo "Port=COM3" >"$settings/Ulmora.conf"
DPKG_ROOT=$scratch sh "$work/control/postrm" upgrade 1.1.2
DPKG_ROOT=$scratch sh "$work/control/postinst" configure 1.1.2
DPKG_ROOT=$scratch sh "$work/control/postrm" remove
[[ $(cat "$settings/Ulmora.conf") == "Port=COM3" ]] || fail "the settings file did not survive upgrade and removal"
[[ $(stat -c '%G' "$settings/Ulmora.conf") == dialout ]] || fail "the kept settings file is not shared with dialout"
DPKG_ROOT=$scratch sh "$work/control/postrm" purge
[[ ! -e $settings ]] || fail "purge left $settings"
echo "settings folder 2775 root:dialout; file kept on upgrade and removal, gone on purge"

echo "== the extracted program under an English locale =="
screenshot=${KORVATH_SCREENSHOT:--}
# A server number of its own, away from the :99 other virtual screens of this machine start at;
# the locale is the program's alone (xvfb-run itself stumbles over a locale it does not have);
# -noreset keeps the screen up while the accessibility bus connects and disconnects before the
# program does.
xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1280x1024x24 -noreset" \
  env LANG=en_US.UTF-8 LC_ALL= LANGUAGE= dbus-run-session -- /usr/bin/python3 scripts/find-caption.py "$root/usr/bin/korvath-diag" "$screenshot" \
  "Korvath Diag" Main Connect File Settings Help "Trouble codes" 2>"$work/run.log" ||
  { cat "$work/run.log" >&2; fail "the English captions did not show"; }
echo "package check passed"
