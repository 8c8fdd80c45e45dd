// Every list over an archive on any archive bytes: the daily lists, the booking and guest
// searches (keys taken from the input) and the flagged guests. Each line listed is found again,
// and comparing fields agrees with building the line.
#include "FuzzInput.h"
#include "base/ProgramFolder.h"
#include "base/RecordList.h"
#include "bookings/BookingSearch.h"
#include "bookings/DailyLists.h"
#include "bookings/Visita.h"
#include "guests/Cliente.h"
#include "guests/GuestSearch.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

void check(const RecordList::Source &s, const QByteArray &archive)
{
    const RecordList::Gathered g = RecordList::gather(s);
    FuzzInput::require(g.complete);
    for (qsizetype i = 0; i < g.lines.size() && i < 8; ++i)
        FuzzInput::require(RecordList::findLast(s, g.lines[i]) > 0);
    for (qsizetype at = 0; at + s.recordSize <= archive.size(); at += s.recordSize) {
        const char *rec = archive.constData() + at;
        const QString line = s.line(rec);
        RecordList::LineBuilder same(rec, line);
        s.compose(same);
        FuzzInput::require(same.matches());
        const QString more = line + QLatin1Char('x');
        RecordList::LineBuilder longer(rec, more);
        s.compose(longer);
        FuzzInput::require(!longer.matches());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir(QStringLiteral("/dev/shm/lunaresca-fuzz-XXXXXX"));
    ProgramFolder::setForTests(dir.path());
    const QList<QByteArray> parts = FuzzInput::pieces(FuzzInput::bytes(data, size), '\x1E');
    const QByteArray archive = parts.value(0);
    for (const QString &path : {registroPath(), clientiPath()}) {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(archive) != archive.size())
            return 0;
    }
    RecordList::SearchFilters bookingKeys, guestKeys;
    const QList<QByteArray> keys = FuzzInput::pieces(parts.value(1));
    for (size_t i = 0; i < 10; ++i) {
        const QString key = FuzzInput::text(keys.value(qsizetype(i)));
        bookingKeys.add(BookingSearch::filters()[i].field, key);
        guestKeys.add(GuestSearch::filters()[i].field, key);
    }
    const QDate today(2026, 12, 9);
    using K = DailyLists::Kind;
    for (K k : {K::ArrivalsToday, K::DeparturesToday, K::FutureArrivals})
        check(DailyLists::source(k, today), archive);
    check(BookingSearch::source(bookingKeys), archive);
    check(GuestSearch::searchSource(guestKeys), archive);
    check(GuestSearch::flaggedSource(), archive);
    return 0;
}
