#include "app/Avvio.h"
#include "app/Guida.h"
#include "billing/Prodotti.h"
#include "bookings/Registro.h"
#include "guests/Clienti.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

// The help screen, its six topics and the way to Guida.pdf.
class TestGuida : public QObject {
    Q_OBJECT
private slots:
    void topics_data();
    void topics();
    void generalTopicRepeatsTheApps();
    void screenShowsTheJoinedParagraphs();
    void helpButtonsOpenTheirTopic();
    void twoButtonsTwoScreens();
    void pdfLinkQuotesTheProgramFolder();
};

void TestGuida::topics_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    // clang-format off
    QTest::newRow("menu") << HelpTopic::general() << 31
        << QStringLiteral("Lunaresca è un software progettato per gestire facilmente le prenotazioni")
        << QStringLiteral("L'utente rimarrà piacevolmente sorpreso nel constatare come il software richieda tempi di apprendimento praticamente nulli.");
    QTest::newRow("guests") << HelpTopic::guests() << 9
        << QStringLiteral("L'app Anagrafica clienti e consumazioni è studiata per memorizzare")
        << QStringLiteral("L'archivio anagrafico dei clienti può essere esportato in un foglio di Microsoft Excel mentre le singole schede possono essere stampate su carta.");
    QTest::newRow("price list") << HelpTopic::priceList() << 5
        << QStringLiteral("L'app Tariffario prodotti e servizi visualizza, all'apertura della schermata di lavoro,")
        << QStringLiteral("Per salvare il tariffario, è sufficiente uscire dalla schermata di lavoro premendo il pulsante Applica e chiudi.");
    QTest::newRow("bookings") << HelpTopic::bookings() << 10
        << QStringLiteral("L'app Registro arrivi e partenze gestisce le schede da compilarsi")
        << QStringLiteral("L'intero registro degli arrivi e delle partenze può essere invece esportato in un foglio di Microsoft Excel.");
    QTest::newRow("guest export") << HelpTopic::guestExport() << 3
        << QStringLiteral("Il pulsante Esporta archivio consente di esportare l'archivio anagrafico dei clienti in un foglio")
        << QStringLiteral("A questo punto è sufficiente salvare il file sul proprio disco fisso assegnandogli un nome qualsiasi.");
    QTest::newRow("booking export") << HelpTopic::bookingExport() << 3
        << QStringLiteral("Il pulsante Esporta archivio consente di esportare il registro delle prenotazioni in un foglio")
        << QStringLiteral("A questo punto è sufficiente salvare il file sul proprio disco fisso assegnandogli un nome qualsiasi.");
    // clang-format on
}

void TestGuida::topics()
{
    QFETCH(QString, title);
    QFETCH(int, count);
    QFETCH(QString, first);
    QFETCH(QString, last);
    const QStringList p = HelpTopic::paragraphs(title);
    QCOMPARE(p.size(), count);
    QVERIFY2(p.first().startsWith(first), qPrintable(p.first()));
    QVERIFY2(p.last().endsWith(last), qPrintable(p.last()));
    for (const QString &s : p) {
        QVERIFY(!s.isEmpty());
        QCOMPARE(s.trimmed(), s);
        QVERIFY(!s.contains(u'\n') && !s.contains(u'\r'));
    }
    // Each paragraph followed by CR LF CR LF, the last by nothing.
    const QString text = HelpTopic::text(title);
    QCOMPARE(text, p.join(QStringLiteral("\r\n\r\n")));
    QCOMPARE(text.count(QStringLiteral("\r\n\r\n")), count - 1);
    QVERIFY(!text.endsWith(u'\n'));
    QVERIFY(HelpTopic::titles().contains(title));
}

void TestGuida::generalTopicRepeatsTheApps()
{
    const QStringList g = HelpTopic::paragraphs(HelpTopic::general());
    const QStringList guests = HelpTopic::paragraphs(HelpTopic::guests());
    QVERIFY(g[1].endsWith(QStringLiteral("registrazione delle prenotazioni.")));
    QVERIFY(g[2].startsWith(QStringLiteral("Nella scheda di ogni cliente")));
    QCOMPARE(g[1] + u' ' + g[2], guests[0]);
    QCOMPARE(g.mid(3, 8), guests.mid(1));
    QCOMPARE(g.mid(11, 5), HelpTopic::paragraphs(HelpTopic::priceList()));
    QCOMPARE(g.mid(16, 10), HelpTopic::paragraphs(HelpTopic::bookings()));
    QVERIFY(g[26].startsWith(QStringLiteral("Lunaresca è fortemente integrato con Excel")));
    QCOMPARE(g[27],
             QStringLiteral("Conformemente alla normativa sulla privacy, l'accesso al software è protetto da una "
                            "password che deve essere costituita da almeno otto caratteri e che può essere "
                            "cambiata dall'utente autorizzato tutte le volte che desidera. Per il primo accesso "
                            "al programma e dopo ogni installazione, bisogna utilizzare la parola chiave "
                            "\"sottobicchiere\" (scritta senza le virgolette)."));
    QCOMPARE(g[28], QStringLiteral("Il software può essere utilizzato anche in una rete locale se si ha necessità di "
                                   "condividere gli archivi fra più postazioni di lavoro."));
    QVERIFY(g[29].endsWith(QStringLiteral("il metodo più veloce per effettuare il backup di tutti gli archivi.")));
    QVERIFY(HelpTopic::paragraphs(QStringLiteral("Argomento della guida.")).isEmpty());
    QCOMPARE(HelpTopic::titles().size(), 6);
}

void TestGuida::screenShowsTheJoinedParagraphs()
{
    TfrmGuida g;
    QCOMPARE(g.windowTitle(), QStringLiteral(" Guida all'utilizzo del software"));
    QCOMPARE(g.lblTitolo->text(), QStringLiteral("Argomento della guida."));
    g.showTopic(HelpTopic::priceList());
    QCOMPARE(g.lblTitolo->text(), QStringLiteral("Applicazione Tariffario prodotti e servizi."));
    QVERIFY(g.txtGuida->isReadOnly());
    QCOMPARE(g.txtGuida->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    // On screen each paragraph is followed by one empty line.
    const QStringList shown = g.txtGuida->toPlainText().split(u'\n');
    QCOMPARE(shown.size(), 5 * 2 - 1);
    QCOMPARE(shown[4],
             QStringLiteral("Per eliminare un prodotto o servizio dall'elenco, basta selezionarlo con un clic "
                            "e premere il pulsante Elimina voce."));
    QCOMPARE(shown[1], QString());
    QCOMPARE(shown[3], QString());
    QCOMPARE(g.lnkWeb->text(), QStringLiteral("Visualizza guida in formato PDF"));
    QCOMPARE(g.btnChiudi->text(), QStringLiteral("Chiudi"));
}

void TestGuida::helpButtonsOpenTheirTopic()
{
    TempProgramFolder dir;
    MessageRecorder msgs;
    TfrmAvvio menu;
    TfrmClienti guests;
    TfrmProdotti prices;
    TfrmRegistro bookings;
    struct Case {
        QWidget *screen;
        QToolButton *button;
        QString title;
    };
    const Case cases[] = {
        {&menu, menu.imgGuida, HelpTopic::general()},
        {&guests, guests.cmdGuida, HelpTopic::guests()},
        {&prices, prices.btnGuida, HelpTopic::priceList()},
        {&bookings, bookings.cmdGuida, HelpTopic::bookings()},
    };
    for (const Case &c : cases) {
        c.screen->show();
        QString title, text;
        QWidget *owner = nullptr;
        QPointer<QWidget> help;
        whenModalOpens([&](QWidget *m) {
            auto *g = qobject_cast<TfrmGuida *>(m);
            QVERIFY(g);
            help = g;
            owner = g->parentWidget();
            title = g->lblTitolo->text();
            text = g->txtGuida->toPlainText();
            QTest::mouseClick(g->btnChiudi, Qt::LeftButton);
        });
        QTest::mouseClick(c.button, Qt::LeftButton);
        QCOMPARE(title, c.title);
        QCOMPARE(owner, c.screen);
        QCOMPARE(text.count(QStringLiteral("\n\n")), HelpTopic::paragraphs(c.title).size() - 1);
        // Destroyed when it closes.
        QVERIFY(help.isNull());
        QVERIFY(!QApplication::activeModalWidget());
        c.screen->hide();
    }
}

void TestGuida::twoButtonsTwoScreens()
{
    QWidget owner;
    QList<QPointer<QWidget>> screens;
    QStringList titles;
    for (const QString &t : {HelpTopic::guestExport(), HelpTopic::bookingExport()}) {
        whenModalOpens([&](QWidget *m) {
            screens << m;
            titles << static_cast<TfrmGuida *>(m)->lblTitolo->text();
            static_cast<TfrmGuida *>(m)->btnChiudi->click();
        });
        ShowHelpTopic(&owner, t);
    }
    QCOMPARE(titles, (QStringList{HelpTopic::guestExport(), HelpTopic::bookingExport()}));
    QCOMPARE(screens.size(), 2);
    QVERIFY(screens[0].isNull() && screens[1].isNull());
}

void TestGuida::pdfLinkQuotesTheProgramFolder()
{
    QTemporaryDir base;
    const QString folder = base.filePath(QStringLiteral("Programmi/Lunaresca 2026 con spazi"));
    QVERIFY(QDir().mkpath(folder));
    ProgramFolder::setForTests(folder);
    ShellRecorder shell;
    TfrmGuida g;
    g.showTopic(HelpTopic::general());
    g.show();
    // The link's colour comes from the house style sheet: dark blue, orange while held down.
    const QColor blue = g.lnkWeb->palette().color(QPalette::ButtonText);
    QTest::mousePress(g.lnkWeb, Qt::LeftButton);
    QCOMPARE(g.lnkWeb->palette().color(QPalette::ButtonText), QColor(QStringLiteral("orange")));
    QTest::mouseRelease(g.lnkWeb, Qt::LeftButton);
    QCOMPARE(g.lnkWeb->palette().color(QPalette::ButtonText), blue);
    QCOMPARE(blue, QColor(QStringLiteral("darkblue")));
    QTest::mouseClick(g.imgPDF, Qt::LeftButton);
    ProgramFolder::setForTests(QString());
    const QString target = u'"' + folder + QStringLiteral("/Guida.pdf\"");
    QCOMPARE(shell.targets, (QStringList{target, target}));
    QVERIFY(g.isVisible());
}

QTEST_MAIN(TestGuida)
#include "tst_guida.moc"
