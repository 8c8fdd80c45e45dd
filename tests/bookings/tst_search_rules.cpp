#include "bookings/BookingSearch.h"
#include "support/TestSupport.h"
#include "tst_lists_records.h"

#include <QTest>

using namespace TestBookings;

using Typed = QList<QPair<QString, QString>>;

namespace {

QByteArray stay(const QString &surname, const QString &name, const QString &arrival,
                const QString &flag = QStringLiteral("No"))
{
    // clang-format off
    return booking({{F::Cognome, surname},
                    {F::Nome, name},
                    {F::DataEnt, arrival},
                    {F::DataUsc, QStringLiteral("31/12/2024")},
                    {F::Giorni, QStringLiteral("03")},
                    {F::Camera, QStringLiteral("7")},
                    // clang-format on
                    {F::Disdetta, flag}});
}

// Filters by control name; the rest stay empty.
RecordList::SearchFilters filters(const QList<QPair<QString, QString>> &typed)
{
    RecordList::SearchFilters f;
    for (const auto &filter : BookingSearch::filters()) {
        QString key;
        for (const auto &t : typed)
            if (t.first == QLatin1String(filter.control))
                key = t.second;
        f.add(filter.field, key);
    }
    return f;
}

QStringList found(const QList<QPair<QString, QString>> &typed)
{
    QStringList names;
    for (const QString &l : RecordList::gather(BookingSearch::source(filters(typed))).lines)
        names << l.left(30).trimmed();
    return names;
}

} // namespace

class TestSearchRules : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void resultLine();
    void filterCases_data();
    void filterCases();
    void filterCount();
    void keysOutsideTheCodePageNeverHit();
    void findLastUsesTheFilters();
    void countText();

private:
    TempProgramFolder m_dir;
};

void TestSearchRules::initTestCase()
{
    m_dir.write(QStringLiteral("Registro.pro"),
                // clang-format off
                concat({stay(QStringLiteral("Rossi"), QStringLiteral("Mario"), QStringLiteral("10/08/2024")),
                        stay(QStringLiteral("Rossetti"), QStringLiteral("Ada"), QStringLiteral("02/07/2024")),
                        stay(QStringLiteral("De Rossi"), QStringLiteral("Lia"), QStringLiteral("20/08/2024"), QStringLiteral("Sì")),
                        stay(QStringLiteral("ROSSI"), QStringLiteral("Pia"), QStringLiteral("01/09/2024")),
                        stay(QStringLiteral("Bianchi"), QStringLiteral("Zovev Luisa"), QStringLiteral("05/08/2024")),
                        // clang-format on
                        stay(QStringLiteral("Verdi"), QStringLiteral("Ugo"), QStringLiteral("15/08/2023"))}));
}

void TestSearchRules::resultLine()
{
    const QByteArray r =
        stay(QStringLiteral("De Rossi"), QStringLiteral("Lia"), QStringLiteral("20/08/2024"), QStringLiteral("Sì"));
    QCOMPARE(
        BookingSearch::line(r.constData()),
        QStringLiteral("De Rossi Lia                    Cel.                  Camera: 7                     Arrivo: "
                       "20/08/2024  Partenza: 31/12/2024  Giorni: 03  Disdetta: Sì"));
}

void TestSearchRules::filterCases_data()
{
    QTest::addColumn<Typed>("typed");
    QTest::addColumn<QStringList>("names");
    // clang-format off
    QTest::newRow("all empty: everything") << Typed{}
                                           << QStringList{"Bianchi Zovev Luisa", "De Rossi Lia", "Rossetti Ada",
                                                          // clang-format on
                                                          "Rossi Mario", "ROSSI Pia", "Verdi Ugo"};
    // clang-format off
    QTest::newRow("ross in any case, cancelled too")
        << Typed{{"txtCognome", "RoSs"}} << QStringList{"De Rossi Lia", "Rossetti Ada", "Rossi Mario", "ROSSI Pia"};
    QTest::newRow("surname and part of a date")
        << Typed{{"txtCognome", "rossi"}, {"txtDataEnt", "/08/2024"}} << QStringList{"De Rossi Lia", "Rossi Mario"};
    QTest::newRow("trailing blank misses the word at the end")
        << Typed{{"txtCognome", "rossi "}} << QStringList{};
    QTest::newRow("leading blank hits inside") << Typed{{"txtCognome", " rossi"}} << QStringList{"De Rossi Lia"};
    // clang-format on
    // The blank filter counts for nothing but hits Zovev Luisa: one hit reaches N = 1.
    // clang-format off
    QTest::newRow("blank-only filter") << Typed{{"txtCognome", "rossi"}, {"txtNome", " "}}
                                       << QStringList{"Bianchi Zovev Luisa", "De Rossi Lia", "Rossi Mario", "ROSSI Pia"};
    QTest::newRow("only blank filters: everything")
        << Typed{{"txtNome", "   "}, {"txtCamera", "\t"}}
        << QStringList{"Bianchi Zovev Luisa", "De Rossi Lia", "Rossetti Ada", "Rossi Mario", "ROSSI Pia", "Verdi Ugo"};
    QTest::newRow("no match") << Typed{{"txtCognome", "Neri"}} << QStringList{};
    QTest::newRow("two filters, one field each")
        << Typed{{"txtNome", "a"}, {"txtDataUsc", "12/2024"}, {"txtCamera", "7"}}
        << QStringList{"Bianchi Zovev Luisa", "De Rossi Lia", "Rossetti Ada", "Rossi Mario", "ROSSI Pia"};
    // clang-format on
}

void TestSearchRules::filterCases()
{
    QFETCH(Typed, typed);
    QFETCH(QStringList, names);
    QCOMPARE(found(typed), names);
}

void TestSearchRules::filterCount()
{
    const QByteArray r = stay(QStringLiteral("Bianchi"), QStringLiteral("Zovev Luisa"), QStringLiteral("05/08/2024"));
    const auto f = filters({{"txtCognome", "rossi"}, {"txtNome", " "}, {"txtCamera", ""}});
    QCOMPARE(f.required(), 1);
    QCOMPARE(f.hits(r.constData()), 1);
    QVERIFY(f.selects(r.constData()));
    const auto g = filters({{"txtCognome", "bian"}, {"txtNome", "zov"}, {"txtCamera", "8"}});
    QCOMPARE(g.required(), 3);
    QCOMPARE(g.hits(r.constData()), 2);
    QVERIFY(!g.selects(r.constData()));
}

void TestSearchRules::keysOutsideTheCodePageNeverHit()
{
    const QByteArray r = booking({{F::Cognome, QStringLiteral("Łukasz")}}); // stored as "?ukasz"
    QCOMPARE(filters({{"txtCognome", "?uk"}}).hits(r.constData()), 1);
    QCOMPARE(filters({{"txtCognome", "Łuk"}}).hits(r.constData()), 0);
    // Accented letters are not folded: "È" does not find "è".
    const QByteArray e = booking({{F::Cognome, QStringLiteral("Bellè")}});
    QCOMPARE(filters({{"txtCognome", "BELLè"}}).hits(e.constData()), 1);
    QCOMPARE(filters({{"txtCognome", "BELLÈ"}}).hits(e.constData()), 0);
}

void TestSearchRules::findLastUsesTheFilters()
{
    TempProgramFolder dir;
    const QByteArray a = stay(QStringLiteral("Rossi"), QStringLiteral("Mario"), QStringLiteral("10/08/2024"));
    QByteArray b = a, c = a;
    TextField::write(b.data(), F::NumDoc, QStringLiteral("AA1"));
    TextField::write(c.data(), F::NumDoc, QStringLiteral("ZZ9"));
    dir.write(QStringLiteral("Registro.pro"), concat({a, b, c}));
    const auto all = BookingSearch::source(filters({}));
    const QString line = RecordList::gather(all).lines.first();
    QCOMPARE(RecordList::findLast(all, line), 3);
    const auto byDoc = BookingSearch::source(filters({{"txtNumDoc", "aa"}}));
    QCOMPARE(RecordList::gather(byDoc).lines, QStringList{line});
    QCOMPARE(RecordList::findLast(byDoc, line), 2);
}

void TestSearchRules::countText()
{
    QCOMPARE(RecordList::countText(0), QStringLiteral("Il presente riepilogo contiene 0 schede."));
    QCOMPARE(RecordList::countText(100000), QStringLiteral("Il presente riepilogo contiene 100000 schede."));
}

QTEST_GUILESS_MAIN(TestSearchRules)
#include "tst_search_rules.moc"
