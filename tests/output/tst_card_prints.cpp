#include "billing/BillPanel.h"
#include "billing/StampaConto.h"
#include "bookings/Registro.h"
#include "bookings/StampaVisita.h"
#include "bookings/Visita.h"
#include "guests/Cliente.h"
#include "guests/Clienti.h"
#include "guests/StampaClienti.h"
#include "output/CardPrints.h"
#include "platform/PrintDialog.h"
#include "report/ReportPrinter.h"
#include "support/TestSupport.h"

#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace Report;

namespace {

const QDateTime kWhen(QDate(2025, 3, 5), QTime(9, 30, 15));
const QString kNote = QStringLiteral("Stampa eseguita in data 05/03/2025 alle ore 09:30:15");

const Item &item(Document &doc, const QString &name)
{
    static Item none;
    const Item *i = doc.item(name);
    return i ? *i : none;
}

bool near(const QRectF &a, const QRectF &b)
{
    return qAbs(a.left() - b.left()) < 1e-9 && qAbs(a.top() - b.top()) < 1e-9 && qAbs(a.width() - b.width()) < 1e-9
           && qAbs(a.height() - b.height()) < 1e-9;
}

// pdftotext's reading of the page with every run of blanks made one space.
QString pdfText(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!p.waitForFinished(30000))
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput())
        .replace(QRegularExpression(QStringLiteral("[ \\t]+")), QStringLiteral(" "));
}

int pdfPages(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {path});
    p.waitForFinished(30000);
    const auto m =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

TCliente guest()
{
    namespace F = ClienteField;
    TCliente c;
    c.set(F::Cognome, QStringLiteral("Rossi"));
    c.set(F::Nome, QStringLiteral("Niccolò"));
    c.set(F::Tipo, QStringLiteral("Ospite singolo"));
    c.set(F::CodFisc, QStringLiteral("RSSNCC80A01H501U"));
    c.set(F::ProvRes, QStringLiteral("RM"));
    c.set(F::Note, QStringLiteral("Consegnare il [DATE] alle 10"));
    c.set(F::Questioni, QStringLiteral("Saldo € 20,00"));
    c.set(F::Carta, QStringLiteral("4111111111111111"));
    return c;
}

TVisita booking(const QString &time)
{
    namespace F = VisitaField;
    TVisita v;
    v.set(F::DataEnt, QStringLiteral("01/08/2024"));
    v.set(F::OraEnt, time);
    v.set(F::DataUsc, QStringLiteral("05/08/2024"));
    v.set(F::OraUsc, QStringLiteral("10:00"));
    v.set(F::Camera, QStringLiteral("12"));
    v.set(F::Adulti, QStringLiteral("2"));
    v.set(F::Bambini, QStringLiteral("1"));
    v.set(F::Giorni, QStringLiteral("4"));
    v.set(F::Cognome, QStringLiteral("Bianchi"));
    v.set(F::Nome, QStringLiteral("Giulia"));
    v.set(F::Sesso, QStringLiteral("F"));
    v.set(F::ProvNasc, QStringLiteral("MI"));
    v.set(F::Supplementi, QStringLiteral("Culla"));
    return v;
}

} // namespace

class TestCardPrints : public QObject {
    Q_OBJECT
private slots:
    void init() { Clock::setFixed(kWhen); }
    void cleanup()
    {
        Clock::reset();
        PrintDialog::setHook(nullptr);
    }

    void guestCardLayout()
    {
        Document doc = CardPrints::guestCard(guest(), kWhen);
        QCOMPARE(doc.orientation(), Orientation::Portrait);
        QCOMPARE(doc.printableSize(), QSizeF(190, 277));
        const Item &title = item(doc, QStringLiteral("Titolo"));
        QVERIFY(near(title.rect, QRectF(1, 1, 188, 5.8)));
        QCOMPARE(title.fill, LightSteelBlue);
        QCOMPARE(title.text, QStringLiteral("SCHEDA ANAGRAFICA DEL CLIENTE"));
        QCOMPARE(title.font.pointSize, 9.0);
        QVERIFY(title.alignment & Qt::AlignHCenter);
        const struct {
            int row;
            double top;
            const char *caption, *value;
        } rows[] = {{1, 7, "Cognome:", "Rossi"},
                    {2, 12, "Nome:", "Niccolò"},
                    {3, 17, "Tipo di alloggiato:", "Ospite singolo"},
                    {4, 22, "Codice fiscale:", "RSSNCC80A01H501U"},
                    {12, 62, "Prov.", "RM"},
                    {29, 147, "Note:", "Consegnare il [DATE] alle 10"},
                    {30, 152, "Questioni in sospeso:", "Saldo € 20,00"}};
        for (const auto &r : rows) {
            const QString n = QStringLiteral("%1").arg(r.row, 2, 10, QLatin1Char('0'));
            const Item &box = item(doc, QStringLiteral("Riga") + n);
            QVERIFY(near(box.rect, QRectF(1, r.top, 188, 4.6)));
            QVERIFY(box.framed);
            const Item &caption = item(doc, QStringLiteral("Didascalia") + n);
            QVERIFY(near(caption.rect, QRectF(2, r.top + 0.5, 37.8, 3.6)));
            QCOMPARE(caption.text, QString::fromUtf8(r.caption));
            const Item &value = item(doc, QStringLiteral("Valore") + n);
            QVERIFY(near(value.rect, QRectF(44, r.top + 0.5, 144, 3.6)));
            QCOMPARE(value.text, QString::fromUtf8(r.value));
            QCOMPARE(value.font.family, QStringLiteral("Arial"));
            QCOMPARE(value.font.pointSize, 7.0);
            QVERIFY(value.alignment & Qt::AlignLeft);
        }
        QVERIFY(near(item(doc, QStringLiteral("Divisore")).rect, QRectF(42, 7, 0, 149.6)));
        const Item &foot = item(doc, QStringLiteral("Piede"));
        QVERIFY(near(foot.rect, QRectF(1, 160, 188, 5.8)));
        QCOMPARE(foot.fill, Gold);
        QCOMPARE(foot.font.pointSize, 8.0);
        QCOMPARE(foot.text, kNote);

        // One page; "[DATE]" in a note is the guest's text, printed as it stands.
        doc.prepare(kWhen.date());
        QCOMPARE(doc.pages().size(), 1);
        const QStringList texts = doc.pages().first().texts();
        QCOMPARE(texts.size(), 1 + 60 + 1);
        QVERIFY(texts.contains(QStringLiteral("Consegnare il [DATE] alle 10")));
        QVERIFY(!texts.join(QString()).contains(QStringLiteral("4111")));

        // An empty card: thirty captions, thirty empty values, the note.
        Document blank = CardPrints::guestCard(TCliente(), kWhen);
        for (int n = 1; n <= 30; ++n)
            QCOMPARE(item(blank, QStringLiteral("Valore%1").arg(n, 2, 10, QLatin1Char('0'))).text, QString());
        QCOMPARE(item(blank, QStringLiteral("Piede")).text, kNote);
    }

    void billLayout()
    {
        Bill b;
        b.title = QStringLiteral("Conto del cliente  "); // neither name nor surname on the card
        b.lines[0] = {QStringLiteral(" 14/08/2026"), QStringLiteral("Camera  "), QStringLiteral("12,50 ")};
        b.lines[29] = {QStringLiteral("16/08/2026"), QStringLiteral("Ultima"), QStringLiteral("1,00")};
        b.total = QStringLiteral("13,50");
        Document doc = CardPrints::bill(b, kWhen);
        QCOMPARE(item(doc, QStringLiteral("Titolo")).text, QStringLiteral("Conto del cliente"));
        QVERIFY(near(item(doc, QStringLiteral("Intestazione")).rect, QRectF(1, 10, 188, 4.6)));
        const struct {
            const char *name;
            QRectF rect;
            const char *text;
            Qt::Alignment align;
        } texts[] = {
            {"IntestazioneData", {2, 10.5, 22, 3.6}, "DATA", Qt::AlignHCenter},
            {"IntestazioneDescrizione",
             {27, 10.5, 134.4, 3.6},
             "DESCRIZIONE SERVIZIO O CONSUMAZIONE",
             Qt::AlignHCenter},
            {"IntestazioneImporto", {165, 10.5, 22, 3.6}, "IMPORTO", Qt::AlignHCenter},
            {"Data01", {2, 15.5, 22, 3.6}, "14/08/2026", Qt::AlignHCenter},
            {"Descrizione01", {27, 15.5, 134.4, 3.6}, "Camera", Qt::AlignLeft},
            {"Importo01", {165, 15.5, 22, 3.6}, "12,50", Qt::AlignRight},
            {"Importo02", {165, 20.5, 22, 3.6}, "", Qt::AlignRight},
            {"Descrizione30", {27, 160.5, 134.4, 3.6}, "Ultima", Qt::AlignLeft},
            {"DidascaliaTotale", {138, 168.5, 22, 4}, "TOTALE: ", Qt::AlignRight},
            {"Totale", {164, 168, 23.8, 5}, "13,50", Qt::AlignRight},
        };
        for (const auto &t : texts) {
            const Item &i = item(doc, QString::fromLatin1(t.name));
            QVERIFY2(near(i.rect, t.rect), t.name);
            QCOMPARE(i.text, QString::fromUtf8(t.text));
            QVERIFY2(i.alignment & t.align, t.name);
        }
        QCOMPARE(item(doc, QStringLiteral("Totale")).font.pointSize, 9.0);
        QVERIFY(item(doc, QStringLiteral("Totale")).alignment & Qt::AlignVCenter);
        QVERIFY(near(item(doc, QStringLiteral("Riga30")).rect, QRectF(1, 160, 188, 4.6)));
        QVERIFY(near(item(doc, QStringLiteral("RiquadroTotale")).rect, QRectF(163, 168, 26, 5)));
        QVERIFY(near(item(doc, QStringLiteral("DivisoreData")).rect, QRectF(25.5, 10, 0, 154.6)));
        QVERIFY(near(item(doc, QStringLiteral("DivisoreImporto")).rect, QRectF(163, 10, 0, 154.6)));
        QVERIFY(near(item(doc, QStringLiteral("Piede")).rect, QRectF(1, 179, 188, 5.8)));
        QCOMPARE(item(doc, QStringLiteral("Piede")).text, kNote);
        QCOMPARE(item(doc, QStringLiteral("Piede")).fill, Gold);
    }

    void bookingLayoutHasTwoIdenticalCopies()
    {
        Document doc = CardPrints::bookingCard(booking(QStringLiteral("15:00")), kWhen);
        const QStringList values = CardPrints::bookingValues(booking(QStringLiteral("15:00")));
        QCOMPARE(values.at(0), QStringLiteral("Data: 01/08/2024   -   Ora: 15:00"));
        QCOMPARE(values.at(1), QStringLiteral("Data: 05/08/2024   -   Ora: 10:00"));
        QCOMPARE(values.at(2), QStringLiteral("12   -   Adulti: 2   -   Bambini: 1   -   Giorni: 4"));
        QCOMPARE(values.at(3), QStringLiteral("Bianchi Giulia   -   Sesso: F"));
        QCOMPARE(values.at(15), QStringLiteral("Culla"));
        QCOMPARE(CardPrints::bookingValues(booking(QString())).at(0), QStringLiteral("Data: 01/08/2024   -   Ora: "));

        // Every item of the guest's copy has a twin in the lodging's copy, 108 mm lower.
        int twins = 0;
        for (const Band &band : doc.bands())
            for (const Item &i : band.items) {
                if (!i.name.contains(QLatin1String("Cliente")))
                    continue;
                QString other = i.name;
                other.replace(QLatin1String("Cliente"), QLatin1String("Struttura"));
                const Item &t = item(doc, other);
                QVERIFY2(near(t.rect, i.rect.translated(0, 108)), qPrintable(i.name));
                if (!i.name.startsWith(QLatin1String("Copia")))
                    QCOMPARE(t.text, i.text);
                ++twins;
            }
        QCOMPARE(twins, 1 + 16 * 3 + 1 + 1);
        QVERIFY(near(item(doc, QStringLiteral("TitoloCliente")).rect, QRectF(1, 1, 188, 5.8)));
        QCOMPARE(item(doc, QStringLiteral("TitoloStruttura")).text,
                 QStringLiteral("SCHEDA RIEPILOGATIVA ARRIVO E PARTENZA CLIENTE"));
        QVERIFY(near(item(doc, QStringLiteral("RigaCliente01")).rect, QRectF(1, 7, 188, 4.6)));
        QVERIFY(near(item(doc, QStringLiteral("RigaStruttura16")).rect, QRectF(1, 190, 188, 4.6)));
        QCOMPARE(item(doc, QStringLiteral("DidascaliaCliente04")).text, QStringLiteral("Cognome e nome Cliente:"));
        QVERIFY(near(item(doc, QStringLiteral("ValoreStruttura16")).rect, QRectF(44, 190.5, 144, 3.6)));
        QVERIFY(near(item(doc, QStringLiteral("DivisoreCliente")).rect, QRectF(42, 7, 0, 79.6)));
        const Item &tag = item(doc, QStringLiteral("CopiaCliente"));
        QVERIFY(near(tag.rect, QRectF(109, 89, 80, 5.8)));
        QCOMPARE(tag.text, QStringLiteral("COPIA PER CLIENTE"));
        QCOMPARE(tag.fill, LightSteelBlue);
        QVERIFY(near(item(doc, QStringLiteral("CopiaStruttura")).rect, QRectF(109, 197, 80, 5.8)));
        QCOMPARE(item(doc, QStringLiteral("CopiaStruttura")).text, QStringLiteral("COPIA PER STRUTTURA RICETTIVA"));
        QVERIFY(near(item(doc, QStringLiteral("Taglio")).rect, QRectF(0, 102, 190, 0)));
        QVERIFY(near(item(doc, QStringLiteral("Piede")).rect, QRectF(1, 270, 188, 5.8)));
        QCOMPARE(item(doc, QStringLiteral("Piede")).text, kNote);
        doc.prepare(kWhen.date());
        QCOMPARE(doc.pages().size(), 1);
    }

    // Each print through its screen: the print dialog, a PDF read back, the screen closed after.
    void guestCardPrintsTheScreen()
    {
        TempProgramFolder dir;
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("scheda.pdf"));
        int offered = 0;
        PrintDialog::setHook([&](QPrinter &p) {
            ++offered;
            p.setOutputFileName(pdf);
            return true;
        });
        TfrmClienti card;
        card.show();
        QVERIFY(QTest::qWaitForWindowExposed(&card));
        TestKeys::type(card.txtCognome, QStringLiteral("  D'Angelo  "));
        TestKeys::type(card.txtNome, QStringLiteral("Niccolò"));
        TestKeys::type(card.txtNote, QStringLiteral("Allergia & intolleranze"));
        bool closed = false;
        QString caption;
        whenModalOpens([&](QWidget *m) {
            auto *d = qobject_cast<TfrmStampaClienti *>(m);
            if (!d) {
                m->close();
                return;
            }
            caption = d->windowTitle();
            QTest::mouseClick(d->btnStampa, Qt::LeftButton);
            closed = !d->isVisible();
            d->reject();
        });
        QTest::mouseClick(card.cmdStampa, Qt::LeftButton);
        QCOMPARE(caption, QStringLiteral(" Stampa scheda corrente"));
        QVERIFY(closed);
        QCOMPARE(offered, 1);
        QCOMPARE(pdfPages(pdf), 1);
        const QString text = pdfText(pdf);
        QVERIFY2(text.contains(QStringLiteral("SCHEDA ANAGRAFICA DEL CLIENTE")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Cognome: D'Angelo\n")));
        QVERIFY(text.contains(QStringLiteral("Nome: Niccolò")));
        QVERIFY(text.contains(QStringLiteral("Note: Allergia & intolleranze")));
        QVERIFY(text.contains(QStringLiteral("Questioni in sospeso:")));
        QVERIFY(text.contains(kNote));
    }

    void billPrintsThePanel()
    {
        TempProgramFolder dir;
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("conto.pdf"));
        PrintDialog::setHook([&](QPrinter &p) {
            p.setOutputFileName(pdf);
            return true;
        });
        TfrmClienti card;
        card.show();
        QVERIFY(QTest::qWaitForWindowExposed(&card));
        TestKeys::type(card.txtNome, QStringLiteral("Giulia"));
        TestKeys::type(card.txtCognome, QStringLiteral("Bianchi"));
        QTest::mouseClick(card.btnConto, Qt::LeftButton);
        card.conto->txtData[0]->setText(QStringLiteral("14/08/2026"));
        card.conto->txtDesc[0]->setText(QStringLiteral("Caffè al bar"));
        card.conto->txtPrezzo[0]->setText(QStringLiteral("12,50"));
        card.conto->txtDesc[2]->setText(QStringLiteral("Cena di Ferragosto"));
        card.conto->txtPrezzo[2]->setText(QStringLiteral("1"));
        bool closed = false;
        whenModalOpens([&](QWidget *m) {
            auto *d = qobject_cast<TfrmStampaConto *>(m);
            if (!d) {
                m->close();
                return;
            }
            QTest::mouseClick(d->btnStampa, Qt::LeftButton);
            closed = !d->isVisible();
            d->reject();
        });
        QTest::mouseClick(card.conto->cmdStampaConto, Qt::LeftButton);
        QVERIFY(closed);
        const QString text = pdfText(pdf);
        QVERIFY2(text.contains(QStringLiteral("Conto del cliente Giulia Bianchi")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("DATA DESCRIZIONE SERVIZIO O CONSUMAZIONE IMPORTO")));
        QVERIFY(text.contains(QStringLiteral("14/08/2026 Caffè al bar 12,50")));
        QVERIFY(text.contains(QStringLiteral("Cena di Ferragosto 1")));
        QVERIFY(text.contains(QStringLiteral("TOTALE: 13,50"))); // computed when the button was pressed
        QVERIFY(text.contains(kNote));
    }

    void bookingPrintsTwoCopies()
    {
        TempProgramFolder dir;
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("visita.pdf"));
        PrintDialog::setHook([&](QPrinter &p) {
            p.setOutputFileName(pdf);
            return true;
        });
        TfrmRegistro card;
        card.show();
        QVERIFY(QTest::qWaitForWindowExposed(&card));
        card.fromRecord(booking(QStringLiteral("15:00")));
        bool closed = false;
        whenModalOpens([&](QWidget *m) {
            auto *d = qobject_cast<TfrmStampaVisita *>(m);
            if (!d) {
                m->close();
                return;
            }
            QTest::mouseClick(d->btnStampa, Qt::LeftButton);
            closed = !d->isVisible();
            d->reject();
        });
        QTest::mouseClick(card.cmdStampa, Qt::LeftButton);
        QVERIFY(closed);
        QCOMPARE(pdfPages(pdf), 1);
        const QString text = pdfText(pdf);
        QCOMPARE(text.count(QStringLiteral("SCHEDA RIEPILOGATIVA ARRIVO E PARTENZA CLIENTE")), 2);
        QCOMPARE(text.count(QStringLiteral("Arrivo: Data: 01/08/2024 - Ora: 15:00")), 2);
        QCOMPARE(text.count(QStringLiteral("Cognome e nome Cliente: Bianchi Giulia - Sesso: F")), 2);
        QVERIFY(text.indexOf(QStringLiteral("COPIA PER CLIENTE"))
                < text.indexOf(QStringLiteral("COPIA PER STRUTTURA RICETTIVA")));
        QCOMPARE(text.count(kNote), 1);
    }

    void cancelledOrFailedPrint()
    {
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("x.pdf"));
        MessageRecorder msgs;
        // Cancelled: nothing printed, no message, the screen closes.
        PrintDialog::setHook([&](QPrinter &p) {
            p.setOutputFileName(pdf);
            return false;
        });
        {
            TfrmStampaVisita d;
            d.setRecord(booking(QStringLiteral("15:00")));
            d.show();
            QTest::mouseClick(d.btnStampa, Qt::LeftButton);
            QVERIFY(!d.isVisible());
            QCOMPARE(d.result(), int(QDialog::Accepted));
        }
        QVERIFY(!QFile::exists(pdf));
        QCOMPARE(msgs.count(), 0);
        // A printer that cannot take the job: the operator is told, the screen closes.
        PrintDialog::setHook([&](QPrinter &p) {
            p.setOutputFileName(out.filePath(QStringLiteral("no/such/folder/x.pdf")));
            return true;
        });
        TfrmStampaClienti d;
        d.show();
        QTest::mouseClick(d.btnStampa, Qt::LeftButton);
        QVERIFY(!d.isVisible());
        QCOMPARE(msgs.count(), 1);
        QCOMPARE(msgs.lastKind(), Msg::Kind::Warning);
        QCOMPARE(msgs.lastText(), ReportPrinter::failureText());
        // Annulla closes without printing.
        int offered = 0;
        PrintDialog::setHook([&](QPrinter &) { return bool(++offered); });
        TfrmStampaConto c;
        QCOMPARE(c.windowTitle(), QStringLiteral(" Stampa conto cliente"));
        c.show();
        QTest::mouseClick(c.btnAnnulla, Qt::LeftButton);
        QVERIFY(!c.isVisible());
        QCOMPARE(offered, 0);
    }
};

QTEST_MAIN(TestCardPrints)
#include "tst_card_prints.moc"
