// One card saved from two workstations in turn (two screens over one program folder): the second
// save is asked before it overwrites what the first one wrote, never a silent loss.
#include "bookings/Registro.h"
#include "bookings/Visita.h"
#include "guests/Cliente.h"
#include "guests/Clienti.h"
#include "support/TestSupport.h"

#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

const QString kOverwritten =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");

QByteArray guestCard(const QString &surname, const QString &name)
{
    TCliente c;
    c.set(ClienteField::Cognome, surname);
    c.set(ClienteField::Nome, name);
    return QByteArray(c.bytes.data(), TCliente::Size);
}

QByteArray bookingCard(const QString &surname, const QString &name)
{
    TVisita v;
    v.set(VisitaField::DataEnt, QStringLiteral("10/08/2026"));
    v.set(VisitaField::DataUsc, QStringLiteral("12/08/2026"));
    v.set(VisitaField::Giorni, QStringLiteral("02"));
    v.set(VisitaField::Cognome, surname);
    v.set(VisitaField::Nome, name);
    v.setDisdetta(false);
    return QByteArray(v.bytes.data(), TVisita::Size);
}

} // namespace

class TestTwoWorkstations : public QObject {
    Q_OBJECT
private slots:
    void secondSaveAsks_data();
    void secondSaveAsks();
};

void TestTwoWorkstations::secondSaveAsks_data()
{
    QTest::addColumn<bool>("booking");
    QTest::addColumn<bool>("overwrite");
    QTest::newRow("guest card, No reloads") << false << false;
    QTest::newRow("guest card, Yes overwrites") << false << true;
    QTest::newRow("booking card, No reloads") << true << false;
    QTest::newRow("booking card, Yes overwrites") << true << true;
}

void TestTwoWorkstations::secondSaveAsks()
{
    QFETCH(bool, booking);
    QFETCH(bool, overwrite);
    TempProgramFolder dir;
    MessageRecorder msgs;
    const QString file = booking ? QStringLiteral("Registro.pro") : QStringLiteral("Clienti.pro");
    const int size = booking ? TVisita::Size : TCliente::Size;
    auto card = [&](const QString &s, const QString &n) { return booking ? bookingCard(s, n) : guestCard(s, n); };
    dir.write(file, card(QStringLiteral("Rossi"), QStringLiteral("Anna"))
                        + card(QStringLiteral("Verdi"), QStringLiteral("Ugo")));

    // Two workstations, each with card 2 on screen.
    std::unique_ptr<TCardScreen> here, there;
    if (booking) {
        auto *a = new TfrmRegistro, *b = new TfrmRegistro;
        a->ShowBookingAt(2), b->ShowBookingAt(2);
        here.reset(a), there.reset(b);
    } else {
        auto *a = new TfrmClienti, *b = new TfrmClienti;
        a->ShowGuestAt(2), b->ShowGuestAt(2);
        here.reset(a), there.reset(b);
    }
    auto name = [](TCardScreen *c) { return c->findChild<QLineEdit *>(QStringLiteral("txtNome")); };
    auto save = [](TCardScreen *c) {
        QTest::mouseClick(c->findChild<QToolButton *>(QStringLiteral("cmdSalva")), Qt::LeftButton);
    };

    // The other workstation saves first: nothing to ask.
    name(there.get())->setText(QStringLiteral("Ugo Maria"));
    save(there.get());
    QCOMPARE(msgs.count(), 1);
    QCOMPARE(msgs.lastText(), kOverwritten);
    const QByteArray theirs = dir.read(file).mid(size, size);

    // This one saves its own change over it: asked, with the card's number.
    name(here.get())->setText(QStringLiteral("Ugolino"));
    msgs.answers = {overwrite};
    save(here.get());
    QCOMPARE(msgs.messages.at(1).kind, Msg::Kind::Question);
    QVERIFY(msgs.messages.at(1).text.contains(QStringLiteral("scheda n. 2")));
    QVERIFY(msgs.messages.at(1).text.contains(QStringLiteral("altra postazione")));
    const QByteArray onDisk = dir.read(file);
    QCOMPARE(onDisk.size(), 2 * size);
    QCOMPARE(onDisk.left(size), card(QStringLiteral("Rossi"), QStringLiteral("Anna")));
    if (overwrite) {
        QCOMPARE(msgs.lastText(), kOverwritten);
        QCOMPARE(name(here.get())->text(), QStringLiteral("Ugolino"));
        QVERIFY(onDisk.mid(size) != theirs);
    } else {
        // Nothing written; the card on screen is the other workstation's.
        QCOMPARE(msgs.count(), 2);
        QCOMPARE(onDisk.mid(size), theirs);
        QCOMPARE(name(here.get())->text(), QStringLiteral("Ugo Maria"));
    }
    // Saving again with nobody in between asks nothing.
    name(here.get())->setText(QStringLiteral("Ugo Secondo"));
    const int before = msgs.count();
    save(here.get());
    QCOMPARE(msgs.count(), before + 1);
    QCOMPARE(msgs.lastText(), kOverwritten);
}

QTEST_MAIN(TestTwoWorkstations)
#include "tst_two_workstations.moc"
