// SPDX-License-Identifier: GPL-3.0-or-later
#include "Disegni.h"

#include "framework/Geometria.h"
#include "framework/Piattaforma.h"
#include "framework/Tastiera.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QVariantAnimation>
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
    const int margine = spessore * geo::twipsPerPixel;
    geo::colloca(this, QRect(da, a).normalized().adjusted(-margine, -margine, margine, margine));
    update();
}

void Linea::paintEvent(QPaintEvent *)
{
    // Drawn in twips through the window's scale: as sharp at any size.
    const double scala = geo::scalaDi(this) / geo::twipsPerPixel;
    const QPointF origine = geo::postoTwips(this).topLeft();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(tinta, spessore * geo::scalaDi(this), Qt::SolidLine, Qt::RoundCap));
    p.drawLine((QPointF(estremoA) - origine) * scala, (QPointF(estremoB) - origine) * scala);
}

BottoneAsta::BottoneAsta(const QString &testo, Tempo &t, QWidget *genitore)
    : QPushButton(testo, genitore), tempo(t), anello(new QVariantAnimation(this))
{
    setAttribute(Qt::WA_AcceptTouchEvents);
    setProperty(tastiPropri, true);
    setContextMenuPolicy(Qt::NoContextMenu);
    anello->setStartValue(0.0);
    anello->setEndValue(1.0);
    anello->setDuration(int(tenutaPerTogliere * 1000));
    connect(anello, &QVariantAnimation::valueChanged, this, qOverload<>(&QWidget::update));
}

void BottoneAsta::toccoInizia()
{
    tenuto = true;
    setDown(true);
    anello->start();
    tempo.dopo(tenutaPerTogliere, this, [this, questo = ++giro] {
        if (questo != giro || !tenuto)
            return;
        tenuto = false;
        anello->stop();
        setDown(false);
        update();
        emit premuto(Qt::RightButton);
    });
}

void BottoneAsta::toccoFinisce(bool annullato)
{
    if (!tenuto)
        return;
    tenuto = false;
    ++giro;
    anello->stop();
    setDown(false);
    update();
    if (!annullato)
        emit premuto(Qt::LeftButton);
}

bool BottoneAsta::event(QEvent *evento)
{
    switch (evento->type()) {
    case QEvent::TouchBegin:
        if (isEnabled())
            toccoInizia();
        evento->accept();
        return true;
    case QEvent::TouchUpdate:
        evento->accept();
        return true;
    case QEvent::TouchEnd:
        toccoFinisce(false);
        evento->accept();
        return true;
    case QEvent::TouchCancel:
        toccoFinisce(true);
        evento->accept();
        return true;
    default:
        return QPushButton::event(evento);
    }
}

void BottoneAsta::mousePressEvent(QMouseEvent *evento)
{
    // A left press waits to see how long it lasts, whether a finger or a
    // mouse made it: whiteboards that send mouse events have no right button.
    if (evento->button() == Qt::LeftButton) {
        toccoInizia();
        evento->accept();
        return;
    }
    QPushButton::mousePressEvent(evento);
    emit premuto(evento->button());
}

void BottoneAsta::mouseReleaseEvent(QMouseEvent *evento)
{
    if (tenuto) {
        toccoFinisce(false);
        evento->accept();
        return;
    }
    QPushButton::mouseReleaseEvent(evento);
}

void BottoneAsta::mouseDoubleClickEvent(QMouseEvent *evento)
{
    // Qt sends a double click instead of the second press: it is a press.
    mousePressEvent(evento);
}

void BottoneAsta::keyPressEvent(QKeyEvent *evento)
{
    // A held key is one press: one bead.
    const bool nuova = pressioni.nuova(*evento);
    switch (evento->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Plus:
        if (nuova)
            emit premuto(Qt::LeftButton);
        break;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Minus:
        if (nuova)
            emit premuto(Qt::RightButton);
        break;
    default:
        QPushButton::keyPressEvent(evento);
        return;
    }
    evento->accept();
}

void BottoneAsta::keyReleaseEvent(QKeyEvent *evento)
{
    pressioni.nuova(*evento);
    // Space would click on its release: the press has done the work.
    if (evento->key() == Qt::Key_Space)
        evento->accept();
    else
        QPushButton::keyReleaseEvent(evento);
}

void BottoneAsta::paintEvent(QPaintEvent *evento)
{
    QPushButton::paintEvent(evento);
    if (!tenuto)
        return;
    // The ring closes as the half second runs out: then a bead goes.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal lato = std::min(width(), height()) * 0.8;
    const QRectF cerchio((width() - lato) / 2, (height() - lato) / 2, lato, lato);
    const qreal spessore = std::max<qreal>(3.0, lato / 10);
    p.setPen(QPen(QColor(255, 140, 0, 90), spessore));
    p.drawEllipse(cerchio);
    p.setPen(QPen(QColor(220, 60, 0), spessore, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(cerchio, 90 * 16, -int(anello->currentValue().toDouble() * 360 * 16));
}
