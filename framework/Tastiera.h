// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// Keyboard and screen reader for a whole window, in one place: the tab
// order follows reading order, Enter and Space press a focused button, and
// a thick double outline (dark and light, so it shows on any background
// colour) marks the focused control.
class Tastiera : public QObject
{
    Q_OBJECT
public:
    explicit Tastiera(QWidget *area);

    // Tab order of the area's controls: top to bottom, left to right; with
    // perColonne, down each column, left column first (the menu's layout).
    void ordinaTab();
    void ordinaPerColonne() { perColonne = true; }

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    void fuocoCambiato(QWidget *vecchio, QWidget *nuovo);
    void segui();

    QWidget *area;
    QWidget *anello;
    QObject *preme;
    QPointer<QWidget> seguito;
    bool perColonne = false;
};

// Set to true on a button that handles Enter itself.
extern const char *const tastiPropri;

// What a screen reader says of a rod: "decine: 3 palline".
QString nomeAccessibileAsta(const QString &posto, int palline);
