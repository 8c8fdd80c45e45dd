#pragma once
#include <QString>

// The booking confirmation e-mail: texts taken from the card as it stands, saved or not.
namespace ConfermaEmail {

// The card's texts the message is made of (each is trimmed when used).
struct Booking {
    QString email, cognome, nome, giorni, dataEnt, oraEnt, dataUsc, oraUsc, adulti, bambini, tariffa, supplementi;
};

enum class Missing { Nothing, Email, Cognome };
// What stops the message, the e-mail address being asked for first.
Missing missing(const Booking &b);
QString missingText(Missing m);

QString subject();
// One paragraph, no line breaks: the fixed sentences with the card's texts in their places.
QString body(const Booking &b);
// The mail link handed to the shell, enclosed in double quotes. Subject and body are
// percent-encoded (UTF-8), so an "&", "#" or "?" typed in a field cannot cut the message
// short; the mail program decodes them back to exactly the text of body().
QString link(const Booking &b);

} // namespace ConfermaEmail
