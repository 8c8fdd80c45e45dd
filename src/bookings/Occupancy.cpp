#include "bookings/Occupancy.h"

#include "base/Cp1252.h"
#include "base/Dates.h"
#include "base/RecordFile.h"
#include "base/RecordList.h"
#include "base/Text.h"
#include "bookings/Visita.h"

#include <algorithm>
#include <numeric>

namespace Occupancy {

namespace F = VisitaField;

namespace {

// A date field read as the card writes it (dd/mm/yyyy, a real day), straight from the bytes;
// 0 when it is not one. Same rule as Dates::parse.
qint64 dayOf(const char *record, FieldSpec f)
{
    const QByteArrayView t = TextField::trimmedBytes(record, f);
    if (t.size() != 10 || t[2] != '/' || t[5] != '/')
        return 0;
    int v[3] = {0, 0, 0};
    const int starts[3] = {0, 3, 6}, lens[3] = {2, 2, 4};
    for (int k = 0; k < 3; ++k)
        for (int i = 0; i < lens[k]; ++i) {
            const char c = t[starts[k] + i];
            if (c < '0' || c > '9')
                return 0;
            v[k] = v[k] * 10 + (c - '0');
        }
    if (v[2] == 0)
        return 0;
    const QDate d(v[2], v[1], v[0]);
    return d.isValid() ? d.toJulianDay() : 0;
}

// Adults and children: the digits of the field, nothing for anything else.
int countOf(const char *record, FieldSpec f)
{
    const QByteArrayView t = TextField::trimmedBytes(record, f);
    int n = 0;
    for (char c : t) {
        if (c < '0' || c > '9')
            return 0;
        n = n * 10 + (c - '0');
    }
    return n;
}

void appendText(QString &to, const char *record, FieldSpec f)
{
    const QByteArrayView t = TextField::trimmedBytes(record, f);
    for (char c : t)
        to.append(Cp1252::byteToChar(static_cast<unsigned char>(c)));
}

bool placeable(qint64 in, qint64 out) { return in != 0 && out != 0 && out > in; }

bool isNumber(QStringView s)
{
    if (s.isEmpty())
        return false;
    for (QChar c : s)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

} // namespace

When whenOf(const Stay &s, const QDate &today)
{
    const qint64 t = today.toJulianDay();
    if (s.departure <= t)
        return When::Past;
    if (s.arrival <= t)
        return When::InHouse;
    return When::Future;
}

bool roomLess(const QString &a, const QString &b)
{
    const bool na = isNumber(a), nb = isNumber(b);
    if (na != nb)
        return na;
    if (na) {
        // Any number of digits: without leading zeros the longer is the larger.
        QStringView x(a), y(b);
        while (x.size() > 1 && x[0] == u'0')
            x = x.sliced(1);
        while (y.size() > 1 && y[0] == u'0')
            y = y.sliced(1);
        if (x.size() != y.size())
            return x.size() < y.size();
        const int c = x.compare(y);
        if (c != 0)
            return c < 0;
        return a < b; // "07" and "7": two rooms, always in the same order
    }
    const int c = Text::compareListOrder(a, b);
    return c != 0 ? c < 0 : a < b;
}

Builder::Builder() { m_stays.reserve(1024); }

void Builder::reserve(qint64 records)
{
    const size_t n = size_t(qBound(qint64(0), records, qint64(1) << 22));
    m_stays.reserve(n);
    m_plan.labels.reserve(qsizetype(n) * 16);
}

void Builder::add(qint64 position, const char *record)
{
    const QByteArrayView room = TextField::trimmedBytes(record, F::Camera);
    int r = -1;
    if (!room.isEmpty()) {
        auto it = m_roomOf.constFind(room);
        if (it == m_roomOf.constEnd()) {
            r = int(m_roomBytes.size());
            m_roomBytes.push_back(room.toByteArray());
            // The view points into the stored bytes, which stay where they are.
            m_roomOf.insert(QByteArrayView(m_roomBytes.back()), r);
        } else {
            r = *it;
        }
    }
    if (!RecordList::fieldEquals(record, F::Disdetta, "No"))
        return;
    const qint64 in = dayOf(record, F::DataEnt), out = dayOf(record, F::DataUsc);
    if (!placeable(in, out)) {
        m_plan.invalid.push_back(position);
        return;
    }
    // A booking without a room has no row to stand in.
    if (r < 0)
        return;
    Stay s;
    s.position = position;
    s.room = r;
    s.arrival = in;
    s.departure = out;
    QString &labels = m_plan.labels;
    s.labelAt = qint32(labels.size());
    appendText(labels, record, F::Cognome);
    labels.append(QLatin1Char(' '));
    appendText(labels, record, F::Nome);
    s.labelLength = qint32(labels.size()) - s.labelAt;
    s.adults = countOf(record, F::Adulti);
    s.children = countOf(record, F::Bambini);
    m_stays.push_back(std::move(s));
}

Plan Builder::finish()
{
    Plan plan = std::move(m_plan);
    const int n = int(m_roomBytes.size());
    const size_t rooms = m_roomBytes.size();
    std::vector<QString> names(rooms);
    for (int r = 0; r < n; ++r)
        names[size_t(r)] = Cp1252::toUnicode(m_roomBytes[size_t(r)]);
    std::vector<int> order(rooms);
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) { return roomLess(names[size_t(a)], names[size_t(b)]); });
    std::vector<int> rowOf(rooms);
    for (int row = 0; row < n; ++row) {
        rowOf[size_t(order[size_t(row)])] = row;
        plan.rooms.append(names[size_t(order[size_t(row)])]);
    }
    for (Stay &s : m_stays)
        s.room = rowOf[size_t(s.room)];
    std::sort(m_stays.begin(), m_stays.end(), [](const Stay &a, const Stay &b) {
        if (a.room != b.room)
            return a.room < b.room;
        if (a.arrival != b.arrival)
            return a.arrival < b.arrival;
        return a.position < b.position;
    });
    plan.stays = std::move(m_stays);
    plan.roomStart.assign(size_t(n) + 1, 0);
    for (const Stay &s : plan.stays)
        ++plan.roomStart[size_t(s.room) + 1];
    for (int r = 0; r < n; ++r)
        plan.roomStart[size_t(r) + 1] += plan.roomStart[size_t(r)];
    plan.reach.resize(plan.stays.size());
    for (int r = 0; r < n; ++r) {
        // The stay reaching furthest so far overlaps every later one that arrives before it
        // leaves, and one that does not overlap it overlaps none of the earlier ones.
        qsizetype furthest = -1;
        for (qsizetype i = plan.roomStart[size_t(r)]; i < plan.roomStart[size_t(r) + 1]; ++i) {
            Stay &s = plan.stays[size_t(i)];
            if (furthest >= 0 && s.arrival < plan.stays[size_t(furthest)].departure) {
                s.overbooked = true;
                plan.stays[size_t(furthest)].overbooked = true;
            }
            if (furthest < 0 || s.departure > plan.stays[size_t(furthest)].departure)
                furthest = i;
            plan.reach[size_t(i)] = plan.stays[size_t(furthest)].departure;
        }
    }
    m_roomOf.clear();
    m_roomBytes.clear();
    return plan;
}

Plan read(const QString &path)
{
    Builder b;
    bool complete = true;
    try {
        RecordFile f(path, TVisita::Size);
        f.open();
        b.reserve(f.count());
        f.scan([&](qint64 position, const char *rec) {
            b.add(position, rec);
            return true;
        });
    } catch (const ArchiveError &) {
        complete = false;
    }
    Plan plan = b.finish();
    plan.complete = complete;
    return plan;
}

Window window(const Plan &plan, const QDate &first, int days)
{
    Window w;
    w.first = first;
    w.days = qMax(0, days);
    const int rooms = plan.roomCount();
    w.visible.resize(size_t(rooms));
    w.lane.resize(size_t(rooms));
    w.lanes.assign(size_t(rooms), 1);
    w.occupiedRooms.assign(size_t(w.days), 0);
    w.persons.assign(size_t(w.days), 0);
    w.takers.assign(size_t(rooms) * size_t(w.days), 0);
    const qint64 from = first.toJulianDay(), to = from + w.days;
    for (int r = 0; r < rooms; ++r) {
        const auto begin = plan.stays.begin() + plan.roomStart[size_t(r)];
        const auto end = plan.stays.begin() + plan.roomStart[size_t(r) + 1];
        // The first stay whose reach passes the range's first night, and the first that
        // arrives after its last.
        const auto reachBegin = plan.reach.begin() + plan.roomStart[size_t(r)];
        const auto reachEnd = plan.reach.begin() + plan.roomStart[size_t(r) + 1];
        const qsizetype lo = plan.roomStart[size_t(r)] + (std::upper_bound(reachBegin, reachEnd, from) - reachBegin);
        const auto hiIt = std::lower_bound(begin, end, to, [](const Stay &s, qint64 day) { return s.arrival < day; });
        const qsizetype hi = hiIt - plan.stays.begin();
        std::vector<qint64> laneEnds;
        for (qsizetype i = lo; i < hi; ++i) {
            const Stay &s = plan.stays[size_t(i)];
            if (s.departure <= from)
                continue;
            int lane = 0;
            while (lane < int(laneEnds.size()) && laneEnds[size_t(lane)] > s.arrival)
                ++lane;
            if (lane == int(laneEnds.size()))
                laneEnds.push_back(s.departure);
            else
                laneEnds[size_t(lane)] = s.departure;
            w.visible[size_t(r)].push_back(i);
            w.lane[size_t(r)].push_back(lane);
            const int a = int(qMax(s.arrival, from) - from), b = int(qMin(s.departure, to) - from);
            for (int d = a; d < b; ++d) {
                ++w.takers[size_t(r) * size_t(w.days) + size_t(d)];
                w.persons[size_t(d)] += s.persons();
            }
        }
        w.lanes[size_t(r)] = qMax(1, int(laneEnds.size()));
        for (int d = 0; d < w.days; ++d) {
            const int t = w.takersAt(r, d);
            if (t > 0)
                ++w.occupiedRooms[size_t(d)];
            if (t > 1)
                ++w.overbookedRoomNights;
        }
    }
    return w;
}

qsizetype stayAt(const Plan &plan, const Window &w, int room, int day, int lane)
{
    if (room < 0 || room >= int(w.visible.size()) || day < 0 || day >= w.days)
        return -1;
    const qint64 night = w.first.toJulianDay() + day;
    const auto &vis = w.visible[size_t(room)];
    for (size_t k = 0; k < vis.size(); ++k) {
        const Stay &s = plan.stays[size_t(vis[k])];
        if (s.arrival <= night && night < s.departure && (lane < 0 || w.lane[size_t(room)][k] == lane))
            return vis[k];
    }
    return -1;
}

QString details(const Plan &plan, const Stay &s, const QString &rate, const QString &mobile)
{
    QString t = plan.label(s) + QStringLiteral(": dal ") + Dates::format(s.arrivalDate()) + QStringLiteral(" al ")
                + Dates::format(s.departureDate()) + QStringLiteral(", ") + QString::number(s.nights())
                + (s.nights() == 1 ? QStringLiteral(" notte") : QStringLiteral(" notti")) + QStringLiteral("; adulti ")
                + QString::number(s.adults) + QStringLiteral(", bambini ") + QString::number(s.children);
    if (!rate.isEmpty())
        t += QStringLiteral("; tariffa: ") + rate;
    if (!mobile.isEmpty())
        t += QStringLiteral("; cellulare: ") + mobile;
    return t;
}

bool hasInvalidDates(const char *record)
{
    return RecordList::fieldEquals(record, F::Disdetta, "No")
           && !placeable(dayOf(record, F::DataEnt), dayOf(record, F::DataUsc));
}

RecordList::Source invalidSource()
{
    static const auto compose = [](RecordList::LineBuilder &b) {
        b.name(F::Cognome, F::Nome, 30)
            .text(QLatin1StringView("  Camera: "))
            .padded(F::Camera, 20)
            .text(QLatin1StringView("  Arrivo: "))
            .padded(F::DataEnt, 10)
            .text(QLatin1StringView("  Partenza: "))
            .field(F::DataUsc);
    };
    return {registroPath(), TVisita::Size, [](const char *rec) { return hasInvalidDates(rec); },
            [](const char *rec) {
                RecordList::LineBuilder b(rec);
                compose(b);
                return b.take();
            },
            compose};
}

QString invalidText(qsizetype n) { return QString::number(n) + QStringLiteral(" prenotazioni con date non valide"); }

} // namespace Occupancy
