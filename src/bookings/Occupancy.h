#pragma once
#include "base/RecordList.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

// The occupancy of the rooms over the booking register: which room is taken on which night and
// by whom. One pass over Registro.pro decodes only room, dates, names, persons and the flag; the
// tableau and its print ask for any range of days from the result without reading it again.
namespace Occupancy {

// A booking that takes its room for the nights from its arrival to the day before its departure.
struct Stay {
    qint64 position = 0; // in Registro.pro
    int room = -1;       // row in Plan::rooms
    qint64 arrival = 0;  // Julian day numbers; departure is the first night not taken
    qint64 departure = 0;
    // "Surname Name" in Plan::labels.
    qint32 labelAt = 0, labelLength = 0;
    int adults = 0, children = 0;
    // Shares at least one night of its room with another stay.
    bool overbooked = false;

    QDate arrivalDate() const { return QDate::fromJulianDay(arrival); }
    QDate departureDate() const { return QDate::fromJulianDay(departure); }
    int nights() const { return int(departure - arrival); }
    int persons() const { return adults + children; }
};

enum class When { Past, InHouse, Future };
// Past: gone before today; in house: today is one of its nights; future: not arrived yet.
When whenOf(const Stay &s, const QDate &today);

// The rooms in row order: numbers in numeric order, then names in alphabetical order.
bool roomLess(const QString &a, const QString &b);

struct Plan {
    // Every distinct room of the register, trimmed, in row order (cancelled bookings count:
    // their room is still a room of the house).
    QStringList rooms;
    // The stays grouped by room in row order, each room's by arrival.
    std::vector<Stay> stays;
    // The stays of room r are stays[roomStart[r]] up to stays[roomStart[r + 1]].
    std::vector<qsizetype> roomStart;
    // The latest departure among a room's stays up to and including this one, so the stays
    // reaching into a range are found by halving instead of walking from the first.
    std::vector<qint64> reach;
    // The stays' labels one after the other: one block instead of two texts per booking.
    QString labels;
    // Valid bookings whose dates cannot be read or whose departure is not after the arrival:
    // nothing is painted for them; their positions, in file order.
    std::vector<qint64> invalid;
    // False when the register failed part way; what was read before stays.
    bool complete = true;

    int roomCount() const { return int(rooms.size()); }
    // Surname and first name of a stay.
    QString label(const Stay &s) const { return labels.mid(s.labelAt, s.labelLength); }
};

// Builds a plan from records handed in file order.
class Builder {
public:
    Builder();
    void reserve(qint64 records);
    void add(qint64 position, const char *record);
    Plan finish();

private:
    Plan m_plan;
    std::vector<Stay> m_stays;           // rooms as first met
    QHash<QByteArrayView, int> m_roomOf; // views of m_roomBytes
    std::vector<QByteArray> m_roomBytes;
};

// One pass over the register at `path` (created empty when missing).
Plan read(const QString &path);

// What a range of days shows.
struct Window {
    QDate first;
    int days = 0;
    // Per room, the indices (into Plan::stays) of the stays with a night in the range.
    std::vector<std::vector<qsizetype>> visible;
    // The lane of each visible stay (parallel to `visible`) and the lanes each room needs:
    // overlapping stays share the row one above the other.
    std::vector<std::vector<int>> lane;
    std::vector<int> lanes;
    // Per day: rooms taken, persons (adults and children) staying that night.
    std::vector<int> occupiedRooms;
    std::vector<int> persons;
    // Per day and room, how many stays take the night, room-major (room * days + day).
    std::vector<int> takers;
    // Room-nights of the range taken by more than one stay.
    int overbookedRoomNights = 0;

    int dayIndex(const QDate &d) const { return int(first.daysTo(d)); }
    int takersAt(int room, int day) const { return takers[size_t(room) * size_t(days) + size_t(day)]; }
};

Window window(const Plan &plan, const QDate &first, int days);

// The stay of `room` that takes the night `day` (in `lane` when it is not negative); -1 when
// the night is free.
qsizetype stayAt(const Plan &plan, const Window &w, int room, int day, int lane = -1);

// The hover text of a stay; rate and mobile come from its record.
QString details(const Plan &plan, const Stay &s, const QString &rate, const QString &mobile);

// A valid booking (flag "No") that no bar can show: a date that cannot be read, or a departure
// not after the arrival.
bool hasInvalidDates(const char *record);
// The list of those bookings in Registro.pro, one line each (name, room, the two dates as typed).
RecordList::Source invalidSource();

// The count line under the grid: "N prenotazioni con date non valide".
QString invalidText(qsizetype n);

} // namespace Occupancy
