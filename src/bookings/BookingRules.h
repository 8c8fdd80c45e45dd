#pragma once
#include <QString>

#include <optional>

// The rules of the booking card that need no screen: the checks before a save and the
// small normalisations of days and sex.
namespace BookingRules {

// The card's texts the save checks look at, as they stand in the fields.
struct SaveInput {
    QString dataEnt, giorni, cognome, nome, dataUsc;
};

struct Refusal {
    enum class Box { Warning, Plain };
    Box box;
    QString text;
    // The field that gets the focus; empty when the focus stays where it was.
    QString focus;
};

// The first check that fails, in the card's fixed order; nothing when the card may be saved.
std::optional<Refusal> checkSave(const SaveInput &in);

// Days of one character get a leading "0" ("3" becomes "03"); anything else stays as it is.
QString twoDigitDays(const QString &days);
// The sex code is the first character of the chosen item ("1" for "1) M"); empty for no choice.
QString sexCode(const QString &sesso);

} // namespace BookingRules
