#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package (scripts/deb.sh), checks it with lintian,
# appstreamcli and desktop-file-validate, then installs it, starts the installed program for two seconds and removes
# it again. An orbetto that was installed before is left as it was: the
# package is then checked from its unpacked files instead.
set -euo pipefail
radice="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export ORBETTO_PACCHETTI_EXTRA="lintian appstream desktop-file-utils"
deb="$("$radice/scripts/deb.sh")"
echo "package: $(basename "$deb") ($(du -k "$deb" | cut -f1) KB)"
echo "Depends: $(dpkg-deb -f "$deb" Depends)"

esito=0
# Info tags stay only with their reason: none expected.
lintian --fail-on error,warning --suppress-tags-from-file "$radice/packaging/lintian-ammessi" "$deb" || esito=1
aperto="$(mktemp -d)"
trap 'rm -rf "$aperto"' EXIT
dpkg-deb -x "$deb" "$aperto"
appstreamcli validate --no-net "$aperto"/usr/share/metainfo/*.metainfo.xml >/dev/null || { echo "FAIL: appstream"; esito=1; }
desktop-file-validate "$aperto"/usr/share/applications/*.desktop || { echo "FAIL: desktop entry"; esito=1; }
for f in usr/bin/orbetto usr/share/orbetto/suoni/{si1,si2,si3,si4,no,si}.wav usr/share/icons/hicolor/scalable/apps/orbetto.svg \
         usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/orbetto.png \
         usr/share/man/man6/orbetto.6.gz usr/share/man/it/man6/orbetto.6.gz \
         usr/share/doc/orbetto/{copyright,changelog.gz}; do
  [ -f "$aperto/$f" ] || { echo "FAIL: /$f is missing"; esito=1; }
done
ls "$aperto"/usr/lib/*/orbetto/liborbetto_suoni.so >/dev/null 2>&1 || { echo "FAIL: the sound module is missing"; esito=1; }
ls "$aperto"/usr/lib/*/orbetto/liborbetto_voce.so >/dev/null 2>&1 || { echo "FAIL: the speech module is missing"; esito=1; }
[ "$esito" = 0 ] || exit 1

sudo_=""; [ "$(id -u)" -eq 0 ] || sudo_="sudo"
if dpkg-query -W -f='${Status}' orbetto 2>/dev/null | grep -q "install ok installed"; then
  echo "orbetto $(dpkg-query -W -f='${Version}' orbetto) is installed already: it stays; the package is checked unpacked"
  eseguibile="$aperto/usr/bin/orbetto"
else
  DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y -qq "$deb" >/dev/null
  rimuovi() { DEBIAN_FRONTEND=noninteractive $sudo_ apt-get remove -y -qq orbetto >/dev/null || true; rm -rf "$aperto"; }
  trap rimuovi EXIT
  eseguibile=/usr/bin/orbetto
fi
avvio=0
QT_QPA_PLATFORM=offscreen timeout 2 "$eseguibile" || avvio=$?
# timeout's 124 means the program was still running after two seconds.
[ "$avvio" = 124 ] || { echo "FAIL: the program ended with $avvio"; exit 1; }
if [ "$eseguibile" = /usr/bin/orbetto ]; then
  rimuovi
  trap 'rm -rf "$aperto"' EXIT
  [ ! -e /usr/bin/orbetto ] || { echo "FAIL: the package did not go away"; exit 1; }
fi
echo "1 passed, 0 failed"
