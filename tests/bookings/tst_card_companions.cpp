// The booking card's two companions, the tableau and the guest report: opened beside the card
// (not modal), they bring bookings onto it and follow its saves.
#include "bookings/Registro.h"
#include "bookings/SchedineScreen.h"
#include "bookings/Tableau.h"
#include "platform/Clock.h"
#include "support/TestSupport.h"
#include "tst_schedine_records.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

using namespace TestSchedine;

class TestCardCompanions : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void tableauBringsBookingsAndFollowsSaves();
    void guestReportBringsBookingsAndFollowsSaves();

private:
    TempProgramFolder *m_dir = nullptr;
    MessageRecorder *m_msgs = nullptr;
};

void TestCardCompanions::initTestCase()
{
    Q_INIT_RESOURCE(assets);
    Clock::setFixed(QDateTime(QDate(2024, 8, 10), QTime(9, 0)));
    m_dir = new TempProgramFolder;
    m_msgs = new MessageRecorder;
}

void TestCardCompanions::cleanupTestCase()
{
    delete m_msgs;
    delete m_dir;
    Clock::reset();
}

static void doubleClick(QWidget *w, const QPoint &p)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, p);
    QTest::mouseDClick(w, Qt::LeftButton, {}, p);
}

void TestCardCompanions::tableauBringsBookingsAndFollowsSaves()
{
    m_dir->write(
        QStringLiteral("Registro.pro"),
        concat({single(QStringLiteral("Rossi"), QStringLiteral("Mario"), {{F::Camera, QStringLiteral("101")}}),
                single(QStringLiteral("Bianchi"), QStringLiteral("Carla"), {{F::Camera, QStringLiteral("102")}})}));
    TfrmRegistro card;
    card.show();
    QVERIFY(QTest::qWaitForWindowExposed(&card));
    QTest::mouseClick(card.cmdTableau, Qt::LeftButton);
    auto *tableau = card.findChild<TfrmTableau *>();
    QVERIFY(tableau && tableau->isVisible());
    QCOMPARE(tableau->windowModality(), Qt::NonModal);
    QVERIFY(QTest::qWaitForWindowExposed(tableau));
    QCOMPARE(tableau->plan().stays.size(), size_t(2));

    TableauGrid *grid = tableau->grdTableau;
    qsizetype bianchi = -1;
    for (size_t i = 0; i < tableau->plan().stays.size(); ++i)
        if (tableau->plan().stays[i].position == 2)
            bianchi = qsizetype(i);
    doubleClick(grid->viewport(), grid->barRect(bianchi).center());
    QCOMPARE(card.lblPosizione->text(), QStringLiteral("2"));
    QCOMPARE(card.txtCognome->text(), QStringLiteral("Bianchi"));

    // A free night of room 101, a week on: a new booking of one night, not saved.
    const int room101 = 0;
    doubleClick(grid->viewport(),
                grid->cellRect(room101, int(tableau->firstDay().daysTo(QDate(2024, 8, 17)))).center());
    QCOMPARE(card.lblPosizione->text(), QString());
    QCOMPARE(card.txtCamera->text(), QStringLiteral("101"));
    QCOMPARE(card.txtDataEnt->text(), QStringLiteral("17/08/2024"));
    QCOMPARE(card.txtDataUsc->text(), QStringLiteral("18/08/2024"));
    QCOMPARE(card.txtGiorni->text(), QStringLiteral("01"));
    QCOMPARE(m_dir->read(QStringLiteral("Registro.pro")).size(), 2 * TVisita::Size);

    card.txtCognome->setText(QStringLiteral("Verdi"));
    card.txtNome->setText(QStringLiteral("Ugo"));
    QTest::mouseClick(card.cmdSalva, Qt::LeftButton);
    QCOMPARE(m_msgs->lastText(), QStringLiteral("La scheda corrente è stata inserita in archivio."));
    QCOMPARE(tableau->plan().stays.size(), size_t(3));

    // Closing the card closes its tableau.
    card.close();
    QTRY_VERIFY(!card.findChild<TfrmTableau *>() || !card.findChild<TfrmTableau *>()->isVisible());
}

void TestCardCompanions::guestReportBringsBookingsAndFollowsSaves()
{
    // Arriving today, everything there but the sex.
    m_dir->write(QStringLiteral("Registro.pro"),
                 concat({single(QStringLiteral("Rossi"), QStringLiteral("Mario"), {{F::Camera, QStringLiteral("101")}}),
                         single(QStringLiteral("Neri"), QStringLiteral("Ada"),
                                {{F::Sesso, QString()}, {F::CodSesso, QString()}})}));
    TfrmRegistro card;
    card.show();
    QVERIFY(QTest::qWaitForWindowExposed(&card));
    QTest::mouseClick(card.cmdSchedine, Qt::LeftButton);
    auto *report = card.findChild<TfrmSchedine *>();
    QVERIFY(report && report->isVisible());
    QVERIFY(!report->isModal());
    QTreeWidget *list = report->lstSchedine;
    QCOMPARE(list->topLevelItemCount(), 2);
    QTreeWidgetItem *neri = list->topLevelItem(1);
    const int verdict = list->columnCount() - 1;
    QVERIFY(neri->text(verdict) != list->topLevelItem(0)->text(verdict));

    list->setCurrentItem(neri);
    doubleClick(list->viewport(), list->visualItemRect(neri).center());
    QCOMPARE(card.lblPosizione->text(), QStringLiteral("2"));
    QCOMPARE(card.txtCognome->text(), QStringLiteral("Neri"));

    card.txtSesso->setEditText(QStringLiteral("2) F"));
    QTest::mouseClick(card.cmdSalva, Qt::LeftButton);
    QCOMPARE(m_msgs->lastText(),
             QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
    QCOMPARE(list->topLevelItem(1)->text(verdict), list->topLevelItem(0)->text(verdict));
}

QTEST_MAIN(TestCardCompanions)
#include "tst_card_companions.moc"
