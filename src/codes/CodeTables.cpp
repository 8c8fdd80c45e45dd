#include "codes/CodeTables.h"

#include "base/Text.h"

#include <QFile>
#include <QHash>

// The tables live in the program as resources (codes.qrc); a static library needs its resources
// registered by name before the first read.
static void registerCodeResources() { Q_INIT_RESOURCE(codes); }

namespace Codes {

namespace {

struct Province {
    const char16_t *sigla;
    const char16_t *shown;
};

// The province selector's siglas in order, with the name and region shown for each.
constexpr Province provinces[] = {
    // clang-format off
    {u"AG", u"Agrigento (Sicilia)"},
    {u"AL", u"Alessandria (Piemonte)"},
    {u"AN", u"Ancona (Marche)"},
    {u"AO", u"Aosta (Valle d'Aosta)"},
    {u"AP", u"Ascoli-Piceno (Marche)"},
    {u"AQ", u"L'Aquila (Abruzzo)"},
    {u"AR", u"Arezzo (Toscana)"},
    {u"AT", u"Asti (Piemonte)"},
    {u"AV", u"Avellino (Campania)"},
    {u"BA", u"Bari (Puglia)"},
    {u"BG", u"Bergamo (Lombardia)"},
    {u"BI", u"Biella (Piemonte)"},
    {u"BL", u"Belluno (Veneto)"},
    {u"BN", u"Benevento (Campania)"},
    {u"BO", u"Bologna (Emilia Romagna)"},
    {u"BR", u"Brindisi (Puglia)"},
    {u"BS", u"Brescia (Lombardia)"},
    {u"BT", u"Barletta-Andria-Trani (Puglia)"},
    {u"BZ", u"Bolzano (Trentino Alto Adige)"},
    {u"CA", u"Cagliari (Sardegna)"},
    {u"CB", u"Campobasso (Molise)"},
    {u"CE", u"Caserta (Campania)"},
    {u"CH", u"Chieti (Abruzzo)"},
    {u"CI", u"Carbonia Iglesias (Sardegna)"},
    {u"CL", u"Caltanissetta (Sicilia)"},
    {u"CN", u"Cuneo (Piemonte)"},
    {u"CO", u"Como (Lombardia)"},
    {u"CR", u"Cremona (Lombardia)"},
    {u"CS", u"Cosenza (Calabria)"},
    {u"CT", u"Catania (Sicilia)"},
    {u"CZ", u"Catanzaro (Calabria)"},
    {u"EN", u"Enna (Sicilia)"},
    {u"FC", u"Forli-Cesena (Emilia Romagna)"},
    {u"FE", u"Ferrara (Emilia Romagna)"},
    {u"FG", u"Foggia (Puglia)"},
    {u"FI", u"Firenze (Toscana)"},
    {u"FM", u"Fermo (Marche)"},
    {u"FO", u"Forlì (Emilia-Romagna)"},
    {u"FR", u"Frosinone (Lazio)"},
    {u"FU", u"Fiume (Croazia)"},
    {u"GE", u"Genova (Liguria)"},
    {u"GO", u"Gorizia (Friuli Venezia Giulia)"},
    {u"GR", u"Grosseto (Toscana)"},
    {u"IM", u"Imperia (Liguria)"},
    {u"IS", u"Isernia (Molise)"},
    {u"KR", u"Crotone (Calabria)"},
    {u"LC", u"Lecco (Lombardia)"},
    {u"LE", u"Lecce (Puglia)"},
    {u"LI", u"Livorno (Toscana)"},
    {u"LO", u"Lodi (Lombardia)"},
    {u"LT", u"Latina (Lazio)"},
    {u"LU", u"Lucca (Toscana)"},
    {u"MB", u"Monza-Brianza (Lombardia)"},
    {u"MC", u"Macerata (Marche)"},
    {u"ME", u"Messina (Sicilia)"},
    {u"MI", u"Milano (Lombardia)"},
    {u"MN", u"Mantova (Lombardia)"},
    {u"MO", u"Modena (Emilia Romagna)"},
    {u"MS", u"Massa-Carrara (Toscana)"},
    {u"MT", u"Matera (Basilicata)"},
    {u"NA", u"Napoli (Campania)"},
    {u"NO", u"Novara (Piemonte)"},
    {u"NU", u"Nuoro (Sardegna)"},
    {u"OG", u"Ogliastra (Sardegna)"},
    {u"OR", u"Oristano (Sardegna)"},
    {u"OT", u"Olbia Tempio (Sardegna)"},
    {u"PA", u"Palermo (Sicilia)"},
    {u"PC", u"Piacenza (Emilia Romagna)"},
    {u"PD", u"Padova (Veneto)"},
    {u"PE", u"Pescara (Abruzzo)"},
    {u"PG", u"Perugia (Umbria)"},
    {u"PI", u"Pisa (Toscana)"},
    {u"PL", u"Pola (Croazia)"},
    {u"PN", u"Pordenone (Friuli Venezia Giulia)"},
    {u"PO", u"Prato (Toscana)"},
    {u"PR", u"Parma (Emilia Romagna)"},
    {u"PS", u"Pesaro (Marche)"},
    {u"PU", u"Pesaro-Urbino (Marche)"},
    {u"PT", u"Pistoia (Toscana)"},
    {u"PV", u"Pavia (Lombardia)"},
    {u"PZ", u"Potenza (Basilicata)"},
    {u"RA", u"Ravenna (Emilia Romagna)"},
    {u"RC", u"Reggio-Calabria (Calabria)"},
    {u"RE", u"Reggio-Emilia (Emilia Romagna)"},
    {u"RG", u"Ragusa (Sicilia)"},
    {u"RI", u"Rieti (Lazio)"},
    {u"RM", u"Roma (Lazio)"},
    {u"RN", u"Rimini (Emilia Romagna)"},
    {u"RO", u"Rovigo (Veneto)"},
    {u"SA", u"Salerno (Campania)"},
    {u"SI", u"Siena (Toscana)"},
    {u"SO", u"Sondrio (Lombardia)"},
    {u"SP", u"La-Spezia (Liguria)"},
    {u"SR", u"Siracusa (Sicilia)"},
    {u"SS", u"Sassari (Sardegna)"},
    {u"SV", u"Savona (Liguria)"},
    {u"TA", u"Taranto (Puglia)"},
    {u"TE", u"Teramo (Abruzzo)"},
    {u"TN", u"Trento (Trentino Alto Adige)"},
    {u"TO", u"Torino (Piemonte)"},
    {u"TP", u"Trapani (Sicilia)"},
    {u"TR", u"Terni (Umbria)"},
    {u"TS", u"Trieste (Friuli Venezia Giulia)"},
    {u"TV", u"Treviso (Veneto)"},
    {u"UD", u"Udine (Friuli Venezia Giulia)"},
    {u"VA", u"Varese (Lombardia)"},
    {u"VB", u"Verbania (Piemonte)"},
    {u"VC", u"Vercelli (Piemonte)"},
    {u"VE", u"Venezia (Veneto)"},
    {u"VI", u"Vicenza (Veneto)"},
    {u"VR", u"Verona (Veneto)"},
    {u"VS", u"Medio Campidano (Sardegna)"},
    {u"VT", u"Viterbo (Lazio)"},
    {u"VV", u"Vibo-Valentia (Calabria)"},
    {u"ZA", u"Zara (Croazia)"},
    // clang-format on
};

QStringList readLines(const QString &resource)
{
    static const bool registered = (registerCodeResources(), true);
    Q_UNUSED(registered);
    QFile f(resource);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList out;
    const QByteArray all = f.readAll();
    for (const QByteArray &line : all.split('\n'))
        if (!line.isEmpty())
            out.append(QString::fromLatin1(line));
    return out;
}

QString fileOf(Table t)
{
    switch (t) {
    case Table::Tipo:
        return QStringLiteral(":/codes/tipi.txt");
    case Table::Documenti:
        return QStringLiteral(":/codes/documenti.txt");
    case Table::Stati:
        return QStringLiteral(":/codes/stati.txt");
    case Table::Comuni:
        break;
    }
    return QString();
}

} // namespace

int codeWidth(Table t)
{
    switch (t) {
    case Table::Tipo:
        return 2;
    case Table::Documenti:
        return 5;
    case Table::Stati:
    case Table::Comuni:
        return 9;
    }
    return 0;
}

int descriptionWidth(Table t)
{
    switch (t) {
    case Table::Tipo:
        return 14;
    case Table::Documenti:
        return 29;
    case Table::Stati:
        return 40;
    case Table::Comuni:
        return 38;
    }
    return 0;
}

QStringList lines(Table t)
{
    // The small tables are fixed for the whole run: read once.
    static QHash<int, QStringList> cache;
    auto it = cache.constFind(int(t));
    if (it != cache.constEnd())
        return *it;
    const QString file = fileOf(t);
    const QStringList read = file.isEmpty() ? QStringList() : readLines(file);
    cache.insert(int(t), read);
    return read;
}

QStringList provinceSiglas()
{
    QStringList out;
    for (const Province &p : provinces)
        out.append(QString::fromUtf16(p.sigla));
    return out;
}

QString listOfSigla(const QString &sigla)
{
    if (sigla == QLatin1String("PU"))
        return QStringLiteral("PS");
    return provinceName(sigla).isEmpty() ? QString() : sigla;
}

QStringList municipalityLines(const QString &sigla)
{
    const QString list = listOfSigla(sigla);
    if (list.isEmpty())
        return {};
    return readLines(QStringLiteral(":/codes/comuni/%1.txt").arg(list));
}

QString provinceName(const QString &sigla)
{
    for (const Province &p : provinces)
        if (sigla == QStringView(p.sigla))
            return QString::fromUtf16(p.shown);
    return QString();
}

QString provinceLabel(const QString &sigla)
{
    const QString shown = provinceName(sigla);
    if (shown.isEmpty())
        return QStringLiteral("Nessuna provincia selezionata.");
    return QStringLiteral("Provincia selezionata:  ") + shown + QLatin1Char('.');
}

std::optional<PickTarget> pickTarget(Table t, const QString &marker)
{
    const QString m = Text::trimmed(marker);
    const int underscore = int(m.indexOf(QLatin1Char('_')));
    if (underscore < 0)
        return std::nullopt;
    const QString card = m.left(underscore);
    const QString field = m.mid(underscore + 1);
    if (card != QLatin1String("clienti") && card != QLatin1String("registro"))
        return std::nullopt;
    struct Row {
        Table table;
        const char *field;
        const char *code;
        const char *description;
        const char *province;
    };
    static const Row rows[] = {
        // clang-format off
        {Table::Tipo, "tipo", "txtCodTipo", "txtTipo", ""},
        {Table::Documenti, "tipodoc", "txtCodTipoDoc", "txtTipoDoc", ""},
        {Table::Stati, "statonasc", "txtCodStatoNasc", "txtStatoNasc", ""},
        {Table::Stati, "cittadinanza", "txtCodCittadinanza", "txtCittadinanza", ""},
        {Table::Stati, "luogoril", "txtCodLuogoRil", "txtLuogoRil", ""},
        {Table::Comuni, "comunenasc", "txtCodComuneNasc", "txtComuneNasc", "txtProvNasc"},
        {Table::Comuni, "luogoril", "txtCodLuogoRil", "txtLuogoRil", ""},
        // clang-format on
    };
    for (const Row &r : rows)
        if (r.table == t && field == QLatin1String(r.field))
            return PickTarget{card, QString::fromLatin1(r.code), QString::fromLatin1(r.description),
                              QString::fromLatin1(r.province)};
    return std::nullopt;
}

PickedEntry splitEntry(Table t, const QString &line)
{
    PickedEntry e;
    e.code = line.left(codeWidth(t));
    if (t == Table::Comuni) {
        e.description = Text::trimmed(line.mid(14, descriptionWidth(t)));
        e.province = line.right(2);
    } else {
        e.description = Text::trimmed(line.right(descriptionWidth(t)));
    }
    return e;
}

} // namespace Codes
