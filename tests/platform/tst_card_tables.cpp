#include "base/FlagText.h"
#include "bookings/Registro.h"
#include "bookings/Visita.h"
#include "guests/Cliente.h"
#include "guests/Clienti.h"
#include "platform/CardForm.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <set>

namespace {

// A text that fills `capacity` bytes: letters, digits and an accented letter (one byte each).
QString fullText(int capacity, int seed)
{
    static const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZàèìòù0123456789");
    QString t;
    for (int i = 0; i < capacity; ++i)
        t += alphabet[(seed + i) % alphabet.size()];
    return t;
}

// Every row of a card's table (and every bound field) against the widgets and the record layout.
template <class Screen, class Record, class Layout> void walkTable(Screen &card, const Layout &recordFields)
{
    const Card::Form *form = card.form();
    std::set<int> offsets;
    for (const auto &b : form->bindings()) {
        const QString name = b.widget->objectName();
        QVERIFY2(!name.isEmpty(), "a bound control without a name");
        QCOMPARE(card.template findChild<QWidget *>(name), b.widget);
        QCOMPARE(card.control(name), b.widget);
        QVERIFY2(offsets.insert(b.field.offset).second, qPrintable(name));
        if (auto *e = qobject_cast<QLineEdit *>(b.widget))
            QCOMPARE(e->maxLength(), b.field.capacity);
        else if (auto *c = qobject_cast<QComboBox *>(b.widget))
            QCOMPARE(c->lineEdit()->maxLength(), b.field.capacity);
        else
            QVERIFY2(qobject_cast<QLabel *>(b.widget) || qobject_cast<QCheckBox *>(b.widget), qPrintable(name));
    }
    // The table binds every text field of the record to the control the record layout names, plus the flag.
    for (const auto &f : recordFields) {
        QWidget *w = card.control(f.control);
        QVERIFY2(w, qPrintable(f.control));
        const auto it = std::find_if(form->bindings().cbegin(), form->bindings().cend(),
                                     [&](const auto &b) { return b.widget == w; });
        QVERIFY2(it != form->bindings().cend(), qPrintable(f.control));
        QCOMPARE(it->field.offset, f.field.offset);
        QCOMPARE(it->field.capacity, f.field.capacity);
    }
    QCOMPARE(form->bindings().size(), recordFields.size() + 1);

    // Store then load a record filled to capacity: the same bytes come back.
    Record full;
    int seed = 0;
    for (const auto &b : form->bindings()) {
        if (qobject_cast<QCheckBox *>(b.widget))
            full.set(b.field, FlagText::of(true));
        else
            full.set(b.field, fullText(b.field.capacity, seed++));
    }
    card.fromRecord(full);
    const Record back = card.toRecord();
    QCOMPARE(QByteArray(back.bytes.data(), Record::Size), QByteArray(full.bytes.data(), Record::Size));
    // And the empty card stores the empty record but for the flag's "No".
    card.form()->clear();
    Record empty;
    for (const auto &b : form->bindings())
        if (qobject_cast<QCheckBox *>(b.widget))
            empty.set(b.field, FlagText::of(false));
    const Record cleared = card.toRecord();
    QCOMPARE(QByteArray(cleared.bytes.data(), Record::Size), QByteArray(empty.bytes.data(), Record::Size));
}

} // namespace

class TestCardTables : public QObject {
    Q_OBJECT
private slots:
    void guestCard()
    {
        TfrmClienti card;
        walkTable<TfrmClienti, TCliente>(card, ClienteField::textFields());
    }
    void bookingCard()
    {
        TfrmRegistro card;
        walkTable<TfrmRegistro, TVisita>(card, VisitaField::textFields());
    }
    void theLoadedCardStaysReachable()
    {
        TempProgramFolder dir;
        MessageRecorder msgs;
        TfrmRegistro card;
        card.show();
        QByteArray disk;
        for (int i = 1; i <= 2; ++i) {
            TVisita v;
            v.set(VisitaField::DataEnt, QStringLiteral("10/08/2024"));
            v.set(VisitaField::DataUsc, QStringLiteral("20/08/2024"));
            v.set(VisitaField::Giorni, QStringLiteral("10"));
            v.set(VisitaField::Cognome, QStringLiteral("Ospite %1").arg(i));
            v.set(VisitaField::Nome, QStringLiteral("Anna"));
            v.setDisdetta(false);
            disk += QByteArray(v.bytes.data(), TVisita::Size);
        }
        dir.write(QStringLiteral("Registro.pro"), disk);
        QVERIFY(card.ShowBookingAt(2));
        QCOMPARE(card.loadedBytes(), disk.mid(TVisita::Size));
        // Typing changes the screen, not what was loaded.
        card.txtNome->setText(QStringLiteral("Bruna"));
        QCOMPARE(card.loadedBytes(), disk.mid(TVisita::Size));
        // Saved over: the loaded bytes are now the ones on disk.
        card.cmdSalvaClick();
        QCOMPARE(msgs.lastText(),
                 QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
        const QByteArray now = dir.read(QStringLiteral("Registro.pro"));
        QCOMPARE(now.size(), 2 * TVisita::Size);
        QCOMPARE(card.loadedBytes(), now.mid(TVisita::Size));
        QVERIFY(now.mid(TVisita::Size) != disk.mid(TVisita::Size));
    }
};

QTEST_MAIN(TestCardTables)
#include "tst_card_tables.moc"
