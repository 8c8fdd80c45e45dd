#include "billing/BillPanel.h"
#include "bookings/Registro.h"
#include "bookings/Visita.h"
#include "guests/Cliente.h"
#include "guests/Clienti.h"
#include "guests/GuestSearch.h"
#include "guests/TrovaClienti.h"
#include "guests/TrovaSegnalati.h"
#include "platform/ListScreen.h"
#include "platform/PrintDialog.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QCheckBox>
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

namespace F = ClienteField;

namespace {

TCliente card(const QString &surname, const QString &name, bool flagged, const QString &issues = QString())
{
    TCliente c;
    c.set(F::Cognome, surname);
    c.set(F::Nome, name);
    c.set(F::Cellulare, QStringLiteral("3401234567"));
    c.set(F::CodFisc, QStringLiteral("RSSNNA70A41H501U"));
    c.set(F::Note, QStringLiteral("preferisce il piano alto"));
    c.set(F::Questioni, issues);
    c.setSegnala(flagged);
    return c;
}

// Every field the booking takes over holds its own text.
TCliente fullCard()
{
    TCliente c = card(QStringLiteral("Russo"), QStringLiteral("Anna"), false);
    for (const auto &f : GuestSearch::bookingImport())
        if (f.field.offset != F::Cognome.offset && f.field.offset != F::Nome.offset
            && f.field.offset != F::Cellulare.offset)
            c.set(f.field, QString::fromLatin1(f.control).mid(3).left(f.field.capacity).toUpper());
    c.set(F::Sesso, QStringLiteral("2) F"));
    c.set(F::CodSesso, QStringLiteral("2"));
    return c;
}

QByteArray archive(const QList<TCliente> &cards)
{
    QByteArray all;
    for (const auto &c : cards)
        all += QByteArray(c.bytes.data(), TCliente::Size);
    return all;
}

void doubleClickRow(ListScreen *list, int row)
{
    list->setCurrentRow(row);
    QListView *view = list->lstRecords;
    const QRect r = view->visualRect(view->model()->index(row, 0));
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, r.center());
}

QStringList names(const ListScreen *list)
{
    QStringList out;
    for (const QString &l : list->lines())
        out << l.left(30).trimmed();
    return out;
}

// Presses `button` and runs `inside` on the screen it opens, which is closed after.
template <class Screen> void opened(QToolButton *button, const std::function<void(Screen *)> &inside)
{
    bool ran = false;
    whenModalOpens([&](QWidget *w) {
        ran = true;
        auto *s = qobject_cast<Screen *>(w);
        QVERIFY(s);
        inside(s);
        if (s->isVisible())
            s->close();
    });
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(ran);
}

} // namespace

class TestGuestSearchScreens : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void searchFromTheGuestCard();
    void searchFromTheBookingCardImportsTheGuest();
    void flaggedListLoadsWithItsBillTitle();
    void inaccessibleArchive();
    void printsTheFlaggedList();
    void countStandsBetweenTheButtonsAndTheListGrows();

private:
    TempProgramFolder *m_dir = nullptr;
    MessageRecorder *m_msgs = nullptr;
    TfrmClienti *m_guests = nullptr;
    TfrmRegistro *m_bookings = nullptr;
};

void TestGuestSearchScreens::initTestCase()
{
    Q_INIT_RESOURCE(assets);
    m_dir = new TempProgramFolder;
    m_msgs = new MessageRecorder;
    m_guests = new TfrmClienti;
    m_bookings = new TfrmRegistro;
}

void TestGuestSearchScreens::cleanupTestCase()
{
    delete m_bookings;
    delete m_guests;
    delete m_msgs;
    delete m_dir;
}

void TestGuestSearchScreens::init()
{
    m_msgs->clear();
    QDir(m_dir->path()).rmdir(QStringLiteral("Clienti.pro"));
    m_dir->write(
        QStringLiteral("Clienti.pro"),
        archive({card(QStringLiteral("Bianchi"), QStringLiteral("Ugo"), false), fullCard(),
                 card(QStringLiteral("Verdi"), QStringLiteral("Ada"), true, QStringLiteral("saldo in sospeso")),
                 card(QStringLiteral("Neri"), QStringLiteral("Leo"), true, QStringLiteral("camera da rifare"))}));
}

void TestGuestSearchScreens::searchFromTheGuestCard()
{
    m_guests->show();
    opened<TfrmTrovaClienti>(m_guests->cmdTrova, [&](TfrmTrovaClienti *s) {
        QCOMPARE(s->windowTitle(), QStringLiteral(" Trova clienti in archivio"));
        QCOMPARE(s->memory(), QStringLiteral("clienti"));
        QCOMPARE(s->focusWidget(), s->txtCognome);
        TestKeys::type(s->txtCodFisc, QStringLiteral("rss"));
        QTest::mouseClick(s->btnCerca, Qt::LeftButton);
        QCOMPARE(names(s->list), (QStringList{"Bianchi Ugo", "Neri Leo", "Russo Anna", "Verdi Ada"}));
        QCOMPARE(s->lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 4 schede."));
        QCOMPARE(
            s->list->lines().at(2),
            QStringLiteral("Russo Anna                      Cel. 3401234567            C.F. RSSNNA70A41H501U  Note: "
                           "preferisce il piano alto"));
        QCOMPARE(s->list->printTitle(), QStringLiteral("Riepilogo clienti in archivio"));
        doubleClickRow(s->list, 2);
        QVERIFY(!s->isVisible());
    });
    QCOMPARE(m_guests->lblPosizione->text(), QStringLiteral("2"));
    QCOMPARE(m_guests->txtCognome->text(), QStringLiteral("Russo"));
    QCOMPARE(m_guests->conto->txtCliente->text(), QStringLiteral("Conto del cliente Anna Russo"));
    m_guests->hide();
    QCOMPARE(m_msgs->count(), 0);
}

void TestGuestSearchScreens::searchFromTheBookingCardImportsTheGuest()
{
    // A booking on the card: its dates, room and position must survive the import.
    QByteArray booking(TVisita::Size, '\0');
    TextField::write(booking.data(), VisitaField::DataEnt, QStringLiteral("10/08/2024"));
    TextField::write(booking.data(), VisitaField::DataUsc, QStringLiteral("12/08/2024"));
    TextField::write(booking.data(), VisitaField::Giorni, QStringLiteral("02"));
    TextField::write(booking.data(), VisitaField::Camera, QStringLiteral("Suite 3"));
    TextField::write(booking.data(), VisitaField::Cognome, QStringLiteral("Prenotato"));
    TextField::write(booking.data(), VisitaField::Nome, QStringLiteral("Nessuno"));
    TextField::write(booking.data(), VisitaField::Disdetta, QStringLiteral("No"));
    m_dir->write(QStringLiteral("Registro.pro"), booking + booking);
    m_bookings->show();
    QVERIFY(m_bookings->ShowBookingAt(2));
    opened<TfrmTrovaClienti>(m_bookings->impCliente, [&](TfrmTrovaClienti *s) {
        QCOMPARE(s->memory(), QStringLiteral("registro"));
        TestKeys::type(s->txtCognome, QStringLiteral("russo"));
        QTest::mouseClick(s->btnCerca, Qt::LeftButton);
        QCOMPARE(names(s->list), QStringList{"Russo Anna"});
        doubleClickRow(s->list, 0);
    });
    const TCliente guest = fullCard();
    for (const auto &f : GuestSearch::bookingImport())
        QCOMPARE(m_bookings->controlText(QLatin1String(f.control)), guest.get(f.field));
    QCOMPARE(m_bookings->controlText(QStringLiteral("txtNumDoc")), QStringLiteral("NUMDOC"));
    QCOMPARE(m_bookings->controlText(QStringLiteral("txtCodSesso")), QStringLiteral("2"));
    QCOMPARE(m_bookings->txtDataEnt->text(), QStringLiteral("10/08/2024"));
    QCOMPARE(m_bookings->txtDataUsc->text(), QStringLiteral("12/08/2024"));
    QCOMPARE(m_bookings->txtCamera->text(), QStringLiteral("Suite 3"));
    QCOMPARE(m_bookings->txtGiorni->text(), QStringLiteral("02"));
    QCOMPARE(m_bookings->lblPosizione->text(), QStringLiteral("2"));
    m_bookings->hide();
    QCOMPARE(m_msgs->count(), 0);
}

void TestGuestSearchScreens::flaggedListLoadsWithItsBillTitle()
{
    m_guests->show();
    opened<TfrmTrovaSegnalati>(m_guests->cmdSegnalati, [&](TfrmTrovaSegnalati *s) {
        QCOMPARE(s->windowTitle(), QStringLiteral(" Riepilogo clienti segnalati"));
        QCOMPARE(s->list->lines(),
                 (QStringList{QStringLiteral("Neri Leo                        Cel. 3401234567            C.F. "
                                             "RSSNNA70A41H501U  Questioni: camera da rifare"),
                              QStringLiteral("Verdi Ada                       Cel. 3401234567            C.F. "
                                             "RSSNNA70A41H501U  Questioni: saldo in sospeso")}));
        QCOMPARE(s->focusWidget(), s->txtTrova);
        doubleClickRow(s->list, 1);
        QVERIFY(!s->isVisible());
    });
    QCOMPARE(m_guests->lblPosizione->text(), QStringLiteral("3"));
    QVERIFY(m_guests->chkSegnala->isChecked());
    QCOMPARE(m_guests->conto->txtCliente->text(), QStringLiteral("Conto del Cliente Ada Verdi"));
    m_guests->hide();
}

void TestGuestSearchScreens::inaccessibleArchive()
{
    QFile::remove(m_dir->file(QStringLiteral("Clienti.pro")));
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("Clienti.pro")));
    auto *flagged = new TfrmTrovaSegnalati(m_guests);
    flagged->show();
    QCOMPARE(flagged->list->count(), 0);
    delete flagged;
    QCOMPARE(m_msgs->count(), 1);
    QCOMPARE(m_msgs->lastText(), Msg::accessText());
    m_msgs->clear();

    auto *search = new TfrmTrovaClienti(m_guests);
    search->setMemory(QStringLiteral("clienti"));
    search->show();
    QTest::mouseClick(search->btnCerca, Qt::LeftButton);
    QVERIFY(search->panAvvio->isVisible());
    delete search;
    QCOMPARE(m_msgs->count(), 1);
    QCOMPARE(m_msgs->lastKind(), Msg::Kind::Plain);
    QCOMPARE(m_msgs->lastText(), Msg::accessText());
}

void TestGuestSearchScreens::printsTheFlaggedList()
{
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("segnalati.pdf"));
    PrintDialog::setHook([&](QPrinter &p) {
        p.setOutputFileName(pdf);
        return true;
    });
    auto *s = new TfrmTrovaSegnalati(m_guests);
    s->show();
    QTest::mouseClick(s->btnStampa, Qt::LeftButton);
    delete s;
    PrintDialog::setHook(nullptr);
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    QVERIFY2(text.contains(QStringLiteral("Riepilogi clienti segnalati")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Questioni: saldo in sospeso")));
}

void TestGuestSearchScreens::countStandsBetweenTheButtonsAndTheListGrows()
{
    m_guests->show();
    opened<TfrmTrovaClienti>(m_guests->cmdTrova, [&](TfrmTrovaClienti *s) {
        QTest::mouseClick(s->btnCerca, Qt::LeftButton);
        QVERIFY(s->lblTrovate->isVisible());
        // Between Chiudi and Stampa, on their row, not over the banner.
        const QWidget *top = s;
        const QRect count(s->lblTrovate->mapTo(top, QPoint()), s->lblTrovate->size());
        const QRect chiudi(s->list->btnChiudi->mapTo(top, QPoint()), s->list->btnChiudi->size());
        const QRect stampa(s->list->btnStampa->mapTo(top, QPoint()), s->list->btnStampa->size());
        QVERIFY(chiudi.right() < count.left() && count.right() < stampa.left());
        QVERIFY(count.top() < chiudi.bottom() && count.bottom() > chiudi.top());
        // Starting at the documented size, the window can be enlarged and the list grows with it.
        QCOMPARE(s->size(), QSize(862, 560));
        const int listWidth = s->list->width();
        s->resize(1300, 700);
        QTRY_VERIFY(s->list->width() > listWidth + 300);
        s->close();
    });
    m_guests->hide();
}

QTEST_MAIN(TestGuestSearchScreens)
#include "tst_search_screens.moc"
