#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The minimal Qt for Windows x86_64 (Core, Gui, Widgets, PrintSupport, Test,
# the windows platform plugin and the windowsvista style), cross-built once
# from Debian's own qt6-base source with MinGW-w64 and kept in a cache
# outside the work tree, keyed by the Qt version and this script. Prints the
# cache folder. Needs root for the packages and the source entry only.
set -euo pipefail
radice="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
pacchetti="g++-mingw-w64-x86-64-posix mingw-w64 ninja-build dpkg-dev cmake qt6-base-dev qt6-base-dev-tools"
mancanti=""
for p in $pacchetti; do dpkg -s "$p" >/dev/null 2>&1 || mancanti="$mancanti $p"; done
if [ -n "$mancanti" ]; then
  apt-get update -q >&2
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q $mancanti >&2
fi
versione="$(dpkg-query -W -f='${Version}' qt6-base-dev)"
chiave="$( (echo "$versione"; cat "${BASH_SOURCE[0]}" "$radice/cmake/mingw-w64-x86_64.cmake") | sha256sum | cut -c1-12)"
cache="${ORBETTO_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/orbetto}/qt-windows-$chiave"
if [ -f "$cache/.completo" ]; then
  echo "$cache"
  exit 0
fi
# The work folder stays until the install is complete: a build that stops
# goes on from where it was.
lavoro="$cache.lavoro"
mkdir -p "$lavoro"
cd "$lavoro"
# Debian's sources: a deb-src entry for the suites of the system.
if ! apt-get source --print-uris -q qt6-base >/dev/null 2>&1; then
  cat > /etc/apt/sources.list.d/orbetto-sorgenti.sources <<SRC
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
  apt-get update -q >&2
fi
[ -n "$(find . -maxdepth 1 -type d -name 'qt6-base-*')" ] || apt-get source -q "qt6-base=$versione" >&2
sorgente="$(find . -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)"
# Debian leaves out the non-free Wintab headers: Wine's LGPL ones serve, with
# the Wine macros they use and the calling convention of the real ones.
[ -d wine ] || { apt-get download -q libwine-dev >&2 && dpkg-deb -x libwine-dev_*.deb wine; }
mkdir -p "$sorgente/src/3rdparty/wintab"
cp wine/usr/include/wine/wine/windows/pktdef.h "$sorgente/src/3rdparty/wintab/"
cp wine/usr/include/wine/wine/windows/wintab.h "$sorgente/src/3rdparty/wintab/wine-wintab.h"
cat > "$sorgente/src/3rdparty/wintab/wintab.h" <<'H'
#pragma once
#include <windows.h>
#ifndef WINELIB_NAME_AW
#  ifdef UNICODE
#    define WINELIB_NAME_AW(nome) nome##W
#  else
#    define WINELIB_NAME_AW(nome) nome##A
#  endif
#endif
#ifndef DECL_WINELIB_TYPE_AW
#  define DECL_WINELIB_TYPE_AW(tipo) typedef WINELIB_NAME_AW(tipo) tipo;
#endif
/* The calling convention of the Wintab entry points. */
#ifndef API
#  define API WINAPI
#endif
#include "wine-wintab.h"
H
cmake -G Ninja -S "$sorgente" -B costruzione \
  -DCMAKE_TOOLCHAIN_FILE="$radice/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$cache" -DBUILD_SHARED_LIBS=ON \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF -DFEATURE_dbus=OFF \
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
  -DFEATURE_direct2d=ON -DFEATURE_printsupport=ON -DFEATURE_testlib=ON >&2
cmake --build costruzione --parallel "$(nproc)" >&2
cmake --install costruzione >&2
touch "$cache/.completo"
cd / && rm -rf "$lavoro"
echo "$cache"
