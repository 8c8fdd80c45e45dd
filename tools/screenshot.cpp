// Takes the pictures of the README: run under a display (Xvfb is fine) from the build folder.
//   tools/screenshot <output folder>
#include "app/Avvio.h"
#include "app/Screens.h"
#include "base/Dates.h"
#include "base/ProgramFolder.h"
#include "base/TextField.h"
#include "billing/BillPanel.h"
#include "bookings/Tableau.h"
#include "bookings/TableauReport.h"
#include "bookings/Visita.h"
#include "guests/Clienti.h"
#include "platform/Clock.h"
#include "report/ReportPrinter.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>

#include <random>

static void shoot(QWidget *w, const QString &file)
{
    w->showNormal();
    w->resize(1280, 820);
    QApplication::processEvents();
    QTimer::singleShot(300, [] {});
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
    w->grab().save(file);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);
    Screens::createAll();
    shoot(frmAvvio, out + QStringLiteral("/menu.png"));
    frmAvvio->hide();

    frmClienti->show();
    frmClienti->txtCognome->setText(QStringLiteral("Bianchi"));
    frmClienti->txtNome->setText(QStringLiteral("Giulia"));
    frmClienti->txtSesso->setEditText(QStringLiteral("2) F"));
    frmClienti->txtCodFisc->setText(QStringLiteral("BNCGLI85M41F205X"));
    frmClienti->txtTipo->setText(QStringLiteral("Capo famiglia"));
    frmClienti->txtDataNasc->setText(QStringLiteral("01/08/1985"));
    frmClienti->txtComuneNasc->setText(QStringLiteral("MILANO"));
    frmClienti->txtProvNasc->setText(QStringLiteral("MI"));
    frmClienti->txtStatoNasc->setText(QStringLiteral("ITALIA"));
    frmClienti->txtCittadinanza->setText(QStringLiteral("ITALIA"));
    frmClienti->txtVia->setText(QStringLiteral("Via dei Mille 12"));
    frmClienti->txtCap->setText(QStringLiteral("20129"));
    frmClienti->txtComuneRes->setText(QStringLiteral("Milano"));
    frmClienti->txtProvRes->setText(QStringLiteral("MI"));
    frmClienti->txtTipoDoc->setText(QStringLiteral("CARTA DI IDENTITA' ELETTRONICA"));
    frmClienti->txtNumDoc->setText(QStringLiteral("CA12345AB"));
    frmClienti->txtLuogoRil->setText(QStringLiteral("MILANO"));
    frmClienti->txtDataRil->setText(QStringLiteral("10/02/2022"));
    frmClienti->txtDataSca->setText(QStringLiteral("01/08/2033"));
    frmClienti->txtCellulare->setText(QStringLiteral("333 1234567"));
    frmClienti->txtEmail->setText(QStringLiteral("giulia.bianchi@esempio.it"));
    frmClienti->txtTariffa->setText(QStringLiteral("Alta stagione"));
    frmClienti->txtTipologia->setEditText(QStringLiteral("Matrimoniale"));
    frmClienti->txtFormula->setEditText(QStringLiteral("Mezza pensione"));
    frmClienti->txtServizi->setText(QStringLiteral("Parcheggio, culla"));
    frmClienti->txtNote->setText(QStringLiteral("Arrivo previsto in serata"));
    frmClienti->lblPosizione->setText(QStringLiteral("12"));
    frmClienti->panInfo->setText(QStringLiteral("Salva la scheda corrente in archivio."));
    shoot(frmClienti, out + QStringLiteral("/clienti.png"));

    // clang-format off
    const QStringList bill[] = {{"14/08/2026", "Camera matrimoniale, mezza pensione", "180,00"},
                                {"14/08/2026", "Parcheggio coperto", "12,00"},
                                {"15/08/2026", "Camera matrimoniale, mezza pensione", "180,00"},
                                {"15/08/2026", "Cena di Ferragosto (2 persone)", "95,00"},
                                {"15/08/2026", "Vino della casa", "18,50"},
                                {"16/08/2026", "Escursione in barca", "70,00"},
                                // clang-format on
                                {"16/08/2026", "Caffè e aperitivo al bar", "7,25"}};
    for (int i = 0; i < 7; ++i) {
        frmClienti->conto->txtData[i]->setText(bill[i][0]);
        frmClienti->conto->txtDesc[i]->setText(bill[i][1]);
        frmClienti->conto->txtPrezzo[i]->setText(bill[i][2]);
    }
    frmClienti->conto->txtAcconto->setText(QStringLiteral("200,00"));
    frmClienti->conto->open(QStringLiteral("Giulia"), QStringLiteral("Bianchi"));
    frmClienti->panInfo->setText(QStringLiteral("Calcola il totale del conto allo stato attuale."));
    shoot(frmClienti, out + QStringLiteral("/conto.png"));

    // The tableau over a register of its own: a summer fortnight of a small house, with one
    // room given twice and a booking whose departure was mistyped.
    {
        QTemporaryDir dir;
        ProgramFolder::setForTests(dir.path());
        const QDate today(2026, 8, 12);
        Clock::setFixed(QDateTime(today, QTime(10, 0)));
        const QStringList rooms = {"1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",          "10",
                                   "11", "12", "14", "15", "21", "22", "23", "24", "Dependance", "Suite"};
        const QStringList guests = {"Rossi Mario",    "Bianchi Giulia", "Ferrari Luca",  "Esposito Anna",
                                    "Romano Paolo",   "Colombo Sara",   "Ricci Marco",   "Marino Elena",
                                    "Greco Davide",   "Bruno Chiara",   "Gallo Matteo",  "Conti Laura",
                                    "De Luca Pietro", "Costa Marta",    "Moretti Ugo",   "Müller Jürgen",
                                    "Dubois Hélène",  "Smith John",     "Fontana Irene", "Santoro Carlo"};
        std::mt19937 rng(16);
        QByteArray all;
        auto add = [&](const QString &room, const QDate &in, const QDate &out, const QString &who) {
            QByteArray r(TVisita::Size, '\0');
            namespace F = VisitaField;
            TextField::write(r.data(), F::Camera, room);
            TextField::write(r.data(), F::DataEnt, Dates::format(in));
            TextField::write(r.data(), F::DataUsc, Dates::format(out));
            TextField::write(r.data(), F::Cognome, who.section(u' ', 0, -2));
            TextField::write(r.data(), F::Nome, who.section(u' ', -1));
            TextField::write(r.data(), F::Adulti, QString::number(1 + rng() % 3));
            TextField::write(r.data(), F::Bambini, QString::number(rng() % 2));
            TextField::write(r.data(), F::Tariffa, QStringLiteral("%1 euro a notte").arg(70 + 10 * (rng() % 8)));
            TextField::write(r.data(), F::Cellulare, QStringLiteral("333 %1").arg(1000000 + rng() % 8999999));
            TextField::write(r.data(), F::Disdetta, QStringLiteral("No"));
            all += r;
        };
        for (const QString &room : rooms) {
            QDate d = today.addDays(-8 + int(rng() % 5));
            while (d < today.addDays(36)) {
                const QDate out = d.addDays(1 + int(rng() % 7));
                add(room, d, out, guests[int(rng() % guests.size())]);
                d = out.addDays(int(rng() % 4));
            }
        }
        add(QStringLiteral("7"), today.addDays(2), today.addDays(5), QStringLiteral("Verdi Alba"));
        add(QStringLiteral("9"), today.addDays(3), today.addDays(3), QStringLiteral("Neri Franco"));
        QFile f(ProgramFolder::file(QStringLiteral("Registro.pro")));
        if (f.open(QIODevice::WriteOnly))
            f.write(all);
        f.close();
        TfrmTableau tableau(nullptr, {}, {});
        tableau.show();
        QApplication::processEvents();
        QWidget *grid = tableau.grdTableau->viewport();
        QPoint at;
        for (int r = 0; r < tableau.plan().roomCount() && at.isNull(); ++r) {
            const qsizetype stay = Occupancy::stayAt(tableau.plan(), tableau.grdTableau->range(), r, 3);
            if (stay >= 0 && r > 4)
                at = tableau.grdTableau->barRect(stay).center();
        }
        QMouseEvent move(QEvent::MouseMove, at, grid->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(grid, &move);
        shoot(&tableau, out + QStringLiteral("/tableau.png"));
        Report::Document print =
            TableauReport::build(tableau.plan(), tableau.firstDay(), tableau.days(), Clock::today());
        ReportPrinter::savePdf(print, out + QStringLiteral("/tableau.pdf"));
        Clock::reset();
        ProgramFolder::setForTests(QString());
    }
    Screens::destroyAll();
    return 0;
}
