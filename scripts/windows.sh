#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program for Windows x86_64, cross-built on Debian 12: installs what is
# missing, takes the minimal Qt from its cache (scripts/qt-windows.sh builds
# it once), cross-builds the program and its tests, lays out the folder the
# program runs from, and makes the installer and the zip.
#   scripts/windows.sh            build, folder, installer, zip
#   scripts/windows.sh --prova    the same, then the tests under Wine
# ORBETTO_WINDOWS names the build folder (default: build-windows).
set -euo pipefail
radice="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
costruzione="${ORBETTO_WINDOWS:-$radice/build-windows}"

pacchetti="g++-mingw-w64-x86-64-posix mingw-w64 binutils-mingw-w64-x86-64 ninja-build cmake nsis zip unzip
  qt6-translations-l10n fonts-comic-neue fonts-liberation wine wine64 fonts-wine xvfb xauth xdotool openbox poppler-utils imagemagick"
mancanti=""
for p in $pacchetti; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || mancanti="$mancanti $p"
done
if [ -n "$mancanti" ]; then
  sudo_=""; [ "$(id -u)" -eq 0 ] || sudo_="sudo"
  $sudo_ apt-get update -qq
  # shellcheck disable=SC2086 # a list of packages
  DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y -qq --no-install-recommends $mancanti
fi

caratteri=(/usr/share/fonts/opentype/comic-neue/ComicNeue-{Regular,Bold}.otf
           /usr/share/fonts/truetype/liberation/Liberation{Sans,Mono}-{Regular,Bold}.ttf)
inizio=$SECONDS
qt="$(bash "$radice/scripts/qt-windows.sh")"
echo "Qt per Windows: $qt ($((SECONDS - inizio)) s)"

inizio=$SECONDS
cmake -G Ninja -S "$radice" -B "$costruzione/programma" \
  -DCMAKE_TOOLCHAIN_FILE="$radice/cmake/mingw-w64-x86_64.cmake" \
  -DORBETTO_QT_WINDOWS="$qt" -DCMAKE_PREFIX_PATH="$qt" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_BUILD_TYPE=Release -DORBETTO_STRUMENTI=OFF -DBUILD_TESTING=ON \
  -DCMAKE_CROSSCOMPILING_EMULATOR=wine >/dev/null
cmake --build "$costruzione/programma" --parallel "$(nproc)"
echo "programma e prove: $((SECONDS - inizio)) s"
# In the build tree the program and the tests take Qt from its cache and the
# Italian dialogs from Debian (Wine shows / as Z:).
mkdir -p "$costruzione/programma/traduzioni"
cp /usr/share/qt6/translations/qtbase_it.qm "$costruzione/programma/traduzioni/"
# The free fonts beside them too, as beside the installed program (Wine has
# neither Arial nor Comic Sans MS).
for dove in "$costruzione/programma" "$costruzione/programma/tests"; do
  printf '[Paths]\nPrefix = Z:%s\nTranslations = Z:%s\n' "$qt" "$costruzione/programma/traduzioni" > "$dove/qt.conf"
  mkdir -p "$dove/caratteri"
  cp "${caratteri[@]}" "$dove/caratteri/"
done

# The folder: the program, its sound module and sounds, then what Qt and
# MinGW put beside it, the Italian dialogs, the free fonts and the licences.
versione="$(sed -n 's/^project(orbetto VERSION \([0-9.]*\).*/\1/p' "$radice/CMakeLists.txt")"
cartella="$costruzione/Orbetto"
rm -rf "$cartella"
cmake --install "$costruzione/programma" --prefix "$cartella" --strip >/dev/null
for dll in Qt6Core Qt6Gui Qt6Widgets Qt6PrintSupport; do cp "$qt/bin/$dll.dll" "$cartella/"; done
mkdir -p "$cartella/platforms" "$cartella/styles" "$cartella/traduzioni" "$cartella/caratteri" "$cartella/licenze"
cp "$qt/plugins/platforms/qwindows.dll" "$cartella/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$cartella/styles/"
for dll in libstdc++-6.dll libgcc_s_seh-1.dll; do
  cp "$(x86_64-w64-mingw32-g++-posix -print-file-name=$dll)" "$cartella/"
done
cp /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$cartella/"
x86_64-w64-mingw32-strip "$cartella"/*.dll "$cartella"/platforms/*.dll "$cartella"/styles/*.dll
cp /usr/share/qt6/translations/qtbase_it.qm "$cartella/traduzioni/"
cp "${caratteri[@]}" "$cartella/caratteri/"
cp /usr/share/doc/libqt6core6/copyright "$cartella/licenze/qt6-base.txt"
cp /usr/share/doc/fonts-comic-neue/copyright "$cartella/licenze/comic-neue.txt"
cp /usr/share/doc/fonts-liberation/copyright "$cartella/licenze/liberation.txt"
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$cartella/licenze/gcc-mingw-w64.txt"
cp /usr/share/doc/mingw-w64-common/copyright "$cartella/licenze/mingw-w64.txt"

# Every library a program file asks for is in the folder or is Windows' own.
di_windows='^(winspool\.drv|(kernel32|user32|gdi32|advapi32|shell32|ole32|oleaut32|comdlg32|winmm|ws2_32|uxtheme|dwmapi|imm32|shlwapi|version|netapi32|userenv|mpr|authz|setupapi|wtsapi32|d3d9|d3d11|dxgi|dwrite|d2d1|shcore|comctl32|msvcrt|api-ms-win-.*|ucrtbase|bcrypt|crypt32|secur32|rpcrt4|opengl32|usp10)\.dll)$'
manca=0
while IFS= read -r file; do
  for chiesta in $(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p'); do
    minuscolo="$(echo "$chiesta" | tr '[:upper:]' '[:lower:]')"
    [[ "$minuscolo" =~ $di_windows ]] && continue
    [ -f "$cartella/$chiesta" ] || { echo "MANCA: $(basename "$file") chiede $chiesta" >&2; manca=1; }
  done
done < <(find "$cartella" -name '*.exe' -o -name '*.dll')
[ "$manca" = 0 ]

# The installer lists each file, so that the uninstaller removes just those.
elenco="$costruzione/elenco"
mkdir -p "$elenco"
: > "$elenco/file.nsh"; : > "$elenco/rimuovi.nsh"
(cd "$cartella" && find . -type d | sort) | while IFS= read -r d; do
  d="${d#./}"; [ "$d" = . ] && d=""
  finestra="${d//\//\\}"
  echo "SetOutPath \"\$INSTDIR${finestra:+\\$finestra}\"" >> "$elenco/file.nsh"
  (cd "$cartella/${d:-.}" && find . -maxdepth 1 -type f | sort) | while IFS= read -r f; do
    f="${f#./}"
    echo "File \"$cartella/${d:+$d/}$f\"" >> "$elenco/file.nsh"
    echo "Delete \"\$INSTDIR\\${finestra:+$finestra\\}$f\"" >> "$elenco/rimuovi.nsh"
  done
done
(cd "$cartella" && find . -mindepth 1 -type d | sort -r) | while IFS= read -r d; do
  d="${d#./}"; echo "RMDir \"\$INSTDIR\\${d//\//\\}\"" >> "$elenco/rimuovi.nsh"
done
echo 'SetOutPath "$INSTDIR"' >> "$elenco/file.nsh"
installatore="$costruzione/orbetto-$versione-setup.exe"
makensis -V2 -DVERSIONE="$versione" -DCARTELLA="$cartella" -DELENCO="$elenco" -DUSCITA="$installatore" \
  -DKILOBYTE="$(du -sk "$cartella" | cut -f1)" "$radice/packaging/windows/orbetto.nsi"
zipfile="$costruzione/orbetto-$versione-windows.zip"
rm -f "$zipfile"
(cd "$costruzione" && zip -qr9 "$zipfile" Orbetto)
echo "cartella: $cartella ($(du -sk "$cartella" | cut -f1) KB)"
echo "installatore: $installatore ($(du -k "$installatore" | cut -f1) KB)"
echo "zip: $zipfile ($(du -k "$zipfile" | cut -f1) KB)"

[ "${1:-}" = --prova ] || exit 0
exec bash "$radice/tests/windows/prova.sh" "$costruzione" "$qt"
