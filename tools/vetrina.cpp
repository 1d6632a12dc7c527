// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the real program like a pupil and saves a picture of a window:
//   vetrina OUT.png [step...]
// Steps: clic:NAME (left click on a button), destro:NAME (right press),
// menu:NAME (menu item), scrivi:NAME:TEXT (types into a box),
// finestra:NAME (picture that window instead of the main one),
// foto:FILE:MS (a picture of the main window MS milliseconds later, even in
// the middle of an animation), aggiungi:primo|secondo|somma (left presses on the
// rod buttons that put that number of the operation on the abacus),
// pdf:FILE:NAME (the window NAME printed to a PDF file as on paper; the
// composer as its sheet),
// box:FILE (a picture of the next message box, then answered with Escape),
// massimizza (the main window maximised, as by its title bar), attendi:MS (the
// event loop runs MS milliseconds), schermo:FILE (a real capture of the whole
// screen with imagemagick's import, once the screen has settled), si (the
// next question answered Yes), invio:NAME (Enter pressed and released in a
// box).
#include "arithmetic/FinestraAritmetica.h"
#include "framework/Applicazione.h"
#include "lesson/FinestraRiepilogo.h"
#include "worksheets/FinestraScheda.h"
#include "worksheets/FormStampa.h"
#include "framework/Contesto.h"
#include "framework/FinestraProgramma.h"
#include "app/Navigatore.h"
#include "framework/PiattaformaQt.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QEventLoop>
#include <QProcess>
#include <QPixmap>
#include <QPrinter>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <cstdio>

namespace {

QWidget *cerca(Navigatore &nav, const QString &nome)
{
    for (FinestraProgramma *f : nav.aperte()) {
        if (f->objectName() == nome)
            return f;
        if (auto *w = f->findChild<QWidget *>(nome))
            return w;
    }
    return nullptr;
}

void premi(QWidget *w, Qt::MouseButton tasto)
{
    const QPointF centro = QPointF(w->rect().center());
    QMouseEvent giu(QEvent::MouseButtonPress, centro, w->mapToGlobal(centro), tasto, tasto, Qt::NoModifier);
    QApplication::sendEvent(w, &giu);
    QMouseEvent su(QEvent::MouseButtonRelease, centro, w->mapToGlobal(centro), tasto, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &su);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    preparaApplicazione(app);
    if (argc < 2) {
        std::fputs("uso: vetrina OUT.png [passo...]\n", stderr);
        return 2;
    }
    PiattaformaQt piattaforma;
    Contesto ctx(piattaforma);
    Navigatore navigatore(ctx);
    navigatore.Avvio();
    QString daFotografare;
    for (int i = 2; i < argc; ++i) {
        QApplication::processEvents();
        const QStringList parti = QString::fromLocal8Bit(argv[i]).split(QLatin1Char(':'));
        const QString verbo = parti.value(0), nome = parti.value(1);
        if (verbo == QLatin1String("attendi") || verbo == QLatin1String("schermo")
            || verbo == QLatin1String("massimizza")) {
            if (verbo == QLatin1String("massimizza"))
                navigatore.principale()->showMaximized();
            QEventLoop attesa;
            QTimer::singleShot(verbo == QLatin1String("attendi") ? nome.toInt() : 600, &attesa, &QEventLoop::quit);
            attesa.exec();
            if (verbo == QLatin1String("schermo")
                && QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), nome}) != 0)
                return 1;
            continue;
        }
        if (verbo == QLatin1String("finestra")) {
            daFotografare = nome;
            continue;
        }
        if (verbo == QLatin1String("foto")) {
            const QString file = nome;
            QTimer::singleShot(parti.value(2).toInt(), &app, [&navigatore, file] {
                if (QWidget *w = navigatore.principale())
                    w->grab().save(file);
            });
            continue;
        }
        if (verbo == QLatin1String("si")) {
            QTimer::singleShot(300, &app, [] {
                if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                    box->button(QMessageBox::Yes)->click();
            });
            continue;
        }
        if (verbo == QLatin1String("box")) {
            const QString file = nome;
            QTimer::singleShot(300, &app, [file] {
                if (QWidget *box = QApplication::activeModalWidget()) {
                    box->grab().save(file);
                    QTest::keyClick(box, Qt::Key_Escape);
                }
            });
            continue;
        }
        if (verbo == QLatin1String("pdf")) {
            auto *finestra = qobject_cast<FinestraProgramma *>(cerca(navigatore, parti.value(2)));
            if (!finestra)
                return 1;
            // As "Salva PDF" writes it; the composer writes its sheet's lines.
            if (auto *composer = qobject_cast<FormStampa *>(finestra)) {
                if (!piattaforma.pdfRighe(FormStampa::sulFoglio(composer->foglio().scheda, composer->dimensioneCarattere()),
                                          nome).isEmpty())
                    return 1;
            } else if (auto *riepilogo = qobject_cast<FinestraRiepilogo *>(finestra)) {
                if (!riepilogo->scriviPdf(nome).isEmpty())
                    return 1;
            } else if (auto *scheda = qobject_cast<FinestraScheda *>(finestra)) {
                QString motivo;
                scheda->sullaCarta([&] { motivo = piattaforma.pdfFinestra(finestra->area(), nome); });
                if (!motivo.isEmpty())
                    return 1;
            } else if (!piattaforma.pdfFinestra(finestra->area(), nome).isEmpty()) {
                return 1;
            }
            continue;
        }
        if (verbo == QLatin1String("aggiungi")) {
            const auto *conti = qobject_cast<FinestraAritmetica *>(navigatore.principale());
            if (!conti)
                return 1;
            const Operazione &o = conti->operazione();
            const int n = nome == QLatin1String("primo") ? o.primo : nome == QLatin1String("somma") ? o.somma : o.secondo;
            const std::pair<const char *, int> aste[] = {{"Bot_h", n / 100}, {"Bot_da", n / 10 % 10}, {"Bot_u", n % 10}};
            for (const auto &[bottone, volte] : aste)
                if (QWidget *b = cerca(navigatore, QString::fromLatin1(bottone)))
                    for (int v = 0; v < volte; ++v)
                        premi(b, Qt::LeftButton);
            continue;
        }
        QWidget *w = cerca(navigatore, nome);
        QAction *a = nullptr;
        if (verbo == QLatin1String("menu"))
            for (FinestraProgramma *f : navigatore.aperte())
                if ((a = f->findChild<QAction *>(nome)))
                    break;
        if (!w && !a) {
            std::fprintf(stderr, "vetrina: non trovo %s\n", qPrintable(nome));
            return 1;
        }
        if (verbo == QLatin1String("clic"))
            premi(w, Qt::LeftButton);
        else if (verbo == QLatin1String("destro"))
            premi(w, Qt::RightButton);
        else if (verbo == QLatin1String("menu"))
            a->trigger();
        else if (verbo == QLatin1String("invio"))
            QTest::keyClick(w, Qt::Key_Return);
        else if (verbo == QLatin1String("scrivi"))
            qobject_cast<QLineEdit *>(w)->setText(parti.mid(2).join(QLatin1Char(':')));
    }
    QApplication::processEvents();
    QWidget *foto = daFotografare.isEmpty() ? navigatore.principale() : cerca(navigatore, daFotografare);
    if (!foto || !foto->grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fputs("vetrina: nessuna immagine salvata\n", stderr);
        return 1;
    }
    for (FinestraProgramma *f : navigatore.aperte())
        f->chiudi();
    return 0;
}
