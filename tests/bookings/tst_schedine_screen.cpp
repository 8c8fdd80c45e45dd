#include "bookings/Calendario.h"
#include "bookings/EntratiOggi.h"
#include "bookings/Registro.h"
#include "bookings/SchedineScreen.h"
#include "support/TestSupport.h"
#include "tst_schedine_records.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

using namespace TestSchedine;

namespace {

QStringList column(const TfrmSchedine &s, int col)
{
    QStringList out;
    for (int i = 0; i < s.lstSchedine->topLevelItemCount(); ++i)
        out << s.lstSchedine->topLevelItem(i)->text(col).trimmed();
    return out;
}

void doubleClickRow(QTreeWidget *list, int row)
{
    const QRect r = list->visualItemRect(list->topLevelItem(row));
    // A real double-click comes after a press on the same row.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, r.center());
}

} // namespace

class TestSchedineScreen : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void showsTheDayWithVerdicts();
    void doubleClickLoadsTheCardAndSavingRechecks();
    void datePickerChangesTheDay();
    void generaWritesTheReadyGuestsAndOffersTheFolder();
    void generaReportsAFileItCannotWrite();
    void unreadableRegisterIsReported();
    void arrivalsListOpensTodaysReport();

private:
    TempProgramFolder *m_dir = nullptr;
    MessageRecorder *m_msgs = nullptr;
    ShellRecorder *m_shell = nullptr;
    TfrmRegistro *m_card = nullptr;
};

void TestSchedineScreen::initTestCase()
{
    Q_INIT_RESOURCE(assets);
    Clock::setFixed(QDateTime(QDate(2024, 8, 10), QTime(9, 0)));
    m_dir = new TempProgramFolder;
    m_msgs = new MessageRecorder;
    m_shell = new ShellRecorder;
    m_card = new TfrmRegistro;
    m_card->show();
}

void TestSchedineScreen::cleanupTestCase()
{
    delete m_card;
    delete m_shell;
    delete m_msgs;
    delete m_dir;
    Clock::reset();
}

void TestSchedineScreen::init()
{
    m_msgs->clear();
    m_msgs->answers.clear();
    m_shell->targets.clear();
    for (const QString &name : {QStringLiteral("Registro.pro"), QStringLiteral("Alloggiati_20240810.txt")}) {
        QFile::remove(m_dir->file(name));
        QDir(m_dir->path()).rmdir(name);
    }
}

void TestSchedineScreen::showsTheDayWithVerdicts()
{
    m_dir->write(QStringLiteral("Registro.pro"), dayRegister());
    TfrmSchedine s(m_card);
    s.show();
    QCOMPARE(s.txtData->text(), kDay);
    QCOMPARE(column(s, TfrmSchedine::ColNome),
             (QStringList{"Rossi Mario", "Rossi Anna", "Rossi Luca", "Müller Jürgen", "Bianchi Carla", "Verdi Paolo"}));
    QCOMPARE(column(s, TfrmSchedine::ColScheda), (QStringList{"1", "3", "8", "2", "7", "4"}));
    QCOMPARE(column(s, TfrmSchedine::ColTipo).first(), QStringLiteral("17 capofamiglia"));
    QCOMPARE(column(s, TfrmSchedine::ColEsito), QStringList(6, QStringLiteral("pronta")));
    QCOMPARE(s.lblRiepilogo->text(), QStringLiteral("6 ospiti in arrivo in data 10/08/2024: 6 pronti per il file, "
                                                    "0 da completare."));
}

void TestSchedineScreen::doubleClickLoadsTheCardAndSavingRechecks()
{
    const QString none;
    m_dir->write(QStringLiteral("Registro.pro"),
                 concat({single(QStringLiteral("Rossi"), QStringLiteral("Mario")),
                         single(QStringLiteral("Bianchi"), QStringLiteral("Ada"),
                                {{F::Sesso, none}, {F::CodSesso, none}, {F::Camera, QStringLiteral("9")}})}));
    QList<qint64> shown;
    TfrmSchedine s(m_card, [&](qint64 n) {
        shown << n;
        m_card->ShowBookingAt(n);
    });
    s.show();
    QCOMPARE(column(s, TfrmSchedine::ColEsito), (QStringList{"pronta", "Manca il sesso"}));
    QCOMPARE(s.lblRiepilogo->text(), QStringLiteral("2 ospiti in arrivo in data 10/08/2024: 1 pronto per il file, "
                                                    "1 da completare."));

    doubleClickRow(s.lstSchedine, 1);
    QCOMPARE(shown, QList<qint64>{2});
    QCOMPARE(m_card->lblPosizione->text(), QStringLiteral("2"));
    QCOMPARE(m_card->txtCognome->text(), QStringLiteral("Bianchi"));

    // The operator puts it right on the card and saves; the card then asks for a new check.
    m_card->txtSesso->setCurrentIndex(1);
    QTest::mouseClick(m_card->cmdSalva, Qt::LeftButton);
    QCOMPARE(m_msgs->lastText(),
             QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
    s.recheck();
    QCOMPARE(column(s, TfrmSchedine::ColEsito), (QStringList{"pronta", "pronta"}));
    QCOMPARE(s.lstSchedine->currentItem()->text(TfrmSchedine::ColScheda), QStringLiteral("2"));
    QCOMPARE(s.day().guests.back().line.mid(94, 1), QByteArray("2"));
}

void TestSchedineScreen::datePickerChangesTheDay()
{
    m_dir->write(QStringLiteral("Registro.pro"), dayRegister());
    m_card->cmdNuovoClick();
    TfrmSchedine s(m_card);
    s.show();
    bool picked = false;
    whenModalOpens([&](QWidget *w) {
        auto *picker = qobject_cast<TfrmCalendario *>(w);
        QVERIFY(picker);
        QCOMPARE(picker->calAppuntamenti->selectedDate(), QDate(2024, 8, 10));
        picker->calAppuntamenti->setSelectedDate(QDate(2024, 8, 11));
        QTest::mouseClick(picker->btnImportaData, Qt::LeftButton);
        picked = true;
    });
    // Any key in the date opens the calendar, as on the booking card.
    QTest::keyClick(s.txtData, Qt::Key_A);
    QVERIFY(picked);
    QTRY_COMPARE(s.txtData->text(), QStringLiteral("11/08/2024"));
    QCOMPARE(column(s, TfrmSchedine::ColNome), QStringList{"Gialli Eva"});
    QCOMPARE(s.date(), QDate(2024, 8, 11));
    // The picker wrote into this screen only, not into the card below it.
    QCOMPARE(m_card->txtDataEnt->text(), QString());

    bool cancelled = false;
    whenModalOpens([&](QWidget *w) {
        QTest::mouseClick(static_cast<TfrmCalendario *>(w)->btnAnnulla, Qt::LeftButton);
        cancelled = true;
    });
    QTest::mouseClick(s.impData, Qt::LeftButton);
    QVERIFY(cancelled);
    QCOMPARE(s.txtData->text(), QStringLiteral("11/08/2024"));
}

void TestSchedineScreen::generaWritesTheReadyGuestsAndOffersTheFolder()
{
    const QString none;
    m_dir->write(QStringLiteral("Registro.pro"),
                 concat({single(QStringLiteral("Rossi"), QStringLiteral("Mario")),
                         single(QStringLiteral("Bianchi"), QStringLiteral("Ada"), {{F::CodCittadinanza, none}})}));
    TfrmSchedine s(m_card);
    s.show();
    // Another workstation completes a booking after the screen was filled: the file sees it.
    m_dir->write(QStringLiteral("Registro.pro"),
                 concat({single(QStringLiteral("Rossi"), QStringLiteral("Mario")),
                         single(QStringLiteral("Bianchi"), QStringLiteral("Ada"), {{F::CodCittadinanza, none}}),
                         single(QStringLiteral("Verdi"), QStringLiteral("Ugo"))}));

    m_msgs->answers = {true};
    QTest::mouseClick(s.btnGenera, Qt::LeftButton);
    const QByteArray file = m_dir->read(QStringLiteral("Alloggiati_20240810.txt"));
    QCOMPARE(file.size(), 2 * 168 + 2);
    QCOMPARE(file.mid(14, 5), QByteArray("Rossi"));
    QCOMPARE(file.mid(170 + 14, 5), QByteArray("Verdi"));
    QCOMPARE(m_msgs->count(), 1);
    QCOMPARE(m_msgs->lastKind(), Msg::Kind::Question);
    QCOMPARE(m_msgs->lastText(),
             QStringLiteral("Il file Alloggiati_20240810.txt è stato scritto nella cartella del programma: contiene 2 "
                            "ospiti.\n\r\n\rSono stati esclusi, perché i loro dati sono incompleti:\n"
                            "Bianchi Ada, camera 5 (scheda 2): manca la cittadinanza\n\r\n\r"
                            "Aprire la cartella del programma?"));
    QCOMPARE(m_shell->targets, QStringList{ProgramFolder::path()});
    QCOMPARE(s.lstSchedine->topLevelItemCount(), 3);

    // No: the file is there all the same, and nothing opens.
    m_msgs->clear();
    m_msgs->answers = {false};
    m_shell->targets.clear();
    QTest::mouseClick(s.btnGenera, Qt::LeftButton);
    QCOMPARE(m_msgs->count(), 1);
    QVERIFY(m_shell->targets.isEmpty());
    QCOMPARE(m_dir->read(QStringLiteral("Alloggiati_20240810.txt")), file);
}

void TestSchedineScreen::generaReportsAFileItCannotWrite()
{
    m_dir->write(QStringLiteral("Registro.pro"), single(QStringLiteral("Rossi"), QStringLiteral("Mario")));
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("Alloggiati_20240810.txt")));
    TfrmSchedine s(m_card);
    s.show();
    QTest::mouseClick(s.btnGenera, Qt::LeftButton);
    QCOMPARE(m_msgs->count(), 1);
    QCOMPARE(m_msgs->lastKind(), Msg::Kind::Error);
    QCOMPARE(m_msgs->lastText(), QStringLiteral("Attenzione: il sistema non permette di scrivere il file "
                                                "Alloggiati_20240810.txt.\n\r\n\rAccertarsi di possedere i privilegi "
                                                "di scrittura nella cartella di installazione del programma."));
    QVERIFY(m_shell->targets.isEmpty());
}

void TestSchedineScreen::unreadableRegisterIsReported()
{
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("Registro.pro")));
    TfrmSchedine s(m_card);
    s.show();
    QVERIFY(!s.readable());
    QCOMPARE(s.lstSchedine->topLevelItemCount(), 0);
    QCOMPARE(s.lblRiepilogo->text(), QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio."));
    QCOMPARE(m_msgs->count(), 0);
    QTest::mouseClick(s.btnGenera, Qt::LeftButton);
    QCOMPARE(m_msgs->count(), 1);
    QCOMPARE(m_msgs->lastKind(), Msg::Kind::Error);
    QCOMPARE(m_msgs->lastText(), Msg::accessText());
    QVERIFY(!QFile::exists(m_dir->file(QStringLiteral("Alloggiati_20240810.txt"))));
}

void TestSchedineScreen::arrivalsListOpensTodaysReport()
{
    const QString none;
    m_dir->write(QStringLiteral("Registro.pro"),
                 concat({single(QStringLiteral("Rossi"), QStringLiteral("Mario")),
                         single(QStringLiteral("Bianchi"), QStringLiteral("Ada"), {{F::CodSesso, none}})}));
    m_card->cmdNuovoClick();
    bool inList = false, inReport = false;
    QPointer<QWidget> list;
    whenModalOpens([&](QWidget *w) {
        auto *arrivals = qobject_cast<TfrmEntratiOggi *>(w);
        QVERIFY(arrivals);
        list = arrivals;
        inList = true;
        // Beside Stampa, in the row of the list's buttons.
        QVERIFY(arrivals->btnSchedine->isVisible());
        QCOMPARE(arrivals->btnSchedine->geometry().center().y(), arrivals->btnStampa->geometry().center().y());
        QVERIFY(arrivals->btnSchedine->geometry().right() < arrivals->btnStampa->geometry().left());
        whenModalOpens([&](QWidget *r) {
            auto *report = qobject_cast<TfrmSchedine *>(r);
            QVERIFY(report);
            inReport = true;
            QCOMPARE(report->txtData->text(), kDay);
            QCOMPARE(column(*report, TfrmSchedine::ColEsito), (QStringList{"pronta", "Manca il sesso"}));
            doubleClickRow(report->lstSchedine, 1);
            if (report->isVisible())
                report->close();
        });
        QTest::mouseClick(arrivals->btnSchedine, Qt::LeftButton);
        if (arrivals->isVisible())
            arrivals->close();
    });
    QTest::mouseClick(m_card->cmdEntratiOggi, Qt::LeftButton);
    QVERIFY(inList);
    QVERIFY(inReport);
    // The booking is on the card, and both lists closed for the operator to put it right.
    QCOMPARE(m_card->lblPosizione->text(), QStringLiteral("2"));
    QCOMPARE(m_card->txtCognome->text(), QStringLiteral("Bianchi"));
    QVERIFY(!list);
}

QTEST_MAIN(TestSchedineScreen)
#include "tst_schedine_screen.moc"
