#include "app/Avvio.h"
#include "app/Info.h"
#include "app/Password.h"
#include "app/Screens.h"
#include "billing/Prodotti.h"
#include "bookings/Registro.h"
#include "guests/Clienti.h"
#include "support/TestSupport.h"

#include <QDate>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

// Start-up: the 35 screens in their order, the menu, and the switching between screens.
class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void screensInCreationOrder();
    void onlyTheLoginIsShownAtStart();
    void appsOpenFromEveryPictureAndComeBack_data();
    void appsOpenFromEveryPictureAndComeBack();
    void menuLinks();
    void processFormats();

private:
    TempProgramFolder *dir = nullptr;
};

void TestStartup::initTestCase()
{
    dir = new TempProgramFolder;
    Screens::createAll();
}

void TestStartup::cleanupTestCase()
{
    Screens::destroyAll();
    delete dir;
}

void TestStartup::screensInCreationOrder()
{
    const QStringList captions = {
        // clang-format off
        QString(), " Lunaresca", " Cambia password", " Controllo carta di credito", " Controllo codice fiscale",
        " Guida all'utilizzo del software", " Controllo IBAN", " Informazioni su Lunaresca", " Controllo partita IVA",
        QString(), " Lunaresca - Anagrafica clienti e consumazioni", " Tabella Codici per Tipo di alloggiato",
        " Tabella Codici per Comuni d'Italia", " Tabella Codici per Stato", " Tabella Codici per Tipo di documento",
        " Allega file", " Gestione cartella abbinata alla scheda corrente", " Riepilogo clienti segnalati",
        " Esporta archivio clienti in Microsoft Excel", " Stampa scheda corrente", " Trova clienti in archivio",
        " Esporta e stampa dati in Microsoft Excel", " Importazione prodotti e servizi", " Stampa conto cliente",
        " Lunaresca - Tariffario prodotti e servizi", " Aggiungi voce", " Modifica voce",
        " Lunaresca - Registro arrivi e partenze", " Clienti in arrivo oggi", " Clienti in partenza oggi",
        " Trova prenotazioni in archivio", " Clienti in arrivo da domani in poi",
        // clang-format on
        " Esporta archivio visite in Microsoft Excel", " Stampa scheda corrente", " Importazione data"};
    const QStringList classes = {
        // clang-format off
        "TfrmPassword", "TfrmAvvio", "TfrmCambiaPassword", "TfrmCarta", "TfrmCodFisc", "TfrmGuida", "TfrmIban",
        "TfrmInfo", "TfrmPartitaIva", "TfrmSplash", "TfrmClienti", "TfrmCodici_Tipo", "TfrmCodici_Comuni",
        "TfrmCodici_Stati", "TfrmCodici_Documenti", "TfrmAllegaCartella", "TfrmCartella", "TfrmTrovaSegnalati",
        "TfrmExpClienti", "TfrmStampaClienti", "TfrmTrovaClienti", "TfrmExpConto", "TfrmTrovaServizi",
        "TfrmStampaConto", "TfrmProdotti", "TfrmAggiungi_Voce", "TfrmModifica_Voce", "TfrmRegistro",
        "TfrmEntratiOggi", "TfrmUscitiOggi", "TfrmTrovaVisite", "TfrmArriviFuturi", "TfrmExpVisite",
        // clang-format on
        "TfrmStampaVisita", "TfrmCalendario"};
    QCOMPARE(Screens::count(), 35);
    for (int i = 0; i < 35; ++i) {
        QWidget *w = Screens::at(i);
        QCOMPARE(QString::fromLatin1(w->metaObject()->className()), classes[i]);
        QVERIFY2(w->windowTitle().startsWith(u' '), qPrintable(classes[i]));
        if (!captions[i].isEmpty())
            QCOMPARE(w->windowTitle(), captions[i]);
    }
    QVERIFY(Screens::password()->windowTitle().startsWith(QStringLiteral(" Lunaresca")));
}

void TestStartup::onlyTheLoginIsShownAtStart()
{
    Screens::password()->show();
    QVERIFY(QTest::qWaitForWindowExposed(Screens::password()));
    for (int i = 1; i < Screens::count(); ++i)
        QVERIFY(!Screens::at(i)->isVisible());
    QVERIFY(!Screens::password()->cmdOK->isEnabled());
    QCOMPARE(QApplication::focusWidget(), Screens::password()->txtPassword);
    Screens::menu()->switchFrom(Screens::password());
    QVERIFY(Screens::menu()->isVisible());
    QVERIFY(!Screens::password()->isVisible());
}

void TestStartup::appsOpenFromEveryPictureAndComeBack_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("app");
    QTest::addColumn<bool>("byWindowClose");
    for (const char *p : {"imgClienti", "btnClienti", "appClienti"})
        QTest::newRow(p) << QString::fromLatin1(p) << QStringLiteral("frmClienti") << false;
    for (const char *p : {"imgTariffario", "btnTariffario", "appTariffario"})
        QTest::newRow(p) << QString::fromLatin1(p) << QStringLiteral("frmProdotti") << false;
    for (const char *p : {"imgArrivi", "btnArrivi", "appArrivi"})
        QTest::newRow(p) << QString::fromLatin1(p) << QStringLiteral("frmRegistro") << true;
}

void TestStartup::appsOpenFromEveryPictureAndComeBack()
{
    QFETCH(QString, picture);
    QFETCH(QString, app);
    QFETCH(bool, byWindowClose);
    MessageRecorder msgs;
    Screens::menu()->show();
    QTest::mouseClick(Screens::menu()->findChild<QToolButton *>(picture), Qt::LeftButton);
    QWidget *screen = nullptr;
    for (int i = 0; i < Screens::count(); ++i)
        if (Screens::at(i)->objectName() == app)
            screen = Screens::at(i);
    QVERIFY(screen);
    QVERIFY(screen->isVisible());
    QVERIFY(!Screens::menu()->isVisible());
    if (byWindowClose || app == QStringLiteral("frmProdotti"))
        screen->close();
    else
        QTest::mouseClick(screen->findChild<QToolButton *>(QStringLiteral("cmdEsci")), Qt::LeftButton);
    QVERIFY(Screens::menu()->isVisible());
    QVERIFY(!screen->isVisible());
}

void TestStartup::menuLinks()
{
    ShellRecorder shell;
    QTest::mouseClick(Screens::menu()->imgSito, Qt::LeftButton);
    QCOMPARE(shell.targets.value(0), QStringLiteral("https://www.lunaresca.it"));
    // The information screen opens modally, fresh, and its link hands over an unencoded mail link.
    QString caption;
    whenModalOpens([&](QWidget *m) {
        caption = m->windowTitle();
        QTest::mouseClick(static_cast<TfrmInfo *>(m)->lnkEmail, Qt::LeftButton);
        m->close();
    });
    QTest::mouseClick(Screens::menu()->imgInfo, Qt::LeftButton);
    QCOMPARE(caption, QStringLiteral(" Informazioni su Lunaresca"));
    QCOMPARE(shell.targets.value(1),
             QStringLiteral("\"mailto:assistenza@lunaresca.it?subject=Software Lunaresca&body=Salve, desidererei avere "
                            "le seguenti informazioni sul software in oggetto:\""));
    whenModalOpens([&](QWidget *m) {
        caption = m->windowTitle();
        m->close();
    });
    QTest::mouseClick(Screens::menu()->imgCrediti, Qt::LeftButton);
    QVERIFY(!caption.isEmpty() && caption != QStringLiteral(" Informazioni su Lunaresca"));
}

void TestStartup::processFormats()
{
    // The menu fixes dd/mm/yyyy and the decimal comma, whatever the machine says.
    QCOMPARE(QLocale().toString(QDate(2026, 3, 5), QLocale::ShortFormat).left(5), QStringLiteral("05/03"));
    QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
    QCOMPARE(QLocale().toString(1234.5, 'f', 2), QStringLiteral("1234,50"));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
