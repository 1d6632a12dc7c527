#pragma once

#include <QColor>
#include <QPushButton>
#include <QWidget>

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
    Linea(const QColor &colore, int spessore, QWidget *genitore);
    // Ends in the parent's pixels.
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

// A rod button: it acts on the mouse press itself, with the identity of the
// mouse button (left adds a bead, the others take one away).
class BottoneAsta : public QPushButton
{
    Q_OBJECT
public:
    using QPushButton::QPushButton;

signals:
    void premuto(Qt::MouseButton tasto);

protected:
    void mousePressEvent(QMouseEvent *evento) override;
    void mouseDoubleClickEvent(QMouseEvent *evento) override;
};
