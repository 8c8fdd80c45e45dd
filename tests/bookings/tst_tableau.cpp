#include "bookings/Calendario.h"
#include "bookings/Tableau.h"
#include "platform/ArchiveList.h"
#include "platform/ListScreen.h"
#include "platform/PrintDialog.h"
#include "support/TestSupport.h"
#include "tst_tableau_records.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTest>

using namespace TableauRecords;

namespace {

struct Prepared {
    QString room;
    QDate arrival;
};

QString pdfText(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput()).simplified();
}

} // namespace

class TestTableau : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void opensOnFiveWeeksAroundToday();
    void doubleClickOnABarShowsItsBooking();
    void doubleClickOnAFreeNightPreparesANewBooking();
    void hoverTellsTheBooking();
    void navigationMovesTheRange();
    void dateFromThePickerMovesTheRange();
    void refreshShowsASavedChange();
    void invalidBookingsCanBeListed();
    void stampaPrintsTheRange();

private:
    qsizetype stayOf(qint64 position) const;
    void doubleClick(const QPoint &p);
    QPoint centreOf(int room, const QDate &day) const;

    TempProgramFolder *m_dir = nullptr;
    MessageRecorder *m_msgs = nullptr;
    TfrmTableau *m_screen = nullptr;
    QList<qint64> m_shown;
    QList<Prepared> m_prepared;
};

void TestTableau::initTestCase()
{
    Q_INIT_RESOURCE(assets);
    Clock::setFixed(QDateTime(kToday, QTime(9, 0)));
    m_dir = new TempProgramFolder;
    m_msgs = new MessageRecorder;
}

void TestTableau::cleanupTestCase()
{
    delete m_msgs;
    delete m_dir;
    Clock::reset();
}

void TestTableau::init()
{
    m_dir->write(QStringLiteral("Registro.pro"), hotel());
    m_shown.clear();
    m_prepared.clear();
    m_msgs->clear();
    m_screen = new TfrmTableau(
        nullptr, [this](qint64 n) { m_shown << n; },
        [this](const QString &room, const QDate &arrival) {
            m_prepared << Prepared{room, arrival};
        });
    m_screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_screen));
}

void TestTableau::cleanup()
{
    delete m_screen;
    m_screen = nullptr;
}

qsizetype TestTableau::stayOf(qint64 position) const
{
    const auto &stays = m_screen->plan().stays;
    for (size_t i = 0; i < stays.size(); ++i)
        if (stays[i].position == position)
            return qsizetype(i);
    return -1;
}

void TestTableau::doubleClick(const QPoint &p)
{
    QWidget *vp = m_screen->grdTableau->viewport();
    QTest::mouseClick(vp, Qt::LeftButton, {}, p);
    QTest::mouseDClick(vp, Qt::LeftButton, {}, p);
}

QPoint TestTableau::centreOf(int room, const QDate &day) const
{
    return m_screen->grdTableau->cellRect(room, int(m_screen->firstDay().daysTo(day))).center();
}

void TestTableau::opensOnFiveWeeksAroundToday()
{
    QCOMPARE(m_screen->objectName(), QStringLiteral("frmTableau"));
    QCOMPARE(m_screen->windowTitle(), QStringLiteral(" Tableau delle camere"));
    QVERIFY(!m_screen->isModal());
    QCOMPARE(m_screen->firstDay(), QDate(2026, 12, 28));
    QCOMPARE(m_screen->days(), 35);
    QCOMPARE(m_screen->lblPeriodo->text(), QStringLiteral("dal 28/12/2026 al 31/01/2027"));
    QCOMPARE(m_screen->plan().rooms, (QStringList{"2", "10", "101", "Suite"}));
    QCOMPARE(m_screen->lblSovrapposizioni->text(), QStringLiteral("Sovrapposizioni nel periodo: 1 notti-camera"));
    QCOMPARE(m_screen->lblNonValide->text(), QStringLiteral("2 prenotazioni con date non valide"));
    QVERIFY(m_screen->lblNonValide->isVisible() && m_screen->btnNonValide->isVisible());
    QCOMPARE(m_screen->grdTableau->range().occupiedRooms[3], 3);
    QCOMPARE(m_msgs->count(), 0);
}

void TestTableau::doubleClickOnABarShowsItsBooking()
{
    TableauGrid *g = m_screen->grdTableau;
    doubleClick(g->barRect(stayOf(1)).center());
    QCOMPARE(m_shown, (QList<qint64>{1}));
    // Room 10 on New Year's Eve holds two bookings, one above the other.
    const QRect blu = g->barRect(stayOf(6)), viola = g->barRect(stayOf(7));
    QVERIFY(blu.bottom() < viola.top());
    doubleClick(QPoint(centreOf(1, QDate(2026, 12, 31)).x(), viola.center().y()));
    doubleClick(QPoint(centreOf(1, QDate(2026, 12, 31)).x(), blu.center().y()));
    // On 01/01 the upper lane is empty, but the night is taken by the bar below it.
    doubleClick(QPoint(centreOf(1, QDate(2027, 1, 1)).x(), blu.center().y()));
    QCOMPARE(m_shown, (QList<qint64>{1, 7, 6, 7}));
    QVERIFY(m_prepared.isEmpty());
    // Outside the cells (the room column, the day header) nothing happens.
    doubleClick(QPoint(10, centreOf(0, kToday).y()));
    doubleClick(QPoint(centreOf(0, kToday).x(), 5));
    QCOMPARE(m_shown.size(), 4);
    QVERIFY(m_prepared.isEmpty());
}

void TestTableau::doubleClickOnAFreeNightPreparesANewBooking()
{
    // Room "2" is free on New Year's Day: its guest of the 31st leaves that morning.
    doubleClick(centreOf(0, QDate(2027, 1, 1)));
    // The Suite on the 31st: the long stay left that morning.
    doubleClick(centreOf(3, QDate(2026, 12, 31)));
    QCOMPARE(m_prepared.size(), 2);
    QCOMPARE(m_prepared[0].room, QStringLiteral("2"));
    QCOMPARE(m_prepared[0].arrival, QDate(2027, 1, 1));
    QCOMPARE(m_prepared[1].room, QStringLiteral("Suite"));
    QCOMPARE(m_prepared[1].arrival, QDate(2026, 12, 31));
    QVERIFY(m_shown.isEmpty());
}

void TestTableau::hoverTellsTheBooking()
{
    QWidget *vp = m_screen->grdTableau->viewport();
    const QPoint on = m_screen->grdTableau->barRect(stayOf(1)).center();
    QMouseEvent move(QEvent::MouseMove, on, vp->mapToGlobal(on), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(vp, &move);
    QCOMPARE(m_screen->panInfo->text(),
             QStringLiteral("Rossi Mario: dal 30/12/2026 al 02/01/2027, 3 notti; adulti 2, bambini 1; "
                            "tariffa: 80 euro; cellulare: 3331234567"));
    QCOMPARE(m_screen->grdTableau->toolTip(), m_screen->panInfo->text());
    const QPoint off = centreOf(0, QDate(2027, 1, 10));
    QMouseEvent away(QEvent::MouseMove, off, vp->mapToGlobal(off), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(vp, &away);
    QCOMPARE(m_screen->panInfo->text(), QString());
}

void TestTableau::navigationMovesTheRange()
{
    struct Step {
        QPushButton *button;
        QDate first;
    };
    const QList<Step> steps = {
        {m_screen->btnSettimanaSucc, {2027, 1, 4}},  {m_screen->btnMeseSucc, {2027, 2, 4}},
        {m_screen->btnSettimanaPrec, {2027, 1, 28}}, {m_screen->btnMesePrec, {2026, 12, 28}},
        {m_screen->btnMesePrec, {2026, 11, 28}},     {m_screen->btnOggi, {2026, 12, 28}},
    };
    for (const Step &s : steps) {
        QTest::mouseClick(s.button, Qt::LeftButton);
        QCOMPARE(m_screen->firstDay(), s.first);
        QCOMPARE(m_screen->grdTableau->range().first, s.first);
    }
    QTest::mouseClick(m_screen->btnSettimanaSucc, Qt::LeftButton);
    QCOMPARE(m_screen->lblPeriodo->text(), QStringLiteral("dal 04/01/2027 al 07/02/2027"));
    // The overlap of the 31st is behind; the bars move with the range.
    QCOMPARE(m_screen->lblSovrapposizioni->text(), QStringLiteral("Sovrapposizioni nel periodo: 0 notti-camera"));
    QVERIFY(m_screen->grdTableau->barRect(stayOf(1)).isNull());
    QTest::mouseClick(m_screen->btnSettimanaPrec, Qt::LeftButton);
    doubleClick(m_screen->grdTableau->barRect(stayOf(9)).center());
    QCOMPARE(m_shown, (QList<qint64>{9}));
}

void TestTableau::dateFromThePickerMovesTheRange()
{
    whenModalOpens([](QWidget *w) {
        auto *picker = qobject_cast<TfrmCalendario *>(w);
        QVERIFY(picker);
        picker->calAppuntamenti->setSelectedDate(QDate(2027, 3, 15));
        QTest::mouseClick(picker->btnImportaData, Qt::LeftButton);
    });
    QTest::mouseClick(m_screen->btnData, Qt::LeftButton);
    QCOMPARE(m_screen->firstDay(), QDate(2027, 3, 12));
    // Annulla leaves the range as it was.
    whenModalOpens([](QWidget *w) {
        auto *picker = qobject_cast<TfrmCalendario *>(w);
        QVERIFY(picker);
        picker->calAppuntamenti->setSelectedDate(QDate(2028, 1, 1));
        QTest::mouseClick(picker->btnAnnulla, Qt::LeftButton);
    });
    QTest::mouseClick(m_screen->btnData, Qt::LeftButton);
    QCOMPARE(m_screen->firstDay(), QDate(2027, 3, 12));
}

void TestTableau::refreshShowsASavedChange()
{
    // What the card's save does to the register: a new booking appended, another cancelled.
    QByteArray all = hotel();
    QByteArray cancelled = all.mid(6 * TVisita::Size, TVisita::Size);
    TextField::write(cancelled.data(), F::Disdetta, QStringLiteral("Sì"));
    all.replace(6 * TVisita::Size, TVisita::Size, cancelled);
    all += stay("3", "Azzurri", "Lia", "01/01/2027", "03/01/2027", 2);
    m_dir->write(QStringLiteral("Registro.pro"), all);
    m_screen->btnSettimanaSucc->click();
    m_screen->refresh();
    QCOMPARE(m_screen->firstDay(), QDate(2027, 1, 4));
    m_screen->btnOggi->click();
    QCOMPARE(m_screen->plan().rooms, (QStringList{"2", "3", "10", "101", "Suite"}));
    QCOMPARE(m_screen->lblSovrapposizioni->text(), QStringLiteral("Sovrapposizioni nel periodo: 0 notti-camera"));
    doubleClick(centreOf(1, QDate(2027, 1, 2)));
    QCOMPARE(m_shown, (QList<qint64>{13}));
    // Room 10 on New Year's Day was Viola's: cancelled, the night is free.
    doubleClick(centreOf(2, QDate(2027, 1, 1)));
    QCOMPARE(m_prepared.size(), 1);
    QCOMPARE(m_prepared[0].room, QStringLiteral("10"));

    // Closed, the tableau takes a later save when it is shown again.
    m_screen->close();
    m_dir->write(QStringLiteral("Registro.pro"), all + stay("4", "Rosa", "Ada", "30/12/2026", "31/12/2026"));
    m_screen->refresh();
    QCOMPARE(m_screen->plan().rooms.size(), 5);
    m_screen->show();
    QCOMPARE(m_screen->plan().rooms, (QStringList{"2", "3", "4", "10", "101", "Suite"}));
}

void TestTableau::invalidBookingsCanBeListed()
{
    QStringList lines;
    whenModalOpens([&](QWidget *w) {
        auto *list = qobject_cast<TArchiveList *>(w);
        QVERIFY(list);
        QCOMPARE(w->windowTitle(), QStringLiteral(" Prenotazioni con date non valide"));
        lines = list->list->lines();
        list->list->setCurrentRow(1);
        list->lstRecordsDblClick();
    });
    QTest::mouseClick(m_screen->btnNonValide, Qt::LeftButton);
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines[0].startsWith(QStringLiteral("Neri Paolo")));
    QCOMPARE(m_shown, (QList<qint64>{3}));
    // A register without them hides the line.
    m_dir->write(QStringLiteral("Registro.pro"), hotel().left(2 * TVisita::Size));
    m_screen->refresh();
    QVERIFY(!m_screen->lblNonValide->isVisible() && !m_screen->btnNonValide->isVisible());
}

void TestTableau::stampaPrintsTheRange()
{
    const QString pdf = m_dir->file(QStringLiteral("tableau.pdf"));
    int pages = 0;
    PrintDialog::setHook([&](QPrinter &p) {
        pages = p.toPage();
        p.setOutputFileName(pdf);
        return true;
    });
    QTest::mouseClick(m_screen->btnStampa, Qt::LeftButton);
    PrintDialog::setHook(nullptr);
    QCOMPARE(pages, 1);
    const QString text = pdfText(pdf);
    QVERIFY2(text.contains(QStringLiteral("Tableau delle camere dal 28/12/2026 al 31/01/2027")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Rossi Mario")));
    QVERIFY(text.contains(QStringLiteral("Stampa eseguita in data 31/12/2026")));
}

QTEST_MAIN(TestTableau)
#include "tst_tableau.moc"
