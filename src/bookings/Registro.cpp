#include "bookings/Registro.h"

#include "app/Guida.h"
#include "base/Dates.h"
#include "base/Formats.h"
#include "base/Text.h"
#include "bookings/ArriviFuturi.h"
#include "bookings/BookingRules.h"
#include "bookings/Calendario.h"
#include "bookings/ConfermaEmail.h"
#include "bookings/EntratiOggi.h"
#include "bookings/ExpVisite.h"
#include "bookings/SchedineScreen.h"
#include "bookings/StampaVisita.h"
#include "bookings/Tableau.h"
#include "bookings/TrovaVisite.h"
#include "bookings/UscitiOggi.h"
#include "bookings/Visita.h"
#include "codes/CardPicks.h"
#include "guests/Cliente.h"
#include "guests/GuestSearch.h"
#include "guests/TrovaClienti.h"
#include "platform/CardForm.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/OpenURL.h"
#include "platform/ScreenKit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using R = TfrmRegistro;
namespace V = VisitaField;
using Card::Place;

const char *const kCoded = "Servirsi del pulsante a lato per compilare il campo.";
const char *const kDate = "Fai clic su questo campo e premi un tasto qualsiasi per importare una data dal calendario.";

// The card's fields, group by group (0 arrival, 1 stay, 2 guest, 3 departure, 4 rate), in Enter
// and Tab order; then the check box and the hidden codes. A date ends its Enter chain: Enter
// there opens the picker.
const Card::Row<R> kFields[] = {
    // clang-format off
    {&R::txtDataEnt, "txtDataEnt", V::DataEnt, "Data:", Card::DateKey, kDate, Place{0, 0, 0, 1, 100}, "impDataEnt",
     "dataent"},
    {&R::txtOraEnt, "txtOraEnt", V::OraEnt, "Ora:", 0, "", Place{0, 0, 2, 1, 60}, "impOraEnt"},
    {&R::txtCamera, "txtCamera", V::Camera, "Camera n.", 0, "", Place{1, 0, 0}},
    {&R::txtAdulti, "txtAdulti", V::Adulti, "Adulti:", Card::Digits, "", Place{1, 0, 2, 1, 36}},
    {&R::txtBambini, "txtBambini", V::Bambini, "Bambini:", Card::Digits, "", Place{1, 0, 4, 1, 36}},
    {&R::txtGiorni, "txtGiorni", V::Giorni, "Giorni:", Card::Digits, "", Place{1, 0, 6, 1, 36}},
    {&R::txtCellulare, "txtCellulare", V::Cellulare, "Cellulare:", 0, "", Place{1, 0, 8}},
    {&R::txtCognome, "txtCognome", V::Cognome, "Cognome:", 0, "", Place{2, 0, 0}},
    {&R::txtNome, "txtNome", V::Nome, "Nome:", 0, "", Place{2, 0, 2}, "impCliente"},
    {&R::txtTipo, "txtTipo", V::Tipo, "Tipo di alloggiato:", 0, kCoded, Place{2, 1, 0, 3}, "impTipo"},
    // Editable only so that a loaded or imported text other than the two items still shows.
    {&R::txtSesso, "txtSesso", V::Sesso, "Sesso:", Card::ListOnly, "", Place{2, 2, 0, 3, 70}, "+12", "1) M|2) F"},
    {&R::txtDataNasc, "txtDataNasc", V::DataNasc, "Data di nascita:", 0, "", Place{2, 2, 0, 1, 100, true}, "~"},
    {&R::txtComuneNasc, "txtComuneNasc", V::ComuneNasc, "Comune di nascita:", 0, kCoded, Place{2, 3, 0, 1, 190}},
    {&R::txtProvNasc, "txtProvNasc", V::ProvNasc, "Prov.", Card::Upper, kCoded, Place{2, 3, 0, 1, 34, true},
     "impComuneNasc"},
    {&R::txtStatoNasc, "txtStatoNasc", V::StatoNasc, "Stato di nascita:", 0, kCoded, Place{2, 3, 2}, "impStatoNasc"},
    {&R::txtTipoDoc, "txtTipoDoc", V::TipoDoc, "Tipo documento:", 0, kCoded, Place{2, 4, 0}, "impTipoDoc"},
    {&R::txtNumDoc, "txtNumDoc", V::NumDoc, "Numero documento:", Card::UpperOnKey, "", Place{2, 4, 2}},
    {&R::txtLuogoRil, "txtLuogoRil", V::LuogoRil, "Luogo di rilascio:", 0,
     "Servirsi dei pulsanti a lato per compilare il campo.", Place{2, 5, 0, 3}, "impComuneLuogoRil impStatoLuogoRil"},
    {&R::txtCittadinanza, "txtCittadinanza", V::Cittadinanza, "Cittadinanza:", 0, kCoded, Place{2, 6, 0},
     "impCittadinanza"},
    {&R::txtEmail, "txtEmail", V::Email, "E-mail:", Card::TrimOnKey, "", Place{2, 6, 2}, "cmdInvia"},
    {&R::txtDataUsc, "txtDataUsc", V::DataUsc, "Data:", Card::DateKey, kDate, Place{3, 0, 0, 1, 100}, "impDataUsc",
     "datausc"},
    {&R::txtOraUsc, "txtOraUsc", V::OraUsc, "Ora:", 0, "", Place{3, 0, 2, 1, 60}, "impOraUscita"},
    {&R::txtTariffa, "txtTariffa", V::Tariffa, "Tariffa applicata:", 0, "", Place{4, 0, 0}},
    {&R::txtSupplementi, "txtSupplementi", V::Supplementi, "Supplementi:", 0, "", Place{4, 1, 0}},
    {&R::chkDisdetta, "chkDisdetta", V::Disdetta, "Disdetta", 0,
     "Spunta la casella in caso di disdetta della prenotazione."},
    {&R::txtCodSesso, "txtCodSesso", V::CodSesso},
    // clang-format on
};

// Each group: its title and the stretching columns of its grid.
struct Group {
    const char *title;
    std::initializer_list<std::pair<int, int>> stretch;
};
const Group kGroups[] = {{"Arrivo", {{4, 1}}},
                         {"Soggiorno", {{1, 2}, {9, 3}}},
                         {"Dati del cliente", {{1, 1}, {3, 1}}},
                         {"Partenza", {{4, 1}}},
                         {"Tariffa", {{1, 1}}}};

const ScreenKit::Command<R> kCommands[] = {
    // clang-format off
    {&R::cmdDuplica, "cmdDuplica", "duplica", "Duplica",
     "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti.", &R::cmdDuplicaClick},
    {&R::cmdEntratiOggi, "cmdEntratiOggi", "entrati", "Arrivi di oggi",
     "Visualizza l'elenco dei clienti in arrivo oggi.", &R::cmdEntratiOggiClick},
    {&R::cmdUscitiOggi, "cmdUscitiOggi", "usciti", "Partenze di oggi",
     "Visualizza l'elenco dei clienti in partenza oggi.", &R::cmdUscitiOggiClick},
    {&R::cmdNonUsciti, "cmdNonUsciti", "futuri", "Arrivi futuri",
     "Visualizza l'elenco dei clienti in arrivo da domani in poi.", &R::cmdNonUscitiClick},
    {&R::cmdSchedine, "cmdSchedine", "schedine", "Schedine",
     "Prepara il file delle schedine alloggiati per il portale della Polizia di Stato.", &R::cmdSchedineClick},
    {&R::cmdTableau, "cmdTableau", "tableau", "Tableau",
     "Visualizza il tableau delle camere: le prenotazioni camera per camera, giorno per giorno.", &R::cmdTableauClick},
    {&R::cmdExcel, "cmdExcel", "esporta", "Esporta", "Esporta le schede in archivio in un file di Microsoft Excel.",
     &R::cmdExcelClick},
    {&R::cmdInvia, "cmdInvia", "email", "Invia", "Invia al cliente una e-mail di conferma prenotazione.",
     &R::cmdInviaClick},
    // clang-format on
};

const ScreenKit::Command<R> kFieldButtons[] = {
    // clang-format off
    {&R::impCliente, "impCliente", "importa", "",
     "Importa i dati dall'archivio anagrafico dei clienti e delle consumazioni.", &R::impClienteClick},
    {&R::impDataEnt, "impDataEnt", "oggi", "", "Inserisci la data corrente.", nullptr},
    {&R::impDataUsc, "impDataUsc", "oggi", "", "Inserisci la data corrente.", nullptr},
    {&R::impOraEnt, "impOraEnt", "ora", "", "Inserisci l'ora corrente.", nullptr},
    {&R::impOraUscita, "impOraUscita", "ora", "", "Inserisci l'ora corrente.", nullptr},
    {&R::icoDisdetta, "icoDisdetta", "disdetta", "", "Spunta la casella in caso di disdetta della prenotazione.",
     nullptr},
    // clang-format on
};

} // namespace

TfrmRegistro::TfrmRegistro()
    : TCardScreen(QStringLiteral(" Lunaresca - Registro arrivi e partenze"), registroPath, TVisita::Size,
                  QStringLiteral("Pronto per archiviare una nuova scheda..."))
{
    Formats::applyProcessFormats();
    setObjectName(QStringLiteral("frmRegistro"));
    resize(1024, 720);
    lblPosizione->setMinimumWidth(56);
    Card::build<R>(this, *m_form, kFields);
    Codes::buildIdentity<R>(
        this, *m_form, "registro",
        {V::CodTipo, V::CodTipoDoc, V::CodStatoNasc, V::CodCittadinanza, V::CodLuogoRil, V::CodComuneNasc});
    ScreenKit::commands<R>(this, this, m_hints, cardCommands<R>(false), 26, Qt::ToolButtonTextBesideIcon);
    ScreenKit::commands<R>(this, this, m_hints, kCommands, 26, Qt::ToolButtonTextBesideIcon);
    ScreenKit::commands<R>(this, this, m_hints, kFieldButtons, 20);
    icoDisdetta->setIconSize(QSize(28, 28));
    for (QWidget *b : {impCliente, impDataEnt, impDataUsc, impOraEnt, impOraUscita, cmdInvia})
        m_form->name(b);
    buildLayout();

    Card::Form::Wiring wiring;
    wiring.dateKey = [this](const QString &marker) { openModal<TfrmCalendario>(this, marker); };
    wiring.erasingEmptiesCodes = true;
    m_form->wire(this, wiring);
    txtGiorni->installEventFilter(this);

    connect(impDataEnt, &QToolButton::clicked, this, [this] { txtDataEnt->setText(Dates::format(Clock::today())); });
    connect(impDataUsc, &QToolButton::clicked, this, [this] { txtDataUsc->setText(Dates::format(Clock::today())); });
    connect(impOraEnt, &QToolButton::clicked, this, [this] { txtOraEnt->setText(Dates::formatTime(Clock::now())); });
    connect(impOraUscita, &QToolButton::clicked, this, [this] { txtOraUsc->setText(Dates::formatTime(Clock::now())); });
    connect(icoDisdetta, &QToolButton::clicked, chkDisdetta, &QCheckBox::toggle);
}

void TfrmRegistro::buildLayout()
{
    m_page = new QWidget(this);
    m_page->setObjectName(QStringLiteral("panScheda"));
    m_page->setFixedSize(995, 692);

    // Left column: scrolling, commands, then help and exit at the bottom.
    auto *left = new QVBoxLayout;
    left->setSpacing(2);
    auto *scroll = new QHBoxLayout;
    scroll->setSpacing(0);
    scroll->addWidget(cmdPrimo);
    scroll->addWidget(cmdIndietro);
    scroll->addWidget(lblPosizione, 1);
    scroll->addWidget(cmdAvanti);
    scroll->addWidget(cmdUltimo);
    left->addLayout(scroll);
    left->addSpacing(10);
    for (QToolButton *b : {cmdNuovo, cmdDuplica, cmdSalva, cmdTrova, cmdEntratiOggi, cmdUscitiOggi, cmdNonUsciti,
                           cmdSchedine, cmdTableau, cmdStampa, cmdExcel, cmdGuida, cmdEsci}) {
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        left->addWidget(b);
        if (b == cmdExcel)
            left->addStretch();
    }
    auto *leftBox = new QWidget;
    leftBox->setObjectName(QStringLiteral("panComandi"));
    leftBox->setFixedWidth(200);
    leftBox->setLayout(left);
    m_hints->blank(leftBox);

    auto *right = new QVBoxLayout;
    right->setSpacing(8);
    for (int i = 0; i < 5; ++i) {
        auto *box = new QGroupBox(QString::fromUtf8(kGroups[i].title));
        auto *g = new QGridLayout(box);
        g->setContentsMargins(8, 6, 8, 6);
        g->setVerticalSpacing(6);
        g->setHorizontalSpacing(6);
        for (const auto &[col, stretch] : kGroups[i].stretch)
            g->setColumnStretch(col, stretch);
        m_form->layOut(i, g, 4);
        right->addWidget(box);
        m_hints->blank(box);
    }
    auto *flag = new QHBoxLayout;
    flag->addWidget(chkDisdetta);
    flag->addWidget(icoDisdetta);
    flag->addStretch();
    right->addLayout(flag);
    right->addStretch();

    auto *body = new QHBoxLayout;
    body->setSpacing(12);
    body->addWidget(leftBox);
    body->addLayout(right, 1);

    auto *page = new QVBoxLayout(m_page);
    page->setContentsMargins(8, 8, 8, 6);
    page->setSpacing(6);
    page->addLayout(body, 1);
    page->addWidget(panInfo);
    m_hints->blank(m_page);

    // The card keeps its size, centred in the maximised window.
    auto *outer = new QGridLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_page, 0, 0, Qt::AlignCenter);
    m_hints->blank(this);
}

bool TfrmRegistro::eventFilter(QObject *o, QEvent *e)
{
    if (o == txtGiorni && e->type() == QEvent::FocusOut) {
        const QString days = BookingRules::twoDigitDays(txtGiorni->text());
        if (days != txtGiorni->text())
            txtGiorni->setText(days);
    }
    return TCardScreen::eventFilter(o, e);
}

TVisita TfrmRegistro::toRecord() const
{
    TVisita r;
    m_form->store(r.bytes.data());
    return r;
}

void TfrmRegistro::fromRecord(const TVisita &r) { m_form->load(r.bytes.data()); }

bool TfrmRegistro::ShowBookingAt(qint64 n) { return loadAt(n); }

void TfrmRegistro::Clear()
{
    m_form->clear();
    lblPosizione->clear();
    txtDataEnt->setFocus();
}

void TfrmRegistro::cmdNuovoClick() { Clear(); }

void TfrmRegistro::cmdSalvaClick()
{
    const BookingRules::SaveInput in{txtDataEnt->text(), txtGiorni->text(), txtCognome->text(), txtNome->text(),
                                     txtDataUsc->text()};
    if (const auto refused = BookingRules::checkSave(in)) {
        if (refused->box == BookingRules::Refusal::Box::Warning)
            Msg::warning(refused->text, this);
        else
            Msg::plain(refused->text, this);
        if (QWidget *w = control(refused->focus))
            w->setFocus();
        return;
    }
    const QString days = BookingRules::twoDigitDays(txtGiorni->text());
    if (days != txtGiorni->text())
        txtGiorni->setText(days);
    if (!Text::isBlank(txtSesso->currentText()))
        txtCodSesso->setText(BookingRules::sexCode(txtSesso->currentText()));
    if (saveCard(toRecord().bytes.data()))
        followSave();
}

void TfrmRegistro::followSave()
{
    if (m_schedine)
        m_schedine->recheck();
    if (m_tableau)
        m_tableau->refresh();
}

void TfrmRegistro::prepareNew(const QString &room, const QDate &arrival)
{
    Clear();
    txtCamera->setText(room);
    txtDataEnt->setText(Dates::format(arrival));
    txtDataUsc->setText(Dates::format(arrival.addDays(1)));
    // One night: the save refuses a booking without its days.
    txtGiorni->setText(QStringLiteral("01"));
}

void TfrmRegistro::cmdSchedineClick()
{
    if (!m_schedine) {
        m_schedine = new TfrmSchedine(this, [this](qint64 n) {
            ShowBookingAt(n);
            raise();
            activateWindow();
        });
        m_schedine->setAttribute(Qt::WA_DeleteOnClose);
        m_schedine->setModal(false);
    }
    m_schedine->show();
    m_schedine->raise();
}

void TfrmRegistro::cmdTableauClick()
{
    if (!m_tableau) {
        auto backToCard = [this] {
            raise();
            activateWindow();
        };
        m_tableau = new TfrmTableau(
            this,
            [this, backToCard](qint64 n) {
                ShowBookingAt(n);
                backToCard();
            },
            [this, backToCard](const QString &room, const QDate &arrival) {
                prepareNew(room, arrival);
                backToCard();
            });
        m_tableau->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_tableau->show();
    m_tableau->raise();
    m_tableau->activateWindow();
}

void TfrmRegistro::closeEvent(QCloseEvent *e)
{
    for (QWidget *w : {static_cast<QWidget *>(m_schedine.data()), static_cast<QWidget *>(m_tableau.data())})
        if (w)
            w->close();
    TCardScreen::closeEvent(e);
}

void TfrmRegistro::cmdDuplicaClick()
{
    if (Text::isBlank(lblPosizione->text())) {
        Msg::warning(QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è "
                                    "stata inserita in archivio."),
                     this);
        return;
    }
    for (QLineEdit *e : {txtDataEnt, txtOraEnt, txtDataUsc, txtOraUsc})
        e->clear();
    chkDisdetta->setChecked(false);
    lblPosizione->clear();
    if (!m_archive.count())
        return;
    txtDataEnt->setFocus();
    Msg::information(QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                                    "Al termine premere Salva per inserire la scheda in archivio."),
                     this);
}

void TfrmRegistro::cmdTrovaClick() { openModal<TfrmTrovaVisite>(this, QStringLiteral("registro")); }

void TfrmRegistro::cmdEntratiOggiClick() { openModal<TfrmEntratiOggi>(this); }

void TfrmRegistro::cmdUscitiOggiClick() { openModal<TfrmUscitiOggi>(this); }

void TfrmRegistro::cmdNonUscitiClick() { openModal<TfrmArriviFuturi>(this); }

void TfrmRegistro::cmdStampaClick()
{
    openModal<TfrmStampaVisita>(this, QString(), [this](TfrmStampaVisita *d) { d->setRecord(toRecord()); });
}

void TfrmRegistro::cmdExcelClick() { openModal<TfrmExpVisite>(this); }

void TfrmRegistro::cmdGuidaClick() { ShowHelpTopic(this, HelpTopic::bookings()); }

void TfrmRegistro::cmdEsciClick() { close(); }

void TfrmRegistro::cmdInviaClick()
{
    ConfermaEmail::Booking b;
    b.email = txtEmail->text();
    b.cognome = txtCognome->text();
    b.nome = txtNome->text();
    b.giorni = txtGiorni->text();
    b.dataEnt = txtDataEnt->text();
    b.oraEnt = txtOraEnt->text();
    b.dataUsc = txtDataUsc->text();
    b.oraUsc = txtOraUsc->text();
    b.adulti = txtAdulti->text();
    b.bambini = txtBambini->text();
    b.tariffa = txtTariffa->text();
    b.supplementi = txtSupplementi->text();
    const ConfermaEmail::Missing m = ConfermaEmail::missing(b);
    if (m != ConfermaEmail::Missing::Nothing) {
        Msg::warning(ConfermaEmail::missingText(m), this);
        (m == ConfermaEmail::Missing::Email ? txtEmail : txtCognome)->setFocus();
        return;
    }
    TMisc::Open(ConfermaEmail::link(b));
}

void TfrmRegistro::impClienteClick()
{
    auto *d = new TfrmTrovaClienti(this);
    d->setMemory(QStringLiteral("registro"));
    d->exec();
    const std::optional<TCliente> guest = d->pickedGuest();
    delete d;
    // Only the guest's own data: dates, room, persons and the position stay as they are.
    if (guest)
        for (const auto &field : GuestSearch::bookingImport())
            setControlText(QLatin1String(field.control), guest->get(field.field));
}

void TfrmRegistro::showEvent(QShowEvent *e)
{
    TCardScreen::showEvent(e);
    if (!e->spontaneous())
        Clear();
}
