#include "app/Guida.h"

#include "app/LinkLook.h"
#include "app/PasswordStore.h"
#include "base/ProgramFolder.h"
#include "base/Text.h"
#include "platform/OpenURL.h"
#include "platform/ScreenKit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The topics' paragraphs, word for word as the operator reads them.
const QStringList &kGuests()
{
    static const QStringList p{
        QStringLiteral(
            "L'app Anagrafica clienti e consumazioni è studiata per memorizzare i dati anagrafici e registrare i "
            "servizi e le consumazioni addebitate a ciascun ospite durante la sua permanenza presso la propria "
            "struttura ricettiva. I dati del cliente potranno inoltre essere importati nell'ambiente per la "
            "registrazione delle prenotazioni. Nella scheda di ogni cliente è possibile archiviare i seguenti dati: "
            "cognome e nome, sesso, codice fiscale, partita IVA, tipo di alloggiato (ospite singolo, capofamiglia, "
            "capogruppo, familiare, membro del gruppo), data, luogo e Stato di nascita, cittadinanza, via e numero "
            "civico, Comune di residenza, tipo di documento di identità, numero del documento, luogo di rilascio, data "
            "di rilascio e data di scadenza, recapiti telefonici (casa, ufficio, cellulare, fax), indirizzo e-mail, "
            "numero di carta di credito con relativa scadenza, IBAN e intestatario del conto corrente bancario, "
            "tariffa applicata, tipologia di camera (singola, doppia, matrimoniale, tripla, quadrupla, singola uso "
            "doppia, doppia uso singola, ecc.), formula prescelta (pernottamento e colazione, mezza pensione, pensione "
            "completa), supplementi applicati, servizi richiesti, qualsiasi questione in sospeso, eventuali acconti "
            "versati ed ogni ulteriore annotazione."),
        QStringLiteral(
            "Premendo il pulsante Conto Cliente si accede ad una schermata in cui è possibile annotare tutti i servizi "
            "e le consumazioni da mettere in conto. Per ciascuna voce va indicata la data, la descrizione del servizio "
            "o consumazione e l'importo da addebitare. Tali dati possono essere digitati sul momento oppure importati "
            "dal Tariffario prodotti e servizi utilizzando i pulsanti a destra di ciascun rigo. Su richiesta "
            "dell'ospite, si può mandare in stampa il conto in qualsiasi momento o esportarlo in Excel. Al termine "
            "della permanenza, dopo che è stato saldato quanto dovuto, è possibile cancellare il conto abbinato alla "
            "scheda anagrafica del cliente per preparare l'ambiente a registrare servizi e consumazioni per un "
            "eventuale nuovo soggiorno dell'ospite presso la propria struttura ricettiva."),
        QStringLiteral("Per inserire una nuova scheda in archivio, bisogna premere il pulsante Nuovo, compilare i "
                       "campi di testo che interessano e premere Salva. Per modificare una scheda già in archivio, "
                       "basta visualizzarla nella schermata di lavoro utilizzando la funzione di ricerca o le frecce "
                       "di scorrimento dei record, aggiornare i dati e premere Salva."),
        QStringLiteral("I dati relativi al tipo di alloggiato, al Comune di nascita, allo Stato di nascita, allo Stato "
                       "di cittadinanza, al tipo di documento e al luogo di rilascio del documento possono essere "
                       "selezionati da apposite liste che compaiono facendo clic sui pulsanti presenti a destra dei "
                       "campi di testo corrispondenti."),
        QStringLiteral("La casella Segnala va spuntata se esistono eventuali questioni in sospeso con il cliente "
                       "affinché il nominativo sia incluso in un elenco degli ospiti da ricontattare nel momento in "
                       "cui ci saranno delle novità. Per visualizzare tale elenco è sufficiente fare clic sull'icona "
                       "del segnale triangolare con il punto esclamativo."),
        QStringLiteral("I campi riferiti al codice fiscale, alla partita IVA, al numero di carta di credito e all'IBAN "
                       "sono affiancati da pulsanti che permettono di verificare la validità dei dati immessi. Se il "
                       "numero di partita IVA è corretto, ci verrà comunicato anche l'Ufficio che lo ha rilasciato. "
                       "Per inviare un messaggio di posta elettronica al cliente selezionato, basta fare clic sul "
                       "pulsante a destra del campo di testo dell'indirizzo e-mail."),
        QStringLiteral("E' possibile utilizzare una cartella abbinata a ciascuna scheda in cui conservare un numero "
                       "illimitato di documenti riferiti al cliente (ad esempio, la copia digitale della sua carta di "
                       "identità). In maniera simile, la funzione Allega file permette di allegare fino a tre file "
                       "alla scheda di ciascun ospite descrivendone il contenuto in appositi campi di testo."),
        QStringLiteral(
            "Il pulsante Trova consente di effettuare ricerche in archivio funzionanti anche con chiave parziale, "
            "ossia indicando una o più parole consecutive presenti nei campi di testo utilizzati come filtri di "
            "ricerca. Per ogni ricerca è possibile utilizzare uno o più campi contemporaneamente e ciò consente, ad "
            "esempio, di ottenere l'elenco di tutti gli ospiti che richiedono un certo servizio o tipo di camera, "
            "oppure che preferiscono una determinata formula quale la mezza pensione o la pensione completa. I "
            "risultati di ricerca possono essere stampati su carta."),
        QStringLiteral("L'archivio anagrafico dei clienti può essere esportato in un foglio di Microsoft Excel mentre "
                       "le singole schede possono essere stampate su carta.")};
    return p;
}

const QStringList &kPriceList()
{
    static const QStringList p{
        QStringLiteral("L'app Tariffario prodotti e servizi visualizza, all'apertura della schermata di lavoro, una "
                       "lista in cui bisogna inserire i prodotti e servizi offerti dalla propria struttura ricettiva "
                       "per poterli poi importare velocemente nel conto del cliente."),
        QStringLiteral("L'elenco dei prodotti e servizi deve essere creato aggiungendo le voci una a una. A tal fine, "
                       "bisogna premere il pulsante Aggiungi voce, indicare il nome e il prezzo unitario del prodotto "
                       "o servizio e, infine, premere Aggiungi voce all'elenco."),
        QStringLiteral("Per eliminare un prodotto o servizio dall'elenco, basta selezionarlo con un clic e premere il "
                       "pulsante Elimina voce."),
        QStringLiteral("E' possibile modificare in qualsiasi momento un prodotto o servizio presente in elenco se, ad "
                       "esempio, si vuole migliorare la sua descrizione o cambiare il suo prezzo. Per effettuare le "
                       "modifiche, bisogna selezionare con un clic il prodotto o servizio di interesse, premere il "
                       "pulsante Modifica voce, apportare le variazioni desiderate al nome del prodotto o servizio o "
                       "al suo prezzo e, infine, fare clic su Modifica voce in elenco."),
        QStringLiteral("Il pulsante Stampa elenco permette di ottenere su carta l'elenco completo dei prodotti e "
                       "servizi da noi inseriti. Per salvare il tariffario, è sufficiente uscire dalla schermata di "
                       "lavoro premendo il pulsante Applica e chiudi.")};
    return p;
}

const QStringList &kBookings()
{
    static const QStringList p{
        QStringLiteral(
            "L'app Registro arrivi e partenze gestisce le schede da compilarsi quando il cliente effettua la "
            "prenotazione della camera (normalmente per telefono o tramite e-mail). Tale archivio permette di "
            "registrare per ogni ospite la data e l'ora di arrivo e di partenza, il numero o nome della camera "
            "assegnata all'ospite, il numero di persone adulte e di bambini che alloggeranno nella camera, i giorni di "
            "pernottamento, il numero di cellulare dell'ospite, il cognome e nome, il sesso, la data e il luogo di "
            "nascita, la cittadinanza, il tipo di alloggiato (ospite singolo, capofamiglia, capogruppo, familiare, "
            "membro del gruppo), gli estremi di un documento di riconoscimento, l'indirizzo e-mail, la tariffa "
            "applicata ed eventuali supplementi."),
        QStringLiteral("Per creare la scheda di una nuova prenotazione bisogna fare clic sul pulsante Nuovo, compilare "
                       "i campi di testo che interessano e premere Salva. Si tenga presente che i campi relativi alla "
                       "data di arrivo e di partenza, al numero di giorni di pernotto e al cognome e nome dell'ospite "
                       "sono a compilazione obbligatoria."),
        QStringLiteral(
            "Il pulsante Duplica è utile se si vuole registrare una prenotazione riferita a un cliente che è già stato "
            "ospite della struttura ricettiva. Per duplicare i dati, basta servirsi del pulsante Trova per richiamare "
            "la scheda della prenotazione già archiviata, fare clic su Duplica, apportare le modifiche e premere "
            "Salva. Si tenga presente che è anche possibile importare i dati dell'ospite dall'archivio anagrafico dei "
            "clienti e delle consumazioni servendosi del pulsante a destra del campo riservato al nome."),
        QStringLiteral("Per garantire una corretta compilazione della scheda, i dati relativi al tipo di alloggiato, "
                       "al Comune di nascita, allo Stato di nascita, allo Stato di cittadinanza, al tipo di documento "
                       "e al luogo di rilascio del documento possono essere selezionati da apposite liste che "
                       "compaiono facendo clic sui pulsanti presenti a destra dei campi di testo corrispondenti."),
        QStringLiteral(
            "Il pulsante Invia consente di inviare tramite e-mail un messaggio al cliente in cui si conferma "
            "l'avvenuta prenotazione della quale si riepilogano i dati principali. Nello stesso messaggio, si comunica "
            "al cliente la procedura che dovrà seguire nel caso in cui volesse disdire la prenotazione."),
        QStringLiteral("Quando l'ospite ha terminato la sua permanenza e sta per lasciare la struttura ricettiva, "
                       "l'operatore può richiamare la sua scheda utilizzando il pulsante Clienti in partenza oggi e "
                       "facendo doppio clic sul nominativo di interesse nell'elenco che appare. Dopo aver richiamato "
                       "con un doppio clic la scheda del cliente dalla finestra di ricerca, l'operatore potrà quindi "
                       "inserire l'ora di uscita e salvare i cambiamenti."),
        QStringLiteral(
            "Nel caso in cui un cliente dovesse disdire la propria prenotazione, l'operatore dovrà richiamare la "
            "relativa scheda in archivio, mettere il segno di spunta sulla casella Disdetta e salvare le modifiche. "
            "Così facendo, la scheda della prenotazione annullata non comparirà più negli elenchi dei clienti in "
            "arrivo o in partenza, mentre potrà essere ripescata utilizzando la funzione Trova, dove comunque figurerà "
            "come prenotazione disdetta. Si capisce che questa funzione può essere sfruttata anche se si è in attesa "
            "di ricevere una conferma di prenotazione da parte di un cliente. Infatti, si potrebbe lasciare la spunta "
            "sulla casella Disdetta fino al momento in cui il cliente non confermi."),
        QStringLiteral(
            "Il pulsante Trova permette di ottenere riepiloghi personalizzati adoperando come filtro di ricerca uno o "
            "più campi contemporaneamente, in particolare la data di arrivo e di partenza del cliente, il suo cognome "
            "e nome, il numero della camera prenotata, il numero di cellulare, il Comune di nascita, il numero del "
            "documento di riconoscimento, la tariffa applicata e i supplementi. Con questa funzione è possibile "
            "ottenere, per esempio, lo storico di tutti i pernottamenti effettuati dal cliente presso la nostra "
            "struttura ricettiva, utilizzando il cognome e il nome del cliente come filtro."),
        QStringLiteral(
            "Ci sono anche pulsanti che permettono di visualizzare tutti i clienti in arrivo o in partenza nella "
            "giornata corrente oppure quelli che arriveranno a cominciare dal giorno dopo. Inoltre, si può richiamare "
            "una scheda utilizzando le frecce di scorrimento, che consentono di visualizzare la prenotazione "
            "precedente o quella successiva, oppure di posizionarsi in testa o in coda all'archivio."),
        QStringLiteral("La scheda di prenotazione può essere stampata in duplice copia su un unico foglio A4, in modo "
                       "da consegnare una copia al cliente e trattenere l'altra. L'intero registro degli arrivi e "
                       "delle partenze può essere invece esportato in un foglio di Microsoft Excel.")};
    return p;
}

const QStringList &kGuestExport()
{
    static const QStringList p{
        QStringLiteral(
            "Il pulsante Esporta archivio consente di esportare l'archivio anagrafico dei clienti in un foglio di "
            "lavoro di Microsoft Excel, che potrà essere aperto con qualsiasi software in grado di gestire i file in "
            "formato XLS (ad esempio, con Open Office, Libre Office o Microsoft Office)."),
        QStringLiteral(
            "Dopo aver aperto la finestra contenente la griglia dei dati, bisogna fare clic sull'icona di Excel. "
            "Questa operazione crea in tempo reale un file in formato .XLS contenente le schede in archivio, che potrà "
            "essere aperto immediatamente rispondendo affermativamente al messaggio di domanda che appare."),
        QStringLiteral(
            "A questo punto è sufficiente salvare il file sul proprio disco fisso assegnandogli un nome qualsiasi.")};
    return p;
}

const QStringList &kBookingExport()
{
    static const QStringList p{
        QStringLiteral("Il pulsante Esporta archivio consente di esportare il registro delle prenotazioni in un foglio "
                       "di lavoro di Microsoft Excel, che potrà essere aperto con qualsiasi software in grado di "
                       "gestire i file in formato XLS (ad esempio, con Open Office, Libre Office o Microsoft Office)."),
        QStringLiteral(
            "Dopo aver aperto la finestra contenente la griglia dei dati, bisogna fare clic sull'icona di Excel. "
            "Questa operazione crea in tempo reale un file in formato .XLS contenente le schede in archivio, che potrà "
            "essere aperto immediatamente rispondendo affermativamente al messaggio di domanda che appare."),
        QStringLiteral(
            "A questo punto è sufficiente salvare il file sul proprio disco fisso assegnandogli un nome qualsiasi.")};
    return p;
}

// The menu's topic opens and closes with its own paragraphs and repeats the three apps' topics between.
const QStringList &kGeneral()
{
    static const QStringList p = [] {
        const QString first = kGuests().first();
        const QString cut = QStringLiteral("registrazione delle prenotazioni.");
        const qsizetype end = first.indexOf(cut) + cut.size();
        QStringList l;
        l << QStringLiteral(
            "Lunaresca è un software progettato per gestire facilmente le prenotazioni delle camere e altri servizi di "
            "alberghi, bed & breakfast, pensioni, motel, residence, case vacanza, campeggi e così via. Il programma "
            "dispone di diverse app interagenti che permettono di archiviare l'anagrafica degli ospiti della propria "
            "struttura ricettiva prendendo nota dei servizi e delle consumazioni da addebitare a ciascuno di loro, di "
            "creare un tariffario dei prodotti e servizi offerti, di registrare nel dettaglio le prenotazioni e i "
            "soggiorni dei clienti per avere uno storico degli arrivi e delle partenze.");
        l << first.left(end) << Text::trimmed(first.mid(end));
        l << kGuests().mid(1) << kPriceList() << kBookings();
        l << QStringLiteral(
            "Lunaresca è fortemente integrato con Excel, dal momento che tutti gli applicativi consentono di esportare "
            "i dati nel formato del software della Microsoft. A tal fine, è sufficiente che nel proprio computer sia "
            "installata una qualsiasi applicazione per la gestione dei file in formato XLS (ad esempio, Open Office, "
            "Libre Office o Microsoft Office).");
        l << QStringLiteral(
                 "Conformemente alla normativa sulla privacy, l'accesso al software è protetto da una password "
                 "che deve essere costituita da almeno otto caratteri e che può essere cambiata dall'utente "
                 "autorizzato tutte le volte che desidera.")
                 + u' '
                 + QStringLiteral("Per il primo accesso al programma e dopo ogni installazione, bisogna utilizzare la "
                                  "parola chiave")
                 + QStringLiteral(" \"") + PasswordStore::FirstPassword + QStringLiteral("\" ")
                 + QStringLiteral("(scritta senza le virgolette).");
        l << QStringLiteral("Il software può essere utilizzato anche in una rete locale se si ha necessità di "
                            "condividere gli archivi fra più postazioni di lavoro.");
        l << QStringLiteral("Lunaresca può essere utilizzato anche su chiavetta USB. A tal fine, basta copiare la "
                            "cartella del programma su pen-drive e fare doppio clic sull'icona dell'applicazione per "
                            "eseguirla. La copia della cartella su dispositivo esterno è anche il metodo più veloce "
                            "per effettuare il backup di tutti gli archivi.");
        l << QStringLiteral("Lunaresca è quindi una semplice suite gestionale che aiuta a prendersi cura degli ospiti "
                            "di alberghi o bed & breakfast da quando prenotano la camera fino al giorno della loro "
                            "partenza. L'utente rimarrà piacevolmente sorpreso nel constatare come il software "
                            "richieda tempi di apprendimento praticamente nulli.");
        return l;
    }();
    return p;
}

} // namespace

namespace HelpTopic {

QStringList titles() { return {general(), guests(), priceList(), bookings(), guestExport(), bookingExport()}; }

QStringList paragraphs(const QString &title)
{
    if (title == general())
        return kGeneral();
    if (title == guests())
        return kGuests();
    if (title == priceList())
        return kPriceList();
    if (title == bookings())
        return kBookings();
    if (title == guestExport())
        return kGuestExport();
    if (title == bookingExport())
        return kBookingExport();
    return {};
}

QString text(const QString &title) { return paragraphs(title).join(QStringLiteral("\r\n\r\n")); }

} // namespace HelpTopic

TfrmGuida::TfrmGuida(QWidget *parent)
    : TDialog(parent, QStringLiteral(" Guida all'utilizzo del software"), QSize(760, 560))
{
    setObjectName(QStringLiteral("frmGuida"));
    lblTitolo = new QLabel(QStringLiteral("Argomento della guida."), this);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setProperty("look", QStringLiteral("helpTitle"));
    lblTitolo->setWordWrap(true);
    txtGuida = new QPlainTextEdit(this);
    txtGuida->setObjectName(QStringLiteral("txtGuida"));
    txtGuida->setReadOnly(true);
    txtGuida->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtGuida->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    txtGuida->setFont(QFont(QStringLiteral("Verdana"), 12, QFont::Bold));
    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    imgPDF = ScreenKit::picture(this, QStringLiteral("imgPDF"), QStringLiteral("pdf"), QString(), 32);
    lnkWeb = new QToolButton(this);
    lnkWeb->setObjectName(QStringLiteral("lnkWeb"));
    lnkWeb->setText(QStringLiteral("Visualizza guida in formato PDF"));
    lnkWeb->setAutoRaise(true);
    QFont link(QStringLiteral("Tahoma"), 14);
    link.setUnderline(true);
    lnkWeb->setFont(link);
    LinkLook::apply(lnkWeb, imgPDF);

    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);
    connect(lnkWeb, &QToolButton::clicked, this, &TfrmGuida::lnkWebClick);
    connect(imgPDF, &QToolButton::clicked, this, &TfrmGuida::lnkWebClick);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(imgPDF);
    bottom->addWidget(lnkWeb);
    bottom->addStretch();
    bottom->addWidget(btnChiudi);
    auto *l = new QVBoxLayout(this);
    l->addWidget(lblTitolo);
    l->addWidget(txtGuida, 1);
    l->addLayout(bottom);
}

void TfrmGuida::showTopic(const QString &title)
{
    lblTitolo->setText(title);
    txtGuida->setPlainText(HelpTopic::text(title));
}

QString TfrmGuida::guideTarget() { return u'"' + ProgramFolder::file(QStringLiteral("Guida.pdf")) + u'"'; }

void TfrmGuida::lnkWebClick() { TMisc::Open(guideTarget()); }

void ShowHelpTopic(QWidget *owner, const QString &title)
{
    openModal<TfrmGuida>(owner, QString(), [&](TfrmGuida *g) { g->showTopic(title); });
}
