// Takes the pictures of the README: run under a display (Xvfb is fine) from the build folder.
//   tools/screenshot <output folder>
#include "app/Avvio.h"
#include "app/Screens.h"
#include "billing/BillPanel.h"
#include "guests/Clienti.h"

#include "base/ProgramFolder.h"
#include "base/RecordFile.h"
#include "billing/StampaConto.h"
#include "bookings/Visita.h"
#include "guests/Cliente.h"
#include "guests/ExpClienti.h"
#include "output/CardPrints.h"
#include "report/ReportPrinter.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

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

    // The three prints as PDF, from the card and the bill on screen.
    const QDateTime printed(QDate(2026, 8, 16), QTime(11, 42, 5));
    Report::Document guestForm = CardPrints::guestCard(frmClienti->toRecord(), printed);
    ReportPrinter::savePdf(guestForm, out + QStringLiteral("/scheda_cliente.pdf"));
    frmClienti->conto->computeTotal();
    Report::Document billForm = CardPrints::bill(billOnScreen(*frmClienti->conto), printed);
    ReportPrinter::savePdf(billForm, out + QStringLiteral("/conto.pdf"));
    {
        namespace F = VisitaField;
        TVisita v;
        const std::pair<FieldSpec, const char *> fields[] = {{F::DataEnt, "14/08/2026"},
                                                             {F::OraEnt, "15:00"},
                                                             {F::DataUsc, "17/08/2026"},
                                                             {F::OraUsc, "10:00"},
                                                             {F::Camera, "12 - Vista mare"},
                                                             {F::Adulti, "2"},
                                                             {F::Bambini, "1"},
                                                             {F::Giorni, "3"},
                                                             {F::Cognome, "Bianchi"},
                                                             {F::Nome, "Giulia"},
                                                             {F::Sesso, "F"},
                                                             {F::Cellulare, "333 1234567"},
                                                             {F::Tipo, "Capo famiglia"},
                                                             {F::DataNasc, "01/08/1985"},
                                                             {F::ComuneNasc, "MILANO"},
                                                             {F::StatoNasc, "ITALIA"},
                                                             {F::Cittadinanza, "ITALIA"},
                                                             {F::TipoDoc, "CARTA DI IDENTITA' ELETTRONICA"},
                                                             {F::NumDoc, "CA12345AB"},
                                                             {F::LuogoRil, "MILANO"},
                                                             {F::Email, "giulia.bianchi@esempio.it"},
                                                             {F::Tariffa, "Alta stagione"},
                                                             {F::Supplementi, "Culla, parcheggio coperto"}};
        for (const auto &[field, text] : fields)
            v.set(field, QString::fromUtf8(text));
        Report::Document bookingForm = CardPrints::bookingCard(v, printed);
        ReportPrinter::savePdf(bookingForm, out + QStringLiteral("/visita.pdf"));
    }

    // The guest archive export grid, over an archive of its own.
    {
        QTemporaryDir folder;
        ProgramFolder::setForTests(folder.path());
        RecordFile archive(clientiPath(), TCliente::Size);
        archive.open();
        const char *guests[][6] = {{"Bianchi", "Giulia", "Capo famiglia", "BNCGLI85M41F205X", "01/08/1985", "MILANO"},
                                   {"Rossi", "Mario", "Ospite singolo", "RSSMRA70A01H501S", "01/01/1970", "ROMA"},
                                   {"D'Angelo", "Niccolò", "Capo gruppo", "DNGNCL92C15F839K", "15/03/1992", "NAPOLI"},
                                   {"Müller", "Jürgen", "Ospite singolo", "", "22/11/1968", ""},
                                   {"Esposito", "Chiara", "Familiare", "SPSCHR01T50F839Q", "10/12/2001", "NAPOLI"},
                                   {"Ferrari", "Luca", "Capo famiglia", "FRRLCU78P12A944Z", "12/09/1978", "BOLOGNA"}};
        const char *notes[] = {"Arrivo previsto in serata", "", "Allergia alle noci",
                               "Parla tedesco e inglese",   "", "Cliente abituale"};
        int i = 0;
        for (const auto &g : guests) {
            namespace F = ClienteField;
            TCliente c;
            c.set(F::Cognome, QString::fromUtf8(g[0]));
            c.set(F::Nome, QString::fromUtf8(g[1]));
            c.set(F::Tipo, QString::fromUtf8(g[2]));
            c.set(F::CodFisc, QString::fromUtf8(g[3]));
            c.set(F::DataNasc, QString::fromUtf8(g[4]));
            c.set(F::ComuneNasc, QString::fromUtf8(g[5]));
            c.set(F::StatoNasc, QString::fromUtf8(*g[5] ? "ITALIA" : "GERMANIA"));
            c.set(F::Note, QString::fromUtf8(notes[i++]));
            archive.append(c.bytes.data());
        }
        archive.close();
        TfrmExpClienti grid;
        grid.show();
        grid.grdRecords->setCurrentIndex(grid.grdRecords->model()->index(2, 6));
        grid.grdRecords->horizontalScrollBar()->setValue(0);
        grid.panInfo->setText(QStringLiteral("Esporta l'archivio in formato Microsoft Excel."));
        for (int k = 0; k < 20; ++k)
            QApplication::processEvents();
        grid.grab().save(out + QStringLiteral("/exp_clienti.png"));
        ProgramFolder::setForTests(QString());
    }
    Screens::destroyAll();
    return 0;
}
