#!/usr/bin/env bash
# Builds the Debian package, installs it, checks what it lays out, starts
# the installed program for two seconds and removes the package again.
set -euo pipefail
radice="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cartella="$radice/build-deb"
"$radice/scripts/prepara.sh" "$cartella" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DCMAKE_INSTALL_PREFIX=/usr
(cd "$cartella" && cpack -G DEB >/dev/null)
deb="$(ls "$cartella"/orbetto_*.deb | head -n 1)"
echo "package: $(basename "$deb") ($(du -k "$deb" | cut -f1) KB)"
sudo_=""; [ "$(id -u)" -eq 0 ] || sudo_="sudo"
DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y -qq "$deb" >/dev/null
rimuovi() { DEBIAN_FRONTEND=noninteractive $sudo_ apt-get remove -y -qq orbetto >/dev/null || true; }
trap rimuovi EXIT
for f in /usr/bin/orbetto /usr/share/applications/orbetto.desktop /usr/share/icons/hicolor/32x32/apps/orbetto.xpm \
         /usr/share/orbetto/suoni/{si1,si2,si3,si4,no,si}.wav; do
  [ -f "$f" ] || { echo "FAIL: $f is missing"; exit 1; }
done
modulo="$(ls /usr/lib/*/orbetto/liborbetto_suoni.so /usr/lib/orbetto/liborbetto_suoni.so 2>/dev/null || true)"
[ -n "$modulo" ] || { echo "FAIL: the sound module is missing"; exit 1; }
esito=0
QT_QPA_PLATFORM=offscreen timeout 2 /usr/bin/orbetto || esito=$?
# timeout's 124 means the program was still running after two seconds.
[ "$esito" = 124 ] || { echo "FAIL: the installed program ended with $esito"; exit 1; }
rimuovi
trap - EXIT
[ ! -e /usr/bin/orbetto ] || { echo "FAIL: the package did not go away"; exit 1; }
echo "1 passed, 0 failed"
