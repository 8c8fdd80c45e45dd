#include "base/RecordList.h"

#include "Unprivileged.h"
#include "base/RecordFile.h"
#include "base/Text.h"
#include "base/TextField.h"
#include "bookings/BookingSearch.h"
#include "bookings/DailyLists.h"
#include "bookings/Visita.h"
#include "guests/Cliente.h"
#include "guests/GuestSearch.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QTest>

#include <algorithm>
#include <random>

namespace {

const QDate kToday(2026, 12, 9);

// Records of random bytes from a small alphabet of blanks, control characters, letters of
// both cases, accented letters and "€", with length bytes that may exceed the capacity.
QByteArray randomRecord(std::mt19937 &rng, int size)
{
    static const char alphabet[] = {' ', '\t', 'a', 'b', 'A', 'B', '\xE8', '\x80', '0', '/', '\0', 'Z'};
    QByteArray r(size, '\0');
    for (int i = 0; i < size; ++i)
        r[i] = (rng() % 4 == 0) ? char(rng() % 48) : alphabet[rng() % sizeof alphabet];
    return r;
}

QList<RecordList::Source> everyList()
{
    RecordList::SearchFilters none;
    return {DailyLists::source(DailyLists::Kind::ArrivalsToday, kToday),
            DailyLists::source(DailyLists::Kind::DeparturesToday, kToday),
            DailyLists::source(DailyLists::Kind::FutureArrivals, kToday),
            BookingSearch::source(none),
            GuestSearch::searchSource(none),
            GuestSearch::flaggedSource()};
}

bool matches(const RecordList::Source &s, const char *rec, const QString &target)
{
    RecordList::LineBuilder b(rec, target);
    s.compose(b);
    return b.matches();
}

} // namespace

class TestRecordList : public QObject {
    Q_OBJECT
private slots:
    void comparingFieldsAgreesWithTheBuiltLine();
    void sortIsTheFoldedStableOrder();
    void filtersAgreeWithTheFoldedSubstring();
    void findAgainComparesFieldsLikeLines();
    void readOnlyArchiveIsListed();
    void unreadableArchiveIsIncomplete();
};

void TestRecordList::comparingFieldsAgreesWithTheBuiltLine()
{
    std::mt19937 rng(13);
    int compared = 0;
    for (const RecordList::Source &s : everyList()) {
        QVERIFY(s.compose);
        for (int n = 0; n < 400; ++n) {
            const QByteArray rec = randomRecord(rng, s.recordSize);
            const QString line = s.line(rec.constData());
            // The line itself, with blanks round it, and lines that differ from it anywhere.
            QStringList targets = {line,        QStringLiteral(" \t") + line + QStringLiteral("  "),
                                   line + u'x', line.left(line.size() / 2),
                                   QString(),   QStringLiteral("   ")};
            if (!line.isEmpty()) {
                QString flipped = line;
                const qsizetype at = qsizetype(rng() % line.size());
                flipped[at] = flipped[at] == u'q' ? u'r' : u'q';
                targets << flipped << line.chopped(1) << line + QStringLiteral(" ") << line.mid(1);
                QString blanked = line;
                blanked[at] = u' ';
                targets << blanked;
            }
            for (const QString &t : targets) {
                const bool expected = Text::trimmed(line) == Text::trimmed(t);
                if (matches(s, rec.constData(), t) != expected)
                    QFAIL(qPrintable(QStringLiteral("line [%1] target [%2]").arg(line, t)));
                ++compared;
            }
        }
    }
    QVERIFY(compared > 10000);
}

void TestRecordList::sortIsTheFoldedStableOrder()
{
    std::mt19937 rng(5);
    const QList<QChar> alphabet = {u'a', u'A', u'b', u'B', u'z', u'Z', u' ', u'\0', u'[', u'_', u'è', u'€', u'1'};
    QStringList lines;
    for (int i = 0; i < 5000; ++i) {
        QString l;
        const int n = int(rng() % 14);
        for (int k = 0; k < n; ++k)
            l += alphabet[int(rng() % alphabet.size())];
        lines << l;
    }
    // The order by the folded line, equal lines in archive order.
    QList<QPair<QString, int>> reference;
    for (int i = 0; i < lines.size(); ++i)
        reference.append({lines[i], i});
    std::stable_sort(reference.begin(), reference.end(),
                     [](const auto &a, const auto &b) { return Text::foldAZ(a.first) < Text::foldAZ(b.first); });
    QStringList sorted = lines;
    RecordList::sortLines(sorted);
    QCOMPARE(sorted.size(), lines.size());
    for (int i = 0; i < sorted.size(); ++i)
        QCOMPARE(sorted[i], reference[i].first);
}

void TestRecordList::filtersAgreeWithTheFoldedSubstring()
{
    std::mt19937 rng(8);
    const QStringList pieces = {QStringLiteral("a"),  QStringLiteral("B"), QStringLiteral("ab"),
                                QStringLiteral(" "),  QStringLiteral("è"), QStringLiteral("€"),
                                QStringLiteral("Z0"), QStringLiteral("ĉ"), QString()};
    int listed = 0;
    for (int n = 0; n < 3000; ++n) {
        const QByteArray rec = randomRecord(rng, TVisita::Size);
        RecordList::SearchFilters filters;
        int required = 0, hits = 0;
        for (const auto &f : BookingSearch::filters()) {
            const QString key = (rng() % 3) ? QString() : pieces[int(rng() % pieces.size())] + pieces[int(rng() % 3)];
            filters.add(f.field, key);
            required += !Text::isBlank(key);
            hits +=
                !key.isEmpty() && Text::foldAZ(TextField::read(rec.constData(), f.field)).contains(Text::foldAZ(key));
        }
        QCOMPARE(filters.hits(rec.constData()), hits);
        QCOMPARE(filters.selects(rec.constData()), required == 0 || hits >= required);
        listed += filters.selects(rec.constData());
    }
    QVERIFY(listed > 20);
}

void TestRecordList::findAgainComparesFieldsLikeLines()
{
    TempProgramFolder dir;
    std::mt19937 rng(21);
    // Few distinct values, so that lines repeat and the last twin must be found.
    auto small = [&](int size) {
        QByteArray r(size, '\0');
        for (FieldSpec f : {VisitaField::Cognome, VisitaField::Nome, VisitaField::DataEnt, VisitaField::Disdetta})
            if (f.end() <= size)
                TextField::write(r.data(), f, QString(QChar(u'a' + int(rng() % 3))));
        TextField::write(r.data(), VisitaField::Disdetta, QStringLiteral("No"));
        return r;
    };
    QByteArray all;
    for (int i = 0; i < 60; ++i)
        all += small(TVisita::Size);
    dir.write(QStringLiteral("Registro.pro"), all);
    for (RecordList::Source s : {BookingSearch::source(RecordList::SearchFilters())}) {
        const QStringList lines = RecordList::gather(s).lines;
        QVERIFY(!lines.isEmpty());
        RecordList::Source byLine = s;
        byLine.compose = nullptr;
        for (const QString &l : lines + QStringList{QStringLiteral("nessuno")})
            QCOMPARE(RecordList::findLast(s, l), RecordList::findLast(byLine, l));
    }
}

void TestRecordList::readOnlyArchiveIsListed()
{
    TempProgramFolder dir;
    QVERIFY(Unprivileged::chmod(dir.path(), 0755));
    QByteArray r(TVisita::Size, '\0');
    TextField::write(r.data(), VisitaField::Cognome, QStringLiteral("Sola"));
    TextField::write(r.data(), VisitaField::Disdetta, QStringLiteral("No"));
    dir.write(QStringLiteral("Registro.pro"), r + r);
    QVERIFY(Unprivileged::chmod(dir.file(QStringLiteral("Registro.pro")), 0444));
    const RecordList::Source s = BookingSearch::source(RecordList::SearchFilters());
    QVERIFY(Unprivileged::run([&] {
        const RecordList::Gathered g = RecordList::gather(s);
        return g.complete && g.lines.size() == 2 && g.lines[0].startsWith(QLatin1String("Sola"))
               && RecordList::findLast(s, g.lines[0]) == 2;
    }));
    // A missing archive in a folder that takes no new file is an empty, complete list.
    QVERIFY(QFile::remove(dir.file(QStringLiteral("Registro.pro"))));
    QVERIFY(Unprivileged::chmod(dir.path(), 0555));
    QVERIFY(Unprivileged::run([&] {
        const RecordList::Gathered g = RecordList::gather(s);
        return g.complete && g.lines.isEmpty();
    }));
    QVERIFY(Unprivileged::chmod(dir.path(), 0700));
}

void TestRecordList::unreadableArchiveIsIncomplete()
{
    TempProgramFolder dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Clienti.pro")));
    QVERIFY(!RecordList::gather(GuestSearch::flaggedSource()).complete);
    QVERIFY_THROWS_EXCEPTION(ArchiveError, RecordList::findLast(GuestSearch::flaggedSource(), QStringLiteral("x")));
}

QTEST_GUILESS_MAIN(TestRecordList)
#include "tst_recordlist.moc"
