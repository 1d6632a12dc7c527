#pragma once

#include "PiattaformaProva.h"
#include "shell/Contesto.h"
#include "shell/FinestraProgramma.h"
#include "shell/Navigatore.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>

// A fresh program for one test: its own context on the test platform. On
// destruction every window it opened is closed and deleted.
struct Banco {
    PiattaformaProva piattaforma;
    Contesto ctx{piattaforma};

    Banco() = default;
    ~Banco()
    {
        const auto aperte = ctx.navigatore.aperte();
        for (FinestraProgramma *f : aperte)
            f->chiudi();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    Navigatore &nav() { return ctx.navigatore; }
    FinestraProgramma *principale() { return ctx.navigatore.principale(); }

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
