// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QApplication;

// What the program and its tests set up once on the application: the style,
// the Italian texts of Qt's own dialogs, the font stand-ins.
void preparaApplicazione(QApplication &app);
