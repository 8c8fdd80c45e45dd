#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// Prodotti_e_Servizi.lst: one item a line in fixed columns, Windows-1252, CRLF, no header.
// Columns 1-50 the name padded with blanks, 51-64 the price label, 65 on the price.
namespace PriceList {

constexpr int NameWidth = 50;
// Readers take the price from column 64 on: the editor up to 30 characters, the import up to 14.
constexpr int PriceColumn = 64;
constexpr int EditPriceChars = 30;
constexpr int ImportPriceChars = 14;

QString label(); // "    Prezzo: € "
QString path();  // in the program's folder

// Trimmed name cut or padded to 50 characters, the label, the trimmed price.
QString makeLine(QStringView name, QStringView price);
QString nameOf(QStringView line);
QString priceOf(QStringView line, int maxChars);

// A line as shown in `columns` monospaced characters: whole when it fits, else the name cut
// short with "…" so that the price label and the price stay in view.
QString fitted(const QString &line, int columns);

// Every line of the file, trimmed, in file order; blank lines stay as empty items.
QStringList parse(const QByteArray &bytes);
QByteArray encode(const QStringList &items);

// The items of the file, or nothing when it is missing or cannot be read.
std::optional<QStringList> load(const QString &file);
// Writes the whole list beside the old file and swaps it in only when complete, so a failed
// write leaves the previous list as it was. False when the list could not be saved.
bool save(const QString &file, const QStringList &items);

} // namespace PriceList
