#include "output/Export.h"

#include "base/Cp1252.h"

#include <QSaveFile>

namespace Export {

namespace {

constexpr qsizetype kBlock = 1 << 20;

// x:str keeps every cell a text for Excel; LibreOffice reads the cell's own text format instead,
// without which a postal code or a phone number loses its leading zeros and 12,50 becomes 12,5.
const char kLeft[] = "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">";
const char kRight[] = "<td style=\"text-align: right;\" sdnum=\"1040;0;@\">";
const char kEnd[] = "</td>";

bool isBlankCode(char16_t c) { return c <= 32; }

// Builds the file piece by piece and hands it to the device a block at a time.
class Writer {
public:
    explicit Writer(QIODevice *device) : m_device(device) { m_buf.reserve(kBlock + 4096); }
    QByteArray &buf() { return m_buf; }
    bool spill(bool always)
    {
        if (!m_ok || !m_device || (!always && m_buf.size() < kBlock))
            return m_ok;
        if (m_device->write(m_buf) != m_buf.size())
            m_ok = false;
        m_buf.clear();
        return m_ok;
    }

private:
    QIODevice *m_device;
    QByteArray m_buf;
    bool m_ok = true;
};

bool writeAll(Writer &w, const Sheet &sheet)
{
    QByteArray &out = w.buf();
    out += opening(sheet.worksheet);
    out += "<tr>";
    for (const Column &c : sheet.columns) {
        out += "<td style=\"text-align: left; font-weight: bold;\" width=";
        out += QByteArray::number(c.width);
        out += '>';
        appendValue(out, c.title);
        out += kEnd;
    }
    out += "</tr>";
    const int columns = int(sheet.columns.size());
    for (qsizetype r = 0; r < sheet.rowCount; ++r) {
        out += "<tr>";
        for (int c = 0; c < columns; ++c) {
            out += sheet.columns.at(c).amount ? kRight : kLeft;
            if (sheet.cell)
                appendValue(out, sheet.cell(r, c));
            out += kEnd;
        }
        out += "</tr>";
        if (!w.spill(false))
            return false;
    }
    if (sheet.total) {
        out += "<tr><td style=\"text-align: left;\"> </td>"
               "<td style=\"text-align: right; font-weight: bold;\">TOTALE:</td>"
               "<td style=\"text-align: right; font-weight: bold;\" sdnum=\"1040;0;@\">";
        appendValue(out, *sheet.total);
        out += "</td></tr>";
    }
    out += closing();
    return w.spill(true);
}

} // namespace

QString archiveQuestion()
{
    return QStringLiteral("L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di "
                          "schede presenti in archivio.\n\r\n\rSi vuole esportare i dati adesso?");
}

QString billQuestion()
{
    return QStringLiteral("Questa operazione esporterà in un foglio di Excel i servizi e le consumazioni presenti nel "
                          "conto del cliente.\n\r\n\rSi conferma l'esportazione dei dati?");
}

QString doneQuestion()
{
    return QStringLiteral("Le schede in archivio sono state esportate con successo.\n\r\n\r"
                          "Si vuole aprire il file di Excel?");
}

QString failureText()
{
    return QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                          "Accertarsi che il file di Excel non sia già aperto.");
}

QByteArray opening(const QString &worksheet)
{
    QByteArray out = "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
                     "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
                     "xmlns=\"http://www.w3.org/TR/REC-html40\">"
                     "<head>"
                     "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
                     "<!--[if gte mso 9]><xml>"
                     "<x:ExcelWorkbook>"
                     "<x:ExcelWorksheets>"
                     "<x:ExcelWorksheet>"
                     "<x:Name>";
    appendValue(out, worksheet);
    out += "</x:Name>"
           "<x:WorksheetOptions>"
           "<x:Selected/>"
           "<x:Panes>"
           "<x:Pane>"
           "<x:Number>1</x:Number>"
           "<x:ActiveRow>3</x:ActiveRow>"
           "</x:Pane>"
           "</x:Panes>"
           "<x:ProtectContents>False</x:ProtectContents>"
           "<x:ProtectObjects>False</x:ProtectObjects>"
           "<x:ProtectScenarios>False</x:ProtectScenarios>"
           "</x:WorksheetOptions>"
           "</x:ExcelWorksheet>"
           "</x:ExcelWorksheets>"
           "</x:ExcelWorkbook>"
           "</xml><![endif]-->"
           "</head>"
           "<body>"
           "<table x:str>";
    return out;
}

QByteArray closing() { return QByteArrayLiteral("</table></body></html>"); }

void appendValue(QByteArray &out, QStringView value)
{
    qsizetype from = 0, to = value.size();
    while (from < to && isBlankCode(value.at(from).unicode()))
        ++from;
    while (to > from && isBlankCode(value.at(to - 1).unicode()))
        --to;
    for (qsizetype i = from; i < to; ++i) {
        const QChar c = value.at(i);
        switch (c.unicode()) {
        case u'&':
            out += "&amp;";
            continue;
        case u'<':
            out += "&lt;";
            continue;
        case u'>':
            out += "&gt;";
            continue;
        default:
            break;
        }
        if (c.isHighSurrogate() && i + 1 < to && value.at(i + 1).isLowSurrogate()) {
            out += '?';
            ++i;
            continue;
        }
        const int b = Cp1252::charToByte(c);
        out += b < 0 ? '?' : char(b);
    }
}

bool write(QIODevice &device, const Sheet &sheet)
{
    Writer w(&device);
    return writeAll(w, sheet);
}

QByteArray bytes(const Sheet &sheet)
{
    Writer w(nullptr);
    writeAll(w, sheet);
    return w.buf();
}

bool save(const QString &path, const Sheet &sheet)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Guest data stays with the users of the program's folder.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser
                        | QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::WriteGroup);
    // A short write can go unnoticed by a buffered device until the commit: flush and check first.
    if (!write(file, sheet) || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace Export
