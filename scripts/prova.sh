#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds and runs the whole test suite.
# ORBETTO_SANITIZE=1 builds in build-asan with AddressSanitizer and UBSan.
set -euo pipefail
radice="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# Real printing is tested through a private CUPS server and pdftotext;
# pasting from an empty clipboard on Xvfb; real speech measured with sox.
export ORBETTO_PACCHETTI_EXTRA="cups cups-client cups-bsd cups-filters poppler-utils xvfb xauth sox openbox xdotool"
if [ "${ORBETTO_SANITIZE:-0}" = 1 ]; then
  cartella="$radice/build-asan"
  "$radice/scripts/prepara.sh" "$cartella" -DORBETTO_SANITIZE=ON
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
  export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
else
  cartella="$radice/build"
  "$radice/scripts/prepara.sh" "$cartella"
fi
cd "$cartella"
ctest --output-on-failure -j"$(nproc)"
