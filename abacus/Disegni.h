// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/PressioneUnica.h"

#include <QColor>
#include <QPushButton>
#include <QWidget>

class Tempo;
class QVariantAnimation;

// A bead: a solid round bead in its rod's colour, lit from the top left.
class Pallina : public QWidget
{
    Q_OBJECT
public:
    Pallina(const QColor &colore, QWidget *genitore);
    void impostaColore(const QColor &colore);
    QColor colore() const { return tinta; }

protected:
    void paintEvent(QPaintEvent *evento) override;

private:
    QColor tinta;
};

// A straight line between two points of the parent (a rod, a marker).
class Linea : public QWidget
{
    Q_OBJECT
public:
    // spessore: pixels at scale 1.
    Linea(const QColor &colore, int spessore, QWidget *genitore);
    // Ends in twips of the parent.
    void posiziona(QPoint da, QPoint a);
    QPoint inizio() const { return estremoA; }
    QPoint fine() const { return estremoB; }

protected:
    void paintEvent(QPaintEvent *evento) override;

private:
    QColor tinta;
    int spessore;
    QPoint estremoA, estremoB;
};

// A rod button: the right (or middle) mouse button takes a bead away on its
// press. A left press or a finger adds one when it lifts within half a
// second; held half a second it takes one away instead, with a ring filling
// round the caption while it is held.
class BottoneAsta : public QPushButton
{
    Q_OBJECT
public:
    BottoneAsta(const QString &testo, Tempo &tempo, QWidget *genitore);

    static constexpr double tenutaPerTogliere = 0.5;
    bool tocco() const { return tenuto; }

signals:
    void premuto(Qt::MouseButton tasto);

protected:
    bool event(QEvent *evento) override;
    void mousePressEvent(QMouseEvent *evento) override;
    void mouseReleaseEvent(QMouseEvent *evento) override;
    void mouseDoubleClickEvent(QMouseEvent *evento) override;
    // Space, Enter and "+" add a bead; Backspace, Delete and "-" take one.
    void keyPressEvent(QKeyEvent *evento) override;
    void keyReleaseEvent(QKeyEvent *evento) override;
    void paintEvent(QPaintEvent *evento) override;

private:
    void toccoInizia();
    // The finger lifted (or was taken away: annullato) before the half second.
    void toccoFinisce(bool annullato);

    Tempo &tempo; // the half second of a held press
    QVariantAnimation *anello;
    bool tenuto = false;
    unsigned giro = 0; // bumped by every touch: a stale timer does nothing
    PressioneUnica pressioni;
};
