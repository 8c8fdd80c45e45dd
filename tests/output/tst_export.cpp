#include "base/RecordFile.h"
#include "bookings/Visita.h"
#include "guests/Cliente.h"
#include "output/CardExports.h"
#include "output/Export.h"
#include "output/RecordGrid.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

// The pieces before the rows, as the office suite expects them, for a sheet called `name`.
QByteArray opening(const QByteArray &name)
{
    return "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
           "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" xmlns=\"http://www.w3.org/TR/REC-html40\">"
           "<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
           "<!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet><x:Name>"
           + name
           + "</x:Name><x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number>"
             "<x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes><x:ProtectContents>False</x:ProtectContents>"
             "<x:ProtectObjects>False</x:ProtectObjects><x:ProtectScenarios>False</x:ProtectScenarios>"
             "</x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook></xml><![endif]-->"
             "</head><body><table x:str>";
}

const QByteArray kClosing = "</table></body></html>";

QByteArray head(const QByteArray &title, int width)
{
    return "<td style=\"text-align: left; font-weight: bold;\" width=" + QByteArray::number(width) + ">" + title
           + "</td>";
}

// Data cells carry the text format LibreOffice reads, so "00100" and "12,50" stay as typed there too.
QByteArray left(const QByteArray &v) { return "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">" + v + "</td>"; }
QByteArray right(const QByteArray &v) { return "<td style=\"text-align: right;\" sdnum=\"1040;0;@\">" + v + "</td>"; }

QByteArray row(const QList<QByteArray> &cells)
{
    QByteArray out = "<tr>";
    for (const QByteArray &c : cells)
        out += left(c);
    return out + "</tr>";
}

const QByteArray kGuestHeader =
    "<tr>" + head("Cognome", 250) + head("Nome", 250) + head("Tipo di alloggiato", 250) + head("Codice fiscale", 200)
    + head("Data nascita", 150) + head("Comune nascita", 250) + head("Stato nascita", 250) + head("Cittadinanza", 250)
    + head("Via e numero civico", 250) + head("CAP", 80) + head("Comune di residenza", 250) + head("Prov.", 60)
    + head("Partita IVA", 200) + head("Tel. casa", 200) + head("Tel. ufficio", 200) + head("Cellulare", 200)
    + head("Fax", 200) + head("E-mail", 250) + head("Tariffa applicata", 250) + head("Tipologia camera", 250)
    + head("Formula", 250) + head("Supplementi", 280) + head("Servizi richiesti", 300) + head("Note", 300)
    + head("Questioni in sospeso", 300) + "</tr>";

const QByteArray kBookingHeader =
    "<tr>" + head("Data arrivo", 180) + head("Ora arrivo", 180) + head("Data partenza", 180) + head("Ora partenza", 180)
    + head("Giorni", 150) + head("Camera", 200) + head("Adulti", 150) + head("Bambini", 150)
    + head("Cognome cliente", 250) + head("Nome cliente", 250) + head("Sesso", 120) + head("Cellulare", 180)
    + head("Tipo di alloggiato", 200) + head("Data di nascita", 200) + head("Comune di nascita", 250)
    + head("Prov.", 100) + head("Stato di nascita", 250) + head("Tipo documento", 250) + head("Numero documento", 250)
    + head("Luogo di rilascio", 250) + head("Cittadinanza", 250) + head("Email", 250) + head("Tariffa applicata", 250)
    + head("Supplementi", 250) + head("Disdetta", 100) + "</tr>";

void append(const QString &path, int size, const char *bytes)
{
    RecordFile f(path, size);
    f.open();
    f.append(bytes);
}

QByteArray gridExport(const QString &path, int size, const QList<RecordGridModel::Column> &columns,
                      const QString &sheet)
{
    RecordGridModel m(columns);
    m.load(path, size);
    return Export::bytes(m.sheet(QStringLiteral("x.xls"), sheet));
}

// A sheet of `rows` rows of one long cell, about 1 KB a row.
Export::Sheet bigSheet(int rows)
{
    Export::Sheet s;
    s.fileName = QStringLiteral("Clienti.xls");
    s.worksheet = QStringLiteral("Anagrafica Clienti");
    s.columns = {{QStringLiteral("A"), 100, false}};
    s.rowCount = rows;
    s.cell = [](qsizetype r, int) { return QString(1000, QChar(u'a' + int(r % 26))); };
    return s;
}

// A file-size limit for this process, for a full disk in small; SIGXFSZ would kill the test.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit l = m_old;
        l.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &l);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_old{};
    void (*m_handler)(int) = nullptr;
};

} // namespace

class TestExport : public QObject {
    Q_OBJECT
private slots:
    void values_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("trimmed both ends") << QStringLiteral(" \t Rossi \r\n") << QByteArray("Rossi");
        QTest::newRow("inner blanks kept") << QStringLiteral("De  Luca") << QByteArray("De  Luca");
        QTest::newRow("empty") << QString() << QByteArray();
        QTest::newRow("only blanks") << QStringLiteral("   ") << QByteArray();
        QTest::newRow("markup shown as text")
            << QStringLiteral("<b>Tom & Jerry</b>") << QByteArray("&lt;b&gt;Tom &amp; Jerry&lt;/b&gt;");
        QTest::newRow("a cell end in a note") << QStringLiteral("x</td><td>y") << QByteArray("x&lt;/td&gt;&lt;td&gt;y");
        QTest::newRow("quotes stay") << QStringLiteral("l'\"ospite\"") << QByteArray("l'\"ospite\"");
        QTest::newRow("code page bytes") << QStringLiteral("Caffè 2,50 €") << QByteArray("Caff\xe8 2,50 \x80");
        QTest::newRow("not in the code page") << QStringLiteral("Kovač 😀") << QByteArray("Kova? ?");
        QTest::newRow("no-break space is not a blank") << QStringLiteral("\u00a0x") << QByteArray("\xa0x");
    }
    void values()
    {
        QFETCH(QString, value);
        QFETCH(QByteArray, written);
        QByteArray out;
        Export::appendValue(out, value);
        QCOMPARE(out, written);
    }

    void guestExportBytes()
    {
        TempProgramFolder dir;
        namespace F = ClienteField;
        TCliente c;
        c.set(F::Cognome, QStringLiteral("Rossi"));
        c.set(F::Nome, QStringLiteral("Niccolò"));
        c.set(F::Tipo, QStringLiteral("Ospite singolo"));
        c.set(F::CodFisc, QStringLiteral("RSSNCC80A01H501U"));
        c.set(F::Cap, QStringLiteral("00100"));
        c.set(F::ComuneRes, QStringLiteral("Roma"));
        c.set(F::Note, QStringLiteral("<b>Caffè & cornetto</b> 2,50 €"));
        c.set(F::Carta, QStringLiteral("4111111111111111")); // never exported
        // Blanks inside the stored field (an archive written elsewhere) are trimmed on the way out.
        c.bytes[size_t(F::Questioni.offset)] = 4;
        memcpy(c.bytes.data() + F::Questioni.offset + 1, " ok ", 4);
        append(clientiPath(), TCliente::Size, c.bytes.data());
        TCliente empty;
        append(clientiPath(), TCliente::Size, empty.bytes.data());

        QList<QByteArray> first(25);
        first[0] = "Rossi";
        first[1] = "Niccol\xf2";
        first[2] = "Ospite singolo"; // the guest type before the tax code
        first[3] = "RSSNCC80A01H501U";
        first[9] = "00100";
        first[10] = "Roma";
        first[23] = "&lt;b&gt;Caff\xe8 &amp; cornetto&lt;/b&gt; 2,50 \x80";
        first[24] = "ok";
        const QByteArray expected =
            opening("Anagrafica Clienti") + kGuestHeader + row(first) + row(QList<QByteArray>(25)) + kClosing;
        const QByteArray got =
            gridExport(clientiPath(), TCliente::Size, CardExports::guestColumns(), CardExports::guestWorksheet());
        QCOMPARE(got, expected);
        QVERIFY(!got.contains('\n') && !got.contains('\r'));
    }

    void bookingExportBytes()
    {
        TempProgramFolder dir;
        namespace F = VisitaField;
        TVisita v;
        v.set(F::DataEnt, QStringLiteral("01/08/2024"));
        v.set(F::OraEnt, QStringLiteral("15:00"));
        v.set(F::DataUsc, QStringLiteral("05/08/2024"));
        v.set(F::OraUsc, QStringLiteral("10:00"));
        v.set(F::Giorni, QStringLiteral("4"));
        v.set(F::Camera, QStringLiteral("12"));
        v.set(F::Adulti, QStringLiteral("2"));
        v.set(F::Cognome, QStringLiteral("Bianchi"));
        v.set(F::Nome, QStringLiteral("Giulia"));
        v.set(F::Sesso, QStringLiteral("F"));
        v.set(F::Cellulare, QStringLiteral("3331234567"));
        v.set(F::ProvNasc, QStringLiteral("MI"));
        v.set(F::CodComuneNasc, QStringLiteral("403015146")); // codes are not exported
        v.set(F::Supplementi, QStringLiteral("Culla & cane"));
        v.setDisdetta(true);
        append(registroPath(), TVisita::Size, v.bytes.data());

        QList<QByteArray> cells(25);
        cells[0] = "01/08/2024";
        cells[1] = "15:00";
        cells[2] = "05/08/2024";
        cells[3] = "10:00";
        cells[4] = "4";
        cells[5] = "12";
        cells[6] = "2";
        cells[8] = "Bianchi";
        cells[9] = "Giulia";
        cells[10] = "F";
        cells[11] = "3331234567";
        cells[15] = "MI";
        cells[23] = "Culla &amp; cane";
        cells[24] = "S\xec"; // as stored
        QCOMPARE(
            gridExport(registroPath(), TVisita::Size, CardExports::bookingColumns(), CardExports::bookingWorksheet()),
            opening("Registro Prenotazioni") + kBookingHeader + row(cells) + kClosing);
    }

    void emptyArchiveExportsTheHeaderOnly()
    {
        TempProgramFolder dir;
        QCOMPARE(gridExport(clientiPath(), TCliente::Size, CardExports::guestColumns(), CardExports::guestWorksheet()),
                 opening("Anagrafica Clienti") + kGuestHeader + kClosing);
        QVERIFY(QFile::exists(clientiPath())); // a missing archive is created empty
        QCOMPARE(
            gridExport(registroPath(), TVisita::Size, CardExports::bookingColumns(), CardExports::bookingWorksheet()),
            opening("Registro Prenotazioni") + kBookingHeader + kClosing);
    }

    void billExportBytes()
    {
        Bill b;
        b.title = QStringLiteral("Conto del cliente Giulia Bianchi");
        b.lines[0] = {QStringLiteral("14/08/2026"), QStringLiteral("Camera matrimoniale"), QStringLiteral("180,00")};
        b.lines[1] = {QStringLiteral(" 14/08/2026 "), QStringLiteral("Caffè <doppio>"), QStringLiteral("  2,50")};
        b.lines[2] = {QString(), QStringLiteral("Omaggio"), QString()};
        b.total = QStringLiteral("182,50");
        QByteArray expected = opening("Conto del Cliente") + "<tr>" + head("Data", 150)
                              + head("Descrizione servizio o consumazione", 500) + head("Importo", 200) + "</tr>";
        expected += "<tr>" + left("14/08/2026") + left("Camera matrimoniale") + right("180,00") + "</tr>";
        expected += "<tr>" + left("14/08/2026") + left("Caff\xe8 &lt;doppio&gt;") + right("2,50") + "</tr>";
        expected += "<tr>" + left("") + left("Omaggio") + right("") + "</tr>";
        for (int i = 4; i <= 30; ++i)
            expected += "<tr>" + left("") + left("") + right("") + "</tr>";
        expected += "<tr><td style=\"text-align: left;\"> </td>"
                    "<td style=\"text-align: right; font-weight: bold;\">TOTALE:</td>"
                    "<td style=\"text-align: right; font-weight: bold;\" sdnum=\"1040;0;@\">182,50</td></tr>";
        expected += kClosing;
        const Export::Sheet s = CardExports::billSheet(b);
        QCOMPARE(s.fileName, QStringLiteral("Conto.xls"));
        QCOMPARE(s.question, Export::Question::Bill);
        QCOMPARE(Export::bytes(s), expected);
    }

    void gridKeepsEditsApartFromTheArchive()
    {
        TempProgramFolder dir;
        TCliente c;
        c.set(ClienteField::Cognome, QStringLiteral("Rossi"));
        c.set(ClienteField::Note, QStringLiteral("vecchia"));
        append(clientiPath(), TCliente::Size, c.bytes.data());
        const QByteArray archive = dir.read(QStringLiteral("Clienti.pro"));

        RecordGridModel m(CardExports::guestColumns());
        m.load(clientiPath(), TCliente::Size);
        QCOMPARE(m.rowCount(), 1);
        QCOMPARE(m.columnCount(), 26);
        QCOMPARE(m.cell(0, 0), QStringLiteral("1"));
        QCOMPARE(m.headerData(0, Qt::Horizontal).toString(), QStringLiteral("N."));
        QCOMPARE(m.headerData(11, Qt::Horizontal).toString(), QStringLiteral("Comune residenza"));
        QVERIFY(!m.setData(m.index(0, 1), QStringLiteral("Verdi"))); // surname: not editable
        QVERIFY(!m.setData(m.index(0, 0), QStringLiteral("9")));
        QVERIFY(m.setData(m.index(0, 24), QStringLiteral("nuova")));
        QCOMPARE(m.data(m.index(0, 24)).toString(), QStringLiteral("nuova"));
        QVERIFY(Export::bytes(m.sheet(QStringLiteral("x"), QStringLiteral("y"))).contains(left("nuova")));
        QCOMPARE(dir.read(QStringLiteral("Clienti.pro")), archive);
        m.load(clientiPath(), TCliente::Size);
        QCOMPARE(m.cell(0, 24), QStringLiteral("vecchia"));

        // Which columns the operator may change, as the grid offers them.
        QList<int> editable;
        for (int col = 0; col < m.columnCount(); ++col)
            if (m.flags(m.index(0, col)) & Qt::ItemIsEditable)
                editable.append(col);
        QCOMPARE(editable, (QList<int>{6, 11, 15, 17, 18, 19, 20, 22, 23, 24, 25}));
        RecordGridModel b(CardExports::bookingColumns());
        QCOMPARE(b.columnCount(), 26);
        editable.clear();
        for (int col = 1; col <= 25; ++col)
            if (CardExports::bookingColumns().at(col - 1).editable)
                editable.append(col);
        QCOMPARE(editable, (QList<int>{2, 3, 10, 11, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25}));
    }

    void unreadableArchiveIsToldApart()
    {
        // A folder where the archive should be cannot be read: an empty grid, and the caller knows.
        TempProgramFolder dir;
        QDir(dir.path()).mkdir(QStringLiteral("Clienti.pro"));
        RecordGridModel m(CardExports::guestColumns());
        QVERIFY(!m.load(clientiPath(), TCliente::Size));
        QCOMPARE(m.rowCount(), 0);
        QDir(dir.path()).rmdir(QStringLiteral("Clienti.pro"));
        QVERIFY(m.load(clientiPath(), TCliente::Size));
    }

    void saveReplacesTheWholeFile()
    {
        TempProgramFolder dir;
        const QString path = dir.file(QStringLiteral("Clienti.xls"));
        QVERIFY(Export::save(path, bigSheet(50)));
        QVERIFY(Export::save(path, bigSheet(2)));
        QCOMPARE(dir.read(QStringLiteral("Clienti.xls")), Export::bytes(bigSheet(2)));
        QVERIFY(!(QFileInfo(path).permissions() & (QFileDevice::ReadOther | QFileDevice::WriteOther)));
    }

    void failedSaveLeavesTheEarlierFile_data()
    {
        QTest::addColumn<int>("rows");
        QTest::newRow("in the buffer, lost at the flush") << 4;
        QTest::newRow("in the middle of the blocks") << 3000;
    }
    void failedSaveLeavesTheEarlierFile()
    {
        QFETCH(int, rows);
        TempProgramFolder dir;
        const QString path = dir.file(QStringLiteral("Clienti.xls"));
        dir.write(QStringLiteral("Clienti.xls"), "earlier export");
        {
            FileSizeLimit limit(2000);
            QVERIFY(!Export::save(path, bigSheet(rows)));
        }
        QCOMPARE(dir.read(QStringLiteral("Clienti.xls")), QByteArray("earlier export"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Clienti.xls")});
    }

    void unwritablePlaces()
    {
        TempProgramFolder dir;
        // A folder standing where the file should be, and a program folder that is a file.
        QDir(dir.path()).mkdir(QStringLiteral("Clienti.xls"));
        QVERIFY(!Export::save(dir.file(QStringLiteral("Clienti.xls")), bigSheet(1)));
        QVERIFY(QFileInfo(dir.file(QStringLiteral("Clienti.xls"))).isDir());
        dir.write(QStringLiteral("file"), "x");
        QVERIFY(!Export::save(dir.file(QStringLiteral("file/Conto.xls")), bigSheet(1)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
                 (QStringList{QStringLiteral("Clienti.xls"), QStringLiteral("file")}));
    }
};

QTEST_MAIN(TestExport)
#include "tst_export.moc"
