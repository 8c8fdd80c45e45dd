// Takes the pictures of the README: run under a display (Xvfb is fine) from the build folder.
//   tools/screenshot <output folder>
#include "app/Avvio.h"
#include "app/CambiaPassword.h"
#include "app/Guida.h"
#include "app/Password.h"
#include "app/Screens.h"
#include "base/Dates.h"
#include "base/ProgramFolder.h"
#include "base/RecordFile.h"
#include "base/TextField.h"
#include "billing/BillPanel.h"
#include "billing/PriceList.h"
#include "billing/Prodotti.h"
#include "bookings/EntratiOggi.h"
#include "bookings/Registro.h"
#include "bookings/SchedineScreen.h"
#include "bookings/Tableau.h"
#include "bookings/TableauReport.h"
#include "bookings/Visita.h"
#include "guests/AllegaCartella.h"
#include "guests/Cartella.h"
#include "guests/Clienti.h"
#include "platform/Clock.h"
#include "report/ReportPrinter.h"

#include "billing/StampaConto.h"
#include "guests/Cliente.h"
#include "guests/ExpClienti.h"
#include "output/CardPrints.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

// A screen at the size it opens with (sub-screens have fixed sizes).
static void shootAsIs(QWidget *w, const QString &file)
{
    w->show();
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
    w->grab().save(file);
    w->hide();
}
#include <QMouseEvent>

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
    shoot(Screens::menu(), out + QStringLiteral("/menu.png"));
    Screens::menu()->hide();

    Screens::guests()->show();
    Screens::guests()->txtCognome->setText(QStringLiteral("Bianchi"));
    Screens::guests()->txtNome->setText(QStringLiteral("Giulia"));
    Screens::guests()->txtSesso->setEditText(QStringLiteral("2) F"));
    Screens::guests()->txtCodFisc->setText(QStringLiteral("BNCGLI85M41F205X"));
    Screens::guests()->txtTipo->setText(QStringLiteral("Capo famiglia"));
    Screens::guests()->txtDataNasc->setText(QStringLiteral("01/08/1985"));
    Screens::guests()->txtComuneNasc->setText(QStringLiteral("MILANO"));
    Screens::guests()->txtProvNasc->setText(QStringLiteral("MI"));
    Screens::guests()->txtStatoNasc->setText(QStringLiteral("ITALIA"));
    Screens::guests()->txtCittadinanza->setText(QStringLiteral("ITALIA"));
    Screens::guests()->txtVia->setText(QStringLiteral("Via dei Mille 12"));
    Screens::guests()->txtCap->setText(QStringLiteral("20129"));
    Screens::guests()->txtComuneRes->setText(QStringLiteral("Milano"));
    Screens::guests()->txtProvRes->setText(QStringLiteral("MI"));
    Screens::guests()->txtTipoDoc->setText(QStringLiteral("CARTA DI IDENTITA' ELETTRONICA"));
    Screens::guests()->txtNumDoc->setText(QStringLiteral("CA12345AB"));
    Screens::guests()->txtLuogoRil->setText(QStringLiteral("MILANO"));
    Screens::guests()->txtDataRil->setText(QStringLiteral("10/02/2022"));
    Screens::guests()->txtDataSca->setText(QStringLiteral("01/08/2033"));
    Screens::guests()->txtCellulare->setText(QStringLiteral("333 1234567"));
    Screens::guests()->txtEmail->setText(QStringLiteral("giulia.bianchi@esempio.it"));
    Screens::guests()->txtTariffa->setText(QStringLiteral("Alta stagione"));
    Screens::guests()->txtTipologia->setEditText(QStringLiteral("Matrimoniale"));
    Screens::guests()->txtFormula->setEditText(QStringLiteral("Mezza pensione"));
    Screens::guests()->txtServizi->setText(QStringLiteral("Parcheggio, culla"));
    Screens::guests()->txtNote->setText(QStringLiteral("Arrivo previsto in serata"));
    Screens::guests()->lblPosizione->setText(QStringLiteral("12"));
    Screens::guests()->panInfo->setText(QStringLiteral("Salva la scheda corrente in archivio."));
    shoot(Screens::guests(), out + QStringLiteral("/clienti.png"));

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
        Screens::guests()->conto->txtData[i]->setText(bill[i][0]);
        Screens::guests()->conto->txtDesc[i]->setText(bill[i][1]);
        Screens::guests()->conto->txtPrezzo[i]->setText(bill[i][2]);
    }
    Screens::guests()->conto->txtAcconto->setText(QStringLiteral("200,00"));
    Screens::guests()->conto->open(QStringLiteral("Giulia"), QStringLiteral("Bianchi"));
    Screens::guests()->panInfo->setText(QStringLiteral("Calcola il totale del conto allo stato attuale."));
    shoot(Screens::guests(), out + QStringLiteral("/conto.png"));
    Screens::guests()->hide();

    // The police guest report of one day, over a register of its own.
    {
        QTemporaryDir register_;
        ProgramFolder::setForTests(register_.path());
        Clock::setFixed(QDateTime(QDate(2026, 8, 14), QTime(9, 0)));
        namespace F = VisitaField;
        // clang-format off
        const QStringList guests[] = {
            // type, room, surname, name, sex, born, municipality, province, state, citizenship, document, number, issued
            {"17", "12", "Bianchi", "Giulia", "2", "01/08/1985", "403015146", "MI", "100000100", "100000100", "IDELE", "CA12345AB", "403015146"},
            {"19", "12", "Bianchi", "Marco", "1", "12/05/1983", "412058091", "RM", "100000100", "100000100", "", "", ""},
            {"19", "12", "Bianchi", "Sofia", "2", "03/03/2016", "403015146", "MI", "", "100000100", "", "", ""},
            {"16", "7", "Müller", "Jürgen", "1", "02/11/1975", "", "", "100000216", "100000216", "PASOR", "C01X00T47", "100000216"},
            {"18", "20", "Ferrari", "Luca", "1", "21/09/1990", "401001272", "TO", "100000100", "100000100", "IDENT", "AY7654321", ""},
            {"20", "20", "Conti", "Elena", "", "30/02/1992", "401001272", "TO", "100000100", "100000100", "", "", ""},
            {"16", "3", "Dubois", "Hélène", "2", "15/06/1979", "", "", "100000215", "", "PASOR", "19AB12345", "100000215"},
            // clang-format on
        };
        QByteArray all;
        for (const QStringList &g : guests) {
            QByteArray r(TVisita::Size, '\0');
            const FieldSpec fields[] = {F::CodTipo,      F::Camera,          F::Cognome,       F::Nome,
                                        F::CodSesso,     F::DataNasc,        F::CodComuneNasc, F::ProvNasc,
                                        F::CodStatoNasc, F::CodCittadinanza, F::CodTipoDoc,    F::NumDoc,
                                        F::CodLuogoRil};
            for (int i = 0; i < 13; ++i)
                TextField::write(r.data(), fields[i], g[i]);
            TextField::write(r.data(), F::DataEnt, QStringLiteral("14/08/2026"));
            TextField::write(r.data(), F::DataUsc, QStringLiteral("18/08/2026"));
            TextField::write(r.data(), F::Giorni, QStringLiteral("04"));
            TextField::write(r.data(), F::Disdetta, QStringLiteral("No"));
            all += r;
        }
        QFile reg(ProgramFolder::file(QStringLiteral("Registro.pro")));
        if (reg.open(QIODevice::WriteOnly))
            reg.write(all);
        reg.close();
        auto *schedine = new TfrmSchedine(Screens::bookings());
        schedine->show();
        shoot(schedine, out + QStringLiteral("/schedine.png"));
        delete schedine;
        Clock::reset();
        ProgramFolder::setForTests(QString());
    }
    // The user guide's pictures: the login, the price list and the guest card's sub-screens.
    Screens::password()->txtPassword->setText(QStringLiteral("sottobicchiere"));
    shootAsIs(Screens::password(), out + QStringLiteral("/password.png"));
    Screens::changePassword()->show();
    Screens::changePassword()->txtPasswordOld->setText(QStringLiteral("sottobicchiere"));
    Screens::changePassword()->txtPasswordNew->setText(QStringLiteral("Camere2026"));
    Screens::changePassword()->txtConferma->setText(QStringLiteral("Camere2026"));
    shootAsIs(Screens::changePassword(), out + QStringLiteral("/cambiapassword.png"));

    QTemporaryDir folder;
    ProgramFolder::setForTests(folder.path());
    QSaveFile list(PriceList::path());
    list.open(QIODevice::WriteOnly);
    list.write(PriceList::encode({PriceList::makeLine(u"Camera singola, pernottamento e colazione", u"65,00"),
                                  PriceList::makeLine(u"Camera doppia, pernottamento e colazione", u"95,00"),
                                  PriceList::makeLine(u"Camera matrimoniale, mezza pensione", u"180,00"),
                                  PriceList::makeLine(u"Supplemento letto aggiunto", u"25,00"),
                                  PriceList::makeLine(u"Parcheggio coperto (al giorno)", u"12,00"),
                                  PriceList::makeLine(u"Cena fuori pensione", u"30,00"),
                                  PriceList::makeLine(u"Vino della casa (bottiglia)", u"18,50"),
                                  PriceList::makeLine(u"Caffè", u"1,20"),
                                  PriceList::makeLine(u"Escursione in barca", u"35,00")}));
    list.commit();
    shoot(Screens::priceList(), out + QStringLiteral("/prodotti.png"));
    Screens::priceList()->hide();

    auto *allega = new TfrmAllegaCartella(Screens::guests());
    allega->setFiles(
        {{QStringLiteral("Carta identità Bianchi Giulia.pdf"), QStringLiteral("Contratto.2026.08.pdf"), QString()},
         {QStringLiteral("Carta di identità, fronte e retro"), QStringLiteral("Contratto di soggiorno firmato"),
          QString()}});
    shootAsIs(allega, out + QStringLiteral("/allega.png"));
    delete allega;
    auto *cartella = new TfrmCartella(Screens::guests());
    cartella->setPosition(QStringLiteral("12"));
    shootAsIs(cartella, out + QStringLiteral("/cartella.png"));
    delete cartella;
    auto *guida = new TfrmGuida(Screens::menu());
    guida->showTopic(HelpTopic::general());
    shootAsIs(guida, out + QStringLiteral("/guida.png"));
    delete guida;

    // The day's arrivals, over a few bookings of a fixed day.
    Clock::setFixed(QDateTime(QDate(2026, 8, 14), QTime(10, 30)));
    {
        RecordFile bookings(registroPath(), TVisita::Size);
        bookings.open();
        // clang-format off
        const QStringList stays[] = {{"14/08/2026", "15:00", "12 - Vista mare", "03", "Bianchi", "Giulia", "17/08/2026", "333 1234567"},
                                     {"14/08/2026", "18:30", "5", "02", "Rossi", "Mario", "16/08/2026", "347 7654321"},
                                     {"14/08/2026", "", "Bungalow 3", "07", "Esposito", "Anna", "21/08/2026", "320 1112223"}};
        // clang-format on
        for (const QStringList &v : stays) {
            TVisita r;
            r.set(VisitaField::DataEnt, v[0]);
            r.set(VisitaField::OraEnt, v[1]);
            r.set(VisitaField::Camera, v[2]);
            r.set(VisitaField::Giorni, v[3]);
            r.set(VisitaField::Cognome, v[4]);
            r.set(VisitaField::Nome, v[5]);
            r.set(VisitaField::DataUsc, v[6]);
            r.set(VisitaField::Cellulare, v[7]);
            r.set(VisitaField::Disdetta, QStringLiteral("No"));
            bookings.append(r.bytes.data());
        }
    }
    auto *arrivi = new TfrmEntratiOggi(Screens::bookings());
    shootAsIs(arrivi, out + QStringLiteral("/entratioggi.png"));
    delete arrivi;
    Clock::reset();
    ProgramFolder::setForTests(QString());

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

        // The three prints as PDF, from the card and the bill on screen.
        const QDateTime printed(QDate(2026, 8, 16), QTime(11, 42, 5));
        Report::Document guestForm = CardPrints::guestCard(Screens::guests()->toRecord(), printed);
        ReportPrinter::savePdf(guestForm, out + QStringLiteral("/scheda_cliente.pdf"));
        Screens::guests()->conto->computeTotal();
        Report::Document billForm = CardPrints::bill(billOnScreen(*Screens::guests()->conto), printed);
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
            const char *guests[][6] = {
                {"Bianchi", "Giulia", "Capo famiglia", "BNCGLI85M41F205X", "01/08/1985", "MILANO"},
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
    }
    Screens::bookings()->show();
    Screens::bookings()->txtDataEnt->setText(QStringLiteral("10/08/2024"));
    Screens::bookings()->txtOraEnt->setText(QStringLiteral("14:00"));
    Screens::bookings()->txtCamera->setText(QStringLiteral("12 - Vista mare"));
    Screens::bookings()->txtAdulti->setText(QStringLiteral("2"));
    Screens::bookings()->txtBambini->setText(QStringLiteral("1"));
    Screens::bookings()->txtGiorni->setText(QStringLiteral("03"));
    Screens::bookings()->txtCellulare->setText(QStringLiteral("333 1234567"));
    Screens::bookings()->txtCognome->setText(QStringLiteral("Rossi"));
    Screens::bookings()->txtNome->setText(QStringLiteral("Mario"));
    Screens::bookings()->txtTipo->setText(QStringLiteral("Capo Famiglia"));
    Screens::bookings()->txtSesso->setEditText(QStringLiteral("1) M"));
    Screens::bookings()->txtDataNasc->setText(QStringLiteral("12/05/1978"));
    Screens::bookings()->txtComuneNasc->setText(QStringLiteral("Città di Castello"));
    Screens::bookings()->txtProvNasc->setText(QStringLiteral("PG"));
    Screens::bookings()->txtStatoNasc->setText(QStringLiteral("Italia"));
    Screens::bookings()->txtTipoDoc->setText(QStringLiteral("Carta di identità"));
    Screens::bookings()->txtNumDoc->setText(QStringLiteral("CA12345BX"));
    Screens::bookings()->txtLuogoRil->setText(QStringLiteral("Perugia"));
    Screens::bookings()->txtCittadinanza->setText(QStringLiteral("Italia"));
    Screens::bookings()->txtEmail->setText(QStringLiteral("mario.rossi@example.it"));
    Screens::bookings()->txtDataUsc->setText(QStringLiteral("13/08/2024"));
    Screens::bookings()->txtOraUsc->setText(QStringLiteral("10:00"));
    Screens::bookings()->txtTariffa->setText(QStringLiteral("80 euro a notte, colazione inclusa"));
    Screens::bookings()->txtSupplementi->setText(QStringLiteral("culla"));
    Screens::bookings()->lblPosizione->setText(QStringLiteral("7"));
    // The card keeps its own size; the window just round it.
    Screens::bookings()->showNormal();
    Screens::bookings()->resize(1010, 710);
    Screens::bookings()->activateWindow();
    Screens::bookings()->txtCognome->setFocus();
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
    Screens::bookings()->panInfo->setText(QStringLiteral("Salva la scheda corrente in archivio."));
    Screens::bookings()->grab().save(out + QStringLiteral("/registro.png"));

    Screens::destroyAll();
    return 0;
}
