// Qt's own texts in Italian, the program's dates in full, and where the fixed-size windows stand.
#include "app/Avvio.h"
#include "app/CambiaPassword.h"
#include "app/Lingua.h"
#include "app/Password.h"
#include "app/Screens.h"
#include "base/Dates.h"
#include "base/Formats.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTest>

class TestLook : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void qtTextsAreItalian();
    void datesAreWrittenInFull();
    void fixedWindowsStandInTheMiddle();
    void loginStandsBeforeTheRestIsBuilt();
    void aQuickOperatorFindsTheRestBuilt();
};

void TestLook::initTestCase() { QVERIFY(Lingua::installQtItalian(*qApp)); }

void TestLook::qtTextsAreItalian()
{
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Yes
                         | QDialogButtonBox::No);
    QCOMPARE(box.button(QDialogButtonBox::Cancel)->text().remove(u'&'), QStringLiteral("Annulla"));
    QCOMPARE(box.button(QDialogButtonBox::Yes)->text().remove(u'&'), QStringLiteral("Sì"));
    QLineEdit field;
    field.setText(QStringLiteral("testo"));
    std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList items;
    for (const QAction *a : menu->actions())
        if (!a->isSeparator())
            items << a->text().remove(u'&').section(u'\t', 0, 0);
    QVERIFY2(items.contains(QStringLiteral("Incolla")) && items.contains(QStringLiteral("Seleziona tutto")),
             qPrintable(items.join(u'|')));
    QVERIFY(!items.contains(QStringLiteral("Paste")));
    // The print dialog of every print.
    QPrinter printer;
    QPrintDialog print(&printer);
    QCOMPARE(print.windowTitle(), QStringLiteral("Stampa"));
}

void TestLook::datesAreWrittenInFull()
{
    // The Italian locale's own short form has a two-digit year; the program never uses it.
    Formats::applyProcessFormats();
    QCOMPARE(Formats::shortDateFormat(), QStringLiteral("dd/MM/yyyy"));
    QCOMPARE(Dates::format(QDate(2026, 3, 5)), QStringLiteral("05/03/2026"));
    QCOMPARE(QDate(2026, 3, 5).toString(Formats::shortDateFormat()), QStringLiteral("05/03/2026"));
    QCOMPARE(Dates::parse(QStringLiteral("05/03/2026")), std::optional<QDate>(QDate(2026, 3, 5)));
    QVERIFY(!Dates::parse(QStringLiteral("05/03/26")));
    QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
}

void TestLook::fixedWindowsStandInTheMiddle()
{
    TempProgramFolder dir;
    const QPoint middle = QGuiApplication::primaryScreen()->availableGeometry().center();
    TfrmPassword login;
    login.show();
    QVERIFY(QTest::qWaitForWindowExposed(&login));
    const QPoint first = login.frameGeometry().center();
    QVERIFY2((first - middle).manhattanLength() <= 2,
             qPrintable(QStringLiteral("%1,%2").arg(first.x()).arg(first.y())));
    // Moved away by the operator, hidden for the change of password, shown again: back in the middle.
    login.move(10, 10);
    login.hide();
    TfrmCambiaPassword change;
    change.switchFrom(&login);
    QVERIFY(QTest::qWaitForWindowExposed(&change));
    QVERIFY((change.frameGeometry().center() - middle).manhattanLength() <= 2);
    login.switchFrom(&change);
    QVERIFY(QTest::qWaitForWindowExposed(&login));
    QCOMPARE(login.frameGeometry().center(), first);
}

void TestLook::loginStandsBeforeTheRestIsBuilt()
{
    TempProgramFolder dir;
    Screens::showLogin();
    QCOMPARE(Screens::count(), 1);
    QVERIFY(Screens::password() && Screens::password()->isVisible());
    // Right after, the other 34 in their order, none of them shown.
    QTRY_COMPARE(Screens::count(), 35);
    QCOMPARE(Screens::at(0), static_cast<QWidget *>(Screens::password()));
    QCOMPARE(Screens::at(1), static_cast<QWidget *>(Screens::menu()));
    QCOMPARE(Screens::at(34)->metaObject()->className(), "TfrmCalendario");
    for (int i = 1; i < Screens::count(); ++i)
        QVERIFY(!Screens::at(i)->isVisible());
    Screens::destroyAll();
}

void TestLook::aQuickOperatorFindsTheRestBuilt()
{
    TempProgramFolder dir;
    Screens::showLogin();
    QTest::mouseClick(Screens::password()->btnCambiaPassword, Qt::LeftButton);
    QCOMPARE(Screens::count(), 35);
    QVERIFY(Screens::changePassword()->isVisible());
    Screens::destroyAll();
}

QTEST_MAIN(TestLook)
#include "tst_look.moc"
