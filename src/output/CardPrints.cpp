#include "output/CardPrints.h"

#include "base/Text.h"
#include "bookings/Visita.h"
#include "guests/Cliente.h"

namespace CardPrints {

namespace {

using namespace Report;

constexpr double kRowHeight = 4.6;
constexpr double kTextInset = 0.5;
constexpr double kTextHeight = kRowHeight - 2 * kTextInset;

Font arial(double points) { return {QStringLiteral("Arial"), points, false}; }

QString two(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

Document portraitPage(const QString &name, Band *&page)
{
    Document doc(name);
    doc.setOrientation(Orientation::Portrait);
    doc.setMargin(10);
    page = &doc.addBand(QStringLiteral("Pagina"), BandKind::Page, doc.printableSize().height());
    return doc;
}

// Every text of a form is printed as it stands: a value holding "[DATE]" is the operator's text.
Item &text(Band &band, const QString &name, const QRectF &mm, const QString &value, double points,
           Qt::Alignment alignment, Rgb fill = NoColour)
{
    Item &t = band.addText(name, mm, value, arial(points), alignment | Qt::AlignTop, Black, fill);
    t.expands = false;
    return t;
}

Item &centredBar(Band &band, const QString &name, const QRectF &mm, const QString &value, double points, Rgb fill)
{
    Item &t = band.addText(name, mm, value, arial(points), Qt::AlignHCenter | Qt::AlignVCenter, Black, fill);
    t.expands = false;
    return t;
}

// A framed row with a caption and a value, as the guest card and the booking card print them.
void fieldRow(Band &band, const QString &suffix, double top, const QString &caption, const QString &value)
{
    band.addBox(QStringLiteral("Riga") + suffix, QRectF(1, top, 188, kRowHeight), NoColour, true);
    text(band, QStringLiteral("Didascalia") + suffix, QRectF(2, top + kTextInset, 37.8, kTextHeight), caption, 7,
         Qt::AlignLeft);
    text(band, QStringLiteral("Valore") + suffix, QRectF(44, top + kTextInset, 144, kTextHeight), value, 7,
         Qt::AlignLeft);
}

void footer(Band &band, double top, const QDateTime &when)
{
    centredBar(band, QStringLiteral("Piede"), QRectF(1, top, 188, 5.8), printNote(when), 8, Gold);
}

} // namespace

QString printNote(const QDateTime &when)
{
    return QStringLiteral("Stampa eseguita in data ") + when.date().toString(QStringLiteral("dd/MM/yyyy"))
           + QStringLiteral(" alle ore ") + when.time().toString(QStringLiteral("HH:mm:ss"));
}

Report::Document guestCard(const TCliente &card, const QDateTime &when)
{
    namespace F = ClienteField;
    // clang-format off
    const struct { const char *caption; FieldSpec field; } rows[30] = {
        {"Cognome:", F::Cognome}, {"Nome:", F::Nome}, {"Tipo di alloggiato:", F::Tipo},
        {"Codice fiscale:", F::CodFisc}, {"Data nascita:", F::DataNasc}, {"Comune nascita:", F::ComuneNasc},
        {"Stato nascita:", F::StatoNasc}, {"Cittadinanza:", F::Cittadinanza}, {"Via e numero civico:", F::Via},
        {"CAP:", F::Cap}, {"Comune residenza:", F::ComuneRes}, {"Prov.", F::ProvRes}, {"Partita IVA:", F::Iva},
        {"Tipo documento:", F::TipoDoc}, {"Numero documento:", F::NumDoc}, {"Luogo rilascio:", F::LuogoRil},
        {"Data rilascio:", F::DataRil}, {"Data scadenza:", F::DataSca}, {"Tel. casa:", F::TelCasa},
        {"Tel. ufficio:", F::TelUff}, {"Cellulare:", F::Cellulare}, {"Fax:", F::Fax}, {"Email:", F::Email},
        {"Tariffa applicata:", F::Tariffa}, {"Tipologia camera:", F::Tipologia}, {"Formula:", F::Formula},
        {"Supplementi:", F::Supplementi}, {"Servizi richiesti:", F::Servizi}, {"Note:", F::Note},
        {"Questioni in sospeso:", F::Questioni},
    };
    // clang-format on
    Band *page = nullptr;
    Document doc = portraitPage(QStringLiteral("Scheda anagrafica del cliente"), page);
    centredBar(*page, QStringLiteral("Titolo"), QRectF(1, 1, 188, 5.8), QStringLiteral("SCHEDA ANAGRAFICA DEL CLIENTE"),
               9, LightSteelBlue);
    for (int n = 1; n <= 30; ++n)
        fieldRow(*page, two(n), 7 + 5 * (n - 1), QString::fromUtf8(rows[n - 1].caption),
                 Text::trimmed(card.get(rows[n - 1].field)));
    page->addLine(QStringLiteral("Divisore"), 42, 7, 0, 149.6);
    footer(*page, 160, when);
    return doc;
}

Report::Document bill(const Bill &bill, const QDateTime &when)
{
    Band *page = nullptr;
    Document doc = portraitPage(QStringLiteral("Conto del cliente"), page);
    centredBar(*page, QStringLiteral("Titolo"), QRectF(1, 1, 188, 5.8), Text::trimmed(bill.title), 9, LightSteelBlue);

    page->addBox(QStringLiteral("Intestazione"), QRectF(1, 10, 188, kRowHeight), NoColour, true);
    const double headTop = 10 + kTextInset;
    text(*page, QStringLiteral("IntestazioneData"), QRectF(2, headTop, 22, kTextHeight), QStringLiteral("DATA"), 7,
         Qt::AlignHCenter);
    text(*page, QStringLiteral("IntestazioneDescrizione"), QRectF(27, headTop, 134.4, kTextHeight),
         QStringLiteral("DESCRIZIONE SERVIZIO O CONSUMAZIONE"), 7, Qt::AlignHCenter);
    text(*page, QStringLiteral("IntestazioneImporto"), QRectF(165, headTop, 22, kTextHeight), QStringLiteral("IMPORTO"),
         7, Qt::AlignHCenter);

    for (int n = 1; n <= 30; ++n) {
        const BillLine &line = bill.lines.at(size_t(n - 1));
        const double top = 15 + 5 * (n - 1);
        const QString s = two(n);
        page->addBox(QStringLiteral("Riga") + s, QRectF(1, top, 188, kRowHeight), NoColour, true);
        text(*page, QStringLiteral("Data") + s, QRectF(2, top + kTextInset, 22, kTextHeight), Text::trimmed(line.date),
             7, Qt::AlignHCenter);
        text(*page, QStringLiteral("Descrizione") + s, QRectF(27, top + kTextInset, 134.4, kTextHeight),
             Text::trimmed(line.description), 7, Qt::AlignLeft);
        text(*page, QStringLiteral("Importo") + s, QRectF(165, top + kTextInset, 22, kTextHeight),
             Text::trimmed(line.amount), 7, Qt::AlignRight);
    }
    page->addLine(QStringLiteral("DivisoreData"), 25.5, 10, 0, 154.6);
    page->addLine(QStringLiteral("DivisoreImporto"), 163, 10, 0, 154.6);

    text(*page, QStringLiteral("DidascaliaTotale"), QRectF(138, 168.5, 22, 4), QStringLiteral("TOTALE: "), 9,
         Qt::AlignRight);
    page->addBox(QStringLiteral("RiquadroTotale"), QRectF(163, 168, 26, 5), NoColour, true);
    Item &total = page->addText(QStringLiteral("Totale"), QRectF(164, 168, 23.8, 5), Text::trimmed(bill.total),
                                arial(9), Qt::AlignRight | Qt::AlignVCenter);
    total.expands = false;
    footer(*page, 179, when);
    return doc;
}

QStringList bookingValues(const TVisita &booking)
{
    namespace F = VisitaField;
    auto v = [&](FieldSpec f) { return Text::trimmed(booking.get(f)); };
    const QString sep = QStringLiteral("   -   ");
    return {
        QStringLiteral("Data: ") + v(F::DataEnt) + sep + QStringLiteral("Ora: ") + v(F::OraEnt),
        QStringLiteral("Data: ") + v(F::DataUsc) + sep + QStringLiteral("Ora: ") + v(F::OraUsc),
        v(F::Camera) + sep + QStringLiteral("Adulti: ") + v(F::Adulti) + sep + QStringLiteral("Bambini: ")
            + v(F::Bambini) + sep + QStringLiteral("Giorni: ") + v(F::Giorni),
        v(F::Cognome) + QLatin1Char(' ') + v(F::Nome) + sep + QStringLiteral("Sesso: ") + v(F::Sesso),
        v(F::Cellulare),
        v(F::Tipo),
        v(F::DataNasc),
        v(F::ComuneNasc),
        v(F::StatoNasc),
        v(F::Cittadinanza),
        v(F::TipoDoc),
        v(F::NumDoc),
        v(F::LuogoRil),
        v(F::Email),
        v(F::Tariffa),
        v(F::Supplementi),
    };
}

Report::Document bookingCard(const TVisita &booking, const QDateTime &when)
{
    static const char *const captions[16] = {
        "Arrivo:",
        "Partenza:",
        "Camera:",
        "Cognome e nome Cliente:",
        "Cellulare:",
        "Tipo di alloggiato:",
        "Data di nascita:",
        "Comune di nascita:",
        "Stato di nascita:",
        "Cittadinanza:",
        "Tipo documento:",
        "Numero documento:",
        "Luogo di rilascio:",
        "E-mail Cliente:",
        "Tariffa applicata:",
        "Supplementi:",
    };
    const QStringList values = bookingValues(booking);
    Band *page = nullptr;
    Document doc = portraitPage(QStringLiteral("Scheda riepilogativa arrivo e partenza cliente"), page);
    const struct {
        double offset;
        const char *suffix;
        const char *tag;
    } copies[2] = {{0, "Cliente", "COPIA PER CLIENTE"}, {108, "Struttura", "COPIA PER STRUTTURA RICETTIVA"}};
    for (const auto &copy : copies) {
        const QString s = QString::fromLatin1(copy.suffix);
        const double o = copy.offset;
        centredBar(*page, QStringLiteral("Titolo") + s, QRectF(1, 1 + o, 188, 5.8),
                   QStringLiteral("SCHEDA RIEPILOGATIVA ARRIVO E PARTENZA CLIENTE"), 9, LightSteelBlue);
        for (int n = 1; n <= 16; ++n)
            fieldRow(*page, s + two(n), 7 + o + 5 * (n - 1), QString::fromUtf8(captions[n - 1]), values.at(n - 1));
        page->addLine(QStringLiteral("Divisore") + s, 42, 7 + o, 0, 79.6);
        centredBar(*page, QStringLiteral("Copia") + s, QRectF(109, 89 + o, 80, 5.8), QString::fromLatin1(copy.tag), 9,
                   LightSteelBlue);
    }
    page->addLine(QStringLiteral("Taglio"), 0, 102, 190, 0);
    footer(*page, 270, when);
    return doc;
}

} // namespace CardPrints
