#pragma once
#include "output/CardExports.h"
#include "report/Report.h"

#include <QDateTime>
#include <QString>

struct TCliente;
struct TVisita;

// The three one-page forms printed from the cards: the guest card, the bill and the booking
// card in two copies. Each is laid out in millimetres from the top-left corner of the printable
// area of a portrait A4 page with 10 mm margins, filled with the values as shown on screen,
// trimmed, and a footer with the day and time of printing.
namespace CardPrints {

// "Stampa eseguita in data dd/mm/yyyy alle ore hh:mm:ss".
QString printNote(const QDateTime &when);

Report::Document guestCard(const TCliente &card, const QDateTime &when);
Report::Document bill(const Bill &bill, const QDateTime &when);
Report::Document bookingCard(const TVisita &booking, const QDateTime &when);

// The sixteen values of each copy of the booking card, top to bottom.
QStringList bookingValues(const TVisita &booking);

} // namespace CardPrints
