// SPDX-License-Identifier: GPL-3.0-or-later
#include "Controlli.h"

#include "Geometria.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

OpzioneACapo::OpzioneACapo(const QString &testo, QWidget *genitore) : QRadioButton(testo, genitore) {}

void OpzioneACapo::paintEvent(QPaintEvent *)
{
    QStylePainter p(this);
    QStyleOptionButton opzione;
    initStyleOption(&opzione);
    // The round mark grows with the window, as the caption does.
    const double scala = geo::scalaDi(this);
    const int lato = qRound(style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &opzione, this) * scala);
    const int spazio = qRound(style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &opzione, this) * scala);
    opzione.rect = QRect(2, (height() - lato) / 2, lato, lato);
    p.drawPrimitive(QStyle::PE_IndicatorRadioButton, opzione);
    const QRect testo = rect().adjusted(lato + spazio + 4, 0, 0, 0);
    // An option that cannot be chosen now (calm mode's "prosegue
    // automaticamente") reads as such: its caption half faded.
    QColor inchiostro = palette().color(QPalette::WindowText);
    if (!isEnabled())
        inchiostro.setAlpha(110);
    p.setPen(inchiostro);
    p.drawText(testo, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, text());
    if (hasFocus()) {
        QStyleOptionFocusRect fuoco;
        fuoco.initFrom(this);
        fuoco.rect = p.boundingRect(testo, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, text()).adjusted(-2, -1, 2, 1);
        p.drawPrimitive(QStyle::PE_FrameFocusRect, fuoco);
    }
}

bool OpzioneACapo::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

namespace controlli {

QLabel *etichetta(QWidget *genitore, const QString &nome, const QString &testo, const QRect &posto,
                  const QFont &font, Qt::Alignment allineamento)
{
    auto *l = new QLabel(testo, genitore);
    l->setObjectName(nome);
    geo::colloca(l, posto);
    geo::impostaCarattere(l, font);
    l->setAlignment(allineamento);
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    return l;
}

QPushButton *bottone(QWidget *genitore, const QString &nome, const QString &testo, const QRect &posto,
                     const QFont &font)
{
    auto *b = new QPushButton(testo, genitore);
    b->setObjectName(nome);
    geo::colloca(b, posto);
    geo::impostaCarattere(b, font);
    b->setAutoDefault(false);
    return b;
}

} // namespace controlli
