#include "base/RecordFile.h"
#include "billing/BillPanel.h"
#include "billing/ExpConto.h"
#include "billing/PriceList.h"
#include "billing/StampaConto.h"
#include "billing/TrovaServizi.h"
#include "guests/Cliente.h"
#include "guests/Clienti.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

class TestBillPanel : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void openAndClose();
    void typedAmounts_data();
    void typedAmounts();
    void keysThatDoNotType();
    void totalFollowsTheAmounts();
    void unreadablePastedAmount();
    void enterChainAndTabOrder();
    void clearBill();
    void importIntoLineSeven();
    void importedLineIsSavedWithTheCard();
    void printAndExportSeeAFreshTotal();
    void panelFollowsTheCardSize();
    void totalCoversNothingAtTheStartingSize();

private:
    void totalCoversNothing() const;
    void fillLines();
    void typeAndLeave(QLineEdit *field, const QString &keys);
    TempProgramFolder *m_folder = nullptr;
    MessageRecorder *m_msgs = nullptr;
    TfrmClienti *m_card = nullptr;
    BillPanel *m_bill = nullptr;
};

void TestBillPanel::init()
{
    m_folder = new TempProgramFolder;
    m_msgs = new MessageRecorder;
    m_card = new TfrmClienti;
    m_bill = m_card->conto;
    m_card->show();
    QVERIFY(QTest::qWaitForWindowActive(m_card));
}

void TestBillPanel::cleanup()
{
    delete m_card;
    delete m_msgs;
    delete m_folder;
    Clock::reset();
}

void TestBillPanel::fillLines()
{
    for (int i = 0; i < 30; ++i) {
        m_bill->txtData[i]->setText(QStringLiteral("%1/12/2026").arg(i + 1, 2, 10, QLatin1Char('0')));
        m_bill->txtDesc[i]->setText(QStringLiteral("Voce %1").arg(i + 1));
        m_bill->txtPrezzo[i]->setText(QStringLiteral("%1,00").arg(i + 1));
    }
    m_bill->txtAcconto->setText(QStringLiteral("100,00"));
}

void TestBillPanel::typeAndLeave(QLineEdit *field, const QString &keys)
{
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    QTest::keyClicks(field, keys);
    m_bill->txtDesc[0]->setFocus();
    QTRY_VERIFY(!field->hasFocus());
}

void TestBillPanel::openAndClose()
{
    // On a new card with no names the title still gets its blank between the two.
    QTest::mouseClick(m_card->btnConto, Qt::LeftButton);
    QVERIFY(m_bill->panConto->isVisible());
    QVERIFY(m_bill->panCalcola->isVisible());
    QCOMPARE(m_bill->txtCliente->text(), QStringLiteral("Conto del cliente  "));
    QCOMPARE(m_bill->txtTotale->text(), QStringLiteral("0,00"));
    QTRY_VERIFY(m_bill->txtData[0]->hasFocus());
    QTest::mouseClick(m_card->btnConto, Qt::LeftButton);
    QVERIFY(!m_bill->panConto->isVisible());
    QVERIFY(!m_bill->panCalcola->isVisible());
    QTRY_VERIFY(m_card->txtCognome->hasFocus());

    m_card->txtNome->setText(QStringLiteral(" Anna "));
    m_card->txtCognome->setText(QStringLiteral("Bianchi"));
    m_bill->txtPrezzo[3]->setText(QStringLiteral("7,5"));
    QTest::mouseClick(m_card->btnConto, Qt::LeftButton);
    QCOMPARE(m_bill->txtCliente->text(), QStringLiteral("Conto del cliente Anna Bianchi"));
    QCOMPARE(m_bill->txtTotale->text(), QStringLiteral("7,50"));
    QTest::mouseClick(m_bill->btnChiudiConto, Qt::LeftButton);
    QVERIFY(!m_bill->panConto->isVisible());
    QVERIFY(!m_bill->panCalcola->isVisible());
    QTRY_VERIFY(m_card->txtCognome->hasFocus());
    QCOMPARE(m_msgs->count(), 0);
}

void TestBillPanel::typedAmounts_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    // clang-format off
    QTest::newRow("whole") << "12" << "12,00";
    QTest::newRow("leading comma") << ",5" << "0,50";
    QTest::newRow("four decimals") << "3,14159" << "3,1416";
    QTest::newRow("three decimals stay") << "1,005" << "1,005";
    QTest::newRow("period and letters do nothing") << "1a2.5x" << "125,00";
    QTest::newRow("minus does nothing") << "-4" << "4,00";
    QTest::newRow("two commas") << "1,2,3" << "0,00";
    QTest::newRow("ten characters at most") << "123456789012" << "1234567890";
    // clang-format on
}

void TestBillPanel::typedAmounts()
{
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QTest::mouseClick(m_card->btnConto, Qt::LeftButton);
    typeAndLeave(m_bill->txtPrezzo[4], keys);
    QCOMPARE(m_bill->txtPrezzo[4]->text(), shown);
    typeAndLeave(m_bill->txtAcconto, keys);
    QCOMPARE(m_bill->txtAcconto->text(), shown);
}

void TestBillPanel::keysThatDoNotType()
{
    QTest::mouseClick(m_card->btnConto, Qt::LeftButton);
    QLineEdit *p = m_bill->txtPrezzo[0];
    p->setFocus();
    QTRY_VERIFY(p->hasFocus());
    QTest::keyClicks(p, QStringLiteral("125"));
    QTest::keyClick(p, Qt::Key_Tab);
    QVERIFY(p->hasFocus());
    QTest::keyClick(p, Qt::Key_Home);
    QCOMPARE(p->cursorPosition(), 3);
    QTest::keyClick(p, Qt::Key_Left);
    QTest::keyClick(p, Qt::Key_Left);
    QCOMPARE(p->cursorPosition(), 1);
    QTest::keyClick(p, Qt::Key_Delete);
    QCOMPARE(p->text(), QStringLiteral("15"));
    QTest::keyClick(p, Qt::Key_Backspace);
    QCOMPARE(p->text(), QStringLiteral("5"));
    QTest::keyClick(p, Qt::Key_Right);
    QTest::keyClick(p, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(p, Qt::Key_Comma);
    QCOMPARE(p->text(), QStringLiteral("5,"));
    // Enter moves on, and leaving puts the amount in shape.
    QTest::keyClick(p, Qt::Key_Return);
    QTRY_VERIFY(m_bill->txtData[1]->hasFocus());
    QCOMPARE(p->text(), QStringLiteral("5,00"));
    // Other fields of the line take any text unchanged.
    m_bill->txtDesc[0]->setFocus();
    QTRY_VERIFY(m_bill->txtDesc[0]->hasFocus());
    QTest::keyClicks(m_bill->txtDesc[0], QStringLiteral("Cena 2.a sera"));
    QTest::keyClick(m_bill->txtDesc[0], Qt::Key_Return);
    QCOMPARE(m_bill->txtDesc[0]->text(), QStringLiteral("Cena 2.a sera"));
}

void TestBillPanel::totalFollowsTheAmounts()
{
    QTest::mouseClick(m_card->btnConto, Qt::LeftButton);
    typeAndLeave(m_bill->txtPrezzo[0], QStringLiteral("10"));
    typeAndLeave(m_bill->txtPrezzo[1], QStringLiteral("2,5"));
    QCOMPARE(m_bill->txtTotale->text(), QStringLiteral("---"));
    QTest::mouseClick(m_bill->btnCalcola, Qt::LeftButton);
    QCOMPARE(m_bill->txtTotale->text(), QStringLiteral("12,50"));

    // The deposit takes no part in the total and does not hide it.
    typeAndLeave(m_bill->txtAcconto, QStringLiteral("50"));
    QCOMPARE(m_bill->txtTotale->text(), QStringLiteral("12,50"));

    // Emptying a line and leaving it keeps it empty; the total waits for the next computation.
    m_bill->txtPrezzo[1]->setFocus();
    QTRY_VERIFY(m_bill->txtPrezzo[1]->hasFocus());
    QTest::keyClick(m_bill->txtPrezzo[1], Qt::Key_Backspace);
    QCOMPARE(m_bill->txtTotale->text(), QStringLiteral("---"));
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(m_bill->txtPrezzo[1], Qt::Key_Backspace);
    m_bill->txtData[2]->setFocus();
    QTRY_VERIFY(m_bill->txtData[2]->hasFocus());
    QCOMPARE(m_bill->txtPrezzo[1]->text(), QString());
    QCOMPARE(m_bill->txtTotale->text(), QStringLiteral("---"));
    QTest::mouseClick(m_bill->btnCalcola, Qt::LeftButton);
    QCOMPARE(m_bill->txtTotale->text(), QStringLiteral("10,00"));

    // Even a key that types nothing hides the total.
    m_bill->txtPrezzo[20]->setFocus();
    QTRY_VERIFY(m_bill->txtPrezzo[20]->hasFocus());
    QTest::keyClick(m_bill->txtPrezzo[20], Qt::Key_A);
    QCOMPARE(m_bill->txtTotale->text(), QStringLiteral("---"));

    // The last line counts like the first; the button's click brings the field in shape first.
    QTest::mouseClick(m_bill->btnCalcola, Qt::LeftButton);
    m_bill->txtPrezzo[29]->setFocus();
    QTRY_VERIFY(m_bill->txtPrezzo[29]->hasFocus());
    QTest::keyClicks(m_bill->txtPrezzo[29], QStringLiteral("0,0049"));
    m_bill->txtPrezzo[0]->setText(QStringLiteral("10,005"));
    QTest::mouseClick(m_bill->btnCalcola, Qt::LeftButton);
    QCOMPARE(m_bill->txtPrezzo[29]->text(), QStringLiteral("0,0049"));
    QCOMPARE(m_bill->txtTotale->text(), QStringLiteral("10,01"));
}

void TestBillPanel::unreadablePastedAmount()
{
    QTest::mouseClick(m_card->btnConto, Qt::LeftButton);
    m_bill->txtPrezzo[0]->setText(QStringLiteral("10"));
    m_bill->txtPrezzo[2]->setText(QStringLiteral("12.50"));
    QTest::mouseClick(m_bill->btnCalcola, Qt::LeftButton);
    QCOMPARE(m_bill->txtTotale->text(), QStringLiteral("0,00"));
    typeAndLeave(m_bill->txtPrezzo[2], QString());
    QCOMPARE(m_bill->txtPrezzo[2]->text(), QStringLiteral("0,00"));
    QTest::mouseClick(m_bill->btnCalcola, Qt::LeftButton);
    QCOMPARE(m_bill->txtTotale->text(), QStringLiteral("10,00"));
}

void TestBillPanel::enterChainAndTabOrder()
{
    QTest::mouseClick(m_card->btnConto, Qt::LeftButton);
    QList<QWidget *> expected;
    for (int i = 0; i < 30; ++i)
        expected << m_bill->txtData[i] << m_bill->txtDesc[i] << m_bill->txtPrezzo[i];
    expected << m_bill->txtAcconto << m_bill->txtData[0];
    QWidget *w = m_bill->txtData[0];
    QTRY_VERIFY(w->hasFocus());
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(w, Qt::Key_Return);
        w = QApplication::focusWidget();
        QCOMPARE(w ? w->objectName() : QString(), expected[i]->objectName());
    }
    // Tab from a description reaches the amount; after the last amount comes CANCELLA CONTO, then the deposit.
    m_bill->txtDesc[29]->setFocus();
    QTRY_VERIFY(m_bill->txtDesc[29]->hasFocus());
    QTest::keyClick(m_bill->txtDesc[29], Qt::Key_Tab);
    QTRY_VERIFY(m_bill->txtPrezzo[29]->hasFocus());
    QCOMPARE(m_bill->txtPrezzo[29]->nextInFocusChain(), m_bill->btnCancellaConto);
    m_bill->btnCancellaConto->setFocus();
    QTest::keyClick(m_bill->btnCancellaConto, Qt::Key_Tab);
    QTRY_VERIFY(m_bill->txtAcconto->hasFocus());
    m_bill->txtDesc[14]->setFocus();
    QTest::keyClick(m_bill->txtDesc[14], Qt::Key_Tab);
    QTRY_VERIFY(m_bill->txtPrezzo[14]->hasFocus());
}

void TestBillPanel::clearBill()
{
    QTest::mouseClick(m_card->btnConto, Qt::LeftButton);
    fillLines();
    QTest::mouseClick(m_bill->btnCalcola, Qt::LeftButton);
    QCOMPARE(m_bill->txtTotale->text(), QStringLiteral("465,00"));

    const QString question = QStringLiteral("Attenzione: i dati cancellati non potranno essere recuperati.\r\n\r\n"
                                            "Si vuole proprio eliminare tutte le voci del conto?");
    m_msgs->answers = {false};
    QTest::mouseClick(m_bill->btnCancellaConto, Qt::LeftButton);
    QCOMPARE(m_msgs->count(), 1);
    QCOMPARE(m_msgs->messages[0].kind, Msg::Kind::Question);
    QCOMPARE(m_msgs->messages[0].text, question);
    for (int i = 0; i < 30; ++i) {
        QCOMPARE(m_bill->txtData[i]->text(), QStringLiteral("%1/12/2026").arg(i + 1, 2, 10, QLatin1Char('0')));
        QCOMPARE(m_bill->txtDesc[i]->text(), QStringLiteral("Voce %1").arg(i + 1));
        QCOMPARE(m_bill->txtPrezzo[i]->text(), QStringLiteral("%1,00").arg(i + 1));
    }
    QCOMPARE(m_bill->txtAcconto->text(), QStringLiteral("100,00"));
    QCOMPARE(m_bill->txtTotale->text(), QStringLiteral("465,00"));

    m_msgs->clear();
    m_msgs->answers = {true};
    m_bill->txtDesc[9]->setFocus();
    QTest::mouseClick(m_bill->btnCancellaConto, Qt::LeftButton);
    QCOMPARE(m_msgs->count(), 2);
    QCOMPARE(m_msgs->messages[0].text, question);
    QCOMPARE(m_msgs->messages[1].kind, Msg::Kind::Information);
    QCOMPARE(m_msgs->messages[1].text,
             QStringLiteral("Cancellazione del conto terminata.\n\r\n\rPer rendere effettive le modifiche apportate "
                            "alla scheda, premere il pulsante Salva."));
    for (int i = 0; i < 30; ++i) {
        QVERIFY(m_bill->txtData[i]->text().isEmpty());
        QVERIFY(m_bill->txtDesc[i]->text().isEmpty());
        QVERIFY(m_bill->txtPrezzo[i]->text().isEmpty());
    }
    QVERIFY(m_bill->txtAcconto->text().isEmpty());
    // The old total no longer belongs to what is on screen.
    QCOMPARE(m_bill->txtTotale->text(), QStringLiteral("---"));
    QTRY_VERIFY(m_bill->txtData[0]->hasFocus());
    QVERIFY(m_bill->panConto->isVisible());
}

void TestBillPanel::importIntoLineSeven()
{
    m_folder->write(
        QStringLiteral("Prodotti_e_Servizi.lst"),
        PriceList::encode({PriceList::makeLine(QStringLiteral("Colazione"), QStringLiteral("7,50")),
                           PriceList::makeLine(QStringLiteral("Cena in camera"), QStringLiteral("35,00"))}));
    Clock::setFixed(QDateTime(QDate(2027, 1, 31), QTime(9, 5)));
    QTest::mouseClick(m_card->btnConto, Qt::LeftButton);
    fillLines();
    QTest::mouseClick(m_bill->btnCalcola, Qt::LeftButton);

    QString marker, dialogName;
    whenModalOpens([&](QWidget *w) {
        dialogName = w->objectName();
        auto *d = qobject_cast<TfrmTrovaServizi *>(w);
        if (!d) {
            w->close();
            return;
        }
        marker = d->memory();
        QListWidgetItem *item = d->lstRecords->item(1);
        if (item)
            QTest::mouseClick(d->lstRecords->viewport(), Qt::LeftButton, {},
                              d->lstRecords->visualItemRect(item).center());
        QTest::mouseClick(d->btnImporta, Qt::LeftButton);
        if (d->isVisible())
            d->reject();
    });
    QTest::mouseClick(m_bill->impVoce[6], Qt::LeftButton);
    QCOMPARE(dialogName, QStringLiteral("frmTrovaServizi"));
    QCOMPARE(marker, QStringLiteral("clienti_07"));
    QCOMPARE(m_card->findChildren<TfrmTrovaServizi *>().size(), 0);
    QCOMPARE(m_msgs->count(), 0);

    QCOMPARE(m_bill->txtData[6]->text(), QStringLiteral("31/01/2027"));
    QCOMPARE(m_bill->txtDesc[6]->text(), QStringLiteral("Cena in camera"));
    QCOMPARE(m_bill->txtPrezzo[6]->text(), QStringLiteral("35,00"));
    for (int i = 0; i < 30; ++i) {
        if (i == 6)
            continue;
        QCOMPARE(m_bill->txtData[i]->text(), QStringLiteral("%1/12/2026").arg(i + 1, 2, 10, QLatin1Char('0')));
        QCOMPARE(m_bill->txtDesc[i]->text(), QStringLiteral("Voce %1").arg(i + 1));
        QCOMPARE(m_bill->txtPrezzo[i]->text(), QStringLiteral("%1,00").arg(i + 1));
    }
    QCOMPARE(m_bill->txtAcconto->text(), QStringLiteral("100,00"));
    QCOMPARE(m_bill->txtTotale->text(), QStringLiteral("---"));
}

void TestBillPanel::importedLineIsSavedWithTheCard()
{
    m_folder->write(QStringLiteral("Prodotti_e_Servizi.lst"),
                    PriceList::encode({PriceList::makeLine(QStringLiteral("Caffè"), QStringLiteral("1,20"))}));
    Clock::setFixed(QDateTime(QDate(2026, 3, 5), QTime(8, 0)));
    m_card->txtCognome->setText(QStringLiteral("Verdi"));
    m_card->txtNome->setText(QStringLiteral("Luca"));
    QTest::mouseClick(m_card->btnConto, Qt::LeftButton);
    m_bill->txtPrezzo[0]->setText(QStringLiteral("80,00"));
    whenModalOpens([](QWidget *w) {
        auto *d = qobject_cast<TfrmTrovaServizi *>(w);
        if (d && d->lstRecords->count() > 0) {
            QTest::mouseClick(d->lstRecords->viewport(), Qt::LeftButton, {},
                              d->lstRecords->visualItemRect(d->lstRecords->item(0)).center());
            QTest::mouseClick(d->btnImporta, Qt::LeftButton);
        }
        if (w->isVisible())
            w->close();
    });
    QTest::mouseClick(m_bill->impVoce[6], Qt::LeftButton);
    QCOMPARE(m_bill->txtDesc[6]->text(), QStringLiteral("Caffè"));

    QTest::mouseClick(m_card->cmdSalva, Qt::LeftButton);
    QCOMPARE(m_card->lblPosizione->text(), QStringLiteral("1"));
    RecordFile f(clientiPath(), TCliente::Size);
    f.open();
    QCOMPARE(f.count(), 1);
    TCliente r;
    f.read(1, r.bytes.data());
    f.close();
    QCOMPARE(r.get(ClienteField::Data(7)), QStringLiteral("05/03/2026"));
    QCOMPARE(r.get(ClienteField::Desc(7)), QStringLiteral("Caffè"));
    QCOMPARE(r.get(ClienteField::Prezzo(7)), QStringLiteral("1,20"));
    QCOMPARE(r.get(ClienteField::Prezzo(1)), QStringLiteral("80,00"));

    // Clearing touches only the screen: reloading without saving brings the bill back.
    m_msgs->answers = {true};
    QTest::mouseClick(m_bill->btnCancellaConto, Qt::LeftButton);
    QVERIFY(m_bill->txtDesc[6]->text().isEmpty());
    QVERIFY(m_card->ShowGuestAt(1));
    QVERIFY(m_bill->panConto->isVisible());
    QCOMPARE(m_bill->txtDesc[6]->text(), QStringLiteral("Caffè"));
    QCOMPARE(m_bill->txtPrezzo[0]->text(), QStringLiteral("80,00"));
    QCOMPARE(m_bill->txtTotale->text(), QStringLiteral("---"));
    QCOMPARE(m_bill->txtCliente->text(), QStringLiteral("Conto del cliente Luca Verdi"));
}

void TestBillPanel::printAndExportSeeAFreshTotal()
{
    QTest::mouseClick(m_card->btnConto, Qt::LeftButton);
    m_bill->txtPrezzo[0]->setText(QStringLiteral("10"));
    m_bill->txtPrezzo[1]->setText(QStringLiteral("2,5"));
    for (QToolButton *b : {m_bill->cmdStampaConto, m_bill->cmdExpConto}) {
        QCOMPARE(m_bill->txtTotale->text(), QStringLiteral("---"));
        QString opened, totalSeen;
        whenModalOpens([&](QWidget *w) {
            opened = w->objectName();
            totalSeen = m_bill->txtTotale->text();
            w->close();
        });
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(opened,
                 b == m_bill->cmdStampaConto ? QStringLiteral("frmStampaConto") : QStringLiteral("frmExpConto"));
        QCOMPARE(totalSeen, QStringLiteral("12,50"));
        QCOMPARE(m_card->findChildren<TfrmStampaConto *>().size() + m_card->findChildren<TfrmExpConto *>().size(), 0);
        m_bill->txtPrezzo[2]->setText(QString());
        m_bill->txtTotale->setText(QStringLiteral("---"));
    }
}

void TestBillPanel::panelFollowsTheCardSize()
{
    QTest::mouseClick(m_card->btnConto, Qt::LeftButton);
    QWidget *page = m_bill->panConto->parentWidget();
    for (QSize size : {QSize(1300, 900), QSize(1500, 1000)}) {
        m_card->resize(size);
        QTRY_COMPARE(m_bill->panConto->width(), page->width() - 16);
        QVERIFY(page->rect().contains(m_bill->panConto->geometry()));
        QVERIFY(page->rect().bottom() - m_bill->panConto->geometry().bottom() < 12);
        QVERIFY(page->rect().contains(m_bill->panCalcola->geometry()));
        totalCoversNothing();
    }
}

void TestBillPanel::totalCoversNothing() const
{
    // The total stands inside the bill, over none of its controls and none of the card's.
    const QRect total = m_bill->panCalcola->geometry();
    QVERIFY(m_bill->panConto->geometry().contains(total));
    QWidget *page = m_bill->panConto->parentWidget();
    for (QWidget *w : page->findChildren<QWidget *>()) {
        if (!w->isVisible() || w == m_bill->panConto || w == m_bill->panCalcola || m_bill->panCalcola->isAncestorOf(w)
            || !(qobject_cast<QLabel *>(w) || qobject_cast<QLineEdit *>(w) || qobject_cast<QAbstractButton *>(w)))
            continue;
        const QRect r(w->mapTo(page, QPoint()), w->size());
        const bool underTheBill = !m_bill->panConto->isAncestorOf(w) && m_bill->panConto->geometry().contains(r);
        if (!underTheBill)
            QVERIFY2(!r.intersects(total),
                     qPrintable(w->objectName() + QLatin1Char(' ')
                                + (qobject_cast<QLabel *>(w) ? qobject_cast<QLabel *>(w)->text() : QString())));
    }
}

void TestBillPanel::totalCoversNothingAtTheStartingSize()
{
    QTest::mouseClick(m_card->btnConto, Qt::LeftButton);
    QVERIFY(m_bill->panCalcola->isVisible());
    totalCoversNothing();
}

QTEST_MAIN(TestBillPanel)
#include "tst_billpanel.moc"
