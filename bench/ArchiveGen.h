#pragma once
// Archives at the size of a busy house: 100,000 bookings (74 MB) and 50,000 guest cards
// (292 MB) with plausible contents, written into a folder of their own.
#include "base/Dates.h"
#include "base/TextField.h"
#include "bookings/Visita.h"
#include "guests/Cliente.h"

#include <QByteArray>
#include <QDate>
#include <QFile>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <random>

namespace ArchiveGen {

constexpr int kBookings = 100000;
constexpr int kGuests = 50000;

inline const QStringList &surnames()
{
    static const QStringList list = {
        // clang-format off
        "Rossi", "Russo", "Ferrari", "Esposito", "Bianchi", "Romano", "Colombo", "Ricci", "Marino", "Greco",
        "Bruno", "Gallo", "Conti", "De Luca", "Mancini", "Costa", "Giordano", "Rizzo", "Lombardi", "Moretti",
        "Barbieri", "Fontana", "Santoro", "Mariani", "Rinaldi", "Caruso", "Ferrara", "Galli", "Martini", "Leone",
        "Longo", "Gentile", "Martinelli", "Vitale", "Lombardo", "Serra", "Coppola", "De Santis", "D'Angelo",
        "Marchetti", "Parisi", "Villa", "Conte", "Ferraro", "Ferri", "Fabbri", "Bianco", "Marini", "Grasso",
        "Valentini", "Messina", "Sala", "De Angelis", "Gatti", "Pellegrini", "Palumbo", "Sanna", "Farina", "Rizzi",
        "Monti", "Cattaneo", "Morelli", "Amato", "Silvestri", "Mazza", "Testa", "Grassi", "Pellegrino", "Carbone",
        // clang-format on
        "Müller", "Schmidt", "Dubois", "García", "Smith", "Nowak", "Jansen", "Öztürk", "Kovač", "Niccolò"};
    return list;
}

inline const QStringList &names()
{
    static const QStringList list = {"Mario",    "Luca",      "Giulia", "Francesca", "Marco",  "Alessandro",
                                     "Sara",     "Chiara",    "Andrea", "Paolo",     "Anna",   "Laura",
                                     "Giuseppe", "Elena",     "Matteo", "Martina",   "Davide", "Federica",
                                     "Stefano",  "Valentina", "Zoë",    "José",      "Hélène", "Jürgen"};
    return list;
}

inline QString digits(std::mt19937 &rng, int n)
{
    QString s;
    for (int i = 0; i < n; ++i)
        s += QChar(u'0' + int(rng() % 10));
    return s;
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// Arrivals spread over five years before today and one after: about 45 a day, 5 % cancelled.
inline QByteArray bookings(const QDate &today, int count = kBookings, unsigned seed = 42)
{
    std::mt19937 rng(seed);
    namespace F = VisitaField;
    QByteArray all(qsizetype(count) * TVisita::Size, '\0');
    for (int i = 0; i < count; ++i) {
        char *r = all.data() + qsizetype(i) * TVisita::Size;
        const QDate in = today.addDays(int(rng() % 2200) - 1800);
        const int nights = 1 + int(rng() % 14);
        TextField::write(r, F::DataEnt, Dates::format(in));
        TextField::write(r, F::OraEnt, QStringLiteral("14:00"));
        TextField::write(r, F::Camera, QString::number(1 + rng() % 120));
        TextField::write(r, F::Adulti, QString::number(1 + rng() % 4));
        TextField::write(r, F::Bambini, QString::number(rng() % 3));
        TextField::write(r, F::Giorni, QStringLiteral("%1").arg(nights, 2, 10, QLatin1Char('0')));
        TextField::write(r, F::Cellulare, QStringLiteral("3") + digits(rng, 9));
        TextField::write(r, F::Cognome, surnames()[int(rng() % surnames().size())]);
        TextField::write(r, F::Nome, names()[int(rng() % names().size())]);
        TextField::write(r, F::Tipo, QStringLiteral("OSPITE SINGOLO"));
        TextField::write(r, F::CodTipo, QStringLiteral("16"));
        TextField::write(r, F::Sesso, (rng() % 2) ? QStringLiteral("1) M") : QStringLiteral("2) F"));
        TextField::write(r, F::DataNasc,
                         Dates::format(QDate(1940 + int(rng() % 60), 1 + int(rng() % 12), 1 + int(rng() % 28))));
        TextField::write(r, F::ComuneNasc, (rng() % 2) ? QStringLiteral("ROMA") : QStringLiteral("MILANO"));
        TextField::write(r, F::NumDoc, QStringLiteral("CA") + digits(rng, 5) + QStringLiteral("AB"));
        TextField::write(r, F::Email, QStringLiteral("cliente%1@esempio.it").arg(i));
        TextField::write(r, F::DataUsc, Dates::format(in.addDays(nights)));
        TextField::write(r, F::OraUsc, QStringLiteral("10:00"));
        TextField::write(r, F::Tariffa, QStringLiteral("%1 euro a notte").arg(60 + rng() % 140));
        TextField::write(r, F::Supplementi,
                         (rng() % 3) ? QString() : QStringLiteral("Culla, parcheggio coperto, colazione in camera"));
        TextField::write(r, F::Disdetta, (rng() % 20) ? QStringLiteral("No") : QStringLiteral("Sì"));
    }
    return all;
}

// Guest cards with their contacts, notes and a bill of 12 lines; 8 % flagged.
inline QByteArray guests(int count = kGuests, unsigned seed = 7)
{
    std::mt19937 rng(seed);
    namespace F = ClienteField;
    QByteArray all(qsizetype(count) * TCliente::Size, '\0');
    for (int i = 0; i < count; ++i) {
        char *r = all.data() + qsizetype(i) * TCliente::Size;
        TextField::write(r, F::Cognome, surnames()[int(rng() % surnames().size())]);
        TextField::write(r, F::Nome, names()[int(rng() % names().size())]);
        TextField::write(r, F::Sesso, QStringLiteral("1) M"));
        TextField::write(r, F::CodFisc,
                         QStringLiteral("RSSMRA") + digits(rng, 2) + QStringLiteral("A01H501")
                             + QChar(u'A' + int(rng() % 26)));
        TextField::write(r, F::Iva, digits(rng, 11));
        TextField::write(r, F::Via, QStringLiteral("Via Roma %1").arg(1 + rng() % 200));
        TextField::write(r, F::ComuneRes, QStringLiteral("FIRENZE"));
        TextField::write(r, F::Cellulare, QStringLiteral("3") + digits(rng, 9));
        TextField::write(r, F::Email, QStringLiteral("ospite%1@esempio.it").arg(i));
        TextField::write(r, F::Tipologia, (rng() % 2) ? QStringLiteral("Doppia") : QStringLiteral("Singola"));
        TextField::write(r, F::Formula,
                         (rng() % 2) ? QStringLiteral("Mezza pensione") : QStringLiteral("Pernottamento e colazione"));
        TextField::write(r, F::Servizi, QStringLiteral("Navetta dall'aeroporto, late check-out"));
        TextField::write(r, F::Note,
                         (rng() % 4) ? QStringLiteral("Cliente abituale, preferisce il piano alto") : QString());
        const bool flagged = rng() % 100 < 8;
        TextField::write(r, F::Questioni,
                         flagged ? QStringLiteral("Saldo in sospeso del conto precedente") : QString());
        TextField::write(r, F::Segnala, flagged ? QStringLiteral("Sì") : QStringLiteral("No"));
        for (int n = 1; n <= 12; ++n) {
            TextField::write(r, F::Data(n), QStringLiteral("01/08/2024"));
            TextField::write(r, F::Desc(n), QStringLiteral("Pernottamento camera doppia"));
            TextField::write(r, F::Prezzo(n), QStringLiteral("95,00"));
        }
    }
    return all;
}

} // namespace ArchiveGen
