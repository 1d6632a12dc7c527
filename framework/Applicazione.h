// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QApplication;

// What the program and its tests set up once on the application: the style,
// the Italian texts of Qt's own dialogs, the font stand-ins.
void preparaApplicazione(QApplication &app);

// Before the application exists: whether there is a screen to show the
// windows on (under X11 or Wayland, a session; Windows always has one).
bool schermoDisponibile();
