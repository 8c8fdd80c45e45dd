#include "guests/Clienti.h"

#include "app/Guida.h"
#include "app/Screens.h"
#include "base/RecordFile.h"
#include "base/Text.h"
#include "billing/BillPanel.h"
#include "checks/Carta.h"
#include "checks/CodFisc.h"
#include "checks/Iban.h"
#include "checks/PartitaIva.h"
#include "codes/Codici_Comuni.h"
#include "codes/Codici_Documenti.h"
#include "codes/Codici_Stati.h"
#include "codes/Codici_Tipo.h"
#include "guests/AllegaCartella.h"
#include "guests/Cartella.h"
#include "guests/Cliente.h"
#include "guests/ExpClienti.h"
#include "guests/StampaClienti.h"
#include "guests/TrovaClienti.h"
#include "guests/TrovaSegnalati.h"
#include "platform/CardFields.h"
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
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kCodedHint = QStringLiteral("Servirsi del pulsante a lato per compilare il campo.");

// Rows of a section: caption, field, then the field's buttons.
struct Rows {
    QGridLayout *grid;
    int row = 0;
    void add(const QString &caption, QWidget *field, std::initializer_list<QWidget *> extras = {})
    {
        grid->addWidget(new QLabel(caption), row, 0);
        auto *h = new QHBoxLayout;
        h->setSpacing(6);
        h->addWidget(field, 1);
        for (QWidget *w : extras)
            h->addWidget(w);
        grid->addLayout(h, row, 1);
        ++row;
    }
};

QGroupBox *section(const QString &title, QGridLayout **grid)
{
    auto *box = new QGroupBox(title);
    *grid = new QGridLayout(box);
    (*grid)->setVerticalSpacing(7);
    (*grid)->setHorizontalSpacing(8);
    (*grid)->setColumnStretch(1, 1);
    return box;
}

} // namespace

TfrmClienti::TfrmClienti() : TAppScreen(QStringLiteral(" Lunaresca - Anagrafica clienti e consumazioni"), true)
{
    setObjectName(QStringLiteral("frmClienti"));
    resize(1200, 800);

    panInfo = new QLabel(QStringLiteral("Pronto per salvare una nuova scheda..."), this);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    panInfo->setStyleSheet(
        QStringLiteral("QLabel { background: #20527a; color: white; padding: 4px 8px; font: 10pt; }"));
    m_hints = new ScreenKit::Hints(panInfo, this);
    m_frames = new ScreenKit::FocusFrames(this);

    txtCognome = edit(QStringLiteral("txtCognome"), 50);
    txtNome = edit(QStringLiteral("txtNome"), 30);
    txtSesso = combo(QStringLiteral("txtSesso"), 4, {QStringLiteral("1) M"), QStringLiteral("2) F")});
    txtCodFisc = edit(QStringLiteral("txtCodFisc"), 16);
    txtTipo = edit(QStringLiteral("txtTipo"), 50);
    txtDataNasc = edit(QStringLiteral("txtDataNasc"), 10);
    txtComuneNasc = edit(QStringLiteral("txtComuneNasc"), 40);
    txtProvNasc = edit(QStringLiteral("txtProvNasc"), 2);
    txtStatoNasc = edit(QStringLiteral("txtStatoNasc"), 40);
    txtCittadinanza = edit(QStringLiteral("txtCittadinanza"), 40);
    txtVia = edit(QStringLiteral("txtVia"), 80);
    txtCap = edit(QStringLiteral("txtCap"), 5);
    txtComuneRes = edit(QStringLiteral("txtComuneRes"), 40);
    txtProvRes = edit(QStringLiteral("txtProvRes"), 2);
    txtIva = edit(QStringLiteral("txtIva"), 11);
    txtTipoDoc = edit(QStringLiteral("txtTipoDoc"), 40);
    txtNumDoc = edit(QStringLiteral("txtNumDoc"), 20);
    txtLuogoRil = edit(QStringLiteral("txtLuogoRil"), 40);
    txtDataRil = edit(QStringLiteral("txtDataRil"), 10);
    txtDataSca = edit(QStringLiteral("txtDataSca"), 10);
    txtTelCasa = edit(QStringLiteral("txtTelCasa"), 20);
    txtTelUff = edit(QStringLiteral("txtTelUff"), 20);
    txtCellulare = edit(QStringLiteral("txtCellulare"), 20);
    txtFax = edit(QStringLiteral("txtFax"), 20);
    txtEmail = edit(QStringLiteral("txtEmail"), 50);
    txtCarta = edit(QStringLiteral("txtCarta"), 50);
    txtScadeCarta = edit(QStringLiteral("txtScadeCarta"), 10);
    txtIban = edit(QStringLiteral("txtIban"), 27);
    txtIntestatario = edit(QStringLiteral("txtIntestatario"), 120);
    txtTariffa = edit(QStringLiteral("txtTariffa"), 50);
    txtTipologia = combo(QStringLiteral("txtTipologia"), 50,
                         {QStringLiteral("Singola"), QStringLiteral("Doppia"), QStringLiteral("Matrimoniale"),
                          QStringLiteral("Tripla"), QStringLiteral("Quadrupla"), QStringLiteral("Singola uso doppia"),
                          QStringLiteral("Doppia uso singola")});
    txtFormula = combo(QStringLiteral("txtFormula"), 50,
                       {QStringLiteral("Pernottamento e colazione"), QStringLiteral("Mezza pensione"),
                        QStringLiteral("Pensione completa")});
    txtSupplementi = edit(QStringLiteral("txtSupplementi"), 120);
    txtServizi = edit(QStringLiteral("txtServizi"), 250);
    txtNote = edit(QStringLiteral("txtNote"), 250);
    txtQuestioni = edit(QStringLiteral("txtQuestioni"), 250);

    txtCodSesso = hidden(QStringLiteral("txtCodSesso"));
    txtCodTipo = hidden(QStringLiteral("txtCodTipo"));
    txtCodComuneNasc = hidden(QStringLiteral("txtCodComuneNasc"));
    txtCodStatoNasc = hidden(QStringLiteral("txtCodStatoNasc"));
    txtCodCittadinanza = hidden(QStringLiteral("txtCodCittadinanza"));
    txtCodTipoDoc = hidden(QStringLiteral("txtCodTipoDoc"));
    txtCodLuogoRil = hidden(QStringLiteral("txtCodLuogoRil"));
    lblFile01 = hidden(QStringLiteral("lblFile01"));
    lblFile02 = hidden(QStringLiteral("lblFile02"));
    lblFile03 = hidden(QStringLiteral("lblFile03"));
    lblDesc01 = hidden(QStringLiteral("lblDesc01"));
    lblDesc02 = hidden(QStringLiteral("lblDesc02"));
    lblDesc03 = hidden(QStringLiteral("lblDesc03"));

    chkSegnala = new QCheckBox(QStringLiteral("Segnala"), this);
    chkSegnala->setObjectName(QStringLiteral("chkSegnala"));
    icoSegnala = ScreenKit::picture(this, QStringLiteral("icoSegnala"), QStringLiteral("segnala"), QString(), 28);
    lblPosizione = new QLabel(this);
    lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
    lblPosizione->setMinimumWidth(80);
    lblPosizione->setAlignment(Qt::AlignCenter);
    lblPosizione->setStyleSheet(
        QStringLiteral("QLabel { background: white; border: 1px solid #7f9fbf; font: bold 12pt; padding: 2px; }"));
    btnConto = new QPushButton(QStringLiteral("CONTO CLIENTE"), this);
    btnConto->setObjectName(QStringLiteral("btnConto"));

    cmdNuovo = command(QStringLiteral("cmdNuovo"), QStringLiteral("nuovo"), QStringLiteral("Nuovo"),
                       QStringLiteral("Prepara la schermata per la registrazione di una nuova scheda."));
    cmdSalva = command(QStringLiteral("cmdSalva"), QStringLiteral("salva"), QStringLiteral("Salva"),
                       QStringLiteral("Salva la scheda corrente in archivio."));
    cmdPrimo = command(QStringLiteral("cmdPrimo"), QStringLiteral("primo"), QStringLiteral("Primo"),
                       QStringLiteral("Visualizza la prima scheda in archivio."));
    cmdIndietro = command(QStringLiteral("cmdIndietro"), QStringLiteral("indietro"), QStringLiteral("Indietro"),
                          QStringLiteral("Visualizza la scheda precedente in archivio."));
    cmdAvanti = command(QStringLiteral("cmdAvanti"), QStringLiteral("avanti"), QStringLiteral("Avanti"),
                        QStringLiteral("Visualizza la scheda successiva in archivio."));
    cmdUltimo = command(QStringLiteral("cmdUltimo"), QStringLiteral("ultimo"), QStringLiteral("Ultimo"),
                        QStringLiteral("Visualizza l'ultima scheda in archivio."));
    cmdTrova = command(QStringLiteral("cmdTrova"), QStringLiteral("trova"), QStringLiteral("Trova"),
                       QStringLiteral("Trova una scheda in archivio."));
    cmdSegnalati = command(QStringLiteral("cmdSegnalati"), QStringLiteral("segnala"), QStringLiteral("Segnalati"),
                           QStringLiteral("Visualizza il riepilogo dei clienti segnalati."));
    cmdCartella = command(QStringLiteral("cmdCartella"), QStringLiteral("cartella"), QStringLiteral("Cartella"),
                          QStringLiteral("Gestisci la cartella abbinata alla scheda corrente."));
    cmdFile = command(QStringLiteral("cmdFile"), QStringLiteral("allega"), QStringLiteral("Allega"),
                      QStringLiteral("Allega file alla scheda corrente."));
    cmdStampa = command(QStringLiteral("cmdStampa"), QStringLiteral("stampa"), QStringLiteral("Stampa"),
                        QStringLiteral("Stampa la scheda corrente."));
    cmdEsporta = command(QStringLiteral("cmdEsporta"), QStringLiteral("esporta"), QStringLiteral("Esporta"),
                         QStringLiteral("Esporta le schede in archivio in un file di Microsoft Excel."));
    cmdGuida = command(QStringLiteral("cmdGuida"), QStringLiteral("guida"), QStringLiteral("Guida"),
                       QStringLiteral("Visualizza la guida in linea."));
    cmdEsci = command(QStringLiteral("cmdEsci"), QStringLiteral("esci"), QStringLiteral("Esci"),
                      QStringLiteral("Esci da questa schermata di lavoro."));

    impTipo = fieldButton(QStringLiteral("impTipo"), QStringLiteral("tabella"),
                          QStringLiteral("Importa i dati dalla Tabella dei Codici nel campo Tipo di alloggiato."));
    impComuneNasc =
        fieldButton(QStringLiteral("impComuneNasc"), QStringLiteral("comuni"),
                    QStringLiteral("Importa i dati dalla Tabella dei Codici dei Comuni nel campo Comune di nascita."));
    impStatoNasc =
        fieldButton(QStringLiteral("impStatoNasc"), QStringLiteral("stati"),
                    QStringLiteral("Importa i dati dalla Tabella dei Codici degli Stati nel campo Stato di nascita."));
    impCittadinanza =
        fieldButton(QStringLiteral("impCittadinanza"), QStringLiteral("stati"),
                    QStringLiteral("Importa i dati dalla Tabella dei Codici degli Stati nel campo Cittadinanza."));
    impTipoDoc = fieldButton(QStringLiteral("impTipoDoc"), QStringLiteral("tabella"),
                             QStringLiteral("Importa i dati dalla Tabella dei Codici nel campo Tipo di documento."));
    impComuneLuogoRil =
        fieldButton(QStringLiteral("impComuneLuogoRil"), QStringLiteral("comuni"),
                    QStringLiteral("Importa i dati dalla Tabella dei Codici dei Comuni nel campo Luogo di rilascio."));
    impStatoLuogoRil =
        fieldButton(QStringLiteral("impStatoLuogoRil"), QStringLiteral("stati"),
                    QStringLiteral("Importa i dati dalla Tabella dei Codici degli Stati nel campo Luogo di rilascio."));
    btnCodFisc = fieldButton(QStringLiteral("btnCodFisc"), QStringLiteral("verifica"),
                             QStringLiteral("Controlla il codice fiscale."));
    btnIva = fieldButton(QStringLiteral("btnIva"), QStringLiteral("verifica"),
                         QStringLiteral("Controlla il numero di partita IVA."));
    btnIban = fieldButton(QStringLiteral("btnIban"), QStringLiteral("verifica"), QStringLiteral("Controlla l'IBAN."));
    btnCarta = fieldButton(QStringLiteral("btnCarta"), QStringLiteral("verifica"),
                           QStringLiteral("Controlla il numero di carta di credito."));
    btnEmail = fieldButton(QStringLiteral("btnEmail"), QStringLiteral("email"),
                           QStringLiteral("Invia una e-mail all'indirizzo indicato."));

    buildLayout();
    conto = new BillPanel(m_page, m_hints);
    for (QLineEdit *e : conto->txtData + conto->txtDesc + conto->txtPrezzo)
        m_controls.insert(e->objectName(), e);
    m_controls.insert(QStringLiteral("txtAcconto"), conto->txtAcconto);
    connect(conto, &BillPanel::closed, this, [this] { txtCognome->setFocus(); });
    wireFocusAndHints();

    connect(cmdNuovo, &QToolButton::clicked, this, &TfrmClienti::cmdNuovoClick);
    connect(cmdSalva, &QToolButton::clicked, this, &TfrmClienti::cmdSalvaClick);
    connect(cmdPrimo, &QToolButton::clicked, this, &TfrmClienti::cmdPrimoClick);
    connect(cmdIndietro, &QToolButton::clicked, this, &TfrmClienti::cmdIndietroClick);
    connect(cmdAvanti, &QToolButton::clicked, this, &TfrmClienti::cmdAvantiClick);
    connect(cmdUltimo, &QToolButton::clicked, this, &TfrmClienti::cmdUltimoClick);
    connect(cmdTrova, &QToolButton::clicked, this, &TfrmClienti::cmdTrovaClick);
    connect(cmdSegnalati, &QToolButton::clicked, this, &TfrmClienti::cmdSegnalatiClick);
    connect(cmdCartella, &QToolButton::clicked, this, &TfrmClienti::cmdCartellaClick);
    connect(cmdFile, &QToolButton::clicked, this, &TfrmClienti::cmdFileClick);
    connect(cmdStampa, &QToolButton::clicked, this, &TfrmClienti::cmdStampaClick);
    connect(cmdEsporta, &QToolButton::clicked, this, &TfrmClienti::cmdEsportaClick);
    connect(cmdGuida, &QToolButton::clicked, this, &TfrmClienti::cmdGuidaClick);
    connect(cmdEsci, &QToolButton::clicked, this, &TfrmClienti::cmdEsciClick);
    connect(btnCodFisc, &QToolButton::clicked, this, &TfrmClienti::btnCodFiscClick);
    connect(btnIva, &QToolButton::clicked, this, &TfrmClienti::btnIvaClick);
    connect(btnIban, &QToolButton::clicked, this, &TfrmClienti::btnIbanClick);
    connect(btnCarta, &QToolButton::clicked, this, &TfrmClienti::btnCartaClick);
    connect(btnEmail, &QToolButton::clicked, this, &TfrmClienti::btnEmailClick);
    connect(btnConto, &QPushButton::clicked, this, &TfrmClienti::btnContoClick);
    connect(icoSegnala, &QToolButton::clicked, chkSegnala, &QCheckBox::toggle);
    for (QToolButton *b :
         {impTipo, impComuneNasc, impStatoNasc, impCittadinanza, impTipoDoc, impComuneLuogoRil, impStatoLuogoRil})
        connect(b, &QToolButton::clicked, this, [this, b] { openTable(b); });

    // Tax code, IBAN and provinces: trimmed and upper case (ASCII letters) on every change.
    for (QLineEdit *e : {txtCodFisc, txtIban, txtProvNasc, txtProvRes})
        connect(e, &QLineEdit::textChanged, e, [e](const QString &t) {
            const QString u = Text::upperAscii(Text::trimmed(t));
            if (u != t) {
                const int pos = qMin<int>(e->cursorPosition(), int(u.size()));
                e->setText(u);
                e->setCursorPosition(pos);
            }
        });
    txtEmail->installEventFilter(this);
}

QLineEdit *TfrmClienti::edit(const QString &name, int maxLength)
{
    auto *e = new QLineEdit(this);
    e->setObjectName(name);
    e->setMaxLength(maxLength);
    m_controls.insert(name, e);
    return e;
}

QComboBox *TfrmClienti::combo(const QString &name, int maxLength, const QStringList &items)
{
    auto *c = new QComboBox(this);
    c->setObjectName(name);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(items);
    c->lineEdit()->setMaxLength(maxLength);
    c->setCurrentIndex(-1);
    c->installEventFilter(this);
    m_controls.insert(name, c);
    return c;
}

QLabel *TfrmClienti::hidden(const QString &name)
{
    auto *l = new QLabel(this);
    l->setObjectName(name);
    l->hide();
    m_controls.insert(name, l);
    return l;
}

QToolButton *TfrmClienti::command(const QString &name, const QString &icon, const QString &text, const QString &hint)
{
    QToolButton *b = ScreenKit::picture(this, name, icon, text, 32);
    m_hints->add(b, hint);
    return b;
}

QToolButton *TfrmClienti::fieldButton(const QString &name, const QString &icon, const QString &hint)
{
    QToolButton *b = ScreenKit::picture(this, name, icon, QString(), 20);
    m_hints->add(b, hint);
    return b;
}

void TfrmClienti::buildLayout()
{
    auto *bar = new QHBoxLayout;
    bar->setSpacing(2);
    for (QToolButton *b : {cmdNuovo, cmdSalva, cmdPrimo, cmdIndietro, cmdAvanti, cmdUltimo, cmdTrova, cmdSegnalati,
                           cmdCartella, cmdFile, cmdStampa, cmdEsporta, cmdGuida})
        bar->addWidget(b);
    bar->addStretch();
    auto *pos = new QLabel(QStringLiteral("Scheda n."), this);
    bar->addWidget(pos);
    bar->addWidget(lblPosizione);
    bar->addSpacing(12);
    bar->addWidget(cmdEsci);

    m_page = new QWidget(this);
    m_page->setObjectName(QStringLiteral("panScheda"));
    auto *cols = new QGridLayout(m_page);
    cols->setHorizontalSpacing(12);
    cols->setVerticalSpacing(8);

    QGridLayout *g;
    QGroupBox *personal = section(QStringLiteral("Dati anagrafici"), &g);
    Rows r{g};
    r.add(QStringLiteral("Cognome:"), txtCognome);
    r.add(QStringLiteral("Nome:"), txtNome);
    r.add(QStringLiteral("Sesso:"), txtSesso);
    r.add(QStringLiteral("Codice fiscale:"), txtCodFisc, {btnCodFisc});
    r.add(QStringLiteral("Tipo di alloggiato:"), txtTipo, {impTipo});
    r.add(QStringLiteral("Data di nascita:"), txtDataNasc);
    txtProvNasc->setFixedWidth(36);
    r.add(QStringLiteral("Comune di nascita:"), txtComuneNasc,
          {new QLabel(QStringLiteral("Prov.")), txtProvNasc, impComuneNasc});
    r.add(QStringLiteral("Stato di nascita:"), txtStatoNasc, {impStatoNasc});
    r.add(QStringLiteral("Cittadinanza:"), txtCittadinanza, {impCittadinanza});

    QGroupBox *residence = section(QStringLiteral("Residenza"), &g);
    Rows rr{g};
    rr.add(QStringLiteral("Via e numero civico:"), txtVia);
    txtCap->setFixedWidth(70);
    rr.add(QStringLiteral("CAP:"), txtCap);
    txtProvRes->setFixedWidth(36);
    rr.add(QStringLiteral("Comune di residenza:"), txtComuneRes, {new QLabel(QStringLiteral("Prov.")), txtProvRes});
    rr.add(QStringLiteral("Partita IVA:"), txtIva, {btnIva});

    QGroupBox *document = section(QStringLiteral("Documento di riconoscimento"), &g);
    Rows rd{g};
    rd.add(QStringLiteral("Tipo documento:"), txtTipoDoc, {impTipoDoc});
    rd.add(QStringLiteral("Numero documento:"), txtNumDoc);
    rd.add(QStringLiteral("Luogo rilascio:"), txtLuogoRil, {impComuneLuogoRil, impStatoLuogoRil});
    rd.add(QStringLiteral("Data rilascio:"), txtDataRil);
    rd.add(QStringLiteral("Data scadenza:"), txtDataSca);

    QGroupBox *contacts = section(QStringLiteral("Recapiti"), &g);
    Rows rc{g};
    rc.add(QStringLiteral("Tel. casa:"), txtTelCasa);
    rc.add(QStringLiteral("Tel. ufficio:"), txtTelUff);
    rc.add(QStringLiteral("Cellulare:"), txtCellulare);
    rc.add(QStringLiteral("Fax:"), txtFax);
    rc.add(QStringLiteral("E-mail:"), txtEmail, {btnEmail});

    QGroupBox *payment = section(QStringLiteral("Dati di pagamento"), &g);
    Rows rp{g};
    rp.add(QStringLiteral("Carta di credito n."), txtCarta, {btnCarta});
    rp.add(QStringLiteral("Scadenza:"), txtScadeCarta);
    rp.add(QStringLiteral("IBAN:"), txtIban, {btnIban});
    rp.add(QStringLiteral("Intestatario C/C:"), txtIntestatario);

    QGroupBox *stay = section(QStringLiteral("Soggiorno"), &g);
    Rows rs{g};
    rs.add(QStringLiteral("Tariffa applicata:"), txtTariffa);
    rs.add(QStringLiteral("Tipologia camera:"), txtTipologia);
    rs.add(QStringLiteral("Formula:"), txtFormula);
    rs.add(QStringLiteral("Supplementi:"), txtSupplementi);
    rs.add(QStringLiteral("Servizi richiesti:"), txtServizi);
    rs.add(QStringLiteral("Note:"), txtNote);
    rs.add(QStringLiteral("Questioni in sospeso:"), txtQuestioni);
    auto *flag = new QHBoxLayout;
    flag->addWidget(chkSegnala);
    flag->addWidget(icoSegnala);
    flag->addStretch();
    flag->addWidget(btnConto);
    g->addLayout(flag, rs.row, 0, 1, 2);

    cols->addWidget(personal, 0, 0, 2, 1);
    cols->addWidget(residence, 0, 1);
    cols->addWidget(document, 1, 1);
    cols->addWidget(contacts, 0, 2);
    cols->addWidget(payment, 1, 2);
    cols->addWidget(stay, 2, 0, 1, 3);
    cols->setRowStretch(3, 1);
    for (int c = 0; c < 3; ++c)
        cols->setColumnStretch(c, 1);
    for (QGroupBox *b : {personal, residence, document, contacts, payment, stay})
        m_hints->blank(b);
    m_hints->blank(m_page);

    auto *v = new QVBoxLayout(this);
    v->setContentsMargins(6, 4, 6, 6);
    v->setSpacing(4);
    v->addLayout(bar);
    v->addWidget(panInfo);
    v->addWidget(m_page, 1);
}

void TfrmClienti::wireFocusAndHints()
{
    // Frame names: "eff" + the field's name without its prefix.
    for (auto it = m_controls.cbegin(); it != m_controls.cend(); ++it) {
        QWidget *w = it.value();
        if (qobject_cast<QLabel *>(w))
            continue;
        const QString base = it.key().mid(3);
        m_frames->light(w, m_frames->frameAround(w, QStringLiteral("eff") + base));
    }
    auto fre = [this](QToolButton *b, const QString &name) {
        return m_frames->frameAround(b, name, QStringLiteral("#e8711a"));
    };
    QFrame *freTipo = fre(impTipo, QStringLiteral("freTipo"));
    QFrame *freComuneNasc = fre(impComuneNasc, QStringLiteral("freComuneNasc"));
    QFrame *freStatoNasc = fre(impStatoNasc, QStringLiteral("freStatoNasc"));
    QFrame *freCittadinanza = fre(impCittadinanza, QStringLiteral("freCittadinanza"));
    QFrame *freTipoDoc = fre(impTipoDoc, QStringLiteral("freTipoDoc"));
    QFrame *freComuneLuogoRil = fre(impComuneLuogoRil, QStringLiteral("freComuneLuogoRil"));
    QFrame *freStatoLuogoRil = fre(impStatoLuogoRil, QStringLiteral("freStatoLuogoRil"));
    m_frames->light(txtTipo, freTipo);
    m_frames->light(txtComuneNasc, freComuneNasc);
    m_frames->light(txtProvNasc, freComuneNasc);
    m_frames->light(txtStatoNasc, freStatoNasc);
    m_frames->light(txtCittadinanza, freCittadinanza);
    m_frames->light(txtTipoDoc, freTipoDoc);
    m_frames->light(txtLuogoRil, freComuneLuogoRil);
    m_frames->light(txtLuogoRil, freStatoLuogoRil);

    for (QWidget *w : {static_cast<QWidget *>(txtTipo), static_cast<QWidget *>(txtComuneNasc),
                       static_cast<QWidget *>(txtProvNasc), static_cast<QWidget *>(txtStatoNasc),
                       static_cast<QWidget *>(txtCittadinanza), static_cast<QWidget *>(txtTipoDoc)})
        m_hints->add(w, kCodedHint);
    m_hints->add(txtLuogoRil, QStringLiteral("Servirsi dei pulsanti a lato per compilare il campo."));
    const QString flagHint =
        QStringLiteral("Spunta la casella per aggiungere la scheda al riepilogo dei clienti segnalati.");
    m_hints->add(chkSegnala, flagHint);
    m_hints->add(icoSegnala, flagHint);
    m_hints->add(btnConto, QStringLiteral("Apri o chiudi la schermata del conto del cliente."));

    const QList<QWidget *> chain = {
        txtCognome,    txtNome,     txtSesso,       txtCodFisc,      txtTipo,         txtDataNasc,
        txtComuneNasc, txtProvNasc, txtStatoNasc,   txtCittadinanza, txtVia,          txtCap,
        txtComuneRes,  txtProvRes,  txtIva,         txtTipoDoc,      txtNumDoc,       txtLuogoRil,
        txtDataRil,    txtDataSca,  txtTelCasa,     txtTelUff,       txtCellulare,    txtFax,
        txtEmail,      txtCarta,    txtScadeCarta,  txtIban,         txtIntestatario, txtTariffa,
        txtTipologia,  txtFormula,  txtSupplementi, txtServizi,      txtNote,         txtQuestioni};
    new ScreenKit::EnterChain(chain, this);
    new ScreenKit::EnterChain(conto->enterChain(), this);
    QWidget *prev = nullptr;
    for (QWidget *w : chain + QList<QWidget *>{chkSegnala, btnConto}) {
        if (prev)
            setTabOrder(prev, w);
        prev = w;
    }
}

bool TfrmClienti::eventFilter(QObject *o, QEvent *e)
{
    if (o == txtEmail && e->type() == QEvent::KeyRelease) {
        const QString t = Text::trimmed(txtEmail->text());
        if (t != txtEmail->text())
            txtEmail->setText(t);
    }
    // A drop-down about to take the focus opens with no item marked; its text stays.
    if (e->type() == QEvent::FocusIn)
        if (auto *c = qobject_cast<QComboBox *>(o)) {
            const QString text = c->currentText();
            c->setCurrentIndex(-1);
            c->setEditText(text);
        }
    return TAppScreen::eventFilter(o, e);
}

QString TfrmClienti::controlText(const QString &name) const { return CardFields::text(control(name)); }

void TfrmClienti::setControlText(const QString &name, const QString &text) { CardFields::setText(control(name), text); }

TCliente TfrmClienti::toRecord() const
{
    TCliente r;
    for (const auto &b : ClienteField::textFields())
        r.set(b.field, controlText(b.control));
    r.setSegnala(chkSegnala->isChecked());
    return r;
}

void TfrmClienti::fromRecord(const TCliente &r)
{
    for (const auto &b : ClienteField::textFields())
        setControlText(b.control, r.get(b.field));
    if (const auto flag = r.segnala())
        chkSegnala->setChecked(*flag);
}

std::optional<qint64> TfrmClienti::countCards()
{
    try {
        RecordFile f(clientiPath(), TCliente::Size);
        f.open();
        return f.count();
    } catch (const ArchiveError &) {
        Msg::error(Msg::accessText(), this);
        return std::nullopt;
    }
}

qint64 TfrmClienti::currentPosition() const
{
    const QString t = Text::trimmed(lblPosizione->text());
    return t.isEmpty() ? 0 : t.toLongLong();
}

bool TfrmClienti::ShowGuestAt(qint64 n)
{
    try {
        RecordFile f(clientiPath(), TCliente::Size);
        f.open();
        TCliente r;
        f.read(n, r.bytes.data());
        conto->txtTotale->setText(QStringLiteral("---"));
        fromRecord(r);
        lblPosizione->setText(QString::number(n));
        f.close();
    } catch (const ArchiveError &) {
        Msg::error(Msg::accessText(), this);
        return false;
    }
    conto->setTitle(Text::trimmed(txtNome->text()), Text::trimmed(txtCognome->text()));
    return true;
}

void TfrmClienti::Reset()
{
    conto->txtTotale->setText(QStringLiteral("---"));
    for (auto it = m_controls.cbegin(); it != m_controls.cend(); ++it)
        setControlText(it.key(), QString());
    chkSegnala->setChecked(false);
    txtTipologia->setCurrentIndex(-1);
    txtFormula->setCurrentIndex(-1);
    txtSesso->setCurrentIndex(-1);
    lblPosizione->clear();
    conto->reset();
    txtCognome->setFocus();
}

void TfrmClienti::cmdNuovoClick() { Reset(); }

void TfrmClienti::cmdSalvaClick()
{
    if (Text::isBlank(txtCognome->text())) {
        Msg::warning(QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il cognome del cliente."),
                     this);
        txtCognome->setFocus();
        return;
    }
    if (Text::isBlank(txtNome->text())) {
        Msg::warning(QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il nome del cliente."),
                     this);
        txtNome->setFocus();
        return;
    }
    const TCliente r = toRecord();
    const qint64 n = currentPosition();
    QString done;
    try {
        RecordFile f(clientiPath(), TCliente::Size);
        f.open();
        if (n > 0) {
            f.overwrite(n, r.bytes.data());
            lblPosizione->setText(QString::number(n));
            done = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
        } else {
            lblPosizione->setText(QString::number(f.append(r.bytes.data())));
            done = QStringLiteral("La scheda corrente è stata inserita in archivio.");
        }
        f.close();
    } catch (const ArchiveError &) {
        Msg::error(Msg::accessText(), this);
        return;
    }
    Msg::information(done, this);
}

namespace {
const QString kEmpty = QStringLiteral("L'archivio non contiene nessuna scheda.");
}

void TfrmClienti::cmdPrimoClick()
{
    const auto counted = countCards();
    if (!counted)
        return;
    const qint64 count = *counted;
    if (count == 0)
        Msg::information(kEmpty, this);
    else
        ShowGuestAt(1);
}

void TfrmClienti::cmdUltimoClick()
{
    const auto counted = countCards();
    if (!counted)
        return;
    const qint64 count = *counted;
    if (count == 0)
        Msg::information(kEmpty, this);
    else
        ShowGuestAt(count);
}

void TfrmClienti::cmdAvantiClick()
{
    const qint64 n = currentPosition();
    const auto counted = countCards();
    if (!counted)
        return;
    const qint64 count = *counted;
    if (count == 0) {
        lblPosizione->clear();
        Msg::information(kEmpty, this);
    } else if (n == 0) {
        ShowGuestAt(1);
    } else if (n < count) {
        ShowGuestAt(n + 1);
    }
}

void TfrmClienti::cmdIndietroClick()
{
    const qint64 n = currentPosition();
    // Card 1 goes nowhere, whatever the archive holds.
    if (n == 1)
        return;
    const auto counted = countCards();
    if (!counted)
        return;
    const qint64 count = *counted;
    if (count == 0)
        Msg::information(kEmpty, this);
    else if (n == 0)
        ShowGuestAt(1);
    else if (n >= 2)
        ShowGuestAt(qMin(n - 1, count));
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

void TfrmClienti::openTable(QWidget *source)
{
    if (source == impTipo)
        openModal<TfrmCodici_Tipo>(this, QStringLiteral("clienti_tipo"));
    else if (source == impTipoDoc)
        openModal<TfrmCodici_Documenti>(this, QStringLiteral("clienti_tipodoc"));
    else if (source == impStatoNasc)
        openModal<TfrmCodici_Stati>(this, QStringLiteral("clienti_statonasc"));
    else if (source == impCittadinanza)
        openModal<TfrmCodici_Stati>(this, QStringLiteral("clienti_cittadinanza"));
    else if (source == impStatoLuogoRil)
        openModal<TfrmCodici_Stati>(this, QStringLiteral("clienti_luogoril"));
    else if (source == impComuneNasc)
        openModal<TfrmCodici_Comuni>(this, QStringLiteral("clienti_comunenasc"));
    else if (source == impComuneLuogoRil)
        openModal<TfrmCodici_Comuni>(this, QStringLiteral("clienti_luogoril"));
}

void TfrmClienti::showEvent(QShowEvent *e)
{
    TAppScreen::showEvent(e);
    if (!e->spontaneous())
        Reset();
}

void TfrmClienti::closeEvent(QCloseEvent *e)
{
    e->accept();
    Screens::backToMenu(this);
}

void TfrmClienti::resizeEvent(QResizeEvent *e)
{
    TAppScreen::resizeEvent(e);
    if (conto->isOpen())
        conto->place();
}
