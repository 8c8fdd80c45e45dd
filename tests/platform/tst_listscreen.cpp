#include "output/ListReport.h"
#include "platform/ListScreen.h"
#include "platform/PrintDialog.h"
#include "support/TestSupport.h"

#include <QDialog>
#include <QLineEdit>
#include <QListView>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

// The list part every list screen shares, hosted in a plain dialog as the screens host it.
class TestListScreen : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        msgs = new MessageRecorder;
        host = new QDialog;
        list = new ListScreen(host, QStringLiteral("TITOLO"), QStringLiteral("uno"), QStringLiteral("due"),
                              QStringLiteral("Per richiamare i dati di una scheda, selezionarla con un doppio clic."));
        (new QVBoxLayout(host))->addWidget(list);
        host->resize(862, 560);
        host->show();
        QVERIFY(QTest::qWaitForWindowExposed(host));
    }
    void cleanup()
    {
        delete host;
        delete msgs;
        PrintDialog::setHook(nullptr);
        Clock::reset();
    }

    void sortedOnceInListOrder()
    {
        list->setSortedLines({QStringLiteral("Esposti Carla"), QStringLiteral("de Luca Ugo"),
                              QStringLiteral("Danti Aldo"), QStringLiteral("(nota)"), QStringLiteral("DE LUCA UGO")});
        // A-Z and a-z compare equal (equal lines keep their order); other characters by code.
        QCOMPARE(list->lines(),
                 (QStringList{QStringLiteral("(nota)"), QStringLiteral("Danti Aldo"), QStringLiteral("de Luca Ugo"),
                              QStringLiteral("DE LUCA UGO"), QStringLiteral("Esposti Carla")}));
        QCOMPARE(list->currentRow(), -1);
        QCOMPARE(list->lstRecords->model()->index(0, 0).data(Qt::SizeHintRole).toSize().width(), 600);
        list->setItemWidth(1400);
        QCOMPARE(list->lstRecords->model()->index(0, 0).data(Qt::SizeHintRole).toSize().width(), 1400);
    }

    void trovaOnAnEmptyList()
    {
        list->txtTrova->setText(QStringLiteral("rossi"));
        QTest::mouseClick(list->btnTrova, Qt::LeftButton);
        QCOMPARE(msgs->count(), 1);
        QCOMPARE(msgs->lastKind(), Msg::Kind::Plain);
        QCOMPARE(msgs->lastText(), QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
        QCOMPARE(list->rememberedKey(), QString());
    }

    void trovaRemembersItsKeyPerList()
    {
        list->setLines({QStringLiteral("Rossi Mario"), QStringLiteral("Bianchi Anna"), QStringLiteral("Rossi Luca")});
        list->txtTrova->setFocus();
        TestKeys::type(list->txtTrova, QStringLiteral("ROSSI"));
        QTest::keyClick(list->txtTrova, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), list->btnTrova); // Enter only moves to Trova
        QCOMPARE(list->currentRow(), -1);
        QList<int> rows;
        for (int i = 0; i < 3; ++i) {
            QTest::mouseClick(list->btnTrova, Qt::LeftButton);
            rows.append(list->currentRow());
        }
        QCOMPARE(rows, (QList<int>{0, 2, 0}));
        QCOMPARE(list->rememberedKey(), QStringLiteral("rossi"));
        QString shared = QStringLiteral("anna");
        list->setKeyStore(&shared);
        list->resetSearch();
        QCOMPARE(shared, QString());
        QCOMPARE(list->txtTrova->text(), QString());
        QCOMPARE(msgs->count(), 0);
    }

    void doubleClickTellsTheHost()
    {
        list->setLines({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
        QSignalSpy spy(list, &ListScreen::lstRecordsDblClick);
        int row = -2;
        connect(list, &ListScreen::lstRecordsDblClick, this, [&] { row = list->currentRow(); });
        const QRect r = list->lstRecords->visualRect(list->lstRecords->model()->index(1, 0));
        QTest::mouseDClick(list->lstRecords->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(spy.count(), 1);
        QCOMPARE(row, 1);
        QCOMPARE(list->currentLine(), QStringLiteral("B"));
    }

    void chiudiClosesTheHostAndEmptiesTheList()
    {
        list->setLines({QStringLiteral("A")});
        QTest::mouseClick(list->btnChiudi, Qt::LeftButton);
        QVERIFY(!host->isVisible());
        QCOMPARE(list->count(), 0);
    }

    void stampaPrintsTheLinesUnderTheTitle()
    {
        Clock::setFixed(QDateTime(QDate(2025, 3, 5), QTime(8, 0)));
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("lista.pdf"));
        QString jobTitle;
        PrintDialog::setHook([&](QPrinter &p) {
            jobTitle = p.docName();
            p.setOutputFileName(pdf);
            return true;
        });
        list->setLines({QStringLiteral("Rossi Mario    Cel. 333"), QStringLiteral("Verdi Anna     Cel. 347")});
        list->setPrintTitle(QStringLiteral("Clienti in arrivo in data 05/03/2025"), ListReportPrinter());
        QTest::mouseClick(list->btnStampa, Qt::LeftButton);
        QCOMPARE(jobTitle, QStringLiteral("Riepilogo dati"));
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(p.waitForFinished(30000));
        const QString text = QString::fromUtf8(p.readAllStandardOutput()).simplified();
        QVERIFY(text.contains(QStringLiteral("Clienti in arrivo in data 05/03/2025")));
        QVERIFY(text.contains(QStringLiteral("Rossi Mario Cel. 333")));
        QVERIFY(text.contains(QStringLiteral("Verdi Anna Cel. 347")));
        QVERIFY(text.contains(QStringLiteral("Stampa eseguita in data 05/03/2025")));

        list->setPrintTitle(QStringLiteral("Tariffario prodotti e servizi"),
                            ListReportPrinter(QStringLiteral("Tariffario prodotti e servizi")));
        QTest::mouseClick(list->btnStampa, Qt::LeftButton);
        QCOMPARE(jobTitle, QStringLiteral("Tariffario prodotti e servizi"));
    }

private:
    MessageRecorder *msgs = nullptr;
    QDialog *host = nullptr;
    ListScreen *list = nullptr;
};

QTEST_MAIN(TestListScreen)
#include "tst_listscreen.moc"
