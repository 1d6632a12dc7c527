#include "Disegni.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>

Pallina::Pallina(const QColor &colore, QWidget *genitore) : QWidget(genitore), tinta(colore)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Pallina::impostaColore(const QColor &colore)
{
    tinta = colore;
    update();
}

void Pallina::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal lato = std::min(width(), height()) - 1.5;
    const QRectF cerchio((width() - lato) / 2.0, (height() - lato) / 2.0, lato, lato);
    QRadialGradient luce(cerchio.center() - QPointF(lato / 5, lato / 5), lato * 0.75);
    luce.setColorAt(0.0, tinta.lighter(175));
    luce.setColorAt(0.45, tinta);
    luce.setColorAt(1.0, tinta.darker(135));
    p.setBrush(luce);
    p.setPen(QPen(tinta.darker(200), 1.0));
    p.drawEllipse(cerchio);
}

Linea::Linea(const QColor &colore, int s, QWidget *genitore) : QWidget(genitore), tinta(colore), spessore(s)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Linea::posiziona(QPoint da, QPoint a)
{
    estremoA = da;
    estremoB = a;
    const int margine = spessore;
    setGeometry(QRect(da, a).normalized().adjusted(-margine, -margine, margine, margine));
    update();
}

void Linea::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(tinta, spessore, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(estremoA - pos(), estremoB - pos());
}

void BottoneAsta::mousePressEvent(QMouseEvent *evento)
{
    QPushButton::mousePressEvent(evento);
    emit premuto(evento->button());
}

void BottoneAsta::mouseDoubleClickEvent(QMouseEvent *evento)
{
    // Qt sends a double click instead of the second press: it is a press.
    mousePressEvent(evento);
}
