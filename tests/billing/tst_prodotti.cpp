#include "app/Guida.h"
#include "billing/Aggiungi_Voce.h"
#include "billing/BillPanel.h"
#include "billing/Modifica_Voce.h"
#include "billing/PriceList.h"
#include "billing/Prodotti.h"
#include "billing/TrovaServizi.h"
#include "guests/Clienti.h"
#include "platform/PrintDialog.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <csignal>
#include <sys/resource.h>

namespace {
const QString kFile = QStringLiteral("Prodotti_e_Servizi.lst");
const QString kEmpty = QStringLiteral("Attenzione: l'elenco non contiene nessuna voce.");
const QString kWriteFailed = QStringLiteral("Attenzione: il sistema non permette di salvare i dati.\n\r\n\r"
                                            "Accertarsi che il file non sia già aperto.");

QString line(const QString &name, const QString &price) { return PriceList::makeLine(name, price); }

void clickItem(QListWidget *list, int row)
{
    QListWidgetItem *item = list->item(row);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

// The import screen as the bill panel opens it: what it imports goes into the card's bill.
struct ImportInto : TfrmTrovaServizi {
    explicit ImportInto(TfrmClienti &card) : TfrmTrovaServizi(&card)
    {
        connect(this, &TfrmTrovaServizi::imported, card.conto, &BillPanel::placeItem);
    }
};
} // namespace

class TestProdotti : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void showingReadsTheFile();
    void addThroughTheDialog();
    void addNeedsAName();
    void itemDialogKeys();
    void modifyKeepsThePosition();
    void modifyAndDeleteNeedASelection();
    void leaveAndReopenRoundTrip();
    void deletingTheOnlyItemLeavesAnEmptyFile();
    void unreadableFileKeepsTheList();
    void writeFailureKeepsTheOldFile();
    void printAndHelp();
    void importWarnings();
    void importMarkers_data();
    void importMarkers();
    void importTakesTheClickedItem();
    void importFromAMessyFile();
    void importDialogKeepsThePriceInView();

private:
    void show();
    void leave();
    // Opens the add or modify dialog and lets `fill` work on it before it is applied.
    void withDialog(QToolButton *opener, const std::function<void(QWidget *)> &fill);
    TempProgramFolder *m_folder = nullptr;
    MessageRecorder *m_msgs = nullptr;
    TfrmProdotti *m_screen = nullptr;
};

void TestProdotti::init()
{
    m_folder = new TempProgramFolder;
    m_msgs = new MessageRecorder;
    m_screen = new TfrmProdotti;
}

void TestProdotti::cleanup()
{
    delete m_screen;
    delete m_msgs;
    delete m_folder;
    Clock::reset();
}

void TestProdotti::show()
{
    m_screen->show();
    QVERIFY(QTest::qWaitForWindowActive(m_screen));
}

void TestProdotti::leave() { QTest::mouseClick(m_screen->cmdApplica, Qt::LeftButton); }

void TestProdotti::withDialog(QToolButton *opener, const std::function<void(QWidget *)> &fill)
{
    whenModalOpens([fill](QWidget *w) {
        fill(w);
        if (w->isVisible())
            w->close();
    });
    QTest::mouseClick(opener, Qt::LeftButton);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestProdotti::showingReadsTheFile()
{
    m_folder->write(kFile, QByteArray("  Camera doppia") + QByteArray(36, ' ') + "    Prezzo: \x80 90,00  \r\n"
                               + "\r\nCaff\xE8\n");
    QCOMPARE(m_screen->panInfo->text(), QStringLiteral("Pronto per aggiungere una nuova voce..."));
    show();
    // Whole lines are trimmed as they are read, even when that moves their columns.
    QCOMPARE(m_screen->items(),
             (QStringList{QStringLiteral("Camera doppia") + QString(36, u' ') + QStringLiteral("    Prezzo: € 90,00"),
                          QString(), QStringLiteral("Caffè")}));
    QCOMPARE(m_screen->lstRecords->font().pointSize(), 18);
    QVERIFY(m_screen->lstRecords->font().fixedPitch() || QFontInfo(m_screen->lstRecords->font()).fixedPitch());
}

void TestProdotti::addThroughTheDialog()
{
    show();
    QString caption, applyText, initialPrice;
    bool nameFocused = false;
    withDialog(m_screen->cmdAggiungi, [&](QWidget *w) {
        auto *d = qobject_cast<TfrmAggiungi_Voce *>(w);
        if (!d)
            return;
        caption = d->windowTitle();
        applyText = d->btnApplica->text();
        initialPrice = d->txtPrezzo->text();
        nameFocused = d->focusWidget() == d->txtNomeVoce;
        TestKeys::type(d->txtNomeVoce, QStringLiteral("  Caffè corretto €"));
        QTest::keyClick(d->txtNomeVoce, Qt::Key_Return);
        d->txtPrezzo->selectAll();
        QTest::keyClicks(d->txtPrezzo, QStringLiteral("2,5"));
        QTest::keyClick(d->txtPrezzo, Qt::Key_Return);
        QTest::mouseClick(d->btnApplica, Qt::LeftButton);
    });
    QCOMPARE(caption, QStringLiteral(" Aggiungi voce"));
    QCOMPARE(applyText, QStringLiteral("Aggiungi voce all'elenco"));
    QCOMPARE(initialPrice, QStringLiteral("0,00"));
    QVERIFY(nameFocused);
    QCOMPARE(m_screen->items(), QStringList{line(QStringLiteral("Caffè corretto €"), QStringLiteral("2,50"))});
    QCOMPARE(m_msgs->count(), 0);

    // A second item goes last; an untouched price is 0,00.
    withDialog(m_screen->cmdAggiungi, [](QWidget *w) {
        auto *d = qobject_cast<TfrmAggiungi_Voce *>(w);
        if (!d)
            return;
        d->txtNomeVoce->setText(QStringLiteral("Parcheggio"));
        QTest::mouseClick(d->btnApplica, Qt::LeftButton);
    });
    QCOMPARE(m_screen->items().size(), 2);
    QCOMPARE(m_screen->items().at(1), line(QStringLiteral("Parcheggio"), QStringLiteral("0,00")));

    // Annulla adds nothing.
    withDialog(m_screen->cmdAggiungi, [](QWidget *w) {
        auto *d = qobject_cast<TfrmAggiungi_Voce *>(w);
        if (!d)
            return;
        d->txtNomeVoce->setText(QStringLiteral("Mai"));
        QTest::mouseClick(d->btnAnnulla, Qt::LeftButton);
    });
    QCOMPARE(m_screen->items().size(), 2);
    // Nothing reaches the file before the screen is left.
    QVERIFY(!QFile::exists(m_folder->file(kFile)));
}

void TestProdotti::addNeedsAName()
{
    show();
    bool stillOpen = false, nameFocused = false;
    withDialog(m_screen->cmdAggiungi, [&](QWidget *w) {
        auto *d = qobject_cast<TfrmAggiungi_Voce *>(w);
        if (!d)
            return;
        d->txtNomeVoce->setText(QStringLiteral("    "));
        d->txtPrezzo->setText(QStringLiteral("5"));
        QTest::mouseClick(d->btnApplica, Qt::LeftButton);
        stillOpen = d->isVisible();
        // The dialog may not be the active window yet on the offscreen platform: ask it
        // which of its fields holds the focus.
        nameFocused = d->focusWidget() == d->txtNomeVoce;
    });
    QVERIFY(stillOpen);
    QVERIFY(nameFocused);
    QCOMPARE(m_msgs->count(), 1);
    QCOMPARE(m_msgs->lastKind(), Msg::Kind::Warning);
    QCOMPARE(m_msgs->lastText(),
             QStringLiteral("Attenzione: non è stato indicato alcun nome da attribuire al prodotto o servizio."));
    QCOMPARE(m_screen->items(), QStringList());
}

void TestProdotti::itemDialogKeys()
{
    TfrmAggiungi_Voce d(m_screen);
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    QTRY_VERIFY(d.txtNomeVoce->hasFocus());
    QCOMPARE(d.txtNomeVoce->maxLength(), 50);
    QTest::keyClick(d.txtNomeVoce, Qt::Key_Return);
    QTRY_VERIFY(d.txtPrezzo->hasFocus());
    d.txtPrezzo->clear();
    // Letters, a period and keys that move are ignored; seven characters at most are typed.
    QTest::keyClicks(d.txtPrezzo, QStringLiteral("1a.b23"));
    QTest::keyClick(d.txtPrezzo, Qt::Key_Home);
    QTest::keyClick(d.txtPrezzo, Qt::Key_Tab);
    QTest::keyClicks(d.txtPrezzo, QStringLiteral("4567,89"));
    QCOMPARE(d.txtPrezzo->text(), QStringLiteral("1234567"));
    QVERIFY(d.txtPrezzo->hasFocus());
    QTest::keyClick(d.txtPrezzo, Qt::Key_Backspace);
    QTest::keyClick(d.txtPrezzo, Qt::Key_Left);
    QTest::keyClick(d.txtPrezzo, Qt::Key_Delete);
    QTest::keyClicks(d.txtPrezzo, QStringLiteral(",5"));
    QCOMPARE(d.txtPrezzo->text(), QStringLiteral("12345,5"));
    // Enter goes on to the apply button and leaves a normalised price, longer than typed.
    QTest::keyClick(d.txtPrezzo, Qt::Key_Return);
    QTRY_VERIFY(d.btnApplica->hasFocus());
    QCOMPARE(d.txtPrezzo->text(), QStringLiteral("12345,50"));
    d.txtPrezzo->setText(QStringLiteral("9999999"));
    d.txtPrezzo->setFocus();
    d.txtNomeVoce->setFocus();
    QTRY_COMPARE(d.txtPrezzo->text(), QStringLiteral("9999999,00"));
    d.txtPrezzo->setText(QString());
    d.txtPrezzo->setFocus();
    d.txtNomeVoce->setFocus();
    QTRY_COMPARE(d.txtPrezzo->text(), QStringLiteral("0,00"));
    d.txtPrezzo->setText(QStringLiteral("3,14159"));
    d.txtPrezzo->setFocus();
    d.txtNomeVoce->setFocus();
    QTRY_COMPARE(d.txtPrezzo->text(), QStringLiteral("3,14"));
    d.close();
}

void TestProdotti::modifyKeepsThePosition()
{
    QStringList five;
    for (const char *n : {"Uno", "Due", "Tre", "Quattro", "Cinque"})
        five << line(QString::fromLatin1(n), QStringLiteral("1,00"));
    five[2] = line(QString(50, u'T'), QStringLiteral("123456,78"));
    m_folder->write(kFile, PriceList::encode(five));
    show();
    clickItem(m_screen->lstRecords, 2);
    QString name, price, caption;
    withDialog(m_screen->cmdModifica, [&](QWidget *w) {
        auto *d = qobject_cast<TfrmModifica_Voce *>(w);
        if (!d)
            return;
        caption = d->windowTitle();
        name = d->txtNomeVoce->text();
        price = d->txtPrezzo->text();
        d->txtNomeVoce->setText(QStringLiteral("  Tre nuovo "));
        d->txtPrezzo->setText(QStringLiteral("7"));
        QTest::mouseClick(d->btnApplica, Qt::LeftButton);
    });
    QCOMPARE(caption, QStringLiteral(" Modifica voce"));
    QCOMPARE(name, QString(50, u'T'));
    QCOMPARE(price, QStringLiteral("123456,78"));
    QStringList expected = five;
    expected[2] = line(QStringLiteral("Tre nuovo"), QStringLiteral("7,00"));
    QCOMPARE(m_screen->items(), expected);

    // Annulla changes nothing.
    clickItem(m_screen->lstRecords, 4);
    withDialog(m_screen->cmdModifica, [](QWidget *w) {
        if (auto *d = qobject_cast<TfrmModifica_Voce *>(w)) {
            d->txtNomeVoce->setText(QStringLiteral("Altro"));
            QTest::mouseClick(d->btnAnnulla, Qt::LeftButton);
        }
    });
    QCOMPARE(m_screen->items(), expected);
    QCOMPARE(m_msgs->count(), 0);
}

void TestProdotti::modifyAndDeleteNeedASelection()
{
    show();
    for (QToolButton *b : {m_screen->cmdModifica, m_screen->cmdElimina, m_screen->cmdStampa}) {
        m_msgs->clear();
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(m_msgs->count(), 1);
        QCOMPARE(m_msgs->lastKind(), Msg::Kind::Warning);
        QCOMPARE(m_msgs->lastText(), kEmpty);
    }
    m_screen->appendItem(line(QStringLiteral("A"), QStringLiteral("1,00")));
    m_screen->appendItem(line(QStringLiteral("B"), QStringLiteral("2,00")));
    m_msgs->clear();
    QTest::mouseClick(m_screen->cmdModifica, Qt::LeftButton);
    QCOMPARE(m_msgs->lastText(), QStringLiteral("Attenzione: selezionare dall'elenco la voce da modificare prima di "
                                                "premere il pulsante Modifica voce."));
    QTest::mouseClick(m_screen->cmdElimina, Qt::LeftButton);
    QCOMPARE(m_msgs->lastText(), QStringLiteral("Attenzione: selezionare dall'elenco la voce che si vuole eliminare "
                                                "prima di premere il pulsante Elimina voce."));
    QCOMPARE(m_msgs->count(), 2);
    clickItem(m_screen->lstRecords, 0);
    QTest::mouseClick(m_screen->cmdElimina, Qt::LeftButton);
    QCOMPARE(m_screen->items(), QStringList{line(QStringLiteral("B"), QStringLiteral("2,00"))});
    QCOMPARE(m_msgs->count(), 2);
}

void TestProdotti::leaveAndReopenRoundTrip()
{
    show();
    const QString name50 = QString(49, u'x') + u'Z';
    m_screen->appendItem(line(name50, QStringLiteral("10,00")));
    m_screen->appendItem(line(QStringLiteral("€"), QStringLiteral("0,50")));
    m_screen->appendItem(line(QStringLiteral("Łódź"), QStringLiteral("1,00")));
    leave();
    QVERIFY(!m_screen->isVisible());
    const QByteArray label("    Prezzo: \x80 ");
    QCOMPARE(m_folder->read(kFile), name50.toLatin1() + label + "10,00\r\n" + "\x80" + QByteArray(49, ' ') + label
                                        + "0,50\r\n"
                                        + "?\xF3"
                                          "d?"
                                        + QByteArray(46, ' ') + label + "1,00\r\n");

    // Reopening shows the file; modifying the second and deleting the first survive another round.
    show();
    QCOMPARE(m_screen->items().size(), 3);
    QCOMPARE(m_screen->items().at(0), line(name50, QStringLiteral("10,00")));
    clickItem(m_screen->lstRecords, 1);
    withDialog(m_screen->cmdModifica, [](QWidget *w) {
        if (auto *d = qobject_cast<TfrmModifica_Voce *>(w)) {
            d->txtPrezzo->setText(QStringLiteral("0,75"));
            QTest::mouseClick(d->btnApplica, Qt::LeftButton);
        }
    });
    clickItem(m_screen->lstRecords, 0);
    QTest::mouseClick(m_screen->cmdElimina, Qt::LeftButton);
    leave();
    show();
    QCOMPARE(m_screen->items(), (QStringList{line(QStringLiteral("€"), QStringLiteral("0,75")),
                                             line(QStringLiteral("?ód?"), QStringLiteral("1,00"))}));
    QCOMPARE(m_msgs->count(), 0);
}

void TestProdotti::deletingTheOnlyItemLeavesAnEmptyFile()
{
    m_folder->write(kFile, PriceList::encode({line(QStringLiteral("Solo"), QStringLiteral("1,00"))}));
    show();
    clickItem(m_screen->lstRecords, 0);
    QTest::mouseClick(m_screen->cmdElimina, Qt::LeftButton);
    leave();
    QVERIFY(QFile::exists(m_folder->file(kFile)));
    QCOMPARE(m_folder->read(kFile), QByteArray());
    show();
    QCOMPARE(m_screen->lstRecords->count(), 0);
}

void TestProdotti::unreadableFileKeepsTheList()
{
    m_folder->write(kFile, PriceList::encode({line(QStringLiteral("Tenuta"), QStringLiteral("3,00"))}));
    show();
    leave();
    QVERIFY(QFile::remove(m_folder->file(kFile)));
    QVERIFY(QDir(m_folder->path()).mkdir(kFile));
    show();
    QCOMPARE(m_screen->items(), QStringList{line(QStringLiteral("Tenuta"), QStringLiteral("3,00"))});
    QCOMPARE(m_msgs->count(), 0);

    // The folder standing where the file goes cannot be replaced: the operator is told, and stays
    // with the list; leaving again tries once more and then lets the operator out.
    leave();
    QCOMPARE(m_msgs->count(), 1);
    QCOMPARE(m_msgs->lastKind(), Msg::Kind::Plain);
    QCOMPARE(m_msgs->lastText(), kWriteFailed);
    QVERIFY(m_screen->isVisible());
    QCOMPARE(m_screen->items().size(), 1);
    m_screen->close();
    QCOMPARE(m_msgs->count(), 2);
    QCOMPARE(m_msgs->lastText(), kWriteFailed);
    QVERIFY(!m_screen->isVisible());
    QVERIFY(QFileInfo(m_folder->file(kFile)).isDir());

    // Once the file can be written again, leaving saves as usual.
    QVERIFY(QDir(m_folder->path()).rmdir(kFile));
    show();
    leave();
    QCOMPARE(m_msgs->count(), 2);
    QCOMPARE(m_folder->read(kFile), PriceList::encode({line(QStringLiteral("Tenuta"), QStringLiteral("3,00"))}));
}

void TestProdotti::writeFailureKeepsTheOldFile()
{
    const QByteArray old = PriceList::encode({line(QStringLiteral("Vecchia"), QStringLiteral("1,00"))});
    m_folder->write(kFile, old);
    show();
    for (int i = 0; i < 100; ++i)
        m_screen->appendItem(line(QStringLiteral("Nuova %1").arg(i), QStringLiteral("2,00")));
    // The disk gives out part way through the write.
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
    rlimit small = limit;
    small.rlim_cur = 2000;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    leave();
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, oldHandler);

    QCOMPARE(m_msgs->count(), 1);
    QCOMPARE(m_msgs->lastText(), kWriteFailed);
    QCOMPARE(m_folder->read(kFile), old);
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files | QDir::Hidden), QStringList{kFile});
    QVERIFY(m_screen->isVisible());
    QCOMPARE(m_screen->items().size(), 101);
    leave();
    QVERIFY(!m_screen->isVisible());
    QCOMPARE(m_msgs->count(), 1);
    QCOMPARE(PriceList::load(m_folder->file(kFile))->size(), 101);
}

void TestProdotti::printAndHelp()
{
    show();
    QString topic;
    withDialog(m_screen->btnGuida, [&](QWidget *w) {
        if (auto *g = qobject_cast<TfrmGuida *>(w))
            topic = g->lblTitolo->text();
    });
    QCOMPARE(topic, QStringLiteral("Applicazione Tariffario prodotti e servizi."));

    // An empty list is refused and nothing reaches the printer.
    int printed = 0;
    QString jobTitle;
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("tariffario.pdf"));
    PrintDialog::setHook([&](QPrinter &p) {
        ++printed;
        jobTitle = p.docName();
        p.setOutputFileName(pdf);
        return true;
    });
    QTest::mouseClick(m_screen->cmdStampa, Qt::LeftButton);
    QCOMPARE(m_msgs->lastKind(), Msg::Kind::Warning);
    QCOMPARE(m_msgs->lastText(), kEmpty);
    QCOMPARE(printed, 0);

    Clock::setFixed(QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
    m_screen->appendItem(line(QStringLiteral("Colazione"), QStringLiteral("7,50")));
    m_screen->appendItem(line(QStringLiteral("Cena"), QStringLiteral("25,00")));
    QTest::mouseClick(m_screen->cmdStampa, Qt::LeftButton);
    PrintDialog::setHook(nullptr);
    QCOMPARE(printed, 1);
    QCOMPARE(m_msgs->count(), 1);
    QCOMPARE(jobTitle, QStringLiteral("Tariffario prodotti e servizi"));
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(p.waitForFinished(30000));
    // The title's "ff" may come back as one ligature.
    const QString text = QString::fromUtf8(p.readAllStandardOutput()).replace(QChar(0xFB00), QStringLiteral("ff"));
    QVERIFY2(text.contains(QStringLiteral("Tariffario prodotti e servizi")), qPrintable(text));
    const qsizetype first = text.indexOf(QStringLiteral("Colazione")), second = text.indexOf(QStringLiteral("Cena"));
    QVERIFY(first >= 0 && second > first);
    QVERIFY(text.indexOf(QStringLiteral("Prezzo: € 7,50")) > first);
    QVERIFY(text.indexOf(QStringLiteral("Prezzo: € 25,00")) > second);
    QVERIFY(text.contains(QStringLiteral("Stampa eseguita in data 09/12/2026")));
}

void TestProdotti::importWarnings()
{
    TfrmClienti card;
    card.conto->txtDesc[4]->setText(QStringLiteral("Intatta"));
    {
        // No price list at all: the list is empty and says so.
        ImportInto d(card);
        d.setMemory(QStringLiteral("clienti_05"));
        d.show();
        QCOMPARE(d.lstRecords->count(), 0);
        QTest::mouseClick(d.btnImporta, Qt::LeftButton);
        QCOMPARE(m_msgs->lastText(), kEmpty);
        QVERIFY(d.isVisible());
        d.close();
    }
    m_folder->write(kFile, PriceList::encode({line(QStringLiteral("Colazione"), QStringLiteral("7,50")), QString()}));
    {
        ImportInto d(card);
        d.setMemory(QStringLiteral("clienti_05"));
        d.show();
        QCOMPARE(d.lstRecords->count(), 2);
        QCOMPARE(d.lstRecords->font().pointSize(), 16);
        QVERIFY(!d.icoMano->isVisible());
        QTest::mouseClick(d.btnImporta, Qt::LeftButton);
        QCOMPARE(m_msgs->lastKind(), Msg::Kind::Warning);
        QCOMPARE(m_msgs->lastText(), QStringLiteral("Attenzione: selezionare dall'elenco il prodotto o servizio da "
                                                    "importare prima di premere il pulsante Importa dati."));
        // A blank line takes no click.
        clickItem(d.lstRecords, 1);
        QVERIFY(!d.icoMano->isVisible());
        QCOMPARE(d.txtNome->text(), QString());
        clickItem(d.lstRecords, 0);
        QVERIFY(d.icoMano->isVisible());
        QCOMPARE(d.txtNome->text(), QStringLiteral("Colazione"));
        QCOMPARE(d.txtPrezzoUni->text(), QStringLiteral("7,50"));
        QVERIFY(!d.txtNome->isVisible());
        // Chiudi imports nothing and empties the list.
        QTest::mouseClick(d.btnChiudi, Qt::LeftButton);
        QVERIFY(!d.isVisible());
        QCOMPARE(d.lstRecords->count(), 0);
    }
    QCOMPARE(m_msgs->count(), 2);
    QCOMPARE(card.conto->txtDesc[4]->text(), QStringLiteral("Intatta"));
}

void TestProdotti::importMarkers_data()
{
    QTest::addColumn<QString>("marker");
    QTest::addColumn<int>("line");
    // clang-format off
    QTest::newRow("first") << "clienti_01" << 1;
    QTest::newRow("last") << "clienti_30" << 30;
    QTest::newRow("blanks round it") << " clienti_12 " << 12;
    QTest::newRow("line 00") << "clienti_00" << 0;
    QTest::newRow("line 31") << "clienti_31" << 0;
    QTest::newRow("one digit") << "clienti_7" << 0;
    QTest::newRow("three digits") << "clienti_007" << 0;
    QTest::newRow("another card") << "registro" << 0;
    QTest::newRow("no marker") << "" << 0;
    // clang-format on
}

void TestProdotti::importMarkers()
{
    QFETCH(QString, marker);
    QFETCH(int, line);
    m_folder->write(kFile, PriceList::encode({::line(QStringLiteral("Cena"), QStringLiteral("25,00"))}));
    Clock::setFixed(QDateTime(QDate(2026, 7, 4), QTime(20, 0)));
    TfrmClienti card;
    for (int i = 0; i < 30; ++i)
        card.conto->txtDesc[i]->setText(QStringLiteral("prima"));
    ImportInto d(card);
    d.setMemory(marker);
    d.show();
    clickItem(d.lstRecords, 0);
    QTest::mouseClick(d.btnImporta, Qt::LeftButton);
    QVERIFY(!d.isVisible());
    QCOMPARE(m_msgs->count(), 0);
    for (int n = 1; n <= 30; ++n) {
        const bool hit = n == line;
        QCOMPARE(card.conto->txtData[n - 1]->text(), hit ? QStringLiteral("04/07/2026") : QString());
        QCOMPARE(card.conto->txtDesc[n - 1]->text(), hit ? QStringLiteral("Cena") : QStringLiteral("prima"));
        QCOMPARE(card.conto->txtPrezzo[n - 1]->text(), hit ? QStringLiteral("25,00") : QString());
    }
}

void TestProdotti::importTakesTheClickedItem()
{
    m_folder->write(kFile, PriceList::encode({line(QStringLiteral("Uno"), QStringLiteral("1,00")),
                                              line(QStringLiteral("Due"), QStringLiteral("2,00")),
                                              line(QStringLiteral("Tre"), QStringLiteral("3,00"))}));
    TfrmClienti card;
    {
        // Clicked, then moved with the keyboard: the clicked item is the one imported.
        ImportInto d(card);
        d.setMemory(QStringLiteral("clienti_02"));
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        clickItem(d.lstRecords, 0);
        QTest::keyClick(d.lstRecords, Qt::Key_Down);
        QCOMPARE(d.lstRecords->selectedItems().first()->text().left(3), QStringLiteral("Due"));
        QTest::mouseClick(d.btnImporta, Qt::LeftButton);
        QCOMPARE(card.conto->txtDesc[1]->text(), QStringLiteral("Uno"));
    }
    {
        // Chosen with the keyboard alone: the chosen item, not an empty line over the bill's.
        card.conto->txtDesc[2]->setText(QStringLiteral("da tenere"));
        ImportInto d(card);
        d.setMemory(QStringLiteral("clienti_03"));
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        d.lstRecords->setFocus();
        d.lstRecords->setCurrentRow(2);
        QCOMPARE(d.lstRecords->selectedItems().size(), 1);
        QTest::mouseClick(d.btnImporta, Qt::LeftButton);
        QCOMPARE(card.conto->txtDesc[2]->text(), QStringLiteral("Tre"));
        QCOMPARE(card.conto->txtPrezzo[2]->text(), QStringLiteral("3,00"));
    }
}

void TestProdotti::importFromAMessyFile()
{
    const QByteArray label("    Prezzo: \x80 ");
    m_folder->write(kFile, QByteArray("\r\n") + "Corto\r\n" +                                   // no price columns
                               QByteArray("Senza prezzo").leftJustified(50) + label + "\r\n" +  // missing price
                               QByteArray("Omaggio").leftJustified(50) + label + "gratis\r\n" + // not a number
                               QByteArray(60, 'L') + label + "5,00\r\n" +                       // name of 60
                               QByteArray("Lungo").leftJustified(50) + label + "12345678901234567\r\n\r\n");
    TfrmClienti card;
    // clang-format off
    const QList<QStringList> expected{{"Corto", ""},
                                      {"Senza prezzo", ""},
                                      {"Omaggio", "gratis"},
                                      {QString(50, u'L'), QStringLiteral("Prezzo: € ")},
                                      // clang-format on
                                      {"Lungo", "1234567890"}};
    for (int i = 0; i < expected.size(); ++i) {
        ImportInto d(card);
        d.setMemory(QStringLiteral("clienti_%1").arg(i + 1, 2, 10, QLatin1Char('0')));
        d.show();
        QCOMPARE(d.lstRecords->count(), 7);
        clickItem(d.lstRecords, i + 1);
        QTest::mouseClick(d.btnImporta, Qt::LeftButton);
        QCOMPARE(card.conto->txtDesc[i]->text(), expected[i][0]);
        // The amount field keeps its ten characters; the total reads what it holds.
        QCOMPARE(card.conto->txtPrezzo[i]->text(), expected[i][1]);
    }
    QCOMPARE(m_msgs->count(), 0);
    card.conto->computeTotal();
    QCOMPARE(card.conto->txtTotale->text(), QStringLiteral("0,00"));
}

void TestProdotti::importDialogKeepsThePriceInView()
{
    const QString longName = QStringLiteral("Camera matrimoniale vista mare, mezza pensione, due");
    m_folder->write(kFile, PriceList::encode({line(longName, QStringLiteral("180,00")),
                                              line(QStringLiteral("Caffè"), QStringLiteral("1,20"))}));
    TfrmClienti card;
    ImportInto d(card);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QCOMPARE(d.size(), QSize(640, 480));
    // At the starting size the long line is fitted: the price in view, the name cut short.
    const QString shown = d.shownText(0);
    QVERIFY2(shown.endsWith(QStringLiteral("€ 180,00")), qPrintable(shown));
    const int chars = QFontMetrics(d.lstRecords->font()).horizontalAdvance(shown);
    QVERIFY(chars <= d.lstRecords->viewport()->width());
    QCOMPARE(d.lstRecords->item(0)->text(), line(longName, QStringLiteral("180,00")));
    // Enlarged, the window keeps its layout and shows whole lines.
    d.resize(1100, 600);
    QTRY_COMPARE(d.lstRecords->width() > 1000, true);
    QCOMPARE(d.shownText(0), line(longName, QStringLiteral("180,00")));
    QVERIFY(d.btnImporta->geometry().right() > 1000);
}

QTEST_MAIN(TestProdotti)
#include "tst_prodotti.moc"
