#include "bookings/Registro.h"
#include "codes/Codici_Comuni.h"
#include "codes/Codici_Documenti.h"
#include "codes/Codici_Stati.h"
#include "codes/Codici_Tipo.h"
#include "guests/Clienti.h"
#include "platform/ListScreen.h"
#include "platform/PrintDialog.h"
#include "support/TestSupport.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <optional>

namespace {

// What the operator does inside an open table: choose a province (municipalities only), type a
// key, press Trova `presses` times, then double-click the selected entry.
struct Walk {
    QString sigla;
    QString key;
    int presses = 1;
};

void doubleClickSelected(QWidget *table)
{
    auto *list = table->findChild<ListScreen *>();
    QVERIFY(list);
    const int row = list->currentRow();
    QVERIFY(row >= 0);
    QListView *view = list->lstRecords;
    const QRect r = view->visualRect(view->model()->index(row, 0));
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, r.center());
}

void chooseAndLoad(QWidget *table, const QString &sigla)
{
    auto *prov = table->findChild<QComboBox *>(QStringLiteral("txtProv"));
    prov->setCurrentIndex(prov->findText(sigla));
    QTest::mouseClick(table->findChild<QPushButton *>(QStringLiteral("btnCerca")), Qt::LeftButton);
}

void search(QWidget *table, const QString &key, int presses)
{
    auto *trova = table->findChild<QLineEdit *>(QStringLiteral("txtTrova"));
    trova->clear();
    TestKeys::type(trova, key);
    for (int i = 0; i < presses; ++i)
        QTest::mouseClick(table->findChild<QPushButton *>(QStringLiteral("btnTrova")), Qt::LeftButton);
}

// Presses an import button of the card and picks in the table it opens; the table's object name.
QString pickThrough(QToolButton *button, const Walk &walk)
{
    QString opened;
    whenModalOpens([&](QWidget *table) {
        opened = table->objectName();
        if (!walk.sigla.isEmpty())
            chooseAndLoad(table, walk.sigla);
        search(table, walk.key, walk.presses);
        doubleClickSelected(table);
        if (table->isVisible())
            table->close(); // a failed pick must not leave the test waiting
    });
    QTest::mouseClick(button, Qt::LeftButton);
    return opened;
}

QStringList pdfPages(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    p.waitForFinished(30000);
    QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

// Walks a table opened with `marker` and gives back what it hands to its opener.
template <class T> std::optional<Codes::PickedEntry> pickIn(QWidget *owner, const QString &marker, const Walk &walk)
{
    auto *table = new T(owner);
    table->setMemory(marker);
    table->show();
    if (!walk.sigla.isEmpty())
        chooseAndLoad(table, walk.sigla);
    search(table, walk.key, walk.presses);
    doubleClickSelected(table);
    [&] { QVERIFY(!table->isVisible()); }();
    const auto picked = table->picked();
    delete table;
    return picked;
}

} // namespace

class TestCodiciScreens : public QObject {
    Q_OBJECT
private slots:
    void provinceListIsAScrollingDozen()
    {
        // 110 siglas open as a scrolling list of a dozen lines in an ordinary font.
        TfrmCodici_Comuni t(nullptr);
        t.show();
        QVERIFY(QTest::qWaitForWindowExposed(&t));
        t.txtProv->showPopup();
        QAbstractItemView *view = t.txtProv->view();
        QTRY_VERIFY(view->isVisible());
        QCOMPARE(view->font().pointSize(), 12);
        QVERIFY(!view->font().bold());
        const int row = view->sizeHintForRow(0);
        QVERIFY2(view->window()->height() <= 13 * row + 16, qPrintable(QString::number(view->window()->height())));
        QVERIFY(view->verticalScrollBar()->maximum() > 0);
        t.txtProv->hidePopup();
    }

    void init()
    {
        dir = new TempProgramFolder;
        msgs = new MessageRecorder;
        Clock::setFixed(QDateTime(QDate(2025, 3, 5), QTime(10, 0)));
        for (auto t : {Codes::Table::Tipo, Codes::Table::Documenti, Codes::Table::Stati})
            TCodeTableScreen::rememberedKey(t).clear();
        card = new TfrmClienti;
        card->show();
        QVERIFY(QTest::qWaitForWindowExposed(card));
    }
    void cleanup()
    {
        delete card;
        delete msgs;
        delete dir;
        Clock::reset();
        PrintDialog::setHook(nullptr);
    }

    void tablesLayout_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("rows");
        // clang-format off
        QTest::newRow("tipo") << "Tipo" << " Tabella Codici per Tipo di alloggiato" << 5;
        QTest::newRow("documenti") << "Documenti" << " Tabella Codici per Tipo di documento" << 95;
        QTest::newRow("stati") << "Stati" << " Tabella Codici per Stato" << 287;
        // clang-format on
    }
    void tablesLayout()
    {
        QFETCH(QString, table);
        QFETCH(QString, caption);
        QFETCH(int, rows);
        std::unique_ptr<TCodeTableScreen> t;
        if (table == QLatin1String("Tipo"))
            t.reset(new TfrmCodici_Tipo(card));
        else if (table == QLatin1String("Documenti"))
            t.reset(new TfrmCodici_Documenti(card));
        else
            t.reset(new TfrmCodici_Stati(card));
        t->show();
        QVERIFY(QTest::qWaitForWindowExposed(t.get()));
        QCOMPARE(t->windowTitle(), caption);
        QCOMPARE(t->size(), QSize(862, 560));
        QCOMPARE(t->list->count(), rows);
        QCOMPARE(t->list->currentRow(), -1);
        QCOMPARE(QApplication::focusWidget(), t->txtTrova);
        QCOMPARE(t->btnTrova->text(), QStringLiteral("Trova"));
        QCOMPARE(t->btnChiudi->text(), QStringLiteral("Chiudi"));
        QCOMPARE(t->btnStampa->text(), QStringLiteral("Stampa"));
        const QString texts = [&] {
            QStringList all;
            for (QLabel *l : t->findChildren<QLabel *>())
                all.append(l->text());
            return all.join(QLatin1Char('\n'));
        }();
        QVERIFY(texts.contains(QStringLiteral("Immettere una o più parole consecutive presenti nella voce in elenco da "
                                              "cercare e premere il pulsante Trova.")));
        QVERIFY(texts.contains(QStringLiteral("Per spostarsi sulla voce successiva contenente la stessa chiave di "
                                              "ricerca, fare di nuovo clic su Trova.")));
        QVERIFY(texts.contains(QStringLiteral("Per importare una voce dall'elenco, selezionarla con un doppio clic.")));
        const QModelIndex first = t->lstRecords->model()->index(0, 0);
        QCOMPARE(first.data(Qt::FontRole).value<QFont>().family(), QStringLiteral("Courier New"));
        QCOMPARE(first.data(Qt::FontRole).value<QFont>().pointSize(), 12);
        // Enter in the search field only moves to Trova.
        t->txtTrova->setFocus();
        TestKeys::type(t->txtTrova, QStringLiteral("zzz"));
        QTest::keyClick(t->txtTrova, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), t->btnTrova);
        QCOMPARE(t->list->currentRow(), -1);
        // Closing removes the entries.
        QTest::mouseClick(t->btnChiudi, Qt::LeftButton);
        QVERIFY(!t->isVisible());
        QCOMPARE(t->list->count(), 0);
    }

    void findNextOnTheStateScreen()
    {
        auto *t = new TfrmCodici_Stati(card);
        t->show();
        const auto row = [&] { return t->list->currentRow(); };
        search(t, QStringLiteral("curda"), 1);
        QCOMPARE(t->list->currentLine().left(9), QStringLiteral("110000006"));
        QList<int> walk;
        for (int i = 0; i < 4; ++i) {
            QTest::mouseClick(t->btnTrova, Qt::LeftButton);
            walk.append(row());
        }
        QCOMPARE(walk, (QList<int>{282, 283, 284, 281}));
        search(t, QStringLiteral("albania"), 1);
        QCOMPARE(row(), 1);
        search(t, QStringLiteral("italia"), 1);
        QCOMPARE(row(), 0);
        delete t;
        // A new opening of the same table remembers "italia": the walk starts after the first
        // entry and comes back to it.
        QCOMPARE(TCodeTableScreen::rememberedKey(Codes::Table::Stati), QStringLiteral("italia"));
        t = new TfrmCodici_Stati(card);
        t->show();
        QCOMPARE(t->list->currentRow(), -1);
        search(t, QStringLiteral("ITALIA"), 1);
        QCOMPARE(row(), 0);
        delete t;
        // Another table kind keeps its own key.
        QCOMPARE(TCodeTableScreen::rememberedKey(Codes::Table::Tipo), QString());
    }

    void picksIntoTheGuestCard_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("sigla");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("screen");
        // "written" holds field=value pairs.
        QTest::addColumn<QStringList>("written");
        // clang-format off
        QTest::newRow("tipo") << "impTipo" << "" << "capofam" << "frmCodici_Tipo"
                              << QStringList{"txtCodTipo=17", "txtTipo=CAPOFAMIGLIA"};
        QTest::newRow("tipodoc") << "impTipoDoc" << "" << "carta di identita'" << "frmCodici_Documenti"
                                 << QStringList{"txtCodTipoDoc=IDENT", "txtTipoDoc=CARTA DI IDENTITA'"};
        QTest::newRow("statonasc") << "impStatoNasc" << "" << "francia" << "frmCodici_Stati"
                                   << QStringList{"txtCodStatoNasc=100000215", "txtStatoNasc=FRANCIA"};
        QTest::newRow("cittadinanza") << "impCittadinanza" << "" << "albania" << "frmCodici_Stati"
                                      << QStringList{"txtCodCittadinanza=100000201", "txtCittadinanza=ALBANIA"};
        QTest::newRow("state luogoril") << "impStatoLuogoRil" << "" << "kosovo" << "frmCodici_Stati"
                                        << QStringList{"txtCodLuogoRil=100001002", "txtLuogoRil=KOSOVO"};
        QTest::newRow("olbia from OT") << "impComuneNasc" << "OT" << "olbia" << "frmCodici_Comuni"
                                       << QStringList{"txtCodComuneNasc=420090047", "txtComuneNasc=OLBIA", "txtProvNasc=SS"};
        QTest::newRow("PU shows PS") << "impComuneNasc" << "PU" << "411041044" << "frmCodici_Comuni"
                                     << QStringList{"txtCodComuneNasc=411041044", "txtComuneNasc=PESARO", "txtProvNasc=PS"};
        QTest::newRow("longest name") << "impComuneNasc" << "AO" << "challant saint anselme" << "frmCodici_Comuni"
                                      << QStringList{"txtCodComuneNasc=402007501",
                                                     // clang-format on
                                                     "txtComuneNasc=CHALLANT SAINT ANSELME ET CHALLANT SAI",
                                                     "txtProvNasc=AO"};
        // clang-format off
        QTest::newRow("municipality luogoril keeps the province")
            << "impComuneLuogoRil" << "RM" << "412058091" << "frmCodici_Comuni"
            << QStringList{"txtCodLuogoRil=412058091", "txtLuogoRil=ROMA", "txtProvNasc=XX"};
        // clang-format on
    }
    void picksIntoTheGuestCard()
    {
        QFETCH(QString, button);
        QFETCH(QString, sigla);
        QFETCH(QString, key);
        QFETCH(QString, screen);
        QFETCH(QStringList, written);
        card->setControlText(QStringLiteral("txtProvNasc"), QStringLiteral("XX"));
        auto *b = card->findChild<QToolButton *>(button);
        QCOMPARE(pickThrough(b, {sigla, key, 1}), screen);
        for (const QString &w : written) {
            const QString field = w.section(QLatin1Char('='), 0, 0);
            QCOMPARE(card->controlText(field), w.section(QLatin1Char('='), 1));
        }
        QVERIFY(!QApplication::activeModalWidget());
    }

    void placeOfIssueIsSharedByStatesAndMunicipalities()
    {
        pickThrough(card->impComuneLuogoRil, {QStringLiteral("OT"), QStringLiteral("olbia"), 1});
        QCOMPARE(card->controlText(QStringLiteral("txtCodLuogoRil")), QStringLiteral("420090047"));
        QCOMPARE(card->controlText(QStringLiteral("txtLuogoRil")), QStringLiteral("OLBIA"));
        pickThrough(card->impStatoLuogoRil, {QString(), QStringLiteral("germania"), 1});
        QCOMPARE(card->controlText(QStringLiteral("txtCodLuogoRil")), QStringLiteral("100000216"));
        QCOMPARE(card->controlText(QStringLiteral("txtLuogoRil")), QStringLiteral("GERMANIA"));
        QCOMPARE(card->controlText(QStringLiteral("txtProvNasc")), QString());
        pickThrough(card->impComuneLuogoRil, {QStringLiteral("ZA"), QStringLiteral("zara"), 1});
        QCOMPARE(card->controlText(QStringLiteral("txtCodLuogoRil")), QStringLiteral("450502502"));
        QCOMPARE(card->controlText(QStringLiteral("txtLuogoRil")), QStringLiteral("ZARA"));
    }

    void picksIntoTheBookingCard_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("sigla");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QStringList>("written");
        // clang-format off
        QTest::newRow("tipo") << "impTipo" << "" << "membro" << "frmCodici_Tipo"
                              << QStringList{"txtCodTipo=20", "txtTipo=MEMBRO GRUPPO"};
        QTest::newRow("tipodoc") << "impTipoDoc" << "" << "patente di" << "frmCodici_Documenti"
                                 << QStringList{"txtCodTipoDoc=PATEN", "txtTipoDoc=PATENTE DI GUIDA"};
        QTest::newRow("statonasc") << "impStatoNasc" << "" << "apolide" << "frmCodici_Stati"
                                   << QStringList{"txtCodStatoNasc=100000999", "txtStatoNasc=APOLIDE"};
        QTest::newRow("cittadinanza") << "impCittadinanza" << "" << "serbia" << "frmCodici_Stati"
                                      << QStringList{"txtCodCittadinanza=100000224",
                                                     // clang-format on
                                                     "txtCittadinanza=JUGOSLAVIA (SERBIA-MONTENEGRO)"};
        // clang-format off
        QTest::newRow("state luogoril") << "impStatoLuogoRil" << "" << "macao" << "frmCodici_Stati"
                                        << QStringList{"txtCodLuogoRil=110000003", "txtLuogoRil=MACAO"};
        QTest::newRow("olbia from OT") << "impComuneNasc" << "OT" << "olbia" << "frmCodici_Comuni"
                                       << QStringList{"txtCodComuneNasc=420090047", "txtComuneNasc=OLBIA", "txtProvNasc=SS"};
        QTest::newRow("budoni from OT") << "impComuneNasc" << "OT" << "budoni" << "frmCodici_Comuni"
                                        << QStringList{"txtCodComuneNasc=420091014", "txtComuneNasc=BUDONI", "txtProvNasc=NU"};
        QTest::newRow("municipality luogoril") << "impComuneLuogoRil" << "MI" << "403015146" << "frmCodici_Comuni"
                                               << QStringList{"txtCodLuogoRil=403015146", "txtLuogoRil=MILANO", "txtProvNasc=XX"};
        // clang-format on
    }
    void picksIntoTheBookingCard()
    {
        QFETCH(QString, button);
        QFETCH(QString, sigla);
        QFETCH(QString, key);
        QFETCH(QString, screen);
        QFETCH(QStringList, written);
        TfrmRegistro booking;
        booking.show();
        QVERIFY(QTest::qWaitForWindowExposed(&booking));
        booking.setControlText(QStringLiteral("txtProvNasc"), QStringLiteral("XX"));
        QCOMPARE(pickThrough(booking.findChild<QToolButton *>(button), {sigla, key, 1}), screen);
        for (const QString &w : written)
            QCOMPARE(booking.controlText(w.section(QLatin1Char('='), 0, 0)), w.section(QLatin1Char('='), 1));
        // The guest card, also open, is left alone.
        QCOMPARE(card->controlText(QStringLiteral("txtCodTipo")), QString());
        QCOMPARE(card->controlText(QStringLiteral("txtCodLuogoRil")), QString());
        QCOMPARE(card->controlText(QStringLiteral("txtCodComuneNasc")), QString());
    }

    void aTableHandsBackWhatWasPicked()
    {
        // The marker is trimmed; the opener gets the code and the trimmed description.
        QWidget owner;
        owner.show();
        const auto picked = pickIn<TfrmCodici_Stati>(&owner, QStringLiteral(" registro_cittadinanza "),
                                                     {QString(), QStringLiteral("svizzera"), 1});
        QVERIFY(picked);
        QCOMPARE(picked->code, QStringLiteral("100000241"));
        QCOMPARE(picked->description, QStringLiteral("SVIZZERA"));
    }

    void refusedPicksWriteNothing_data()
    {
        QTest::addColumn<QString>("marker");
        QTest::addColumn<bool>("select");
        // clang-format off
        QTest::newRow("marker of another table") << "clienti_tipodoc" << true;
        QTest::newRow("no marker") << "" << true;
        QTest::newRow("upper case") << "CLIENTI_TIPO" << true;
        QTest::newRow("nothing selected") << "clienti_tipo" << false;
        // clang-format on
    }
    void refusedPicksWriteNothing()
    {
        QFETCH(QString, marker);
        QFETCH(bool, select);
        auto *t = new TfrmCodici_Tipo(card);
        t->setMemory(marker);
        t->show();
        QVERIFY(QTest::qWaitForWindowExposed(t));
        QPoint at;
        if (select) {
            t->list->setCurrentRow(3);
            at = t->lstRecords->visualRect(t->lstRecords->model()->index(3, 0)).center();
        } else {
            // Below the five entries: a double-click on no entry.
            at = QPoint(20, t->lstRecords->viewport()->height() - 5);
        }
        QTest::mouseDClick(t->lstRecords->viewport(), Qt::LeftButton, {}, at);
        QVERIFY(!t->isVisible());
        QCOMPARE(card->controlText(QStringLiteral("txtCodTipo")), QString());
        QCOMPARE(card->controlText(QStringLiteral("txtTipo")), QString());
        QCOMPARE(card->controlText(QStringLiteral("txtTipoDoc")), QString());
        delete t;
    }

    void municipalityStartPanel()
    {
        auto *t = new TfrmCodici_Comuni(card);
        t->setMemory(QStringLiteral("clienti_comunenasc"));
        t->show();
        QVERIFY(QTest::qWaitForWindowExposed(t));
        QCOMPARE(t->windowTitle(), QStringLiteral(" Tabella Codici per Comuni d'Italia"));
        QCOMPARE(t->size(), QSize(862, 560));
        QVERIFY(t->panAvvio->isVisible());
        QVERIFY(!t->panContainer->isVisible());
        QCOMPARE(QApplication::focusWidget(), t->txtProv);
        QCOMPARE(t->txtProv->count(), 115);
        QCOMPARE(t->txtProv->currentText(), QString());
        QCOMPARE(t->Risultato->text(), QStringLiteral("Nessuna provincia selezionata."));
        QVERIFY(t->icoFreccia01->isVisible());
        QVERIFY(!t->icoFreccia02->isVisible());
        QVERIFY(!t->lblAttendere->isVisible());

        // Typing chooses nothing.
        TestKeys::type(t->txtProv, QStringLiteral("MI"));
        QTest::keyClick(t->txtProv, Qt::Key_Down);
        QCOMPARE(t->txtProv->currentText(), QString());

        // Cerca without a sigla: the wait label shows on the mouse-down, then the warning.
        QTest::mousePress(t->btnCerca, Qt::LeftButton);
        QVERIFY(t->lblAttendere->isVisible());
        QTest::mouseRelease(t->btnCerca, Qt::LeftButton);
        QCOMPARE(msgs->count(), 1);
        QCOMPARE(msgs->lastKind(), Msg::Kind::Warning);
        QCOMPARE(msgs->lastText(),
                 QStringLiteral("Ricerca non applicabile: non è stata selezionata nessuna provincia."));
        QVERIFY(!t->lblAttendere->isVisible());
        QVERIFY(t->panAvvio->isVisible());
        QCOMPARE(QApplication::focusWidget(), t->txtProv);

        t->txtProv->setCurrentIndex(t->txtProv->findText(QStringLiteral("AG")));
        QCOMPARE(t->Risultato->text(), QStringLiteral("Provincia selezionata:  Agrigento (Sicilia)."));
        QVERIFY(!t->icoFreccia01->isVisible());
        QVERIFY(t->icoFreccia02->isVisible());
        t->txtProv->setCurrentIndex(t->txtProv->findText(QStringLiteral("CN")));
        QCOMPARE(t->Risultato->text(), QStringLiteral("Provincia selezionata:  Cuneo (Piemonte)."));
        QTest::mouseClick(t->btnCerca, Qt::LeftButton);
        QVERIFY(!t->panAvvio->isVisible());
        QVERIFY(t->panContainer->isVisible());
        QCOMPARE(t->list->count(), 273);
        QCOMPARE(t->list->currentRow(), -1);
        QCOMPARE(QApplication::focusWidget(), t->txtTrova);
        QCOMPARE(msgs->count(), 1);
        QTest::mouseClick(t->btnChiudi, Qt::LeftButton);
        QVERIFY(!t->isVisible());
        QCOMPARE(t->list->count(), 0);
        delete t;
    }

    void municipalitySearchLastsOneOpening()
    {
        auto *t = new TfrmCodici_Comuni(card);
        t->show();
        chooseAndLoad(t, QStringLiteral("RM"));
        // The province column is part of the line: "rm" matches every line of RM.
        search(t, QStringLiteral("rm"), 3);
        QCOMPARE(t->list->currentRow(), 2);
        QCOMPARE(t->list->rememberedKey(), QStringLiteral("rm"));
        t->close();
        t->show();
        QCOMPARE(t->list->rememberedKey(), QString());
        QCOMPARE(t->txtTrova->text(), QString());
        delete t;
    }

    void printsTheStateTable()
    {
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("stati.pdf"));
        PrintDialog::setHook([&](QPrinter &p) {
            p.setOutputFileName(pdf);
            return true;
        });
        auto *t = new TfrmCodici_Stati(card);
        t->show();
        QTest::mouseClick(t->btnStampa, Qt::LeftButton);
        delete t;
        const QStringList pages = pdfPages(pdf);
        QCOMPARE(pages.size(), 6);
        QVERIFY(pages.first().contains(QStringLiteral("Tabella Codici per Stato")));
        QVERIFY(pages.first().simplified().contains(QStringLiteral("100000100 - ITALIA")));
        for (int p = 1; p < pages.size(); ++p)
            QVERIFY(!pages.at(p).contains(QStringLiteral("Tabella Codici")));
        QVERIFY(pages.last().simplified().contains(QStringLiteral("110000011 - NAZ. BRITANNICO(OLTREMARE)-HONG KONG")));
        QVERIFY(pages.last().contains(QStringLiteral("Stampa eseguita in data 05/03/2025")));
        int lines = 0;
        for (const QString &page : pages)
            lines += int(page.count(QRegularExpression(QStringLiteral("\\b1[01]000\\d{4}\\s+-\\s+[A-Z]"))));
        QCOMPARE(lines, 287);
    }

    void printsAMunicipalityList()
    {
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("za.pdf"));
        PrintDialog::setHook([&](QPrinter &p) {
            p.setOutputFileName(pdf);
            return true;
        });
        auto *t = new TfrmCodici_Comuni(card);
        t->show();
        chooseAndLoad(t, QStringLiteral("ZA"));
        QTest::mouseClick(t->btnStampa, Qt::LeftButton);
        delete t;
        const QStringList pages = pdfPages(pdf);
        QCOMPARE(pages.size(), 1);
        const QString text = pages.first();
        QVERIFY(text.contains(QStringLiteral("Tabella Codici per Comuni d'Italia")));
        QCOMPARE(text.count(QRegularExpression(QStringLiteral("\\b4505\\d{5}\\s+-\\s+[A-Z]+\\s+-\\s+ZA\\b"))), 2);
    }

private:
    TempProgramFolder *dir = nullptr;
    MessageRecorder *msgs = nullptr;
    TfrmClienti *card = nullptr;
};

QTEST_MAIN(TestCodiciScreens)
#include "tst_codici_screens.moc"
