// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PiattaformaProva.h"
#include "framework/Contesto.h"
#include "framework/FinestraProgramma.h"
#include "arithmetic/FinestraAritmetica.h"
#include "forming/FinestraFormare.h"
#include "reading/FinestraLeggere.h"
#include "app/Navigatore.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

// A draw v of Casuale for which floor(v * n) gives k: scripts a draw.
inline double valore(int k, int n)
{
    return (k + 0.5) / n;
}

// Qt's activation of a window, as after a click on it.
inline void attiva(QWidget *w)
{
    QEvent e(QEvent::WindowActivate);
    QApplication::sendEvent(w, &e);
}

// Another window of the program, to leave an exercise and come back.
class AltraFinestra : public FinestraProgramma
{
public:
    explicit AltraFinestra(Contesto &c) : FinestraProgramma(c, QStringLiteral("altra"), 3000, 2000, Ruolo::Affiancata) {}

protected:
    void richiestaChiusura() override { chiudi(); }
};

// A fresh program for one test: its own context on the test platform. On
// destruction every window it opened is closed and deleted.
struct Banco {
    PiattaformaProva piattaforma;
    Contesto ctx{piattaforma};
    Navigatore navigatore{ctx};

    Banco() = default;
    ~Banco()
    {
        const auto aperte = navigatore.aperte();
        for (FinestraProgramma *f : aperte)
            f->chiudi();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    Navigatore &nav() { return navigatore; }
    FinestraProgramma *principale() { return navigatore.principale(); }
    // The number of the forming or reading window open (none: 0), and the
    // reading window's number forced.
    qint16 numeroCorrente()
    {
        if (const auto *f = qobject_cast<FinestraFormare *>(principale()))
            return f->numeroDaFormare();
        const auto *l = qobject_cast<FinestraLeggere *>(principale());
        return l ? l->numeroDaLeggere() : 0;
    }
    void impostaNumero(qint16 n)
    {
        if (auto *l = qobject_cast<FinestraLeggere *>(principale()))
            l->impostaNumero(n);
    }
    // The operation of the arithmetic window open (none: all 0).
    Operazione operazione()
    {
        const auto *f = qobject_cast<FinestraAritmetica *>(principale());
        return f ? f->operazione() : Operazione{};
    }

    // Starts the program and presses "Avvio": the menu is open.
    void finoAlMenu()
    {
        nav().Avvio();
        clic(QStringLiteral("BottoneAvvio"));
    }

    // Opens an exercise from the menu by the button of that name.
    FinestraProgramma *apri(const QString &bottoneMenu)
    {
        finoAlMenu();
        clic(bottoneMenu);
        return principale();
    }

    template<typename T = QWidget>
    T *trova(const QString &nome, QWidget *dove = nullptr)
    {
        QWidget *w = dove ? dove : principale();
        return w ? w->findChild<T *>(nome) : nullptr;
    }

    void clic(const QString &nome, QWidget *dove = nullptr)
    {
        auto *b = trova<QAbstractButton>(nome, dove);
        QVERIFY2(b, qPrintable(QStringLiteral("no button ") + nome));
        QTest::mouseClick(b, Qt::LeftButton);
    }

    void menu(const QString &nome, QWidget *dove = nullptr)
    {
        QWidget *w = dove ? dove : principale();
        auto *a = w ? w->findChild<QAction *>(nome) : nullptr;
        QVERIFY2(a, qPrintable(QStringLiteral("no menu item ") + nome));
        a->trigger();
    }

    QString testo(const QString &nome, QWidget *dove = nullptr)
    {
        auto *l = trova<QLabel>(nome, dove);
        return l ? l->text() : QStringLiteral("<missing %1>").arg(nome);
    }
};

// Whether a control stands on the window (not hidden).
inline bool mostrata(Banco &b, const QString &nome)
{
    return !b.trova<QWidget>(nome)->isHidden();
}

// The result typed into Text1 and confirmed with Enter.
inline void scrivi(Banco &b, const QString &testo)
{
    auto *box = b.trova<QLineEdit>(QStringLiteral("Text1"));
    box->clear();
    QTest::keyClicks(box, testo);
    QTest::keyClick(box, Qt::Key_Return);
}
