#include "app/Guida.h"
#include "base/RecordFile.h"
#include "billing/BillPanel.h"
#include "billing/ExpConto.h"
#include "bookings/ExpVisite.h"
#include "bookings/Registro.h"
#include "bookings/Visita.h"
#include "guests/Cliente.h"
#include "guests/Clienti.h"
#include "guests/ExpClienti.h"
#include "output/Export.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

namespace {

void writeGuests(const QStringList &surnames)
{
    RecordFile f(clientiPath(), TCliente::Size);
    f.open();
    for (const QString &s : surnames) {
        TCliente c;
        c.set(ClienteField::Cognome, s);
        c.set(ClienteField::Note, QStringLiteral("nota di ") + s);
        f.append(c.bytes.data());
    }
}

QByteArray cell(const QByteArray &v) { return "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">" + v + "</td>"; }

} // namespace

// The export screens as the operator uses them: the grid, its edits, the questions, the file.
class TestExportScreens : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        dir = new TempProgramFolder;
        msgs = new MessageRecorder;
        shell = new ShellRecorder;
    }
    void cleanup()
    {
        delete shell;
        delete msgs;
        delete dir;
    }

    void guestGridFillsOnShowing()
    {
        writeGuests({QStringLiteral("Rossi"), QStringLiteral("Niccolò"), QStringLiteral("Verdi")});
        TfrmExpClienti screen;
        QCOMPARE(screen.windowTitle(), QStringLiteral(" Esporta archivio clienti in Microsoft Excel"));
        QCOMPARE(screen.model()->rowCount(), 0); // nothing read before the screen is shown
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        QTableView *grid = screen.grdRecords;
        QCOMPARE(grid->objectName(), QStringLiteral("grdRecords"));
        QCOMPARE(grid->model()->rowCount(), 3);
        QCOMPARE(grid->model()->columnCount(), 26);
        QVERIFY(grid->alternatingRowColors());
        QCOMPARE(grid->model()->index(1, 0).data().toString(), QStringLiteral("2"));
        QCOMPARE(grid->model()->index(1, 1).data().toString(), QStringLiteral("Niccolò"));
        QCOMPARE(grid->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Tipo di alloggiato"));
        QCOMPARE(grid->model()->headerData(25, Qt::Horizontal).toString(), QStringLiteral("Questioni in sospeso"));
        QCOMPARE(msgs->count(), 0);
    }

    void editedCellGoesToTheFileNotTheArchive()
    {
        writeGuests({QStringLiteral("Rossi"), QStringLiteral("Verdi")});
        const QByteArray archive = dir->read(QStringLiteral("Clienti.pro"));
        {
            TfrmExpClienti screen;
            screen.show();
            QVERIFY(QTest::qWaitForWindowExposed(&screen));
            QApplication::setActiveWindow(&screen);
            QTableView *grid = screen.grdRecords;
            // The surname column takes no typing.
            grid->setFocus();
            grid->setCurrentIndex(grid->model()->index(0, 1));
            QTest::keyClicks(grid, QStringLiteral("X"));
            QTest::keyClick(grid, Qt::Key_F2);
            QCOMPARE(QApplication::focusWidget(), grid);
            // The note of the second card, typed into the grid and not confirmed with Enter.
            grid->setCurrentIndex(grid->model()->index(1, 24));
            QTest::keyClick(grid, Qt::Key_F2);
            auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
            QVERIFY(editor);
            QCOMPARE(editor->text(), QStringLiteral("nota di Verdi"));
            editor->selectAll();
            TestKeys::type(editor, QStringLiteral("già pagato <b> & €"));
            QTest::mouseClick(screen.cmdEsporta, Qt::LeftButton);
            QVERIFY(screen.isVisible()); // the screen stays open after exporting
        }
        QCOMPARE(msgs->count(), 2);
        QCOMPARE(msgs->messages.at(0).kind, Msg::Kind::Question);
        QCOMPARE(msgs->messages.at(0).text, Export::archiveQuestion());
        QCOMPARE(msgs->messages.at(1).text, QStringLiteral("Le schede in archivio sono state esportate con successo."
                                                           "\n\r\n\rSi vuole aprire il file di Excel?"));
        const QString path = QDir(dir->path()).filePath(QStringLiteral("Clienti.xls"));
        QCOMPARE(shell->targets, QStringList{QLatin1Char('"') + path + QLatin1Char('"')});
        const QByteArray file = dir->read(QStringLiteral("Clienti.xls"));
        QVERIFY(file.contains(cell("Rossi")));
        QVERIFY(file.contains(cell("gi\xe0 pagato &lt;b&gt; &amp; \x80")));
        QVERIFY(!file.contains("nota di Verdi"));
        QVERIFY(!file.contains("XRossi"));
        QCOMPARE(dir->read(QStringLiteral("Clienti.pro")), archive);

        // Opened again, the grid shows the archive's text.
        TfrmExpClienti again;
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QCOMPARE(again.model()->index(1, 24).data().toString(), QStringLiteral("nota di Verdi"));
    }

    void noToTheFirstQuestionWritesNothing()
    {
        writeGuests({QStringLiteral("Rossi")});
        dir->write(QStringLiteral("Clienti.xls"), "earlier export");
        TfrmExpClienti screen;
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        msgs->answers = {false};
        QTest::mouseClick(screen.cmdEsporta, Qt::LeftButton);
        QCOMPARE(msgs->count(), 1);
        QCOMPARE(dir->read(QStringLiteral("Clienti.xls")), QByteArray("earlier export"));
        QVERIFY(shell->targets.isEmpty());

        // Yes, then No to opening: written, not opened.
        msgs->clear();
        msgs->answers = {true, false};
        QTest::mouseClick(screen.cmdEsporta, Qt::LeftButton);
        QCOMPARE(msgs->count(), 2);
        QVERIFY(dir->read(QStringLiteral("Clienti.xls")).startsWith("<html"));
        QVERIFY(shell->targets.isEmpty());
    }

    void unwritableFileGivesTheFailureMessage()
    {
        QDir(dir->path()).mkdir(QStringLiteral("Registro_Prenotazioni.xls"));
        TfrmExpVisite screen;
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        QTest::mouseClick(screen.cmdEsporta, Qt::LeftButton);
        QCOMPARE(msgs->count(), 2);
        QCOMPARE(msgs->messages.at(1).kind, Msg::Kind::Plain);
        QCOMPARE(msgs->messages.at(1).text, QStringLiteral("Attenzione: il sistema non permette di esportare i dati."
                                                           "\n\r\n\rAccertarsi che il file di Excel non sia già "
                                                           "aperto."));
        QVERIFY(shell->targets.isEmpty());
        QVERIFY(screen.isVisible());
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("Registro.pro")});
    }

    void unreadableArchiveIsReported()
    {
        QDir(dir->path()).mkdir(QStringLiteral("Clienti.pro"));
        TfrmExpClienti screen;
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        QCOMPARE(msgs->count(), 1);
        QCOMPARE(msgs->lastKind(), Msg::Kind::Error);
        QCOMPARE(msgs->lastText(), Msg::accessText());
        QCOMPARE(screen.model()->rowCount(), 0);
        QVERIFY(screen.isVisible()); // the operator leaves with Esci
    }

    void bookingScreenExportsInGridOrder()
    {
        TVisita v;
        v.set(VisitaField::DataEnt, QStringLiteral("01/08/2024"));
        v.set(VisitaField::OraEnt, QStringLiteral("15:00"));
        v.set(VisitaField::DataUsc, QStringLiteral("03/08/2024"));
        v.set(VisitaField::OraUsc, QStringLiteral("10:00"));
        v.set(VisitaField::Giorni, QStringLiteral("2"));
        v.set(VisitaField::Camera, QStringLiteral("7"));
        v.set(VisitaField::Cellulare, QStringLiteral("333"));
        v.setDisdetta(false);
        RecordFile f(registroPath(), TVisita::Size);
        f.open();
        f.append(v.bytes.data());
        f.close();
        TfrmExpVisite screen;
        QCOMPARE(screen.windowTitle(), QStringLiteral(" Esporta archivio visite in Microsoft Excel"));
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        QCOMPARE(screen.model()->index(0, 3).data().toString(), QStringLiteral("03/08/2024"));
        QCOMPARE(screen.model()->headerData(14, Qt::Horizontal).toString(), QStringLiteral("Data nascita"));
        QTest::mouseClick(screen.cmdEsporta, Qt::LeftButton);
        const QByteArray file = dir->read(QStringLiteral("Registro_Prenotazioni.xls"));
        QVERIFY(file.contains("<x:Name>Registro Prenotazioni</x:Name>"));
        QVERIFY(file.contains("<tr>" + cell("01/08/2024") + cell("15:00") + cell("03/08/2024") + cell("10:00")
                              + cell("2") + cell("7")));
        QVERIFY(file.contains(cell("333") + cell("")));
        QVERIFY(file.endsWith(cell("No") + "</tr></table></body></html>"));
        QVERIFY(screen.isVisible());
    }

    void infoBarHelpAndExit()
    {
        TfrmExpVisite screen;
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        QCOMPARE(screen.panInfo->text(), QStringLiteral("Esportazione archivio in Microsoft Excel."));
        QEvent enter(QEvent::Enter);
        const struct {
            QWidget *w;
            const char *hint;
        } hints[] = {{screen.cmdEsporta, "Esporta l'archivio in formato Microsoft Excel."},
                     {screen.cmdGuida, "Visualizza la pagina della guida sensibile al contesto."},
                     {screen.cmdEsci, "Esci da questo ambiente di lavoro."},
                     {screen.grdRecords->viewport(), ""},
                     {&screen, ""}};
        for (const auto &h : hints) {
            screen.panInfo->setText(QStringLiteral("x"));
            QApplication::sendEvent(h.w, &enter);
            QCOMPARE(screen.panInfo->text(), QString::fromUtf8(h.hint));
        }
        QString topic;
        whenModalOpens([&](QWidget *m) {
            if (auto *g = qobject_cast<TfrmGuida *>(m))
                topic = g->lblTitolo->text();
            m->close();
        });
        QTest::mouseClick(screen.cmdGuida, Qt::LeftButton);
        QCOMPARE(topic, QStringLiteral("Esportazione archivio prenotazioni in Microsoft Excel."));
        QTest::mouseClick(screen.cmdEsci, Qt::LeftButton);
        QVERIFY(!screen.isVisible());
    }

    void guestCardOpensTheExportGrid()
    {
        writeGuests({QStringLiteral("Rossi"), QStringLiteral("Verdi")});
        TfrmClienti card;
        card.show();
        int rows = -1;
        QString topic;
        whenModalOpens([&](QWidget *m) {
            if (auto *e = qobject_cast<TfrmExpClienti *>(m)) {
                rows = e->grdRecords->model()->rowCount();
                whenModalOpens([&](QWidget *g) {
                    if (auto *help = qobject_cast<TfrmGuida *>(g))
                        topic = help->lblTitolo->text();
                    g->close();
                });
                QTest::mouseClick(e->cmdGuida, Qt::LeftButton);
                QTest::mouseClick(e->cmdEsci, Qt::LeftButton);
                return;
            }
            m->close();
        });
        QTest::mouseClick(card.cmdEsporta, Qt::LeftButton);
        QCOMPARE(rows, 2);
        QCOMPARE(topic, QStringLiteral("Esportazione archivio clienti in Microsoft Excel."));
    }

    void billExportFromThePanel()
    {
        TfrmClienti card;
        card.show();
        QVERIFY(QTest::qWaitForWindowExposed(&card));
        TestKeys::type(card.txtNome, QStringLiteral("Giulia"));
        TestKeys::type(card.txtCognome, QStringLiteral("Bianchi"));
        QTest::mouseClick(card.btnConto, Qt::LeftButton);
        BillPanel *bill = card.conto;
        bill->txtData[0]->setText(QStringLiteral("14/08/2026"));
        bill->txtDesc[0]->setText(QStringLiteral("Caffè & brioche"));
        bill->txtPrezzo[0]->setText(QStringLiteral("3,50"));
        bill->txtPrezzo[4]->setText(QStringLiteral("9"));
        bill->txtTotale->setText(QStringLiteral("---")); // the button computes it afresh

        // Yes, Yes: the file is opened and the dialog closes by itself.
        bool closedByItself = false;
        QString caption, button;
        whenModalOpens([&](QWidget *m) {
            auto *d = qobject_cast<TfrmExpConto *>(m);
            if (!d) {
                m->close();
                return;
            }
            caption = m->windowTitle();
            button = d->btnStampa->text();
            QTest::mouseClick(d->btnStampa, Qt::LeftButton);
            closedByItself = !d->isVisible();
            if (!closedByItself)
                d->reject();
        });
        QTest::mouseClick(bill->cmdExpConto, Qt::LeftButton);
        QVERIFY(closedByItself);
        QCOMPARE(caption, QStringLiteral(" Esporta e stampa dati in Microsoft Excel"));
        QCOMPARE(button, QStringLiteral("Esporta e stampa"));
        QCOMPARE(msgs->messages.at(0).text, Export::billQuestion());
        QCOMPARE(shell->targets.size(), 1);
        const QByteArray file = dir->read(QStringLiteral("Conto.xls"));
        QVERIFY(file.contains("<x:Name>Conto del Cliente</x:Name>"));
        QVERIFY(file.contains("<tr>" + cell("14/08/2026") + cell("Caff\xe8 &amp; brioche")
                              + "<td style=\"text-align: right;\" sdnum=\"1040;0;@\">3,50</td></tr>"));
        QVERIFY(file.endsWith("<td style=\"text-align: right; font-weight: bold;\" sdnum=\"1040;0;@\">12,50</td></tr>"
                              "</table></body></html>"));
        QCOMPARE(file.count("<tr>"), 1 + 30 + 1);

        // No to opening, then a failure: the dialog stays open both times.
        msgs->clear();
        msgs->answers = {true, false, true};
        int stillOpen = 0;
        whenModalOpens([&](QWidget *m) {
            auto *d = qobject_cast<TfrmExpConto *>(m);
            if (!d) {
                m->close();
                return;
            }
            QTest::mouseClick(d->btnStampa, Qt::LeftButton);
            stillOpen += d->isVisible();
            QFile::remove(dir->file(QStringLiteral("Conto.xls")));
            QDir(dir->path()).mkdir(QStringLiteral("Conto.xls"));
            QTest::mouseClick(d->btnStampa, Qt::LeftButton);
            stillOpen += d->isVisible();
            QTest::mouseClick(d->btnAnnulla, Qt::LeftButton);
        });
        QTest::mouseClick(bill->cmdExpConto, Qt::LeftButton);
        QCOMPARE(stillOpen, 2);
        QCOMPARE(msgs->lastText(), Export::failureText());
        QCOMPARE(shell->targets.size(), 1);
    }

private:
    TempProgramFolder *dir = nullptr;
    MessageRecorder *msgs = nullptr;
    ShellRecorder *shell = nullptr;
};

QTEST_MAIN(TestExportScreens)
#include "tst_export_screens.moc"
