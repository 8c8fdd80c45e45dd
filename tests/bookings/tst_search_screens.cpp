#include "bookings/Registro.h"
#include "bookings/TrovaVisite.h"
#include "platform/ListScreen.h"
#include "support/TestSupport.h"
#include "tst_lists_records.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace TestBookings;

namespace {

QByteArray stay(const QString &surname, const QString &name, const QString &arrival,
                const QString &flag = QStringLiteral("No"))
{
    // clang-format off
    return booking({{F::Cognome, surname},
                    {F::Nome, name},
                    {F::DataEnt, arrival},
                    {F::DataUsc, QStringLiteral("31/08/2024")},
                    {F::Giorni, QStringLiteral("04")},
                    {F::Camera, QStringLiteral("21")},
                    {F::Cellulare, QStringLiteral("3470001112")},
                    // clang-format on
                    {F::Disdetta, flag}});
}

QStringList names(const ListScreen *list)
{
    QStringList out;
    for (const QString &l : list->lines())
        out << l.left(30).trimmed();
    return out;
}

void doubleClickRow(ListScreen *list, int row)
{
    list->setCurrentRow(row);
    QListView *view = list->lstRecords;
    const QRect r = view->visualRect(view->model()->index(row, 0));
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, r.center());
}

} // namespace

class TestSearchScreens : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void everythingWithEmptyFilters();
    void filtersTypedCombineAndBlankOnlyCounts();
    void cancelledBookingIsShownAndLoadedTicked();
    void noMatchShowsZero();
    void filterPanelKeysAndFrames();
    void waitingLabelShowsOnPress();
    void inaccessibleRegisterKeepsTheFilters();
    void otherMarkerLoadsNothing();

private:
    void withSearch(const std::function<void(TfrmTrovaVisite *)> &inside);

    TempProgramFolder *m_dir = nullptr;
    MessageRecorder *m_msgs = nullptr;
    TfrmRegistro *m_card = nullptr;
};

void TestSearchScreens::initTestCase()
{
    Q_INIT_RESOURCE(assets);
    m_dir = new TempProgramFolder;
    m_msgs = new MessageRecorder;
    m_card = new TfrmRegistro;
    m_card->show();
}

void TestSearchScreens::cleanupTestCase()
{
    delete m_card;
    delete m_msgs;
    delete m_dir;
}

void TestSearchScreens::init()
{
    m_msgs->clear();
    QDir(m_dir->path()).rmdir(QStringLiteral("Registro.pro"));
    m_dir->write(QStringLiteral("Registro.pro"),
                 // clang-format off
                 concat({stay(QStringLiteral("Rossi"), QStringLiteral("Mario"), QStringLiteral("10/08/2024")),
                         stay(QStringLiteral("De Rossi"), QStringLiteral("Lia"), QStringLiteral("20/07/2024"), QStringLiteral("Sì")),
                         stay(QStringLiteral("Rossetti"), QStringLiteral("Ada"), QStringLiteral("02/08/2024")),
                         stay(QStringLiteral("Bianchi"), QStringLiteral("Zovev Luisa"), QStringLiteral("05/08/2024")),
                         // clang-format on
                         stay(QStringLiteral("Verdi"), QStringLiteral("Ugo"), QStringLiteral("15/08/2023"))}));
}

void TestSearchScreens::withSearch(const std::function<void(TfrmTrovaVisite *)> &inside)
{
    bool ran = false;
    whenModalOpens([&](QWidget *w) {
        ran = true;
        auto *s = qobject_cast<TfrmTrovaVisite *>(w);
        QVERIFY(s);
        inside(s);
        if (s->isVisible())
            s->close();
    });
    QTest::mouseClick(m_card->cmdTrova, Qt::LeftButton);
    QVERIFY(ran);
}

void TestSearchScreens::everythingWithEmptyFilters()
{
    withSearch([&](TfrmTrovaVisite *s) {
        QCOMPARE(s->windowTitle(), QStringLiteral(" Trova prenotazioni in archivio"));
        QCOMPARE(s->memory(), QStringLiteral("registro"));
        QVERIFY(s->panAvvio->isVisible());
        QVERIFY(!s->panContainer->isVisible());
        QCOMPARE(s->focusWidget(), s->txtDataEnt);
        QTest::mouseClick(s->btnCerca, Qt::LeftButton);
        QVERIFY(!s->panAvvio->isVisible());
        QVERIFY(s->panContainer->isVisible());
        QCOMPARE(s->lblConta->text(), QStringLiteral("0"));
        QCOMPARE(s->lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 5 schede."));
        QCOMPARE(names(s->list),
                 (QStringList{"Bianchi Zovev Luisa", "De Rossi Lia", "Rossetti Ada", "Rossi Mario", "Verdi Ugo"}));
        QCOMPARE(s->focusWidget(), s->txtTrova);
        QCOMPARE(s->txtTrova->text(), QString());
        QCOMPARE(s->list->printTitle(), QStringLiteral("Riepilogo prenotazioni in archivio"));
    });
    QCOMPARE(m_msgs->count(), 0);
}

void TestSearchScreens::filtersTypedCombineAndBlankOnlyCounts()
{
    withSearch([&](TfrmTrovaVisite *s) {
        TestKeys::type(s->txtCognome, QStringLiteral("ROSS"));
        TestKeys::type(s->txtDataEnt, QStringLiteral("/08/2024"));
        QTest::mouseClick(s->btnCerca, Qt::LeftButton);
        QCOMPARE(s->lblConta->text(), QStringLiteral("2"));
        QCOMPARE(names(s->list), (QStringList{"Rossetti Ada", "Rossi Mario"}));
    });
    withSearch([&](TfrmTrovaVisite *s) {
        TestKeys::type(s->txtCognome, QStringLiteral("rossi"));
        TestKeys::type(s->txtNome, QStringLiteral(" "));
        QTest::mouseClick(s->btnCerca, Qt::LeftButton);
        QCOMPARE(s->lblConta->text(), QStringLiteral("1"));
        QCOMPARE(names(s->list), (QStringList{"Bianchi Zovev Luisa", "De Rossi Lia", "Rossi Mario"}));
    });
    withSearch([&](TfrmTrovaVisite *s) {
        TestKeys::type(s->txtCognome, QStringLiteral("rossi "));
        QTest::mouseClick(s->btnCerca, Qt::LeftButton);
        QCOMPARE(s->list->count(), 0);
    });
}

void TestSearchScreens::cancelledBookingIsShownAndLoadedTicked()
{
    m_card->chkDisdetta->setChecked(false);
    withSearch([&](TfrmTrovaVisite *s) {
        TestKeys::type(s->txtCognome, QStringLiteral("de r"));
        QTest::mouseClick(s->btnCerca, Qt::LeftButton);
        QCOMPARE(s->list->count(), 1);
        QCOMPARE(s->list->lines().first(),
                 QStringLiteral("De Rossi Lia                    Cel. 3470001112       Camera: 21                    "
                                "Arrivo: 20/07/2024  Partenza: 31/08/2024  Giorni: 04  Disdetta: Sì"));
        doubleClickRow(s->list, 0);
        QVERIFY(!s->isVisible());
    });
    QCOMPARE(m_card->lblPosizione->text(), QStringLiteral("2"));
    QCOMPARE(m_card->txtCognome->text(), QStringLiteral("De Rossi"));
    QVERIFY(m_card->chkDisdetta->isChecked());
}

void TestSearchScreens::noMatchShowsZero()
{
    withSearch([&](TfrmTrovaVisite *s) {
        TestKeys::type(s->txtSupplementi, QStringLiteral("culla"));
        QTest::mouseClick(s->btnCerca, Qt::LeftButton);
        QVERIFY(s->panContainer->isVisible());
        QCOMPARE(s->lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 0 schede."));
        QTest::mouseClick(s->btnTrova, Qt::LeftButton);
    });
    QCOMPARE(m_msgs->count(), 1);
    QCOMPARE(m_msgs->lastText(), QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
}

void TestSearchScreens::filterPanelKeysAndFrames()
{
    withSearch([&](TfrmTrovaVisite *s) {
        QVERIFY(QTest::qWaitForWindowActive(s));
        const QList<QLineEdit *> order = {s->txtDataEnt, s->txtDataUsc,     s->txtCognome,    s->txtNome,
                                          s->txtCamera,  s->txtCellulare,   s->txtComuneNasc, s->txtNumDoc,
                                          s->txtTariffa, s->txtSupplementi, s->txtDataEnt};
        for (int i = 0; i + 1 < order.size(); ++i) {
            QCOMPARE(QApplication::focusWidget(), order[i]);
            auto *frame = s->findChild<QFrame *>(QStringLiteral("eff") + order[i]->objectName().mid(3));
            QVERIFY(frame && frame->isVisible());
            QTest::keyClick(order[i], Qt::Key_Return);
            QVERIFY(!frame->isVisible() || order[i + 1] == order[i]);
        }
        // Enter searched nothing.
        QVERIFY(s->panAvvio->isVisible());
        QTest::mouseClick(s->btnAnnulla, Qt::LeftButton);
        QVERIFY(!s->isVisible());
    });
}

void TestSearchScreens::waitingLabelShowsOnPress()
{
    withSearch([&](TfrmTrovaVisite *s) {
        QVERIFY(!s->lblAttesa->isVisible());
        QTest::mousePress(s->btnCerca, Qt::LeftButton);
        QVERIFY(s->lblAttesa->isVisible());
        QCOMPARE(s->lblAttesa->text(), QStringLiteral("Ricerca schede in corso. Attendere..."));
        QTest::mouseRelease(s->btnCerca, Qt::LeftButton);
        QVERIFY(s->panContainer->isVisible());
        QTest::mouseClick(s->btnChiudi, Qt::LeftButton);
        QVERIFY(!s->isVisible());
        QVERIFY(s->lblAttesa->isHidden());
        QCOMPARE(s->list->count(), 0);
    });
}

void TestSearchScreens::inaccessibleRegisterKeepsTheFilters()
{
    QFile::remove(m_dir->file(QStringLiteral("Registro.pro")));
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("Registro.pro")));
    withSearch([&](TfrmTrovaVisite *s) {
        TestKeys::type(s->txtCognome, QStringLiteral("rossi"));
        QTest::mouseClick(s->btnCerca, Qt::LeftButton);
        QVERIFY(s->panAvvio->isVisible());
        QVERIFY(!s->panContainer->isVisible());
        QCOMPARE(s->txtCognome->text(), QStringLiteral("rossi"));
    });
    QCOMPARE(m_msgs->count(), 1);
    QCOMPARE(m_msgs->lastKind(), Msg::Kind::Plain);
    QCOMPARE(m_msgs->lastText(), QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                                                "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                                                "installazione del programma."));
}

void TestSearchScreens::otherMarkerLoadsNothing()
{
    m_card->cmdNuovo->click();
    auto *s = new TfrmTrovaVisite(m_card);
    s->setMemory(QStringLiteral("clienti"));
    s->show();
    QTest::mouseClick(s->btnCerca, Qt::LeftButton);
    QCOMPARE(s->list->count(), 5);
    doubleClickRow(s->list, 0);
    QVERIFY(!s->isVisible());
    delete s;
    QCOMPARE(m_card->lblPosizione->text(), QString());
    QCOMPARE(m_card->txtCognome->text(), QString());
}

QTEST_MAIN(TestSearchScreens)
#include "tst_search_screens.moc"
