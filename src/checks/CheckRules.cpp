#include "checks/CheckRules.h"

#include "base/Text.h"

#include <array>

namespace {

const QString ParagraphBreak = QStringLiteral("\r\n\r\n");

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

} // namespace

namespace CodFiscCheck {

namespace {
// Odd-position values of "0".."9" and of "A".."J" (the same ten values), then of "K".."Z".
constexpr std::array<int, 10> OddFirstTen = {1, 0, 5, 7, 9, 13, 15, 17, 19, 21};
constexpr std::array<int, 16> OddFromK = {2, 4, 18, 20, 11, 3, 6, 8, 12, 14, 16, 10, 22, 25, 24, 23};
} // namespace

int oddValue(QChar ch)
{
    const char16_t c = ch.unicode();
    if (c >= u'0' && c <= u'9')
        return OddFirstTen[c - u'0'];
    if (c >= u'A' && c <= u'J')
        return OddFirstTen[c - u'A'];
    if (c >= u'K' && c <= u'Z')
        return OddFromK[c - u'K'];
    // The punctuation between "9" and "A" counts nothing in either table.
    return (c > u'9' && c < u'A') ? 0 : -1;
}

int evenValue(QChar ch)
{
    const char16_t c = ch.unicode();
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'Z')
        return c - u'A';
    return (c > u'9' && c < u'A') ? 0 : -1;
}

QChar checkLetter(QStringView code)
{
    if (code.size() < 15)
        return QChar();
    int sum = 0;
    for (int i = 0; i < 15; ++i) {
        // Positions count from 1, so index 0 is the first odd position.
        const int v = (i % 2 == 0) ? oddValue(code[i]) : evenValue(code[i]);
        if (v < 0)
            return QChar();
        sum += v;
    }
    return QChar(char16_t(u'A' + sum % 26));
}

bool isValid(QStringView code)
{
    if (code.size() != 16)
        return false;
    const QChar expected = checkLetter(code);
    return !expected.isNull() && code[15] == expected;
}

Checks::Verdict verdict(QStringView fieldText)
{
    const QString code = Text::upperAscii(fieldText);
    if (code.size() != 16)
        return {Checks::Outcome::Incomplete,
                QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.")};
    if (isValid(code))
        return {Checks::Outcome::Valid, QStringLiteral("Il codice fiscale digitato è VALIDO.")};
    return {Checks::Outcome::Wrong, QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO.")};
}

} // namespace CodFiscCheck

namespace PartitaIvaCheck {

namespace {

struct Office {
    const char16_t *code;
    const char16_t *name;
};

// The provincial VAT offices by the code in digits 8 to 10 of the number.
constexpr Office Offices[] = {
    // clang-format off
    {u"001", u"Torino"}, {u"002", u"Vercelli"}, {u"003", u"Novara"}, {u"004", u"Cuneo"},
    {u"005", u"Asti"}, {u"006", u"Alessandria"}, {u"007", u"Aosta"}, {u"008", u"Imperia"},
    {u"009", u"Savona"}, {u"010", u"Genova 1"}, {u"011", u"La Spezia"}, {u"012", u"Varese"},
    {u"013", u"Como"}, {u"014", u"Sondrio"}, {u"015", u"Milano 1"}, {u"016", u"Bergamo"},
    {u"017", u"Brescia 1"}, {u"018", u"Pavia"}, {u"019", u"Cremona"}, {u"020", u"Mantova"},
    {u"021", u"Bolzano"}, {u"022", u"Trento"}, {u"023", u"Verona"}, {u"024", u"Vicenza"},
    {u"025", u"Belluno"}, {u"026", u"Treviso"}, {u"027", u"Venezia"}, {u"028", u"Padova"},
    {u"029", u"Rovigo"}, {u"030", u"Udine"}, {u"031", u"Gorizia"}, {u"032", u"Trieste"},
    {u"033", u"Piacenza"}, {u"034", u"Parma"}, {u"035", u"Reggio Emilia"}, {u"036", u"Modena"},
    {u"037", u"Bologna 1"}, {u"038", u"Ferrara"}, {u"039", u"Ravenna"}, {u"040", u"Forlì"},
    {u"041", u"Pesaro"}, {u"042", u"Ancona"}, {u"043", u"Macerata"}, {u"044", u"Ascoli Piceno"},
    {u"045", u"Massa Carrara"}, {u"046", u"Lucca"}, {u"047", u"Pistoia"}, {u"048", u"Firenze 1"},
    {u"049", u"Livorno"}, {u"050", u"Pisa"}, {u"051", u"Arezzo"}, {u"052", u"Siena"},
    {u"053", u"Grosseto"}, {u"054", u"Perugia"}, {u"055", u"Terni"}, {u"056", u"Viterbo"},
    {u"057", u"Rieti"}, {u"058", u"Roma 1"}, {u"059", u"Latina"}, {u"060", u"Frosinone"},
    {u"061", u"Caserta"}, {u"062", u"Benevento"}, {u"063", u"Napoli 1"}, {u"064", u"Avellino"},
    {u"065", u"Salerno"}, {u"066", u"Aquila"}, {u"067", u"Teramo"}, {u"068", u"Pescara"},
    {u"069", u"Chieti"}, {u"070", u"Campobasso"}, {u"071", u"Foggia"}, {u"072", u"Bari"},
    {u"073", u"Taranto"}, {u"074", u"Brindisi"}, {u"075", u"Lecce"}, {u"076", u"Potenza"},
    {u"077", u"Matera"}, {u"078", u"Cosenza"}, {u"079", u"Catanzaro"}, {u"080", u"Reggio Calabria"},
    {u"081", u"Trapani"}, {u"082", u"Palermo"}, {u"083", u"Messina"}, {u"084", u"Agrigento"},
    {u"085", u"Caltanissetta"}, {u"086", u"Enna"}, {u"087", u"Catania"}, {u"088", u"Ragusa"},
    {u"089", u"Siracusa"}, {u"090", u"Sassari"}, {u"091", u"Nuoro"}, {u"092", u"Cagliari"},
    {u"093", u"Pordenone"}, {u"094", u"Isernia"}, {u"095", u"Oristano"}, {u"096", u"Monza (Milano 2)"},
    {u"097", u"Prato (Firenze 2)"}, {u"098", u"Brescia 2"}, {u"099", u"Chiavari (Genova 2)"},
    {u"100", u"Roma 2"}, {u"101", u"Bologna 2"}, {u"102", u"Napoli 2"},
    // clang-format on
    // Later codes of two offices that already had one.
    {u"120", u"Bologna 2"},
    {u"121", u"Napoli 2"},
};

} // namespace

bool isValid(QStringView number)
{
    if (number.size() != 11)
        return false;
    for (QChar c : number)
        if (!isDigit(c))
            return false;
    int sum = 0;
    for (int i = 0; i < 10; ++i) {
        const int d = number[i].unicode() - u'0';
        if (i % 2 == 0) {
            sum += d;
        } else {
            const int twice = 2 * d;
            sum += twice / 10 + twice % 10;
        }
    }
    const int r = sum % 10;
    const int check = r == 0 ? 0 : 10 - r;
    return number[10].unicode() - u'0' == check;
}

QString officeName(QStringView code)
{
    for (const Office &o : Offices)
        if (code == QStringView(o.code))
            return QString::fromUtf16(o.name);
    return QString();
}

int officeCount() { return int(std::size(Offices)); }

Checks::Verdict verdict(QStringView fieldText)
{
    const QString number = Text::upperAscii(fieldText);
    if (number.size() != 11)
        return {Checks::Outcome::Incomplete,
                QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.")};
    if (!isValid(number))
        return {Checks::Outcome::Wrong,
                QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!") + ParagraphBreak
                    + QStringLiteral("Non è quindi possibile fornire informazioni relative all'Ufficio IVA che lo ha "
                                     "rilasciato.")};
    const QString code = number.mid(7, 3);
    const QString office = officeName(code);
    const QString head = QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.") + ParagraphBreak;
    if (office.isEmpty())
        // Numbers are issued under office codes newer than the table: say so rather than name nothing.
        return {Checks::Outcome::Valid,
                head
                    + QStringLiteral("Il codice dell'Ufficio IVA che lo ha rilasciato (%1) non corrisponde ad "
                                     "alcun ufficio conosciuto.")
                          .arg(code)};
    return {Checks::Outcome::Valid,
            head + QStringLiteral("E' stato rilasciato dall'Ufficio IVA del Comune di ") + office + u'.'};
}

} // namespace PartitaIvaCheck

namespace IbanCheck {

QString lettersToDigits(QStringView text)
{
    QString out;
    out.reserve(text.size() * 2);
    for (QChar c : text) {
        if (c >= u'A' && c <= u'Z')
            out += QString::number(c.unicode() - u'A' + 10);
        else
            out += c;
    }
    return out;
}

int mod97(QStringView iban)
{
    QString text = Text::upperAscii(iban);
    const qsizetype marker = text.indexOf(QStringLiteral("IBAN"));
    if (marker >= 0)
        text.remove(marker, 4);
    const qsizetype head = qMin<qsizetype>(4, text.size());
    text = text.mid(head) + text.left(head);
    const QString digits = lettersToDigits(text);
    for (QChar c : digits)
        if (!isDigit(c))
            return 0;

    // Carry and piece together never exceed nine digits, so every step fits an int.
    int remainder = 0;
    QString carry;
    qsizetype pos = 0, piece = 9;
    while (pos < digits.size()) {
        piece = qMin(piece, digits.size());
        carry += digits.mid(pos, piece);
        remainder = carry.toInt() % 97;
        pos += piece;
        carry = QString::number(remainder);
        piece = 9 - carry.size();
    }
    return remainder;
}

bool isValid(QStringView iban)
{
    QString compact = iban.toString();
    compact.remove(u' ');
    return mod97(compact) == 1;
}

Checks::Verdict verdict(QStringView fieldText)
{
    const QString iban = Text::trimmed(fieldText);
    if (iban.size() != 27)
        return {Checks::Outcome::Incomplete,
                QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.")};
    if (isValid(iban))
        return {Checks::Outcome::Valid, QStringLiteral("L'IBAN digitato è VALIDO.")};
    return {Checks::Outcome::Wrong, QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!")};
}

} // namespace IbanCheck

namespace CartaCheck {

QString digitsOf(QStringView text)
{
    QString out;
    for (QChar c : text.left(20))
        if (isDigit(c))
            out += c;
    return out;
}

bool luhn(QStringView digits)
{
    if (digits.isEmpty())
        return false;
    const qsizetype n = digits.size();
    int sum = 0;
    bool twice = true; // the digit just left of the check digit is doubled
    for (qsizetype i = n - 2; i >= 0; --i, twice = !twice) {
        int v = digits[i].unicode() - u'0';
        if (twice) {
            v *= 2;
            if (v >= 10)
                v -= 9;
        }
        sum += v;
    }
    const int expected = (10 - sum % 10) % 10;
    return digits[n - 1].unicode() - u'0' == expected;
}

QString brand(QStringView fieldText)
{
    const QString digits = digitsOf(fieldText);
    if (digits.isEmpty())
        return QString();
    switch (digits[0].unicode()) {
    case u'3': {
        // The groups of the 3-series go by the first two characters as typed.
        const QString two = Text::trimmed(fieldText).left(2);
        if (two == u"30" || two == u"36" || two == u"38")
            return QStringLiteral("Diner's Club / Carte Blanche");
        if (two == u"34" || two == u"37")
            return QStringLiteral("American Express");
        if (two == u"31" || two == u"33" || two == u"35")
            return QStringLiteral("JCB");
        return QString();
    }
    case u'4':
        return QStringLiteral("Visa");
    case u'5':
        return QStringLiteral("MasterCard");
    case u'6':
        return QStringLiteral("Discover");
    case u'2': {
        // MasterCard also issues numbers beginning 2221 to 2720.
        const int lead = digits.size() >= 4 ? digits.left(4).toInt() : 0;
        return (lead >= 2221 && lead <= 2720) ? QStringLiteral("MasterCard") : QString();
    }
    default:
        return QString();
    }
}

Checks::Verdict verdict(QStringView fieldText)
{
    const QString shown = Text::trimmed(fieldText);
    if (shown.isEmpty())
        return {Checks::Outcome::Incomplete,
                QStringLiteral("Attenzione: immettere il numero di carta di credito prima di premere il pulsante di "
                               "controllo.")};
    const QString digits = digitsOf(fieldText);
    const QString valid =
        QStringLiteral("Il numero di carta di credito ") + shown + QStringLiteral(" risulta valido.") + ParagraphBreak;
    if (luhn(digits)) {
        const QString b = brand(fieldText);
        if (!b.isEmpty())
            return {Checks::Outcome::Valid, valid + QStringLiteral("La carta di credito è del tipo ") + b + u'.'};
        // A 3-series number outside the known groups: valid, but its brand is unknown.
        if (digits[0] == u'3')
            return {Checks::Outcome::Valid,
                    valid + QStringLiteral("Non è possibile stabilire il tipo della carta di credito.")};
    }
    return {Checks::Outcome::Wrong, QStringLiteral("Attenzione: il numero digitato risulta ERRATO!") + ParagraphBreak
                                        + QStringLiteral("Non è quindi possibile fornire informazioni relative al "
                                                         "tipo di carta di credito.")};
}

} // namespace CartaCheck
