#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Per l'insegnante: costruisce il pacchetto Debian del programma e lo
# installa con apt (con sudo se c'è e non si è root; altrimenti chiede di
# eseguirlo come root con  su - ).
set -euo pipefail
radice="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
sudo_=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || {
    echo "Servono i permessi di amministratore. Eseguire come root:  su -  e poi  bash $radice/scripts/installa.sh" >&2
    exit 1
  }
  sudo_="sudo"
fi
deb="$("$radice/scripts/deb.sh")"
echo "Installo $(basename "$deb")…"
DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y "$deb"
cat <<TESTO

Orbetto è installato.
  Avvio: dal menù delle applicazioni, alla voce "Istruzione" → "Orbetto - Uso dell'orbetto",
         oppure scrivendo  orbetto  in un terminale.
  Per toglierlo:  ${sudo_:+sudo }apt remove orbetto
  e poi, per togliere anche le librerie arrivate con lui:  ${sudo_:+sudo }apt autoremove
TESTO
