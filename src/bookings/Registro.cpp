#include "bookings/Registro.h"

#include "app/Guida.h"
#include "app/Screens.h"
#include "base/Dates.h"
#include "base/Formats.h"
#include "base/RecordFile.h"
#include "base/Text.h"
#include "bookings/ArriviFuturi.h"
#include "bookings/BookingRules.h"
#include "bookings/Calendario.h"
#include "bookings/ConfermaEmail.h"
#include "bookings/EntratiOggi.h"
#include "bookings/ExpVisite.h"
#include "bookings/StampaVisita.h"
#include "bookings/TrovaVisite.h"
#include "bookings/UscitiOggi.h"
#include "bookings/Visita.h"
#include "codes/Codici_Comuni.h"
#include "codes/Codici_Documenti.h"
#include "codes/Codici_Stati.h"
#include "codes/Codici_Tipo.h"
#include "guests/TrovaClienti.h"
#include "platform/CardFields.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/OpenURL.h"
#include "platform/ScreenKit.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kEmpty = QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString kReady = QStringLiteral("Pronto per archiviare una nuova scheda...");

bool isModifierOnly(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta
           || key == Qt::Key_AltGr || key == Qt::Key_CapsLock || key == Qt::Key_NumLock;
}

bool isEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }
bool isTab(int key) { return key == Qt::Key_Tab || key == Qt::Key_Backtab; }
bool isErase(int key) { return key == Qt::Key_Backspace || key == Qt::Key_Delete; }

// Digits, Backspace, Delete and the Left and Right arrows; Enter and Tab keep moving the focus.
bool digitFieldTakes(const QKeyEvent *k)
{
    const int key = k->key();
    if (isErase(key) || key == Qt::Key_Left || key == Qt::Key_Right || isEnter(key) || isTab(key))
        return true;
    if (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString t = k->text();
    return t.size() == 1 && t[0] >= u'0' && t[0] <= u'9';
}

QGroupBox *group(const QString &title, QGridLayout **grid)
{
    auto *box = new QGroupBox(title);
    *grid = new QGridLayout(box);
    (*grid)->setContentsMargins(8, 6, 8, 6);
    (*grid)->setVerticalSpacing(6);
    (*grid)->setHorizontalSpacing(6);
    return box;
}

// A field with its buttons, as one cell of a group's grid.
QHBoxLayout *withButtons(QWidget *field, std::initializer_list<QWidget *> buttons)
{
    auto *h = new QHBoxLayout;
    h->setSpacing(4);
    h->addWidget(field, 1);
    for (QWidget *b : buttons)
        h->addWidget(b);
    return h;
}

} // namespace

TfrmRegistro::TfrmRegistro() : TAppScreen(QStringLiteral(" Lunaresca - Registro arrivi e partenze"), true)
{
    setObjectName(QStringLiteral("frmRegistro"));
    resize(1024, 720);
    Formats::applyProcessFormats();

    m_page = new QWidget(this);
    m_page->setObjectName(QStringLiteral("panScheda"));
    m_page->setFixedSize(995, 692);

    panInfo = new QLabel(kReady, m_page);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    panInfo->setStyleSheet(
        QStringLiteral("QLabel { background: #20527a; color: white; padding: 4px 8px; font: 10pt; }"));
    m_hints = new ScreenKit::Hints(panInfo, this);
    m_frames = new ScreenKit::FocusFrames(this);

    txtDataEnt = edit(QStringLiteral("txtDataEnt"), 10);
    txtOraEnt = edit(QStringLiteral("txtOraEnt"), 5);
    txtCamera = edit(QStringLiteral("txtCamera"), 20);
    txtAdulti = edit(QStringLiteral("txtAdulti"), 2);
    txtBambini = edit(QStringLiteral("txtBambini"), 2);
    txtGiorni = edit(QStringLiteral("txtGiorni"), 2);
    txtCellulare = edit(QStringLiteral("txtCellulare"), 20);
    txtCognome = edit(QStringLiteral("txtCognome"), 50);
    txtNome = edit(QStringLiteral("txtNome"), 30);
    txtTipo = edit(QStringLiteral("txtTipo"), 50);
    txtSesso = new QComboBox(m_page);
    txtSesso->setObjectName(QStringLiteral("txtSesso"));
    // Editable only so that a loaded or imported text other than the two items still shows;
    // every typed key is discarded in wireKeys().
    txtSesso->setEditable(true);
    txtSesso->setInsertPolicy(QComboBox::NoInsert);
    txtSesso->addItems({QStringLiteral("1) M"), QStringLiteral("2) F")});
    txtSesso->lineEdit()->setMaxLength(4);
    txtSesso->lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
    txtSesso->lineEdit()->setAcceptDrops(false);
    txtSesso->setCurrentIndex(-1);
    m_controls.insert(QStringLiteral("txtSesso"), txtSesso);
    txtDataNasc = edit(QStringLiteral("txtDataNasc"), 10);
    txtComuneNasc = edit(QStringLiteral("txtComuneNasc"), 40);
    txtProvNasc = edit(QStringLiteral("txtProvNasc"), 2);
    txtStatoNasc = edit(QStringLiteral("txtStatoNasc"), 40);
    txtTipoDoc = edit(QStringLiteral("txtTipoDoc"), 40);
    txtNumDoc = edit(QStringLiteral("txtNumDoc"), 20);
    txtLuogoRil = edit(QStringLiteral("txtLuogoRil"), 40);
    txtCittadinanza = edit(QStringLiteral("txtCittadinanza"), 40);
    txtEmail = edit(QStringLiteral("txtEmail"), 50);
    txtDataUsc = edit(QStringLiteral("txtDataUsc"), 10);
    txtOraUsc = edit(QStringLiteral("txtOraUsc"), 5);
    txtTariffa = edit(QStringLiteral("txtTariffa"), 50);
    txtSupplementi = edit(QStringLiteral("txtSupplementi"), 120);
    txtDataEnt->setReadOnly(true);
    txtDataUsc->setReadOnly(true);

    txtCodTipo = hidden(QStringLiteral("txtCodTipo"));
    txtCodSesso = hidden(QStringLiteral("txtCodSesso"));
    txtCodComuneNasc = hidden(QStringLiteral("txtCodComuneNasc"));
    txtCodStatoNasc = hidden(QStringLiteral("txtCodStatoNasc"));
    txtCodCittadinanza = hidden(QStringLiteral("txtCodCittadinanza"));
    txtCodLuogoRil = hidden(QStringLiteral("txtCodLuogoRil"));
    txtCodTipoDoc = hidden(QStringLiteral("txtCodTipoDoc"));

    chkDisdetta = new QCheckBox(QStringLiteral("Disdetta"), m_page);
    chkDisdetta->setObjectName(QStringLiteral("chkDisdetta"));
    icoDisdetta = ScreenKit::picture(m_page, QStringLiteral("icoDisdetta"), QStringLiteral("disdetta"), QString(), 28);
    lblPosizione = new QLabel(m_page);
    lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
    lblPosizione->setAlignment(Qt::AlignCenter);
    lblPosizione->setMinimumWidth(56);
    lblPosizione->setStyleSheet(
        QStringLiteral("QLabel { background: white; border: 1px solid #7f9fbf; font: bold 12pt; padding: 2px; }"));

    cmdPrimo = command(QStringLiteral("cmdPrimo"), QStringLiteral("primo"), QString(),
                       QStringLiteral("Visualizza la prima scheda in archivio."));
    cmdIndietro = command(QStringLiteral("cmdIndietro"), QStringLiteral("indietro"), QString(),
                          QStringLiteral("Visualizza la scheda precedente in archivio."));
    cmdAvanti = command(QStringLiteral("cmdAvanti"), QStringLiteral("avanti"), QString(),
                        QStringLiteral("Visualizza la scheda successiva in archivio."));
    cmdUltimo = command(QStringLiteral("cmdUltimo"), QStringLiteral("ultimo"), QString(),
                        QStringLiteral("Visualizza l'ultima scheda in archivio."));
    cmdNuovo = command(QStringLiteral("cmdNuovo"), QStringLiteral("nuovo"), QStringLiteral("Nuovo"),
                       QStringLiteral("Prepara la schermata per la registrazione di una nuova scheda."));
    cmdDuplica = command(QStringLiteral("cmdDuplica"), QStringLiteral("duplica"), QStringLiteral("Duplica"),
                         QStringLiteral("Prepara la schermata per la registrazione di una nuova scheda duplicando i "
                                        "dati correnti."));
    cmdSalva = command(QStringLiteral("cmdSalva"), QStringLiteral("salva"), QStringLiteral("Salva"),
                       QStringLiteral("Salva la scheda corrente in archivio."));
    cmdTrova = command(QStringLiteral("cmdTrova"), QStringLiteral("trova"), QStringLiteral("Trova"),
                       QStringLiteral("Trova una scheda in archivio."));
    cmdEntratiOggi =
        command(QStringLiteral("cmdEntratiOggi"), QStringLiteral("entrati"), QStringLiteral("Arrivi di oggi"),
                QStringLiteral("Visualizza l'elenco dei clienti in arrivo oggi."));
    cmdUscitiOggi =
        command(QStringLiteral("cmdUscitiOggi"), QStringLiteral("usciti"), QStringLiteral("Partenze di oggi"),
                QStringLiteral("Visualizza l'elenco dei clienti in partenza oggi."));
    cmdNonUsciti = command(QStringLiteral("cmdNonUsciti"), QStringLiteral("futuri"), QStringLiteral("Arrivi futuri"),
                           QStringLiteral("Visualizza l'elenco dei clienti in arrivo da domani in poi."));
    cmdStampa = command(QStringLiteral("cmdStampa"), QStringLiteral("stampa"), QStringLiteral("Stampa"),
                        QStringLiteral("Stampa la scheda corrente."));
    cmdExcel = command(QStringLiteral("cmdExcel"), QStringLiteral("esporta"), QStringLiteral("Esporta"),
                       QStringLiteral("Esporta le schede in archivio in un file di Microsoft Excel."));
    cmdGuida = command(QStringLiteral("cmdGuida"), QStringLiteral("guida"), QStringLiteral("Guida"),
                       QStringLiteral("Visualizza la guida in linea."));
    cmdEsci = command(QStringLiteral("cmdEsci"), QStringLiteral("esci"), QStringLiteral("Esci"),
                      QStringLiteral("Esci da questa schermata di lavoro."));
    cmdInvia = command(QStringLiteral("cmdInvia"), QStringLiteral("email"), QStringLiteral("Invia"),
                       QStringLiteral("Invia al cliente una e-mail di conferma prenotazione."));

    impCliente =
        fieldButton(QStringLiteral("impCliente"), QStringLiteral("importa"),
                    QStringLiteral("Importa i dati dall'archivio anagrafico dei clienti e delle consumazioni."));
    impTipo = fieldButton(QStringLiteral("impTipo"), QStringLiteral("tabella"),
                          QStringLiteral("Importa i dati dalla Tabella dei Codici nel campo Tipo di alloggiato."));
    impTipoDoc = fieldButton(QStringLiteral("impTipoDoc"), QStringLiteral("tabella"),
                             QStringLiteral("Importa i dati dalla Tabella dei Codici nel campo Tipo di documento."));
    impStatoNasc =
        fieldButton(QStringLiteral("impStatoNasc"), QStringLiteral("stati"),
                    QStringLiteral("Importa i dati dalla Tabella dei Codici degli Stati nel campo Stato di nascita."));
    impCittadinanza =
        fieldButton(QStringLiteral("impCittadinanza"), QStringLiteral("stati"),
                    QStringLiteral("Importa i dati dalla Tabella dei Codici degli Stati nel campo Cittadinanza."));
    impStatoLuogoRil =
        fieldButton(QStringLiteral("impStatoLuogoRil"), QStringLiteral("stati"),
                    QStringLiteral("Importa i dati dalla Tabella dei Codici degli Stati nel campo Luogo di rilascio."));
    impComuneNasc =
        fieldButton(QStringLiteral("impComuneNasc"), QStringLiteral("comuni"),
                    QStringLiteral("Importa i dati dalla Tabella dei Codici dei Comuni nel campo Comune di nascita."));
    impComuneLuogoRil =
        fieldButton(QStringLiteral("impComuneLuogoRil"), QStringLiteral("comuni"),
                    QStringLiteral("Importa i dati dalla Tabella dei Codici dei Comuni nel campo Luogo di rilascio."));
    impDataEnt = fieldButton(QStringLiteral("impDataEnt"), QStringLiteral("oggi"),
                             QStringLiteral("Inserisci la data corrente."));
    impDataUsc = fieldButton(QStringLiteral("impDataUsc"), QStringLiteral("oggi"),
                             QStringLiteral("Inserisci la data corrente."));
    impOraEnt =
        fieldButton(QStringLiteral("impOraEnt"), QStringLiteral("ora"), QStringLiteral("Inserisci l'ora corrente."));
    impOraUscita =
        fieldButton(QStringLiteral("impOraUscita"), QStringLiteral("ora"), QStringLiteral("Inserisci l'ora corrente."));

    buildLayout();
    wireFocusAndHints();
    wireKeys();

    connect(cmdPrimo, &QToolButton::clicked, this, &TfrmRegistro::cmdPrimoClick);
    connect(cmdIndietro, &QToolButton::clicked, this, &TfrmRegistro::cmdIndietroClick);
    connect(cmdAvanti, &QToolButton::clicked, this, &TfrmRegistro::cmdAvantiClick);
    connect(cmdUltimo, &QToolButton::clicked, this, &TfrmRegistro::cmdUltimoClick);
    connect(cmdNuovo, &QToolButton::clicked, this, &TfrmRegistro::cmdNuovoClick);
    connect(cmdDuplica, &QToolButton::clicked, this, &TfrmRegistro::cmdDuplicaClick);
    connect(cmdSalva, &QToolButton::clicked, this, &TfrmRegistro::cmdSalvaClick);
    connect(cmdTrova, &QToolButton::clicked, this, &TfrmRegistro::cmdTrovaClick);
    connect(cmdEntratiOggi, &QToolButton::clicked, this, &TfrmRegistro::cmdEntratiOggiClick);
    connect(cmdUscitiOggi, &QToolButton::clicked, this, &TfrmRegistro::cmdUscitiOggiClick);
    connect(cmdNonUsciti, &QToolButton::clicked, this, &TfrmRegistro::cmdNonUscitiClick);
    connect(cmdStampa, &QToolButton::clicked, this, &TfrmRegistro::cmdStampaClick);
    connect(cmdExcel, &QToolButton::clicked, this, &TfrmRegistro::cmdExcelClick);
    connect(cmdGuida, &QToolButton::clicked, this, &TfrmRegistro::cmdGuidaClick);
    connect(cmdEsci, &QToolButton::clicked, this, &TfrmRegistro::cmdEsciClick);
    connect(cmdInvia, &QToolButton::clicked, this, &TfrmRegistro::cmdInviaClick);
    connect(impCliente, &QToolButton::clicked, this, &TfrmRegistro::impClienteClick);
    for (QToolButton *b :
         {impTipo, impTipoDoc, impStatoNasc, impCittadinanza, impStatoLuogoRil, impComuneNasc, impComuneLuogoRil})
        connect(b, &QToolButton::clicked, this, [this, b] { openTable(b); });
    connect(impDataEnt, &QToolButton::clicked, this, [this] { txtDataEnt->setText(Dates::format(Clock::today())); });
    connect(impDataUsc, &QToolButton::clicked, this, [this] { txtDataUsc->setText(Dates::format(Clock::today())); });
    connect(impOraEnt, &QToolButton::clicked, this, [this] { txtOraEnt->setText(Dates::formatTime(Clock::now())); });
    connect(impOraUscita, &QToolButton::clicked, this, [this] { txtOraUsc->setText(Dates::formatTime(Clock::now())); });
    connect(icoDisdetta, &QToolButton::clicked, chkDisdetta, &QCheckBox::toggle);
}

QLineEdit *TfrmRegistro::edit(const QString &name, int maxLength)
{
    auto *e = new QLineEdit(m_page);
    e->setObjectName(name);
    e->setMaxLength(maxLength);
    m_controls.insert(name, e);
    return e;
}

QLabel *TfrmRegistro::hidden(const QString &name)
{
    auto *l = new QLabel(m_page);
    l->setObjectName(name);
    l->hide();
    m_controls.insert(name, l);
    return l;
}

QToolButton *TfrmRegistro::command(const QString &name, const QString &icon, const QString &text, const QString &hint)
{
    QToolButton *b = ScreenKit::picture(m_page, name, icon, text, 26);
    if (!text.isEmpty())
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_hints->add(b, hint);
    return b;
}

QToolButton *TfrmRegistro::fieldButton(const QString &name, const QString &icon, const QString &hint)
{
    QToolButton *b = ScreenKit::picture(m_page, name, icon, QString(), 20);
    m_hints->add(b, hint);
    return b;
}

void TfrmRegistro::buildLayout()
{
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
    for (QToolButton *b :
         {cmdNuovo, cmdDuplica, cmdSalva, cmdTrova, cmdEntratiOggi, cmdUscitiOggi, cmdNonUsciti, cmdStampa, cmdExcel}) {
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        left->addWidget(b);
    }
    left->addStretch();
    for (QToolButton *b : {cmdGuida, cmdEsci}) {
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        left->addWidget(b);
    }
    auto *leftBox = new QWidget;
    leftBox->setObjectName(QStringLiteral("panComandi"));
    leftBox->setFixedWidth(200);
    leftBox->setLayout(left);
    m_hints->blank(leftBox);

    auto caption = [](const QString &t) { return new QLabel(t); };
    QGridLayout *g;

    QGroupBox *arrival = group(QStringLiteral("Arrivo"), &g);
    txtDataEnt->setFixedWidth(100);
    txtOraEnt->setFixedWidth(60);
    g->addWidget(caption(QStringLiteral("Data:")), 0, 0);
    g->addLayout(withButtons(txtDataEnt, {impDataEnt}), 0, 1);
    g->addWidget(caption(QStringLiteral("Ora:")), 0, 2);
    g->addLayout(withButtons(txtOraEnt, {impOraEnt}), 0, 3);
    g->setColumnStretch(4, 1);

    QGroupBox *stay = group(QStringLiteral("Soggiorno"), &g);
    for (QLineEdit *e : {txtAdulti, txtBambini, txtGiorni})
        e->setFixedWidth(36);
    g->addWidget(caption(QStringLiteral("Camera n.")), 0, 0);
    g->addWidget(txtCamera, 0, 1);
    g->addWidget(caption(QStringLiteral("Adulti:")), 0, 2);
    g->addWidget(txtAdulti, 0, 3);
    g->addWidget(caption(QStringLiteral("Bambini:")), 0, 4);
    g->addWidget(txtBambini, 0, 5);
    g->addWidget(caption(QStringLiteral("Giorni:")), 0, 6);
    g->addWidget(txtGiorni, 0, 7);
    g->addWidget(caption(QStringLiteral("Cellulare:")), 0, 8);
    g->addWidget(txtCellulare, 0, 9);
    g->setColumnStretch(1, 2);
    g->setColumnStretch(9, 3);

    QGroupBox *guest = group(QStringLiteral("Dati del cliente"), &g);
    txtProvNasc->setFixedWidth(34);
    txtSesso->setFixedWidth(70);
    txtDataNasc->setFixedWidth(100);
    g->addWidget(caption(QStringLiteral("Cognome:")), 0, 0);
    g->addWidget(txtCognome, 0, 1);
    g->addWidget(caption(QStringLiteral("Nome:")), 0, 2);
    g->addLayout(withButtons(txtNome, {impCliente}), 0, 3);
    g->addWidget(caption(QStringLiteral("Tipo di alloggiato:")), 1, 0);
    g->addLayout(withButtons(txtTipo, {impTipo}), 1, 1, 1, 3);

    auto *birth = new QHBoxLayout;
    birth->setSpacing(6);
    birth->addWidget(txtSesso);
    birth->addSpacing(10);
    birth->addWidget(caption(QStringLiteral("Data di nascita:")));
    birth->addWidget(txtDataNasc);
    birth->addStretch();
    g->addWidget(caption(QStringLiteral("Sesso:")), 2, 0);
    g->addLayout(birth, 2, 1, 1, 3);
    g->addWidget(caption(QStringLiteral("Comune di nascita:")), 3, 0);
    g->addLayout(withButtons(txtComuneNasc, {caption(QStringLiteral("Prov.")), txtProvNasc, impComuneNasc}), 3, 1);
    g->addWidget(caption(QStringLiteral("Stato di nascita:")), 3, 2);
    g->addLayout(withButtons(txtStatoNasc, {impStatoNasc}), 3, 3);
    g->addWidget(caption(QStringLiteral("Tipo documento:")), 4, 0);
    g->addLayout(withButtons(txtTipoDoc, {impTipoDoc}), 4, 1);
    g->addWidget(caption(QStringLiteral("Numero documento:")), 4, 2);
    g->addWidget(txtNumDoc, 4, 3);
    g->addWidget(caption(QStringLiteral("Luogo di rilascio:")), 5, 0);
    g->addLayout(withButtons(txtLuogoRil, {impComuneLuogoRil, impStatoLuogoRil}), 5, 1, 1, 3);
    g->addWidget(caption(QStringLiteral("Cittadinanza:")), 6, 0);
    g->addLayout(withButtons(txtCittadinanza, {impCittadinanza}), 6, 1);
    g->addWidget(caption(QStringLiteral("E-mail:")), 6, 2);
    cmdInvia->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    g->addLayout(withButtons(txtEmail, {cmdInvia}), 6, 3);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);

    QGroupBox *departure = group(QStringLiteral("Partenza"), &g);
    txtDataUsc->setFixedWidth(100);
    txtOraUsc->setFixedWidth(60);
    g->addWidget(caption(QStringLiteral("Data:")), 0, 0);
    g->addLayout(withButtons(txtDataUsc, {impDataUsc}), 0, 1);
    g->addWidget(caption(QStringLiteral("Ora:")), 0, 2);
    g->addLayout(withButtons(txtOraUsc, {impOraUscita}), 0, 3);
    g->setColumnStretch(4, 1);

    QGroupBox *rate = group(QStringLiteral("Tariffa"), &g);
    g->addWidget(caption(QStringLiteral("Tariffa applicata:")), 0, 0);
    g->addWidget(txtTariffa, 0, 1);
    g->addWidget(caption(QStringLiteral("Supplementi:")), 1, 0);
    g->addWidget(txtSupplementi, 1, 1);
    g->setColumnStretch(1, 1);

    auto *flag = new QHBoxLayout;
    flag->addWidget(chkDisdetta);
    flag->addWidget(icoDisdetta);
    flag->addStretch();

    auto *right = new QVBoxLayout;
    right->setSpacing(8);
    right->addWidget(arrival);
    right->addWidget(stay);
    right->addWidget(guest);
    right->addWidget(departure);
    right->addWidget(rate);
    right->addLayout(flag);
    right->addStretch();
    for (QGroupBox *b : {arrival, stay, guest, departure, rate})
        m_hints->blank(b);

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

void TfrmRegistro::wireFocusAndHints()
{
    // Frame names: "eff" + the field's name without its prefix.
    for (auto it = m_controls.cbegin(); it != m_controls.cend(); ++it) {
        QWidget *w = it.value();
        if (qobject_cast<QLabel *>(w))
            continue;
        m_frames->light(w, m_frames->frameAround(w, QStringLiteral("eff") + it.key().mid(3)));
    }
    auto fre = [this](QToolButton *b, const QString &name) {
        return m_frames->frameAround(b, name, QStringLiteral("#e8711a"));
    };
    QFrame *freComuneNasc = fre(impComuneNasc, QStringLiteral("freComuneNasc"));
    m_frames->light(txtTipo, fre(impTipo, QStringLiteral("freTipo")));
    m_frames->light(txtComuneNasc, freComuneNasc);
    m_frames->light(txtProvNasc, freComuneNasc);
    m_frames->light(txtStatoNasc, fre(impStatoNasc, QStringLiteral("freStatoNasc")));
    m_frames->light(txtTipoDoc, fre(impTipoDoc, QStringLiteral("freTipoDoc")));
    m_frames->light(txtCittadinanza, fre(impCittadinanza, QStringLiteral("freCittadinanza")));
    m_frames->light(txtLuogoRil, fre(impComuneLuogoRil, QStringLiteral("freComuneLuogoRil")));
    m_frames->light(txtLuogoRil, fre(impStatoLuogoRil, QStringLiteral("freStatoLuogoRil")));

    const QString dateHint =
        QStringLiteral("Fai clic su questo campo e premi un tasto qualsiasi per importare una data dal calendario.");
    m_hints->add(txtDataEnt, dateHint);
    m_hints->add(txtDataUsc, dateHint);
    for (QWidget *w : {txtTipo, txtComuneNasc, txtProvNasc, txtStatoNasc, txtTipoDoc, txtCittadinanza})
        m_hints->add(w, QStringLiteral("Servirsi del pulsante a lato per compilare il campo."));
    m_hints->add(txtLuogoRil, QStringLiteral("Servirsi dei pulsanti a lato per compilare il campo."));
    const QString flagHint = QStringLiteral("Spunta la casella in caso di disdetta della prenotazione.");
    m_hints->add(chkDisdetta, flagHint);
    m_hints->add(icoDisdetta, flagHint);
}

void TfrmRegistro::wireKeys()
{
    // Enter: the dates open the picker instead, so each date ends a chain.
    new ScreenKit::EnterChain({txtOraEnt,    txtCamera,     txtAdulti,       txtBambini,   txtGiorni,
                               txtCellulare, txtCognome,    txtNome,         txtTipo,      txtSesso,
                               txtDataNasc,  txtComuneNasc, txtProvNasc,     txtStatoNasc, txtTipoDoc,
                               txtNumDoc,    txtLuogoRil,   txtCittadinanza, txtEmail,     txtDataUsc},
                              this, false);
    new ScreenKit::EnterChain({txtOraUsc, txtTariffa, txtSupplementi, txtDataEnt}, this, false);

    const QList<QWidget *> tabs = {txtDataEnt, txtOraEnt,    txtCamera,     txtAdulti,       txtBambini,
                                   txtGiorni,  txtCellulare, txtCognome,    txtNome,         txtTipo,
                                   txtSesso,   txtDataNasc,  txtComuneNasc, txtProvNasc,     txtStatoNasc,
                                   txtTipoDoc, txtNumDoc,    txtLuogoRil,   txtCittadinanza, txtEmail,
                                   txtDataUsc, txtOraUsc,    txtTariffa,    txtSupplementi,  chkDisdetta};
    for (int i = 1; i < tabs.size(); ++i)
        setTabOrder(tabs[i - 1], tabs[i]);

    // Typing into a picked field leaves its code (and for the municipality, its province) behind.
    m_emptiedBy.insert(txtTipo, {txtCodTipo});
    m_emptiedBy.insert(txtComuneNasc, {txtCodComuneNasc, txtProvNasc});
    m_emptiedBy.insert(txtProvNasc, {txtCodComuneNasc});
    m_emptiedBy.insert(txtStatoNasc, {txtCodStatoNasc});
    m_emptiedBy.insert(txtTipoDoc, {txtCodTipoDoc});
    m_emptiedBy.insert(txtLuogoRil, {txtCodLuogoRil});
    m_emptiedBy.insert(txtCittadinanza, {txtCodCittadinanza});

    for (QWidget *w :
         {static_cast<QWidget *>(txtDataEnt), static_cast<QWidget *>(txtDataUsc), static_cast<QWidget *>(txtAdulti),
          static_cast<QWidget *>(txtBambini), static_cast<QWidget *>(txtGiorni), static_cast<QWidget *>(txtSesso),
          static_cast<QWidget *>(txtSesso->lineEdit()), static_cast<QWidget *>(txtNumDoc),
          static_cast<QWidget *>(txtEmail)})
        w->installEventFilter(this);
    for (auto it = m_emptiedBy.cbegin(); it != m_emptiedBy.cend(); ++it)
        it.key()->installEventFilter(this);

    // Pasting cannot slip anything but digits into the number fields.
    static const QRegularExpression digits(QStringLiteral("[0-9]*"));
    for (QLineEdit *e : {txtAdulti, txtBambini, txtGiorni})
        e->setValidator(new QRegularExpressionValidator(digits, e));

    connect(txtProvNasc, &QLineEdit::textChanged, txtProvNasc, [this](const QString &t) {
        const QString u = Text::upperAscii(Text::trimmed(t));
        if (u != t) {
            const int pos = qMin<int>(txtProvNasc->cursorPosition(), int(u.size()));
            txtProvNasc->setText(u);
            txtProvNasc->setCursorPosition(pos);
        }
    });
}

bool TfrmRegistro::eventFilter(QObject *o, QEvent *e)
{
    if (o == txtGiorni && e->type() == QEvent::FocusOut) {
        const QString days = BookingRules::twoDigitDays(txtGiorni->text());
        if (days != txtGiorni->text())
            txtGiorni->setText(days);
    }
    const bool press = e->type() == QEvent::KeyPress;
    const bool release = e->type() == QEvent::KeyRelease;
    if (!press && !release)
        return TAppScreen::eventFilter(o, e);
    auto *k = static_cast<QKeyEvent *>(e);
    const int key = k->key();

    if (o == txtDataEnt || o == txtDataUsc) {
        auto *field = static_cast<QLineEdit *>(o);
        if (isTab(key) || isModifierOnly(key))
            return false;
        if (press) {
            if (isErase(key))
                field->clear();
            else
                openCalendar(o == txtDataEnt ? QStringLiteral("dataent") : QStringLiteral("datausc"));
        }
        return true;
    }
    if (o == txtAdulti || o == txtBambini || o == txtGiorni)
        return press && !digitFieldTakes(k);
    if (o == txtSesso || o == txtSesso->lineEdit()) {
        // The item is chosen from the list with the mouse; Enter and Tab still move on.
        if (isEnter(key) || isTab(key))
            return false;
        return true;
    }
    if (release && o == txtNumDoc) {
        const QString t = Text::upperAscii(Text::trimmed(txtNumDoc->text()));
        if (t != txtNumDoc->text())
            txtNumDoc->setText(t);
    }
    if (release && o == txtEmail) {
        const QString t = Text::trimmed(txtEmail->text());
        if (t != txtEmail->text())
            txtEmail->setText(t);
    }
    if (isErase(key)) {
        auto it = m_emptiedBy.constFind(o);
        if (it != m_emptiedBy.constEnd())
            for (QWidget *w : *it)
                setControlText(w->objectName(), QString());
    }
    return false;
}

QWidget *TfrmRegistro::control(const QString &name) const
{
    if (QWidget *w = m_controls.value(name))
        return w;
    return name.isEmpty() ? nullptr : findChild<QWidget *>(name);
}

QString TfrmRegistro::controlText(const QString &name) const { return CardFields::text(control(name)); }

void TfrmRegistro::setControlText(const QString &name, const QString &text)
{
    CardFields::setText(control(name), text);
}

TVisita TfrmRegistro::toRecord() const
{
    TVisita r;
    for (const auto &b : VisitaField::textFields())
        r.set(b.field, controlText(b.control));
    r.setDisdetta(chkDisdetta->isChecked());
    return r;
}

void TfrmRegistro::fromRecord(const TVisita &r)
{
    for (const auto &b : VisitaField::textFields())
        setControlText(b.control, r.get(b.field));
    if (const auto flag = r.disdetta())
        chkDisdetta->setChecked(*flag);
}

qint64 TfrmRegistro::currentPosition() const
{
    const QString t = Text::trimmed(lblPosizione->text());
    return t.isEmpty() ? 0 : t.toLongLong();
}

std::optional<qint64> TfrmRegistro::countBookings()
{
    try {
        RecordFile f(registroPath(), TVisita::Size);
        f.open();
        const qint64 n = f.count();
        f.close();
        return n;
    } catch (const ArchiveError &) {
        Msg::error(Msg::accessText(), this);
        return std::nullopt;
    }
}

bool TfrmRegistro::ShowBookingAt(qint64 n)
{
    TVisita r;
    try {
        RecordFile f(registroPath(), TVisita::Size);
        f.open();
        f.read(n, r.bytes.data());
        f.close();
    } catch (const ArchiveError &) {
        Msg::error(Msg::accessText(), this);
        return false;
    }
    fromRecord(r);
    lblPosizione->setText(QString::number(n));
    return true;
}

void TfrmRegistro::Clear()
{
    for (auto it = m_controls.cbegin(); it != m_controls.cend(); ++it)
        setControlText(it.key(), QString());
    txtSesso->setCurrentIndex(-1);
    txtSesso->setEditText(QString());
    chkDisdetta->setChecked(false);
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

    const qint64 n = currentPosition();
    QString done;
    try {
        RecordFile f(registroPath(), TVisita::Size);
        f.open();
        const TVisita r = toRecord();
        if (n > 0) {
            f.overwrite(n, r.bytes.data());
            f.close();
            lblPosizione->setText(QString::number(n));
            done = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
        } else {
            const qint64 added = f.append(r.bytes.data());
            f.close();
            lblPosizione->setText(QString::number(added));
            done = QStringLiteral("La scheda corrente è stata inserita in archivio.");
        }
    } catch (const ArchiveError &) {
        Msg::error(Msg::accessText(), this);
        return;
    }
    Msg::information(done, this);
}

void TfrmRegistro::cmdPrimoClick()
{
    const auto count = countBookings();
    if (!count)
        return;
    if (*count == 0)
        Msg::information(kEmpty, this);
    else
        ShowBookingAt(1);
}

void TfrmRegistro::cmdUltimoClick()
{
    const auto count = countBookings();
    if (!count)
        return;
    if (*count == 0)
        Msg::information(kEmpty, this);
    else
        ShowBookingAt(*count);
}

void TfrmRegistro::cmdAvantiClick()
{
    const qint64 p = currentPosition();
    const auto count = countBookings();
    if (!count)
        return;
    if (*count == 0)
        Msg::information(kEmpty, this);
    else if (p < *count)
        ShowBookingAt(p + 1);
}

void TfrmRegistro::cmdIndietroClick()
{
    const qint64 p = currentPosition();
    // Booking 1 goes nowhere, whatever the register holds.
    if (p == 1)
        return;
    const auto count = countBookings();
    if (!count)
        return;
    if (*count == 0)
        Msg::information(kEmpty, this);
    else if (p == 0)
        ShowBookingAt(1);
    else
        ShowBookingAt(qMin(p - 1, *count));
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
    if (!countBookings())
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

void TfrmRegistro::impClienteClick() { openModal<TfrmTrovaClienti>(this, QStringLiteral("registro")); }

void TfrmRegistro::openTable(QWidget *source)
{
    if (source == impTipo)
        openModal<TfrmCodici_Tipo>(this, QStringLiteral("registro_tipo"));
    else if (source == impTipoDoc)
        openModal<TfrmCodici_Documenti>(this, QStringLiteral("registro_tipodoc"));
    else if (source == impStatoNasc)
        openModal<TfrmCodici_Stati>(this, QStringLiteral("registro_statonasc"));
    else if (source == impCittadinanza)
        openModal<TfrmCodici_Stati>(this, QStringLiteral("registro_cittadinanza"));
    else if (source == impStatoLuogoRil)
        openModal<TfrmCodici_Stati>(this, QStringLiteral("registro_luogoril"));
    else if (source == impComuneNasc)
        openModal<TfrmCodici_Comuni>(this, QStringLiteral("registro_comunenasc"));
    else if (source == impComuneLuogoRil)
        openModal<TfrmCodici_Comuni>(this, QStringLiteral("registro_luogoril"));
}

void TfrmRegistro::openCalendar(const QString &marker) { openModal<TfrmCalendario>(this, marker); }

void TfrmRegistro::showEvent(QShowEvent *e)
{
    TAppScreen::showEvent(e);
    if (!e->spontaneous())
        Clear();
}

void TfrmRegistro::closeEvent(QCloseEvent *e)
{
    e->accept();
    Screens::backToMenu(this);
}
