#include "bookings/BookingRules.h"

#include "base/Dates.h"
#include "base/Text.h"

namespace BookingRules {

namespace {

// Line feed before carriage return, as every paragraph break of the card's messages.
const QString kBreak = QStringLiteral("\n\r\n\r");

Refusal warning(const QString &text, const QString &focus) { return {Refusal::Box::Warning, text, focus}; }

Refusal badDate(const QString &which, const QString &date, const QString &focus)
{
    return {Refusal::Box::Plain,
            QStringLiteral("Attenzione: la data di ") + which + QLatin1Char(' ') + date + QStringLiteral(" non esiste.")
                + kBreak
                + QStringLiteral(
                    "Per poter salvare la scheda è necessario indicare una data valida nel formato gg/mm/aaaa."),
            focus};
}

} // namespace

std::optional<Refusal> checkSave(const SaveInput &in)
{
    const QString ent = Text::trimmed(in.dataEnt);
    const QString usc = Text::trimmed(in.dataUsc);
    if (ent.isEmpty())
        return warning(QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la data di arrivo."),
                       QStringLiteral("txtDataEnt"));
    const auto arrival = Dates::parse(ent);
    if (!arrival)
        return badDate(QStringLiteral("arrivo"), ent, QStringLiteral("txtDataEnt"));
    if (Text::isBlank(in.giorni))
        return warning(QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il numero dei giorni di "
                                      "permanenza."),
                       QStringLiteral("txtGiorni"));
    if (Text::isBlank(in.cognome))
        return warning(
            QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il cognome del cliente."),
            QStringLiteral("txtCognome"));
    if (Text::isBlank(in.nome))
        return warning(QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il nome del cliente."),
                       QStringLiteral("txtNome"));
    if (usc.isEmpty())
        return warning(QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la data di partenza."),
                       QStringLiteral("txtDataUsc"));
    const auto departure = Dates::parse(usc);
    if (!departure)
        return badDate(QStringLiteral("partenza"), usc, QStringLiteral("txtDataUsc"));
    if (*arrival > *departure)
        return Refusal{Refusal::Box::Plain,
                       QStringLiteral("Attenzione: la data di partenza (") + usc
                           + QStringLiteral(") non può essere anteriore a quella di arrivo (") + ent
                           + QStringLiteral(").") + kBreak
                           + QStringLiteral("Per poter salvare la prenotazione è necessario indicare un intervallo di "
                                            "tempo valido."),
                       QString()};
    return std::nullopt;
}

QString twoDigitDays(const QString &days)
{
    const QString t = Text::trimmed(days);
    return t.size() == 1 ? QStringLiteral("0") + t : days;
}

QString sexCode(const QString &sesso)
{
    const QString t = Text::trimmed(sesso);
    return t.isEmpty() ? QString() : t.left(1);
}

} // namespace BookingRules
