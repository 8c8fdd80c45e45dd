#include "bookings/ArriviFuturi.h"
#include "bookings/EntratiOggi.h"
#include "bookings/Registro.h"
#include "bookings/UscitiOggi.h"
#include "platform/ListScreen.h"
#include "platform/PrintDialog.h"
#include "support/TestSupport.h"
#include "tst_lists_records.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace TestBookings;

namespace {

QByteArray stay(const QString &surname, const QString &name, const QString &arrival, const QString &departure,
                const QString &room = QStringLiteral("5"), const QString &flag = QStringLiteral("No"))
{
    return booking({{F::Cognome, surname},
                    {F::Nome, name},
                    {F::DataEnt, arrival},
                    {F::DataUsc, departure},
                    {F::Camera, room},
                    {F::Giorni, QStringLiteral("02")},
                    {F::Disdetta, flag}});
}

QStringList surnames(const ListScreen *list)
{
    QStringList out;
    for (const QString &l : list->lines())
        out << l.left(30).trimmed();
    return out;
}

void doubleClickRow(ListScreen *list, int row)
{
    QListView *view = list->lstRecords;
    const QRect r = view->visualRect(view->model()->index(row, 0));
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, r.center());
}

void trova(TArchiveList *s, const QString &key)
{
    s->txtTrova->clear();
    TestKeys::type(s->txtTrova, key);
    QTest::mouseClick(s->btnTrova, Qt::LeftButton);
}

QString pdfText(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestListsScreens : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void arrivalsOpenedFromTheCardLoadABooking();
    void eachListShowsItsBookings_data();
    void eachListShowsItsBookings();
    void trovaWalksWrapsAndRemembers();
    void trovaOnAnEmptyListSaysSo();
    void identicalLinesLoadTheLaterBooking();
    void doubleClickWithoutSelectionLoadsNothing();
    void unreadableRegisterGivesTheAccessMessage();
    void printsUnderTodaysTitle();

private:
    // Opens the list of `button` on the card and runs `inside` on it; the list must be closed after.
    void withList(QToolButton *button, const std::function<void(TArchiveList *)> &inside);

    TempProgramFolder *m_dir = nullptr;
    MessageRecorder *m_msgs = nullptr;
    TfrmRegistro *m_card = nullptr;
};

void TestListsScreens::initTestCase()
{
    Q_INIT_RESOURCE(assets);
    Clock::setFixed(QDateTime(QDate(2024, 8, 10), QTime(9, 0)));
    m_dir = new TempProgramFolder;
    m_msgs = new MessageRecorder;
    m_card = new TfrmRegistro;
    m_card->show();
}

void TestListsScreens::cleanupTestCase()
{
    delete m_card;
    delete m_msgs;
    delete m_dir;
    Clock::reset();
}

void TestListsScreens::init()
{
    m_msgs->clear();
    QFile::remove(m_dir->file(QStringLiteral("Registro.pro")));
    QDir(m_dir->path()).rmdir(QStringLiteral("Registro.pro"));
}

void TestListsScreens::withList(QToolButton *button, const std::function<void(TArchiveList *)> &inside)
{
    bool ran = false;
    whenModalOpens([&](QWidget *w) {
        ran = true;
        auto *s = qobject_cast<TArchiveList *>(w);
        QVERIFY(s);
        inside(s);
        if (s->isVisible())
            s->close();
    });
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(ran);
}

void TestListsScreens::arrivalsOpenedFromTheCardLoadABooking()
{
    m_dir->write(QStringLiteral("Registro.pro"),
                 // clang-format off
                 concat({booking({{F::Cognome, QStringLiteral("Rossi")},
                                  {F::Nome, QStringLiteral("Mario")},
                                  {F::Cellulare, QStringLiteral("3331234567")},
                                  {F::Camera, QStringLiteral("12")},
                                  {F::DataEnt, QStringLiteral("10/08/2024")},
                                  {F::DataUsc, QStringLiteral("15/08/2024")},
                                  {F::Giorni, QStringLiteral("05")},
                                  {F::Tariffa, QStringLiteral("80 euro")}}),
                         stay(QStringLiteral("Esposti"), QStringLiteral("Ada"), QStringLiteral("10/08/2024"), QStringLiteral("11/08/2024")),
                         stay(QStringLiteral("de Luca"), QStringLiteral("Pia"), QStringLiteral("10/08/2024"), QStringLiteral("11/08/2024")),
                         // clang-format on
                         stay(QStringLiteral("Danti"), QStringLiteral("Ugo"), QStringLiteral("10/08/2024"),
                              QStringLiteral("11/08/2024"))}));
    withList(m_card->cmdEntratiOggi, [&](TArchiveList *s) {
        QCOMPARE(s->objectName(), QStringLiteral("frmEntratiOggi"));
        QCOMPARE(s->windowTitle(), QStringLiteral(" Clienti in arrivo oggi"));
        QCOMPARE(s->size(), QSize(862, 560));
        QCOMPARE(surnames(s->list), (QStringList{"Danti Ugo", "de Luca Pia", "Esposti Ada", "Rossi Mario"}));
        QCOMPARE(s->list->lines().last(),
                 QStringLiteral("Rossi Mario                     Cel. 3331234567       Camera: 12                  "
                                "Partenza: 15/08/2024  80 euro"));
        QCOMPARE(s->list->currentRow(), -1);
        QCOMPARE(s->focusWidget(), s->txtTrova);
        // Courier New 12 for every entry, from the model.
        const QFont f = s->lstRecords->model()->index(0, 0).data(Qt::FontRole).value<QFont>();
        QCOMPARE(f.family(), QStringLiteral("Courier New"));
        QCOMPARE(f.pointSize(), 12);
        s->list->setCurrentRow(3);
        doubleClickRow(s->list, 3);
        QVERIFY(!s->isVisible());
    });
    QCOMPARE(m_card->lblPosizione->text(), QStringLiteral("1"));
    QCOMPARE(m_card->txtCognome->text(), QStringLiteral("Rossi"));
    QCOMPARE(m_card->txtTariffa->text(), QStringLiteral("80 euro"));
    QCOMPARE(m_msgs->count(), 0);
}

void TestListsScreens::eachListShowsItsBookings_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("listed");
    // clang-format off
    QTest::newRow("arrivals") << "cmdEntratiOggi" << "frmEntratiOggi" << " Clienti in arrivo oggi"
                              << QStringList{"Arriva Oggi"};
    QTest::newRow("departures") << "cmdUscitiOggi" << "frmUscitiOggi" << " Clienti in partenza oggi"
                                << QStringList{"Parte Oggi"};
    QTest::newRow("future") << "cmdNonUsciti" << "frmArriviFuturi" << " Clienti in arrivo da domani in poi"
                            << QStringList{"Arriva Domani", "Dopo Guasto"};
    // clang-format on
}

void TestListsScreens::eachListShowsItsBookings()
{
    QFETCH(QString, button);
    QFETCH(QString, screen);
    QFETCH(QString, caption);
    QFETCH(QStringList, listed);
    m_dir->write(QStringLiteral("Registro.pro"),
                 // clang-format off
                 concat({stay(QStringLiteral("Arriva"), QStringLiteral("Oggi"), QStringLiteral("10/08/2024"), QStringLiteral("12/08/2024")),
                         stay(QStringLiteral("Annullata"), QStringLiteral("Oggi"), QStringLiteral("10/08/2024"), QStringLiteral("10/08/2024"),
                              QStringLiteral("5"), QStringLiteral("Sì")),
                         stay(QStringLiteral("Parte"), QStringLiteral("Oggi"), QStringLiteral("08/08/2024"), QStringLiteral("10/08/2024")),
                         stay(QStringLiteral("Dentro"), QStringLiteral("Ancora"), QStringLiteral("09/08/2024"), QStringLiteral("11/08/2024")),
                         stay(QStringLiteral("Arriva"), QStringLiteral("Domani"), QStringLiteral("11/08/2024"), QStringLiteral("12/08/2024")),
                         stay(QStringLiteral("Data"), QStringLiteral("Guasta"), QStringLiteral("1l/08/2024"), QStringLiteral("12/08/2024")),
                         stay(QStringLiteral("Dopo"), QStringLiteral("Guasto"), QStringLiteral("01/01/2025"), QStringLiteral("03/01/2025")),
                         stay(QStringLiteral("Futura"), QStringLiteral("Annullata"), QStringLiteral("01/01/2025"), QStringLiteral("03/01/2025"),
                              // clang-format on
                              QStringLiteral("5"), QStringLiteral("Sì"))}));
    withList(m_card->findChild<QToolButton *>(button), [&](TArchiveList *s) {
        QCOMPARE(s->objectName(), screen);
        QCOMPARE(s->windowTitle(), caption);
        QCOMPARE(surnames(s->list), listed);
    });
    QCOMPARE(m_msgs->count(), 0);
}

void TestListsScreens::trovaWalksWrapsAndRemembers()
{
    m_dir->write(QStringLiteral("Registro.pro"),
                 // clang-format off
                 concat({stay(QStringLiteral("Rossi"), QStringLiteral("Ada"), QStringLiteral("10/08/2024"), QStringLiteral("11/08/2024")),
                         stay(QStringLiteral("Bianchi"), QStringLiteral("Ugo"), QStringLiteral("10/08/2024"), QStringLiteral("11/08/2024")),
                         stay(QStringLiteral("ROSSI"), QStringLiteral("Bea"), QStringLiteral("10/08/2024"), QStringLiteral("11/08/2024")),
                         booking({{F::Cognome, QStringLiteral("Verdi")}, {F::Nome, QStringLiteral("Rossella")},
                                  // clang-format on
                                  {F::DataEnt, QStringLiteral("10/08/2024")},
                                  {F::Tariffa, QStringLiteral("mezza pensione")}})}));
    withList(m_card->cmdEntratiOggi, [&](TArchiveList *s) {
        // Bianchi Ugo, Rossi Ada, ROSSI Bea, Verdi Rossella
        QList<int> rows;
        for (int i = 0; i < 4; ++i) {
            trova(s, QStringLiteral("rOSS"));
            rows << s->list->currentRow();
        }
        QCOMPARE(rows, (QList<int>{1, 2, 3, 1}));
        QCOMPARE(s->list->rememberedKey(), QStringLiteral("ross"));
        // A trailing blank does not match the word that ends the line; the selection stays.
        trova(s, QStringLiteral("pensione "));
        QCOMPARE(s->list->currentRow(), 1);
        trova(s, QStringLiteral("PENSIONE"));
        QCOMPARE(s->list->currentRow(), 3);
        // Enter in the search field moves to Trova without searching.
        QVERIFY(QTest::qWaitForWindowActive(s));
        s->txtTrova->setFocus();
        QTest::keyClick(s->txtTrova, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), s->btnTrova);
    });
    QCOMPARE(m_msgs->count(), 0);
}

void TestListsScreens::trovaOnAnEmptyListSaysSo()
{
    withList(m_card->cmdUscitiOggi, [&](TArchiveList *s) {
        QCOMPARE(s->list->count(), 0);
        trova(s, QStringLiteral("x"));
    });
    QCOMPARE(m_msgs->count(), 1);
    QCOMPARE(m_msgs->lastKind(), Msg::Kind::Plain);
    QCOMPARE(m_msgs->lastText(), QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
    // The missing register was created empty.
    QCOMPARE(QFileInfo(m_dir->file(QStringLiteral("Registro.pro"))).size(), 0);
}

void TestListsScreens::identicalLinesLoadTheLaterBooking()
{
    QByteArray first = stay(QStringLiteral("Gemelli"), QStringLiteral("Uno"), QStringLiteral("11/08/2024"),
                            QStringLiteral("12/08/2024"));
    QByteArray second = first;
    TextField::write(first.data(), F::Email, QStringLiteral("primo@esempio.it"));
    TextField::write(second.data(), F::Email, QStringLiteral("secondo@esempio.it"));
    m_dir->write(QStringLiteral("Registro.pro"),
                 concat({first,
                         stay(QStringLiteral("Altro"), QStringLiteral("X"), QStringLiteral("12/08/2024"),
                              QStringLiteral("13/08/2024")),
                         second}));
    withList(m_card->cmdNonUsciti, [&](TArchiveList *s) {
        QCOMPARE(surnames(s->list), (QStringList{"Altro X", "Gemelli Uno", "Gemelli Uno"}));
        s->list->setCurrentRow(1);
        doubleClickRow(s->list, 1);
    });
    QCOMPARE(m_card->lblPosizione->text(), QStringLiteral("3"));
    QCOMPARE(m_card->txtEmail->text(), QStringLiteral("secondo@esempio.it"));
}

void TestListsScreens::doubleClickWithoutSelectionLoadsNothing()
{
    m_dir->write(QStringLiteral("Registro.pro"), stay(QStringLiteral("Solo"), QStringLiteral("Uno"),
                                                      QStringLiteral("10/08/2024"), QStringLiteral("12/08/2024")));
    m_card->cmdNuovo->click();
    withList(m_card->cmdEntratiOggi, [&](TArchiveList *s) {
        QCOMPARE(s->list->count(), 1);
        emit s->list->lstRecordsDblClick();
        QVERIFY(!s->isVisible());
        // Closing, by any way, empties the list.
        QCOMPARE(s->list->count(), 0);
    });
    QCOMPARE(m_card->lblPosizione->text(), QString());
    QCOMPARE(m_card->txtCognome->text(), QString());
}

void TestListsScreens::unreadableRegisterGivesTheAccessMessage()
{
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("Registro.pro")));
    // "Nobody arrives today" must not stand for a register that could not be read.
    for (QToolButton *b : {m_card->cmdEntratiOggi, m_card->cmdUscitiOggi, m_card->cmdNonUsciti}) {
        m_msgs->clear();
        withList(b, [&](TArchiveList *s) { QCOMPARE(s->list->count(), 0); });
        QCOMPARE(m_msgs->count(), 1);
        QCOMPARE(m_msgs->lastKind(), Msg::Kind::Plain);
        QCOMPARE(m_msgs->lastText(), Msg::accessText());
    }
}

void TestListsScreens::printsUnderTodaysTitle()
{
    m_dir->write(QStringLiteral("Registro.pro"), stay(QStringLiteral("Stampato"), QStringLiteral("Ugo"),
                                                      QStringLiteral("10/08/2024"), QStringLiteral("12/08/2024")));
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("lista.pdf"));
    PrintDialog::setHook([&](QPrinter &p) {
        p.setOutputFileName(pdf);
        return true;
    });
    withList(m_card->cmdEntratiOggi, [&](TArchiveList *s) { QTest::mouseClick(s->btnStampa, Qt::LeftButton); });
    PrintDialog::setHook(nullptr);
    const QString text = pdfText(pdf);
    QVERIFY2(text.contains(QStringLiteral("Clienti in arrivo in data 10/08/2024")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Stampato Ugo")));
    QVERIFY(text.contains(QStringLiteral("Partenza: 12/08/2024")));
}

QTEST_MAIN(TestListsScreens)
#include "tst_lists_screens.moc"
