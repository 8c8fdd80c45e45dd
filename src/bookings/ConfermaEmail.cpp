#include "bookings/ConfermaEmail.h"

#include "base/Text.h"

#include <QUrl>

namespace ConfermaEmail {

Missing missing(const Booking &b)
{
    if (Text::isBlank(b.email))
        return Missing::Email;
    if (Text::isBlank(b.cognome))
        return Missing::Cognome;
    return Missing::Nothing;
}

QString missingText(Missing m)
{
    switch (m) {
    case Missing::Email:
        return QStringLiteral("Attenzione: per inviare la conferma di prenotazione al cliente è necessario indicare "
                              "l'indirizzo di posta elettronica.");
    case Missing::Cognome:
        return QStringLiteral("Attenzione: per inviare la conferma di prenotazione è necessario indicare il cognome "
                              "del cliente.");
    case Missing::Nothing:
        break;
    }
    return QString();
}

QString subject() { return QStringLiteral("Conferma prenotazione"); }

QString body(const Booking &b)
{
    auto t = [](const QString &s) { return Text::trimmed(s); };
    const QStringList pieces = {
        QStringLiteral("Gentile Cliente, la presente è per confermarle che la sua prenotazione presso la nostra "
                       "struttura ricettiva, effettuata a nome di "),
        t(b.nome),
        QStringLiteral(" "),
        t(b.cognome),
        QStringLiteral(", è stata accettata. Le ricordiamo che la sua permanenza avrà una durata di"),
        QStringLiteral(" giorni "),
        t(b.giorni),
        QStringLiteral(" con arrivo in data "),
        t(b.dataEnt),
        QStringLiteral(" alle ore "),
        t(b.oraEnt),
        QStringLiteral(" e partenza in"),
        QStringLiteral(" data "),
        t(b.dataUsc),
        QStringLiteral(" alle ore "),
        t(b.oraUsc),
        QStringLiteral(". La prenotazione è per n. "),
        t(b.adulti),
        QStringLiteral(" adulti"),
        QStringLiteral(" e n. "),
        t(b.bambini),
        QStringLiteral(" bambini e la tariffa applicata è la seguente: "),
        t(b.tariffa),
        QStringLiteral(" (supplementi: "),
        t(b.supplementi),
        QStringLiteral("). Per"),
        QStringLiteral(" modificare o disdire la sua prenotazione, è sufficiente che trasmetta una comunicazione a "
                       "questo indirizzo e-mail entro 48 ore prima"),
        QStringLiteral(" del giorno di arrivo. In caso di disdetta della prenotazione oltre i termini previsti o di "
                       "mancato arrivo presso la nostra struttura, le sarà addebitato"),
        QStringLiteral(" l'importo corrispondente ad un pernottamento. Ringraziandola per la preferenza accordataci, "
                       "le porgiamo cordiali saluti."),
    };
    return pieces.join(QString());
}

QString link(const Booking &b)
{
    auto enc = [](const QString &s, const QByteArray &keep = {}) {
        return QString::fromLatin1(QUrl::toPercentEncoding(s, keep));
    };
    // The address keeps "@" and the separators of several recipients readable.
    const QString to = enc(Text::trimmed(b.email), QByteArrayLiteral("@,+"));
    return QStringLiteral("\"mailto:") + to + QStringLiteral("?subject=") + enc(subject()) + QStringLiteral("&body=")
           + enc(body(b)) + QLatin1Char('"');
}

} // namespace ConfermaEmail
