// The exported files as the office suite reads them: each kind converted to CSV by LibreOffice
// headless and its cells compared. Skipped, saying so, when LibreOffice is not installed
// (`make test-office` installs it).
#include "base/RecordFile.h"
#include "bookings/Visita.h"
#include "guests/Cliente.h"
#include "output/CardExports.h"
#include "output/Export.h"
#include "output/RecordGrid.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

QString office()
{
    for (const char *name : {"libreoffice", "soffice"}) {
        const QString p = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!p.isEmpty())
            return p;
    }
    return QString();
}

// RFC 4180 records: commas between cells, double quotes round cells that need them.
QList<QStringList> parseCsv(const QString &text)
{
    QList<QStringList> rows;
    QStringList row;
    QString cell;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"') {
                cell += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                cell += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            row << cell;
            cell.clear();
        } else if (c == u'\n' || c == u'\r') {
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            row << cell;
            rows << row;
            row.clear();
            cell.clear();
        } else {
            cell += c;
        }
    }
    if (!cell.isEmpty() || !row.isEmpty())
        rows << (row << cell);
    return rows;
}

} // namespace

class TestOffice : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QDir(m_dir.path()).mkdir(QStringLiteral("home"));
        QDir(m_dir.path()).mkdir(QStringLiteral("csv"));
    }

    void guestArchive()
    {
        namespace F = ClienteField;
        const QString archive = m_dir.filePath(QStringLiteral("Clienti.pro"));
        RecordFile f(archive, TCliente::Size);
        f.open();
        TCliente c;
        c.set(F::Cognome, QStringLiteral("D'Angelo"));
        c.set(F::Nome, QStringLiteral("Niccolò"));
        c.set(F::Tipo, QStringLiteral("Capo famiglia"));
        c.set(F::CodFisc, QStringLiteral("DNGNCL80A01H501X"));
        c.set(F::Cap, QStringLiteral("00100"));
        c.set(F::TelCasa, QStringLiteral("0612345678"));
        c.set(F::Note, QStringLiteral("<b>Caffè & cornetto</b> 2,50 €"));
        f.append(c.bytes.data());
        TCliente second;
        second.set(F::Cognome, QStringLiteral("Müller"));
        second.set(F::Questioni, QStringLiteral("Deve 12,50 €; \"urgente\""));
        f.append(second.bytes.data());
        f.close();
        RecordGridModel grid(CardExports::guestColumns());
        grid.load(archive, TCliente::Size);
        const QList<QStringList> rows = convert(grid.sheet(CardExports::guestFile(), CardExports::guestWorksheet()));
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows.at(0).size(), 25);
        QCOMPARE(rows.at(0).at(0), QStringLiteral("Cognome"));
        QCOMPARE(rows.at(0).at(10), QStringLiteral("Comune di residenza"));
        QCOMPARE(rows.at(0).at(24), QStringLiteral("Questioni in sospeso"));
        QCOMPARE(rows.at(1).at(0), QStringLiteral("D'Angelo"));
        QCOMPARE(rows.at(1).at(1), QStringLiteral("Niccolò"));
        QCOMPARE(rows.at(1).at(2), QStringLiteral("Capo famiglia"));
        QCOMPARE(rows.at(1).at(3), QStringLiteral("DNGNCL80A01H501X"));
        QCOMPARE(rows.at(1).at(9), QStringLiteral("00100")); // text cells keep their leading zeros
        QCOMPARE(rows.at(1).at(13), QStringLiteral("0612345678"));
        QCOMPARE(rows.at(1).at(23), QStringLiteral("<b>Caffè & cornetto</b> 2,50 €"));
        QCOMPARE(rows.at(2).at(0), QStringLiteral("Müller"));
        QCOMPARE(rows.at(2).at(24), QStringLiteral("Deve 12,50 €; \"urgente\""));
    }

    void bookingRegister()
    {
        namespace F = VisitaField;
        const QString archive = m_dir.filePath(QStringLiteral("Registro.pro"));
        RecordFile f(archive, TVisita::Size);
        f.open();
        TVisita v;
        v.set(F::DataEnt, QStringLiteral("01/08/2024"));
        v.set(F::OraEnt, QStringLiteral("15:00"));
        v.set(F::DataUsc, QStringLiteral("05/08/2024"));
        v.set(F::Giorni, QStringLiteral("04"));
        v.set(F::Cognome, QStringLiteral("Bianchi"));
        v.set(F::Supplementi, QStringLiteral("Culla & <cane>"));
        v.setDisdetta(true);
        f.append(v.bytes.data());
        f.close();
        RecordGridModel grid(CardExports::bookingColumns());
        grid.load(archive, TVisita::Size);
        const QList<QStringList> rows =
            convert(grid.sheet(CardExports::bookingFile(), CardExports::bookingWorksheet()));
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.at(0).at(2), QStringLiteral("Data partenza"));
        QCOMPARE(rows.at(1).at(0), QStringLiteral("01/08/2024"));
        QCOMPARE(rows.at(1).at(1), QStringLiteral("15:00"));
        QCOMPARE(rows.at(1).at(2), QStringLiteral("05/08/2024"));
        QCOMPARE(rows.at(1).at(4), QStringLiteral("04"));
        QCOMPARE(rows.at(1).at(8), QStringLiteral("Bianchi"));
        QCOMPARE(rows.at(1).at(23), QStringLiteral("Culla & <cane>"));
        QCOMPARE(rows.at(1).at(24), QStringLiteral("Sì"));
    }

    void bill()
    {
        Bill b;
        b.lines[0] = {QStringLiteral("14/08/2026"), QStringLiteral("Caffè & brioche"), QStringLiteral("12,50")};
        b.lines[1] = {QStringLiteral("15/08/2026"), QStringLiteral("Cena <Ferragosto>"), QStringLiteral("95,00")};
        b.total = QStringLiteral("107,50");
        const QList<QStringList> rows = convert(CardExports::billSheet(b));
        QCOMPARE(rows.size(), 1 + 30 + 1);
        QCOMPARE(rows.at(0), (QStringList{"Data", "Descrizione servizio o consumazione", "Importo"}));
        QCOMPARE(rows.at(1), (QStringList{"14/08/2026", "Caffè & brioche", "12,50"}));
        QCOMPARE(rows.at(2), (QStringList{"15/08/2026", "Cena <Ferragosto>", "95,00"}));
        QCOMPARE(rows.at(3), (QStringList{"", "", ""}));
        // The cell of one space before the total is read as an empty cell.
        QCOMPARE(rows.at(31), (QStringList{"", "TOTALE:", "107,50"}));
    }

private:
    // Writes the sheet as the program does and reads it back through LibreOffice.
    QList<QStringList> convert(const Export::Sheet &sheet)
    {
        const QString xls = m_dir.filePath(sheet.fileName);
        if (!Export::save(xls, sheet))
            return {};
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_dir.filePath(QStringLiteral("home")));
        // An Italian desk: there 12,50 is a number unless the cell says it is a text.
        env.insert(QStringLiteral("LANG"), QStringLiteral("it_IT.UTF-8"));
        env.remove(QStringLiteral("LC_ALL"));
        p.setProcessEnvironment(env);
        p.start(office(), {QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                           QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76"), QStringLiteral("--outdir"),
                           m_dir.filePath(QStringLiteral("csv")), xls});
        if (!p.waitForFinished(180000))
            qWarning("LibreOffice did not finish");
        QFile csv(m_dir.filePath(QStringLiteral("csv/") + QFileInfo(xls).completeBaseName() + QStringLiteral(".csv")));
        if (!csv.open(QIODevice::ReadOnly)) {
            qWarning("%s", p.readAllStandardError().constData());
            return {};
        }
        return parseCsv(QString::fromUtf8(csv.readAll()));
    }

    QTemporaryDir m_dir;
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (office().isEmpty()) {
        std::printf("LibreOffice non installato: test di apertura dei file esportati saltato "
                    "(make test-office lo installa e lo esegue).\n");
        return 77;
    }
    TestOffice t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_office.moc"
