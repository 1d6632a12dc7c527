#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installer under Wine: a silent install, the installed program starts
# from its folder in Program Files, and the silent uninstall leaves the
# disk and the registry as they were. Runs inside tests/windows/prova.sh.
#   tests/windows/installatore.sh BUILD-WINDOWS TEMP
set -uo pipefail
costruzione="$1"
temp="$2"
installatore="$(ls "$costruzione"/orbetto-*-setup.exe)"
c="$WINEPREFIX/drive_c"
chiave='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Orbetto'
collegamento="$c/ProgramData/Microsoft/Windows/Start Menu/Programs/Orbetto - Uso dell'orbetto.lnk"
source "$(dirname "${BASH_SOURCE[0]}")/comune.sh"
# What is on drive C:, Wine's own temporary and registry files apart.
disco() { (cd "$c" && find . -path ./users -prune -o -print | grep -v '^./windows/' | sort); }

prima="$(disco)"
t0=$(adesso)
wine "$installatore" /S
wineserver -w
echo "installazione silenziosa: $(($(adesso) - t0)) ms"
installato="$c/Program Files/Orbetto"
controlla "the program is installed" '[ -f "$installato/orbetto.exe" ] && [ -f "$installato/platforms/qwindows.dll" ] && [ -f "$installato/suoni/si.wav" ]'
controlla "the Start-menu entry" '[ -f "$collegamento" ]'
controlla "a Start-menu entry for each class year" '[ -f "${collegamento%.lnk} - classe prima.lnk" ] && [ -f "${collegamento%.lnk} - classe quarta.lnk" ]'
controlla "the uninstaller is listed" 'wine reg query "$chiave" /v DisplayName 2>/dev/null | grep -q "Orbetto - Uso dell.orbetto"'
nuovi="$(comm -13 <(echo "$prima") <(disco) | grep -v -e '^./Program Files/Orbetto' -e '^./ProgramData/Microsoft/Windows/Start Menu/Programs/Orbetto - Uso')"
controlla "nothing else was written${nuovi:+: $nuovi}" '[ -z "$nuovi" ]'

# The installed program: its first window, then closed.
t0=$(adesso)
wine "C:\\Program Files\\Orbetto\\orbetto.exe" >/dev/null 2>&1 &
programma=$!
finestra="$(timeout 60 xdotool search --sync --onlyvisible --name '^Orbetto$' 2>/dev/null | head -1)"
echo "prima finestra del programma installato: $(($(adesso) - t0)) ms"
controlla "the installed program shows its window" '[ -n "$finestra" ]'
kill "$programma" 2>/dev/null; wineserver -k; wineserver -w

t0=$(adesso)
wine "C:\\Program Files\\Orbetto\\disinstalla.exe" /S
wineserver -w
echo "disinstallazione silenziosa: $(($(adesso) - t0)) ms"
controlla "the uninstaller removes every file" '[ ! -e "$installato" ] && [ ! -e "$collegamento" ] && [ ! -e "${collegamento%.lnk} - classe terza.lnk" ]'
controlla "the registry entry is gone" '! wine reg query "$chiave" >/dev/null 2>&1'
resti="$(diff <(echo "$prima") <(disco))"
controlla "drive C: is as before${resti:+: $resti}" '[ -z "$resti" ]'
conteggio installatore
