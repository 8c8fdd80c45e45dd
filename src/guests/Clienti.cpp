#include "guests/Clienti.h"

#include "app/Guida.h"
#include "base/Text.h"
#include "billing/BillPanel.h"
#include "checks/Carta.h"
#include "checks/CodFisc.h"
#include "checks/Iban.h"
#include "checks/PartitaIva.h"
#include "codes/CardPicks.h"
#include "guests/AllegaCartella.h"
#include "guests/Cartella.h"
#include "guests/Cliente.h"
#include "guests/ExpClienti.h"
#include "guests/StampaClienti.h"
#include "guests/TrovaClienti.h"
#include "guests/TrovaSegnalati.h"
#include "platform/CardForm.h"
#include "platform/Messages.h"
#include "platform/OpenURL.h"
#include "platform/ScreenKit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using C = TfrmClienti;
namespace F = ClienteField;
using Card::Place;

const char *const kCoded = "Servirsi del pulsante a lato per compilare il campo.";

// The card's fields, section by section (0 personal data, 1 residence, 2 document, 3 contacts,
// 4 payment, 5 stay), in Enter and Tab order; then the check box and the hidden fields.
const Card::Row<C> kFields[] = {
    // clang-format off
    {&C::txtCognome, "txtCognome", F::Cognome, "Cognome:", 0, "", Place{0, 0}},
    {&C::txtNome, "txtNome", F::Nome, "Nome:", 0, "", Place{0, 1}},
    {&C::txtSesso, "txtSesso", F::Sesso, "Sesso:", Card::Unmarked, "", Place{0, 2}, "", "1) M|2) F"},
    {&C::txtCodFisc, "txtCodFisc", F::CodFisc, "Codice fiscale:", Card::Upper, "", Place{0, 3}, "btnCodFisc"},
    {&C::txtTipo, "txtTipo", F::Tipo, "Tipo di alloggiato:", 0, kCoded, Place{0, 4}, "impTipo"},
    {&C::txtDataNasc, "txtDataNasc", F::DataNasc, "Data di nascita:", 0, "", Place{0, 5}},
    {&C::txtComuneNasc, "txtComuneNasc", F::ComuneNasc, "Comune di nascita:", 0, kCoded, Place{0, 6}},
    {&C::txtProvNasc, "txtProvNasc", F::ProvNasc, "Prov.", Card::Upper, kCoded, Place{0, 6, 0, 1, 36, true},
     "impComuneNasc"},
    {&C::txtStatoNasc, "txtStatoNasc", F::StatoNasc, "Stato di nascita:", 0, kCoded, Place{0, 7}, "impStatoNasc"},
    {&C::txtCittadinanza, "txtCittadinanza", F::Cittadinanza, "Cittadinanza:", 0, kCoded, Place{0, 8},
     "impCittadinanza"},
    {&C::txtVia, "txtVia", F::Via, "Via e numero civico:", 0, "", Place{1, 0}},
    {&C::txtCap, "txtCap", F::Cap, "CAP:", 0, "", Place{1, 1, 0, 1, 70}},
    {&C::txtComuneRes, "txtComuneRes", F::ComuneRes, "Comune di residenza:", 0, "", Place{1, 2}},
    {&C::txtProvRes, "txtProvRes", F::ProvRes, "Prov.", Card::Upper, "", Place{1, 2, 0, 1, 36, true}},
    {&C::txtIva, "txtIva", F::Iva, "Partita IVA:", 0, "", Place{1, 3}, "btnIva"},
    {&C::txtTipoDoc, "txtTipoDoc", F::TipoDoc, "Tipo documento:", 0, kCoded, Place{2, 0}, "impTipoDoc"},
    {&C::txtNumDoc, "txtNumDoc", F::NumDoc, "Numero documento:", 0, "", Place{2, 1}},
    {&C::txtLuogoRil, "txtLuogoRil", F::LuogoRil, "Luogo rilascio:", 0,
     "Servirsi dei pulsanti a lato per compilare il campo.", Place{2, 2}, "impComuneLuogoRil impStatoLuogoRil"},
    {&C::txtDataRil, "txtDataRil", F::DataRil, "Data rilascio:", 0, "", Place{2, 3}},
    {&C::txtDataSca, "txtDataSca", F::DataSca, "Data scadenza:", 0, "", Place{2, 4}},
    {&C::txtTelCasa, "txtTelCasa", F::TelCasa, "Tel. casa:", 0, "", Place{3, 0}},
    {&C::txtTelUff, "txtTelUff", F::TelUff, "Tel. ufficio:", 0, "", Place{3, 1}},
    {&C::txtCellulare, "txtCellulare", F::Cellulare, "Cellulare:", 0, "", Place{3, 2}},
    {&C::txtFax, "txtFax", F::Fax, "Fax:", 0, "", Place{3, 3}},
    {&C::txtEmail, "txtEmail", F::Email, "E-mail:", Card::TrimOnKey, "", Place{3, 4}, "btnEmail"},
    {&C::txtCarta, "txtCarta", F::Carta, "Carta di credito n.", 0, "", Place{4, 0}, "btnCarta"},
    {&C::txtScadeCarta, "txtScadeCarta", F::ScadeCarta, "Scadenza:", 0, "", Place{4, 1}},
    {&C::txtIban, "txtIban", F::Iban, "IBAN:", Card::Upper, "", Place{4, 2}, "btnIban"},
    {&C::txtIntestatario, "txtIntestatario", F::Intestatario, "Intestatario C/C:", 0, "", Place{4, 3}},
    {&C::txtTariffa, "txtTariffa", F::Tariffa, "Tariffa applicata:", 0, "", Place{5, 0}},
    {&C::txtTipologia, "txtTipologia", F::Tipologia, "Tipologia camera:", Card::Unmarked, "", Place{5, 1}, "",
     "Singola|Doppia|Matrimoniale|Tripla|Quadrupla|Singola uso doppia|Doppia uso singola"},
    {&C::txtFormula, "txtFormula", F::Formula, "Formula:", Card::Unmarked, "", Place{5, 2}, "",
     "Pernottamento e colazione|Mezza pensione|Pensione completa"},
    {&C::txtSupplementi, "txtSupplementi", F::Supplementi, "Supplementi:", 0, "", Place{5, 3}},
    {&C::txtServizi, "txtServizi", F::Servizi, "Servizi richiesti:", 0, "", Place{5, 4}},
    {&C::txtNote, "txtNote", F::Note, "Note:", 0, "", Place{5, 5}},
    {&C::txtQuestioni, "txtQuestioni", F::Questioni, "Questioni in sospeso:", 0, "", Place{5, 6}},
    {&C::chkSegnala, "chkSegnala", F::Segnala, "Segnala", 0,
     "Spunta la casella per aggiungere la scheda al riepilogo dei clienti segnalati."},
    {&C::txtCodSesso, "txtCodSesso", F::CodSesso},
    {&C::lblFile01, "lblFile01", F::File(1)},
    {&C::lblFile02, "lblFile02", F::File(2)},
    {&C::lblFile03, "lblFile03", F::File(3)},
    {&C::lblDesc01, "lblDesc01", F::DescFile(1)},
    {&C::lblDesc02, "lblDesc02", F::DescFile(2)},
    {&C::lblDesc03, "lblDesc03", F::DescFile(3)},
    // clang-format on
};

const char *const kSections[] = {"Dati anagrafici", "Residenza",         "Documento di riconoscimento",
                                 "Recapiti",        "Dati di pagamento", "Soggiorno"};

const ScreenKit::Command<C> kCommands[] = {
    // clang-format off
    {&C::cmdSegnalati, "cmdSegnalati", "segnala", "Segnalati", "Visualizza il riepilogo dei clienti segnalati.",
     &C::cmdSegnalatiClick},
    {&C::cmdCartella, "cmdCartella", "cartella", "Cartella", "Gestisci la cartella abbinata alla scheda corrente.",
     &C::cmdCartellaClick},
    {&C::cmdFile, "cmdFile", "allega", "Allega", "Allega file alla scheda corrente.", &C::cmdFileClick},
    {&C::cmdEsporta, "cmdEsporta", "esporta", "Esporta", "Esporta le schede in archivio in un file di Microsoft Excel.",
     &C::cmdEsportaClick},
    // clang-format on
};

const ScreenKit::Command<C> kFieldButtons[] = {
    // clang-format off
    {&C::btnCodFisc, "btnCodFisc", "verifica", "", "Controlla il codice fiscale.", &C::btnCodFiscClick},
    {&C::btnIva, "btnIva", "verifica", "", "Controlla il numero di partita IVA.", &C::btnIvaClick},
    {&C::btnIban, "btnIban", "verifica", "", "Controlla l'IBAN.", &C::btnIbanClick},
    {&C::btnCarta, "btnCarta", "verifica", "", "Controlla il numero di carta di credito.", &C::btnCartaClick},
    {&C::btnEmail, "btnEmail", "email", "", "Invia una e-mail all'indirizzo indicato.", &C::btnEmailClick},
    {&C::icoSegnala, "icoSegnala", "segnala", "",
     "Spunta la casella per aggiungere la scheda al riepilogo dei clienti segnalati.", nullptr},
    // clang-format on
};

} // namespace

TfrmClienti::TfrmClienti()
    : TCardScreen(QStringLiteral(" Lunaresca - Anagrafica clienti e consumazioni"), clientiPath, TCliente::Size,
                  QStringLiteral("Pronto per salvare una nuova scheda..."))
{
    m_nextOnEmptyForgets = true;
    setObjectName(QStringLiteral("frmClienti"));
    resize(1200, 800);
    lblPosizione->setMinimumWidth(80);
    ScreenKit::commands<C>(this, this, m_hints, cardCommands<C>(true), 32);
    ScreenKit::commands<C>(this, this, m_hints, kCommands, 32);
    ScreenKit::commands<C>(this, this, m_hints, kFieldButtons, 20);
    Card::build<C>(this, *m_form, kFields);
    Codes::buildIdentity<C>(
        this, *m_form, "clienti",
        {F::CodTipo, F::CodTipoDoc, F::CodStatoNasc, F::CodCittadinanza, F::CodLuogoRil, F::CodComuneNasc});
    icoSegnala->setIconSize(QSize(28, 28));
    for (QWidget *b : {btnCodFisc, btnIva, btnIban, btnCarta, btnEmail})
        m_form->name(b);
    btnConto = new QPushButton(QStringLiteral("CONTO CLIENTE"), this);
    btnConto->setObjectName(QStringLiteral("btnConto"));
    m_hints->add(btnConto, QStringLiteral("Apri o chiudi la schermata del conto del cliente."));

    buildLayout();
    conto = new BillPanel(m_page, m_hints);
    for (int n = 1; n <= 30; ++n) {
        m_form->bind(F::Data(n), conto->txtData[n - 1]);
        m_form->bind(F::Desc(n), conto->txtDesc[n - 1]);
        m_form->bind(F::Prezzo(n), conto->txtPrezzo[n - 1]);
    }
    m_form->bind(F::Acconto, conto->txtAcconto);
    connect(conto, &BillPanel::closed, this, [this] { txtCognome->setFocus(); });
    m_form->wire(this, {});
    new ScreenKit::EnterChain(conto->enterChain(), this);
    setTabOrder(chkSegnala, btnConto);
    connect(btnConto, &QPushButton::clicked, this, &TfrmClienti::btnContoClick);
    connect(icoSegnala, &QToolButton::clicked, chkSegnala, &QCheckBox::toggle);
}

void TfrmClienti::buildLayout()
{
    auto *bar = new QHBoxLayout;
    bar->setSpacing(2);
    for (QToolButton *b : {cmdNuovo, cmdSalva, cmdPrimo, cmdIndietro, cmdAvanti, cmdUltimo, cmdTrova, cmdSegnalati,
                           cmdCartella, cmdFile, cmdStampa, cmdEsporta, cmdGuida})
        bar->addWidget(b);
    bar->addStretch();
    bar->addWidget(new QLabel(QStringLiteral("Scheda n."), this));
    bar->addWidget(lblPosizione);
    bar->addSpacing(12);
    bar->addWidget(cmdEsci);

    m_page = new QWidget(this);
    m_page->setObjectName(QStringLiteral("panScheda"));
    auto *cols = new QGridLayout(m_page);
    cols->setHorizontalSpacing(12);
    cols->setVerticalSpacing(8);
    QGroupBox *boxes[6];
    for (int i = 0; i < 6; ++i) {
        boxes[i] = new QGroupBox(QString::fromUtf8(kSections[i]));
        auto *g = new QGridLayout(boxes[i]);
        g->setVerticalSpacing(7);
        g->setHorizontalSpacing(8);
        g->setColumnStretch(1, 1);
        m_form->layOut(i, g, 6);
        m_hints->blank(boxes[i]);
    }
    auto *flag = new QHBoxLayout;
    flag->addWidget(chkSegnala);
    flag->addWidget(icoSegnala);
    flag->addStretch();
    flag->addWidget(btnConto);
    static_cast<QGridLayout *>(boxes[5]->layout())->addLayout(flag, 7, 0, 1, 2);

    cols->addWidget(boxes[0], 0, 0, 2, 1);
    cols->addWidget(boxes[1], 0, 1);
    cols->addWidget(boxes[2], 1, 1);
    cols->addWidget(boxes[3], 0, 2);
    cols->addWidget(boxes[4], 1, 2);
    cols->addWidget(boxes[5], 2, 0, 1, 3);
    cols->setRowStretch(3, 1);
    for (int c = 0; c < 3; ++c)
        cols->setColumnStretch(c, 1);
    m_hints->blank(m_page);

    auto *v = new QVBoxLayout(this);
    v->setContentsMargins(6, 4, 6, 6);
    v->setSpacing(4);
    v->addLayout(bar);
    v->addWidget(panInfo);
    v->addWidget(m_page, 1);
}

TCliente TfrmClienti::toRecord() const
{
    TCliente r;
    m_form->store(r.bytes.data());
    return r;
}

void TfrmClienti::fromRecord(const TCliente &r) { m_form->load(r.bytes.data()); }

bool TfrmClienti::ShowGuestAt(qint64 n)
{
    if (!loadAt(n))
        return false;
    conto->txtTotale->setText(QStringLiteral("---"));
    conto->setTitle(Text::trimmed(txtNome->text()), Text::trimmed(txtCognome->text()));
    return true;
}

void TfrmClienti::Reset()
{
    conto->txtTotale->setText(QStringLiteral("---"));
    m_form->clear();
    lblPosizione->clear();
    conto->reset();
    txtCognome->setFocus();
}

void TfrmClienti::cmdNuovoClick() { Reset(); }

void TfrmClienti::cmdSalvaClick()
{
    for (QLineEdit *e : {txtCognome, txtNome})
        if (Text::isBlank(e->text())) {
            Msg::warning(QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il %1 del cliente.")
                             .arg(e == txtCognome ? QStringLiteral("cognome") : QStringLiteral("nome")),
                         this);
            e->setFocus();
            return;
        }
    saveCard(toRecord().bytes.data());
}

void TfrmClienti::cmdTrovaClick() { openModal<TfrmTrovaClienti>(this, QStringLiteral("clienti")); }

void TfrmClienti::cmdSegnalatiClick() { openModal<TfrmTrovaSegnalati>(this); }

void TfrmClienti::cmdCartellaClick()
{
    const QString pos = Text::trimmed(lblPosizione->text());
    if (pos.isEmpty()) {
        Msg::warning(
            QStringLiteral("Attenzione: l'abbinamento di una cartella ad un cliente può avvenire soltanto dopo "
                           "che la scheda è stata inserita in archivio."),
            this);
        return;
    }
    openModal<TfrmCartella>(this, QString(), [&](TfrmCartella *d) { d->setPosition(pos); });
}

void TfrmClienti::cmdFileClick()
{
    const auto applied = TfrmAllegaCartella::edit(this, {{lblFile01->text(), lblFile02->text(), lblFile03->text()},
                                                         {lblDesc01->text(), lblDesc02->text(), lblDesc03->text()}});
    if (!applied)
        return;
    lblFile01->setText(applied->names[0]);
    lblFile02->setText(applied->names[1]);
    lblFile03->setText(applied->names[2]);
    lblDesc01->setText(applied->descriptions[0]);
    lblDesc02->setText(applied->descriptions[1]);
    lblDesc03->setText(applied->descriptions[2]);
}

void TfrmClienti::cmdStampaClick()
{
    openModal<TfrmStampaClienti>(this, QString(), [this](TfrmStampaClienti *d) { d->setRecord(toRecord()); });
}

void TfrmClienti::cmdEsportaClick() { openModal<TfrmExpClienti>(this); }

void TfrmClienti::cmdGuidaClick() { ShowHelpTopic(this, HelpTopic::guests()); }

void TfrmClienti::cmdEsciClick() { close(); }

void TfrmClienti::btnCodFiscClick()
{
    const QString t = Text::trimmed(txtCodFisc->text());
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    if (!t.isEmpty() && digits.match(t).hasMatch())
        openModal<TfrmPartitaIva>(this, QString(), [&](TfrmPartitaIva *d) { d->txtPartitaIva->setText(t); });
    else
        openModal<TfrmCodFisc>(this, QString(), [&](TfrmCodFisc *d) { d->txtCodFisc->setText(t); });
}

void TfrmClienti::btnIvaClick()
{
    const QString t = Text::trimmed(txtIva->text());
    openModal<TfrmPartitaIva>(this, QString(), [&](TfrmPartitaIva *d) { d->txtPartitaIva->setText(t); });
}

void TfrmClienti::btnIbanClick()
{
    const QString t = Text::trimmed(txtIban->text());
    openModal<TfrmIban>(this, QString(), [&](TfrmIban *d) { d->txtIban->setText(t); });
}

void TfrmClienti::btnCartaClick()
{
    const QString t = Text::trimmed(txtCarta->text());
    openModal<TfrmCarta>(this, QString(), [&](TfrmCarta *d) { d->txtNumero->setText(t); });
}

void TfrmClienti::btnEmailClick()
{
    TMisc::Open(QStringLiteral("\"mailto:") + Text::trimmed(txtEmail->text()) + QLatin1Char('"'));
}

void TfrmClienti::btnContoClick()
{
    if (conto->isOpen())
        conto->close();
    else
        conto->open(Text::trimmed(txtNome->text()), Text::trimmed(txtCognome->text()));
}

void TfrmClienti::showEvent(QShowEvent *e)
{
    TCardScreen::showEvent(e);
    if (!e->spontaneous())
        Reset();
}

void TfrmClienti::resizeEvent(QResizeEvent *e)
{
    TCardScreen::resizeEvent(e);
    if (conto->isOpen())
        conto->place();
}
