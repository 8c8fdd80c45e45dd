#include "bookings/Schedine.h"

#include "base/Cp1252.h"
#include "base/Dates.h"
#include "base/ProgramFolder.h"
#include "base/RecordFile.h"
#include "base/RecordList.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

#include <optional>

namespace Schedine {

namespace F = VisitaField;

namespace {

std::optional<Type> typeOf(const QString &code)
{
    bool ok = false;
    const int n = code.toInt(&ok);
    if (!ok || code.size() != 2 || n < 16 || n > 20)
        return std::nullopt;
    return Type(n);
}

bool isMember(std::optional<Type> t) { return t == Type::FamilyMember || t == Type::GroupMember; }

// The stay in days, 1 to 30, written with one or two digits; nothing for anything else.
std::optional<int> daysOf(const QString &text)
{
    if (text.isEmpty() || text.size() > 2)
        return std::nullopt;
    int n = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        n = n * 10 + (c.unicode() - u'0');
    }
    if (n < 1 || n > 30)
        return std::nullopt;
    return n;
}

bool bornInItaly(const TVisita &v)
{
    const QString state = v.get(F::CodStatoNasc);
    return state == QLatin1StringView(ItalyCode) || (state.isEmpty() && !v.get(F::CodComuneNasc).isEmpty());
}

void place(QByteArray &line, Column c, const QString &text)
{
    const LineField f = lineField(c);
    QByteArray bytes = Cp1252::fromUnicode(text).left(f.width);
    for (char &b : bytes)
        if (static_cast<unsigned char>(b) < 32)
            b = ' ';
    line.replace(f.offset, bytes.size(), bytes);
}

QString capitalised(QString s)
{
    if (!s.isEmpty())
        s[0] = s[0].toUpper();
    return s;
}

} // namespace

QString typeName(const QString &code)
{
    switch (typeOf(code).value_or(Type(0))) {
    case Type::Single:
        return QStringLiteral("ospite singolo");
    case Type::FamilyHead:
        return QStringLiteral("capofamiglia");
    case Type::GroupHead:
        return QStringLiteral("capogruppo");
    case Type::FamilyMember:
        return QStringLiteral("familiare");
    case Type::GroupMember:
        return QStringLiteral("membro gruppo");
    }
    return QString();
}

QStringList ownProblems(const TVisita &v)
{
    QStringList p;
    const QString tipo = v.get(F::CodTipo);
    const auto type = typeOf(tipo);
    if (tipo.isEmpty())
        p << QStringLiteral("manca il tipo di alloggiato");
    else if (!type)
        p << QStringLiteral("tipo di alloggiato sconosciuto (%1)").arg(tipo);

    const QString giorni = v.get(F::Giorni);
    if (giorni.isEmpty())
        p << QStringLiteral("mancano i giorni di permanenza");
    else if (!daysOf(giorni))
        p << QStringLiteral("giorni di permanenza non compresi tra 01 e 30 (%1)").arg(giorni);

    if (v.get(F::Cognome).isEmpty())
        p << QStringLiteral("manca il cognome");
    if (v.get(F::Nome).isEmpty())
        p << QStringLiteral("manca il nome");

    const QString sesso = v.get(F::CodSesso);
    if (sesso.isEmpty())
        p << QStringLiteral("manca il sesso");
    else if (sesso != u'1' && sesso != u'2')
        p << QStringLiteral("sesso non valido (%1)").arg(sesso);

    const QString nascita = v.get(F::DataNasc);
    const auto born = Dates::parse(nascita);
    const auto arrival = Dates::parse(v.get(F::DataEnt));
    if (nascita.isEmpty())
        p << QStringLiteral("manca la data di nascita");
    else if (!born)
        p << QStringLiteral("la data di nascita %1 non esiste").arg(nascita);
    else if (arrival && *born > *arrival)
        p << QStringLiteral("la data di nascita %1 è successiva all'arrivo").arg(nascita);

    const QString comune = v.get(F::CodComuneNasc);
    const QString stato = v.get(F::CodStatoNasc);
    if (comune.isEmpty() && stato.isEmpty()) {
        p << QStringLiteral("mancano il comune e lo stato di nascita");
    } else if (bornInItaly(v)) {
        if (comune.isEmpty())
            p << QStringLiteral("manca il comune di nascita");
        else if (v.get(F::ProvNasc).isEmpty())
            p << QStringLiteral("manca la provincia di nascita");
    } else if (!comune.isEmpty()) {
        p << QStringLiteral("comune di nascita italiano con stato di nascita estero");
    }

    if (v.get(F::CodCittadinanza).isEmpty())
        p << QStringLiteral("manca la cittadinanza");

    // Members are reported under their head's document.
    if (!isMember(type)) {
        if (v.get(F::CodTipoDoc).isEmpty())
            p << QStringLiteral("manca il tipo di documento");
        if (v.get(F::NumDoc).isEmpty())
            p << QStringLiteral("manca il numero del documento");
        if (v.get(F::CodLuogoRil).isEmpty())
            p << QStringLiteral("manca il luogo di rilascio del documento");
    }
    return p;
}

QByteArray lineOf(const TVisita &v, const QDate &arrival)
{
    QByteArray line(LineWidth, ' ');
    const QString tipo = v.get(F::CodTipo);
    place(line, Column::Tipo, tipo);
    place(line, Column::Arrivo, Dates::format(arrival));
    if (const auto days = daysOf(v.get(F::Giorni)))
        place(line, Column::Giorni, QStringLiteral("%1").arg(*days, 2, 10, QLatin1Char('0')));
    place(line, Column::Cognome, v.get(F::Cognome));
    place(line, Column::Nome, v.get(F::Nome));
    place(line, Column::Sesso, v.get(F::CodSesso));
    place(line, Column::DataNasc, v.get(F::DataNasc));
    if (bornInItaly(v)) {
        place(line, Column::ComuneNasc, v.get(F::CodComuneNasc));
        place(line, Column::ProvNasc, v.get(F::ProvNasc));
        place(line, Column::StatoNasc, QLatin1StringView(ItalyCode));
    } else {
        place(line, Column::StatoNasc, v.get(F::CodStatoNasc));
    }
    place(line, Column::Cittadinanza, v.get(F::CodCittadinanza));
    if (!isMember(typeOf(tipo))) {
        place(line, Column::TipoDoc, v.get(F::CodTipoDoc));
        place(line, Column::NumDoc, v.get(F::NumDoc));
        place(line, Column::LuogoRil, v.get(F::CodLuogoRil));
    }
    return line;
}

QString Guest::name() const { return record.get(F::Cognome) + u' ' + record.get(F::Nome); }

QString Guest::room() const { return record.get(F::Camera); }

QString Guest::verdict() const
{
    return ready() ? QStringLiteral("pronta") : capitalised(problems.join(QStringLiteral("; ")));
}

std::vector<Guest> arrange(const std::vector<std::pair<qint64, TVisita>> &bookings, const QDate &arrival)
{
    const size_t n = bookings.size();
    std::vector<Guest> all(n);
    std::vector<std::optional<Type>> types(n);
    for (size_t i = 0; i < n; ++i) {
        all[i].position = bookings[i].first;
        all[i].record = bookings[i].second;
        all[i].problems = ownProblems(all[i].record);
        types[i] = typeOf(all[i].record.get(F::CodTipo));
    }

    // Each member to the first head of its kind in the same room.
    std::vector<std::vector<size_t>> membersOf(n);
    std::vector<bool> placedUnderHead(n, false);
    for (size_t i = 0; i < n; ++i) {
        if (!isMember(types[i]))
            continue;
        const bool family = types[i] == Type::FamilyMember;
        const Type headType = family ? Type::FamilyHead : Type::GroupHead;
        const QString room = all[i].room();
        size_t head = n;
        for (size_t h = 0; h < n && head == n; ++h)
            if (types[h] == headType && all[h].room() == room)
                head = h;
        if (head == n) {
            all[i].problems << (family ? QStringLiteral("familiare senza capofamiglia nella stessa camera")
                                       : QStringLiteral("membro del gruppo senza capogruppo nella stessa camera"));
            continue;
        }
        if (!all[head].ready())
            all[i].problems << (family ? QStringLiteral("il capofamiglia non è pronto")
                                       : QStringLiteral("il capogruppo non è pronto"));
        membersOf[head].push_back(i);
        placedUnderHead[i] = true;
    }

    std::vector<Guest> out;
    out.reserve(n);
    for (size_t i = 0; i < n; ++i) {
        if (placedUnderHead[i])
            continue;
        out.push_back(all[i]);
        for (size_t m : membersOf[i]) {
            out.push_back(all[m]);
            out.back().member = true;
        }
    }
    for (Guest &g : out)
        if (g.ready())
            g.line = lineOf(g.record, arrival);
    return out;
}

int Day::ready() const
{
    int r = 0;
    for (const Guest &g : guests)
        r += g.ready() ? 1 : 0;
    return r;
}

Day select(const QDate &date)
{
    const QByteArray dayText = Dates::format(date).toLatin1();
    std::vector<std::pair<qint64, TVisita>> found;
    RecordFile f(registroPath(), TVisita::Size);
    f.open();
    f.scan([&](qint64 position, const char *rec) {
        if (RecordList::fieldEquals(rec, F::DataEnt, dayText) && RecordList::fieldEquals(rec, F::Disdetta, "No")) {
            found.emplace_back(position, TVisita{});
            std::copy(rec, rec + TVisita::Size, found.back().second.bytes.begin());
        }
        return true;
    });
    f.close();
    return Day{date, arrange(found, date)};
}

QByteArray fileBytes(const Day &day)
{
    QByteArray out;
    for (const Guest &g : day.guests) {
        if (!g.ready())
            continue;
        if (!out.isEmpty())
            out += "\r\n";
        out += g.line;
    }
    return out;
}

QString fileName(const QDate &date)
{
    return QStringLiteral("Alloggiati_") + date.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".txt");
}

bool writeFile(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile f(path);
    bool ok = f.open(QIODevice::WriteOnly);
    // Names and document numbers: not for the other users of the machine.
    if (ok)
        f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                         | QFileDevice::WriteGroup);
    // A write cut short still reaches commit() as success once buffered; only a checked flush
    // tells, and then the old file must stay.
    if (ok && (f.write(bytes) != bytes.size() || !f.flush())) {
        f.cancelWriting();
        ok = false;
    }
    if (ok)
        ok = f.commit();
    if (!ok && error)
        *error = f.errorString();
    return ok;
}

QString leftOutLine(const Guest &g)
{
    const QString where = g.room().isEmpty() ? QString() : QStringLiteral(", camera ") + g.room();
    return g.name() + where + QStringLiteral(" (scheda ") + QString::number(g.position) + QStringLiteral("): ")
           + g.problems.join(QStringLiteral("; "));
}

int runCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const auto date = args.isEmpty() ? std::nullopt : Dates::parse(args.first());
    if (!date || args.size() > 2) {
        err << "Uso: lunaresca --schedine gg/mm/aaaa [FILE]\n";
        err.flush();
        return 2;
    }
    const QString path =
        args.size() == 2 ? QFileInfo(args.at(1)).absoluteFilePath() : ProgramFolder::file(fileName(*date));
    Day day;
    try {
        day = select(*date);
    } catch (const ArchiveError &e) {
        err << "Impossibile leggere l'archivio delle prenotazioni " << registroPath() << ": " << e.what() << "\n";
        err.flush();
        return 2;
    }
    QString why;
    if (!writeFile(path, fileBytes(day), &why)) {
        err << "Impossibile scrivere il file " << path << ": " << why << "\n";
        err.flush();
        return 2;
    }
    for (const Guest &g : day.guests)
        if (!g.ready())
            out << "Escluso: " << leftOutLine(g) << "\n";
    out << "File " << path << ": " << day.ready() << (day.ready() == 1 ? " ospite" : " ospiti") << ", " << day.leftOut()
        << (day.leftOut() == 1 ? " escluso" : " esclusi") << ".\n";
    out.flush();
    return day.leftOut() == 0 ? 0 : 1;
}

} // namespace Schedine
