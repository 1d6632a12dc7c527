#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package in build-deb: Release, Debian's hardening flags,
# stripped, dependencies computed by dpkg-shlibdeps. Prints its path last.
set -euo pipefail
radice="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cartella="$radice/build-deb"
export ORBETTO_PACCHETTI_EXTRA="dpkg-dev file ${ORBETTO_PACCHETTI_EXTRA:-}"
# dpkg-buildflags comes with dpkg-dev: the packages first.
"$radice/scripts/prepara.sh" --solo-pacchetti >&2
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# -fno-ident: no compiler banner in a .comment section (lintian asks so).
compilatore="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS) -fno-ident"
collegamento="$(dpkg-buildflags --get LDFLAGS)"
"$radice/scripts/prepara.sh" "$cartella" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DORBETTO_STRUMENTI=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_CXX_FLAGS="$compilatore" -DCMAKE_EXE_LINKER_FLAGS="$collegamento" \
  -DCMAKE_SHARED_LINKER_FLAGS="$collegamento" -DCMAKE_MODULE_LINKER_FLAGS="$collegamento" >&2
rm -f "$cartella"/orbetto_*.deb
(cd "$cartella" && cpack -G DEB >/dev/null)
ls "$cartella"/orbetto_*.deb | head -n 1
