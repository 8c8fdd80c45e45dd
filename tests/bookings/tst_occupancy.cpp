#include "base/Text.h"
#include "bookings/Occupancy.h"
#include "bookings/TableauReport.h"
#include "support/TestSupport.h"
#include "tst_tableau_records.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace TableauRecords;

namespace {

qsizetype indexOf(const Occupancy::Plan &plan, qint64 position)
{
    for (size_t i = 0; i < plan.stays.size(); ++i)
        if (plan.stays[i].position == position)
            return qsizetype(i);
    return -1;
}

QList<qint64> positionsOf(const Occupancy::Plan &plan, const Occupancy::Window &w, int room)
{
    QList<qint64> out;
    for (qsizetype i : w.visible[size_t(room)])
        out << plan.stays[size_t(i)].position;
    return out;
}

QList<int> toList(const std::vector<int> &v) { return QList<int>(v.begin(), v.end()); }

const Report::Item *itemOf(const Report::PreparedPage &page, const QString &name)
{
    for (const Report::Item &i : page.items)
        if (i.name == name)
            return &i;
    return nullptr;
}

} // namespace

class TestOccupancy : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void roomOrder_data();
    void roomOrder();
    void intervalsFromTheRegister();
    void dayCountsOverARange();
    void aLaterRangeDropsWhatItDoesNotShow();
    void invalidBookingsAreListed();
    void missingRegisterIsEmpty();
    void printSplitsALongRangeAcrossPages();
    void printSplitsManyRoomsDownPages();

private:
    TempProgramFolder *m_dir = nullptr;
};

void TestOccupancy::initTestCase()
{
    m_dir = new TempProgramFolder;
    Clock::setFixed(QDateTime(kToday, QTime(9, 0)));
}

void TestOccupancy::roomOrder_data()
{
    QTest::addColumn<QStringList>("rooms");
    QTest::addColumn<QStringList>("sorted");
    QTest::newRow("numbers by value") << QStringList{"101", "10", "2"} << QStringList{"2", "10", "101"};
    QTest::newRow("numbers before names")
        << QStringList{"Suite", "101", "Attico", "2"} << QStringList{"2", "101", "Attico", "Suite"};
    QTest::newRow("leading zeros") << QStringList{"010", "9", "07", "7"} << QStringList{"07", "7", "9", "010"};
    QTest::newRow("names ignore case") << QStringList{"suite", "Bosco", "attico"}
                                       << QStringList{"attico", "Bosco", "suite"};
    QTest::newRow("mixed is a name") << QStringList{"12B", "12", "3"} << QStringList{"3", "12", "12B"};
    QTest::newRow("longer than any int") << QStringList{"123456789012345678901", "99"}
                                         << QStringList{"99", "123456789012345678901"};
}

void TestOccupancy::roomOrder()
{
    QFETCH(QStringList, rooms);
    QFETCH(QStringList, sorted);
    std::sort(rooms.begin(), rooms.end(), Occupancy::roomLess);
    QCOMPARE(rooms, sorted);
}

void TestOccupancy::intervalsFromTheRegister()
{
    m_dir->write(QStringLiteral("Registro.pro"), hotel());
    const Occupancy::Plan plan = Occupancy::read(registroPath());
    QVERIFY(plan.complete);
    // A room with blanks and a tab around it is the same room "2".
    QCOMPARE(plan.rooms, (QStringList{"2", "10", "101", "Suite"}));
    QCOMPARE(QList<qint64>(plan.invalid.begin(), plan.invalid.end()), (QList<qint64>{3, 4}));

    // Grouped by room in row order, each room's by arrival; cancelled and invalid ones left out.
    QList<qint64> order;
    for (const Occupancy::Stay &s : plan.stays)
        order << s.position;
    QCOMPARE(order, (QList<qint64>{2, 6, 7, 9, 1, 10, 11, 8}));

    struct Expected {
        qint64 position;
        int room;
        QDate arrival, departure;
        int nights, persons;
        bool overbooked;
        Occupancy::When when;
        QString label;
    };
    using W = Occupancy::When;
    const QList<Expected> expected = {
        {1, 2, {2026, 12, 30}, {2027, 1, 2}, 3, 3, false, W::InHouse, "Rossi Mario"},
        {2, 0, {2026, 12, 31}, {2027, 1, 1}, 1, 1, false, W::InHouse, "Bianchi Anna"},
        {6, 1, {2026, 12, 30}, {2027, 1, 1}, 2, 1, true, W::InHouse, "Blu Carla"},
        {7, 1, {2026, 12, 31}, {2027, 1, 2}, 2, 2, true, W::InHouse, "Viola Dario"},
        {8, 3, {2027, 1, 1}, {2027, 1, 2}, 1, 2, false, W::Future, "Costa Elena"},
        {9, 1, {2027, 1, 2}, {2027, 1, 4}, 2, 4, false, W::Future, "Ferri Gino"},
        {10, 3, {2026, 12, 1}, {2026, 12, 31}, 30, 1, true, W::Past, "Moretti Ugo"},
        {11, 3, {2026, 12, 5}, {2026, 12, 6}, 1, 1, true, W::Past, "Greco Ida"},
    };
    for (const Expected &e : expected) {
        const qsizetype i = indexOf(plan, e.position);
        QVERIFY2(i >= 0, qPrintable(QString::number(e.position)));
        const Occupancy::Stay &s = plan.stays[size_t(i)];
        QCOMPARE(s.room, e.room);
        QCOMPARE(s.arrivalDate(), e.arrival);
        QCOMPARE(s.departureDate(), e.departure);
        QCOMPARE(s.nights(), e.nights);
        QCOMPARE(s.persons(), e.persons);
        QCOMPARE(s.overbooked, e.overbooked);
        QVERIFY(Occupancy::whenOf(s, kToday) == e.when);
        QCOMPARE(plan.label(s), e.label);
    }
    const Occupancy::Stay &rossi = plan.stays[size_t(indexOf(plan, 1))];
    QCOMPARE(Occupancy::details(plan, rossi, QStringLiteral("80 euro"), QStringLiteral("3331234567")),
             QStringLiteral("Rossi Mario: dal 30/12/2026 al 02/01/2027, 3 notti; adulti 2, bambini 1; "
                            "tariffa: 80 euro; cellulare: 3331234567"));
    QCOMPARE(Occupancy::details(plan, plan.stays[size_t(indexOf(plan, 2))], QString(), QString()),
             QStringLiteral("Bianchi Anna: dal 31/12/2026 al 01/01/2027, 1 notte; adulti 1, bambini 0"));
}

void TestOccupancy::dayCountsOverARange()
{
    m_dir->write(QStringLiteral("Registro.pro"), hotel());
    const Occupancy::Plan plan = Occupancy::read(registroPath());
    // 29/12/2026 to 04/01/2027.
    const Occupancy::Window w = Occupancy::window(plan, QDate(2026, 12, 29), 7);
    QCOMPARE(positionsOf(plan, w, 0), (QList<qint64>{2}));
    QCOMPARE(positionsOf(plan, w, 1), (QList<qint64>{6, 7, 9}));
    QCOMPARE(positionsOf(plan, w, 2), (QList<qint64>{1}));
    // The long stay reaches into the range past the short one inside it, which does not.
    QCOMPARE(positionsOf(plan, w, 3), (QList<qint64>{10, 8}));

    const QList<QList<int>> takers = {
        {0, 0, 1, 0, 0, 0, 0}, {0, 1, 2, 1, 1, 1, 0}, {0, 1, 1, 1, 0, 0, 0}, {1, 1, 0, 1, 0, 0, 0}};
    for (int r = 0; r < 4; ++r)
        for (int d = 0; d < 7; ++d)
            QVERIFY2(w.takersAt(r, d) == takers[r][d], qPrintable(QStringLiteral("room %1 day %2").arg(r).arg(d)));
    QCOMPARE(toList(w.occupiedRooms), (QList<int>{1, 3, 3, 3, 1, 1, 0}));
    QCOMPARE(toList(w.persons), (QList<int>{1, 5, 7, 7, 4, 4, 0}));
    QCOMPARE(w.overbookedRoomNights, 1);

    // The two stays sharing a night stand one above the other; the one arriving as the first
    // leaves takes the first lane again.
    QCOMPARE(w.lanes[1], 2);
    QCOMPARE(QList<int>(w.lane[1].begin(), w.lane[1].end()), (QList<int>{0, 1, 0}));
    QCOMPARE(w.lanes[0], 1);
    const int newYearsEve = w.dayIndex(QDate(2026, 12, 31));
    QCOMPARE(plan.stays[size_t(Occupancy::stayAt(plan, w, 1, newYearsEve, 0))].position, 6);
    QCOMPARE(plan.stays[size_t(Occupancy::stayAt(plan, w, 1, newYearsEve, 1))].position, 7);
    QCOMPARE(plan.stays[size_t(Occupancy::stayAt(plan, w, 1, newYearsEve))].position, 6);
    QCOMPARE(Occupancy::stayAt(plan, w, 0, w.dayIndex(QDate(2027, 1, 1))), -1);
    QCOMPARE(Occupancy::stayAt(plan, w, 1, 0), -1);
    QCOMPARE(Occupancy::stayAt(plan, w, 9, 0), -1);
    QCOMPARE(Occupancy::stayAt(plan, w, 1, 7), -1);
}

void TestOccupancy::aLaterRangeDropsWhatItDoesNotShow()
{
    m_dir->write(QStringLiteral("Registro.pro"), hotel());
    const Occupancy::Plan plan = Occupancy::read(registroPath());
    // From New Year's Day: the overlap on the 31st is outside, so nothing is overbooked here,
    // though the two bars keep their warning colour.
    const Occupancy::Window w = Occupancy::window(plan, QDate(2027, 1, 1), 3);
    QCOMPARE(positionsOf(plan, w, 1), (QList<qint64>{7, 9}));
    QCOMPARE(w.lanes[1], 1);
    QCOMPARE(w.overbookedRoomNights, 0);
    QCOMPARE(toList(w.occupiedRooms), (QList<int>{3, 1, 1}));
    QCOMPARE(TableauReport::barColour(plan.stays[size_t(indexOf(plan, 7))], kToday), 0xffdc143cu);
    const Occupancy::Window none = Occupancy::window(plan, QDate(2030, 1, 1), 5);
    QCOMPARE(toList(none.occupiedRooms), (QList<int>{0, 0, 0, 0, 0}));
    QVERIFY(none.visible[1].empty());
}

void TestOccupancy::invalidBookingsAreListed()
{
    m_dir->write(QStringLiteral("Registro.pro"), hotel());
    const RecordList::Gathered g = RecordList::gather(Occupancy::invalidSource());
    auto line = [](const QString &name, const QString &room, const QString &in, const QString &out) {
        return Text::pad(name, 30) + QStringLiteral("  Camera: ") + Text::pad(room, 20) + QStringLiteral("  Arrivo: ")
               + Text::pad(in, 10) + QStringLiteral("  Partenza: ") + out;
    };
    QCOMPARE(g.lines, (QStringList{line("Neri Paolo", "10", "3/1/2027", "05/01/2027"),
                                   line("Verdi Luca", "Suite", "05/01/2027", "05/01/2027")}));
    QCOMPARE(RecordList::findLast(Occupancy::invalidSource(), g.lines.at(1)), 3);
    QCOMPARE(Occupancy::invalidText(2), QStringLiteral("2 prenotazioni con date non valide"));
}

void TestOccupancy::missingRegisterIsEmpty()
{
    QFile::remove(registroPath());
    const Occupancy::Plan plan = Occupancy::read(registroPath());
    QVERIFY(plan.complete);
    QVERIFY(plan.rooms.isEmpty());
    const Occupancy::Window w = Occupancy::window(plan, kToday, 35);
    QCOMPARE(int(w.occupiedRooms.size()), 35);
    // A folder where the register should be: the pass fails and says so.
    QVERIFY(QFile::remove(registroPath()));
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("Registro.pro")));
    QVERIFY(!Occupancy::read(registroPath()).complete);
    QDir(m_dir->path()).rmdir(QStringLiteral("Registro.pro"));
}

void TestOccupancy::printSplitsALongRangeAcrossPages()
{
    m_dir->write(QStringLiteral("Registro.pro"), hotel());
    const Occupancy::Plan plan = Occupancy::read(registroPath());
    const QDate first(2026, 12, 29);
    Report::Document doc = TableauReport::build(plan, first, 50, kToday);
    QCOMPARE(doc.name(), QStringLiteral("Tableau delle camere"));
    QVERIFY(doc.orientation() == Report::Orientation::Landscape);
    doc.prepare(kToday);
    QCOMPARE(TableauReport::daysPerPage(), 36);
    QCOMPARE(doc.pages().size(), 2);
    const Report::PreparedPage &p1 = doc.pages().at(0), &p2 = doc.pages().at(1);
    const QString title = QStringLiteral("Tableau delle camere dal 29/12/2026 al 16/02/2027");
    for (const Report::PreparedPage *p : {&p1, &p2}) {
        QCOMPARE(p->texts().first(), title);
        for (int r = 0; r < 4; ++r)
            QCOMPARE(itemOf(*p, QStringLiteral("camera%1").arg(r))->text, QStringLiteral(" ") + plan.rooms.at(r));
    }
    // Days 0 to 35 on the first page, 36 to 49 on the second, each starting with its month.
    QCOMPARE(itemOf(p1, "data0")->text, QStringLiteral("29/12"));
    QCOMPARE(itemOf(p1, "data3")->text, QStringLiteral("01/01"));
    QCOMPARE(itemOf(p1, "data35")->text, QStringLiteral("02"));
    QVERIFY(!itemOf(p1, "data36"));
    QCOMPARE(itemOf(p2, "data36")->text, QStringLiteral("03/02"));
    QCOMPARE(itemOf(p2, "data49")->text, QStringLiteral("16"));
    QCOMPARE(itemOf(p1, "giorno2")->fill, Report::Gold);     // today
    QCOMPARE(itemOf(p1, "giorno3")->fill, Report::NoColour); // Friday 01/01/2027
    QCOMPARE(itemOf(p1, "giorno4")->fill, 0xffe8e8e8u);      // Saturday

    // Bars over their nights, in the colours of their stays, stacked where they overlap.
    const Report::Item *rossi = itemOf(p1, "bar1");
    QCOMPARE(rossi->text, QStringLiteral("Rossi Mario"));
    QCOMPARE(rossi->rect.left(), 24 + 7 + 0.3);
    QCOMPARE(rossi->rect.width(), 3 * 7 - 0.6);
    QCOMPARE(rossi->fill, 0xff2e8b57u);
    QCOMPARE(itemOf(p1, "bar9")->fill, 0xff4169e1u);
    const Report::Item *blu = itemOf(p1, "bar6"), *viola = itemOf(p1, "bar7");
    QCOMPARE(blu->fill, 0xffdc143cu);
    QCOMPARE(viola->fill, 0xffdc143cu);
    QCOMPARE(blu->rect.height(), 2.0);
    QCOMPARE(viola->rect.top(), blu->rect.bottom());
    QVERIFY(!itemOf(p1, "bar5") && !itemOf(p1, "bar3") && !itemOf(p1, "bar4") && !itemOf(p1, "bar11"));
    QVERIFY(!itemOf(p2, "bar1"));

    // Counts under each page's rooms; the date bar only after the last page's rows.
    QCOMPARE(itemOf(p1, "lblOccupate")->text, QStringLiteral(" Occupate su 4"));
    QCOMPARE(itemOf(p1, "occupate2")->text, QStringLiteral("3"));
    QCOMPARE(itemOf(p1, "persone2")->text, QStringLiteral("7"));
    QCOMPARE(itemOf(p2, "occupate49")->text, QStringLiteral("0"));
    QVERIFY(!p1.texts().contains(QStringLiteral("Stampa eseguita in data 31/12/2026")));
    QCOMPARE(p2.texts().last(), QStringLiteral("Stampa eseguita in data 31/12/2026"));
    QVERIFY(itemOf(p2, "txtPagina")->rect.top() > itemOf(p2, "persone49")->rect.bottom());
}

void TestOccupancy::printSplitsManyRoomsDownPages()
{
    QList<QByteArray> records;
    for (int room = 1; room <= 40; ++room)
        records << stay(QString::number(room), QStringLiteral("Ospite"), QString::number(room), "31/12/2026",
                        "02/01/2027");
    m_dir->write(QStringLiteral("Registro.pro"), concat(records));
    const Occupancy::Plan plan = Occupancy::read(registroPath());
    Report::Document doc = TableauReport::build(plan, kToday, 10, kToday);
    doc.prepare(kToday);
    QCOMPARE(doc.pages().size(), 2);
    const Report::PreparedPage &p1 = doc.pages().at(0), &p2 = doc.pages().at(1);
    // 34 rows fill the first sheet; the rest, the counts and the date bar follow on the next.
    QVERIFY(itemOf(p1, "camera33") && !itemOf(p1, "camera34") && !itemOf(p1, "lblOccupate"));
    QCOMPARE(itemOf(p2, "camera34")->text, QStringLiteral(" 35"));
    QCOMPARE(itemOf(p2, "camera34")->rect.top(), TableauReport::titleHeight + TableauReport::headerHeight);
    QCOMPARE(itemOf(p2, "occupate0")->text, QStringLiteral("40"));
    QCOMPARE(itemOf(p2, "data0")->text, QStringLiteral("31/12"));
    QCOMPARE(p2.texts().last(), QStringLiteral("Stampa eseguita in data 31/12/2026"));
    for (const Report::Item &i : p1.items)
        QVERIFY(i.rect.bottom() <= doc.printableSize().height() + 1e-6);
}

QTEST_GUILESS_MAIN(TestOccupancy)
#include "tst_occupancy.moc"
