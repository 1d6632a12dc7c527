#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# For developers: installs what the benchmark and the tools need (a virtual
# screen, xdotool, imagemagick, a window manager, the accessibility bus,
# librsvg), builds everything, then runs the given command, if any.
#   scripts/strumenti.sh xvfb-run -a build/bench/benchmark
set -euo pipefail
radice="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
ORBETTO_PACCHETTI_EXTRA="xvfb xauth xdotool imagemagick openbox dbus at-spi2-core python3-pyatspi librsvg2-bin poppler-utils bc" \
  "$radice/scripts/prepara.sh" "$radice/build"
cd "$radice"
[ "$#" -eq 0 ] || exec "$@"
