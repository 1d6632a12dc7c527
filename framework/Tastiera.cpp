// SPDX-License-Identifier: GPL-3.0-or-later
#include "Tastiera.h"

#include "Geometria.h"
#include "PressioneUnica.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace {

// The outline drawn round the focused control; it never takes a click and
// is left out of printed pages.
class AnelloFuoco : public QWidget
{
public:
    explicit AnelloFuoco(QWidget *genitore) : QWidget(genitore)
    {
        setObjectName(QStringLiteral("anelloFuoco"));
        setProperty(geo::soloSulloSchermo, true);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }
    static constexpr int bordo = 5;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
        p.setPen(QPen(QColor(20, 20, 20), 3));
        p.drawRoundedRect(r, 4, 4);
        p.setPen(QPen(QColor(255, 255, 255), 2));
        p.drawRoundedRect(r.adjusted(2.5, 2.5, -2.5, -2.5), 3, 3);
    }
};

bool invio(const QKeyEvent *e)
{
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

// Enter presses a focused button, once per physical press. Buttons with
// keys of their own (the rod buttons) are left alone.
class InvioPreme : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override
    {
        if (evento->type() != QEvent::KeyPress && evento->type() != QEvent::KeyRelease)
            return false;
        auto *tasto = static_cast<QKeyEvent *>(evento);
        auto *b = qobject_cast<QAbstractButton *>(oggetto);
        if (!b || !invio(tasto))
            return false;
        const bool nuova = pressioni.nuova(*tasto);
        if (evento->type() == QEvent::KeyRelease || tasto->modifiers() != Qt::NoModifier)
            return false;
        if (nuova && b->isEnabled())
            b->click();
        return true;
    }

private:
    PressioneUnica pressioni;
};

} // namespace

const char *const tastiPropri = "orbetto_tasti_propri";

QString nomeAccessibileAsta(const QString &posto, int palline)
{
    return QStringLiteral("%1: %2 %3")
        .arg(posto)
        .arg(palline)
        .arg(palline == 1 ? QStringLiteral("pallina") : QStringLiteral("palline"));
}

Tastiera::Tastiera(QWidget *a) : QObject(a), area(a), anello(new AnelloFuoco(a)), preme(new InvioPreme(this))
{
    connect(qApp, &QApplication::focusChanged, this, &Tastiera::fuocoCambiato);
}

void Tastiera::ordinaTab()
{
    std::vector<QWidget *> controlli;
    for (QWidget *w : area->findChildren<QWidget *>())
        if (w->focusPolicy() & Qt::TabFocus) {
            controlli.push_back(w);
            if (qobject_cast<QAbstractButton *>(w) && !w->property(tastiPropri).toBool())
                w->installEventFilter(preme);
        }
    // Rows of half a bead's height: what stands side by side reads left to
    // right. Columns are a twentieth of the width, whatever the scale.
    const auto chiave = [this](QWidget *w) {
        const QPoint p = w->mapTo(area, QPoint(0, 0));
        if (perColonne)
            return std::pair(p.x() * 20 / std::max(1, area->width()), p.y());
        return std::pair(p.y() / 20, p.x());
    };
    std::stable_sort(controlli.begin(), controlli.end(), [&](QWidget *a, QWidget *b) { return chiave(a) < chiave(b); });
    for (std::size_t i = 1; i < controlli.size(); ++i)
        QWidget::setTabOrder(controlli[i - 1], controlli[i]);
}

bool Tastiera::eventFilter(QObject *oggetto, QEvent *evento)
{
    if (oggetto == seguito) {
        const QEvent::Type t = evento->type();
        if (t == QEvent::Move || t == QEvent::Resize || t == QEvent::Show || t == QEvent::Hide)
            segui();
    }
    return false;
}

void Tastiera::fuocoCambiato(QWidget *, QWidget *nuovo)
{
    if (seguito)
        seguito->removeEventFilter(this);
    seguito = nuovo && area->isAncestorOf(nuovo) ? nuovo : nullptr;
    if (seguito)
        seguito->installEventFilter(this);
    segui();
}

void Tastiera::segui()
{
    if (!seguito || seguito->isHidden() || !seguito->isVisibleTo(area)) {
        anello->hide();
        return;
    }
    const int b = AnelloFuoco::bordo;
    anello->setGeometry(QRect(seguito->mapTo(area, QPoint(0, 0)), seguito->size()).adjusted(-b, -b, b, b));
    anello->raise();
    anello->show();
}
