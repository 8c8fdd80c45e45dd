#pragma once
#include "output/Export.h"
#include "output/RecordGrid.h"

#include <QString>

#include <array>

// The bill as the bill panel shows it: its title, thirty lines and the total.
struct BillLine {
    QString date, description, amount;
};
struct Bill {
    QString title;
    std::array<BillLine, 30> lines;
    QString total;
};

// What the three exports write: the file and sheet names, and the columns of the two archive grids.
namespace CardExports {

inline QString guestFile() { return QStringLiteral("Clienti.xls"); }
inline QString guestWorksheet() { return QStringLiteral("Anagrafica Clienti"); }
inline QString bookingFile() { return QStringLiteral("Registro_Prenotazioni.xls"); }
inline QString bookingWorksheet() { return QStringLiteral("Registro Prenotazioni"); }
inline QString billFile() { return QStringLiteral("Conto.xls"); }
inline QString billWorksheet() { return QStringLiteral("Conto del Cliente"); }

// Columns 1 to 25 of the guest archive grid and of the booking register grid, in grid order.
const QList<RecordGridModel::Column> &guestColumns();
const QList<RecordGridModel::Column> &bookingColumns();

// The bill export: three columns, the thirty lines empty ones included, and the total row.
Export::Sheet billSheet(const Bill &bill);

} // namespace CardExports
