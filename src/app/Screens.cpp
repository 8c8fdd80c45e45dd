#include "app/Screens.h"

#include "app/Avvio.h"
#include "app/CambiaPassword.h"
#include "app/Guida.h"
#include "app/Info.h"
#include "app/Password.h"
#include "app/Splash.h"
#include "billing/Aggiungi_Voce.h"
#include "billing/ExpConto.h"
#include "billing/Modifica_Voce.h"
#include "billing/Prodotti.h"
#include "billing/StampaConto.h"
#include "billing/TrovaServizi.h"
#include "bookings/ArriviFuturi.h"
#include "bookings/Calendario.h"
#include "bookings/EntratiOggi.h"
#include "bookings/ExpVisite.h"
#include "bookings/Registro.h"
#include "bookings/StampaVisita.h"
#include "bookings/TrovaVisite.h"
#include "bookings/UscitiOggi.h"
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
#include "guests/Clienti.h"
#include "guests/ExpClienti.h"
#include "guests/StampaClienti.h"
#include "guests/TrovaClienti.h"
#include "guests/TrovaSegnalati.h"

#include <QList>
#include <QPointer>

TfrmPassword *frmPassword = nullptr;
TfrmAvvio *frmAvvio = nullptr;
TfrmCambiaPassword *frmCambiaPassword = nullptr;
TfrmCarta *frmCarta = nullptr;
TfrmCodFisc *frmCodFisc = nullptr;
TfrmGuida *frmGuida = nullptr;
TfrmIban *frmIban = nullptr;
TfrmInfo *frmInfo = nullptr;
TfrmPartitaIva *frmPartitaIva = nullptr;
TfrmSplash *frmSplash = nullptr;
TfrmClienti *frmClienti = nullptr;
TfrmCodici_Tipo *frmCodici_Tipo = nullptr;
TfrmCodici_Comuni *frmCodici_Comuni = nullptr;
TfrmCodici_Stati *frmCodici_Stati = nullptr;
TfrmCodici_Documenti *frmCodici_Documenti = nullptr;
TfrmAllegaCartella *frmAllegaCartella = nullptr;
TfrmCartella *frmCartella = nullptr;
TfrmTrovaSegnalati *frmTrovaSegnalati = nullptr;
TfrmExpClienti *frmExpClienti = nullptr;
TfrmStampaClienti *frmStampaClienti = nullptr;
TfrmTrovaClienti *frmTrovaClienti = nullptr;
TfrmExpConto *frmExpConto = nullptr;
TfrmTrovaServizi *frmTrovaServizi = nullptr;
TfrmStampaConto *frmStampaConto = nullptr;
TfrmProdotti *frmProdotti = nullptr;
TfrmAggiungi_Voce *frmAggiungi_Voce = nullptr;
TfrmModifica_Voce *frmModifica_Voce = nullptr;
TfrmRegistro *frmRegistro = nullptr;
TfrmEntratiOggi *frmEntratiOggi = nullptr;
TfrmUscitiOggi *frmUscitiOggi = nullptr;
TfrmTrovaVisite *frmTrovaVisite = nullptr;
TfrmArriviFuturi *frmArriviFuturi = nullptr;
TfrmExpVisite *frmExpVisite = nullptr;
TfrmStampaVisita *frmStampaVisita = nullptr;
TfrmCalendario *frmCalendario = nullptr;

namespace {
QList<QPointer<QWidget>> &all()
{
    static QList<QPointer<QWidget>> list;
    return list;
}
} // namespace

namespace Screens {

void createAll()
{
    frmPassword = new TfrmPassword();
    all().append(frmPassword);
    frmAvvio = new TfrmAvvio();
    all().append(frmAvvio);
    frmCambiaPassword = new TfrmCambiaPassword();
    all().append(frmCambiaPassword);
    frmCarta = new TfrmCarta();
    all().append(frmCarta);
    frmCodFisc = new TfrmCodFisc();
    all().append(frmCodFisc);
    frmGuida = new TfrmGuida();
    all().append(frmGuida);
    frmIban = new TfrmIban();
    all().append(frmIban);
    frmInfo = new TfrmInfo();
    all().append(frmInfo);
    frmPartitaIva = new TfrmPartitaIva();
    all().append(frmPartitaIva);
    frmSplash = new TfrmSplash();
    all().append(frmSplash);
    frmClienti = new TfrmClienti();
    all().append(frmClienti);
    frmCodici_Tipo = new TfrmCodici_Tipo();
    all().append(frmCodici_Tipo);
    frmCodici_Comuni = new TfrmCodici_Comuni();
    all().append(frmCodici_Comuni);
    frmCodici_Stati = new TfrmCodici_Stati();
    all().append(frmCodici_Stati);
    frmCodici_Documenti = new TfrmCodici_Documenti();
    all().append(frmCodici_Documenti);
    frmAllegaCartella = new TfrmAllegaCartella();
    all().append(frmAllegaCartella);
    frmCartella = new TfrmCartella();
    all().append(frmCartella);
    frmTrovaSegnalati = new TfrmTrovaSegnalati();
    all().append(frmTrovaSegnalati);
    frmExpClienti = new TfrmExpClienti();
    all().append(frmExpClienti);
    frmStampaClienti = new TfrmStampaClienti();
    all().append(frmStampaClienti);
    frmTrovaClienti = new TfrmTrovaClienti();
    all().append(frmTrovaClienti);
    frmExpConto = new TfrmExpConto();
    all().append(frmExpConto);
    frmTrovaServizi = new TfrmTrovaServizi();
    all().append(frmTrovaServizi);
    frmStampaConto = new TfrmStampaConto();
    all().append(frmStampaConto);
    frmProdotti = new TfrmProdotti();
    all().append(frmProdotti);
    frmAggiungi_Voce = new TfrmAggiungi_Voce();
    all().append(frmAggiungi_Voce);
    frmModifica_Voce = new TfrmModifica_Voce();
    all().append(frmModifica_Voce);
    frmRegistro = new TfrmRegistro();
    all().append(frmRegistro);
    frmEntratiOggi = new TfrmEntratiOggi();
    all().append(frmEntratiOggi);
    frmUscitiOggi = new TfrmUscitiOggi();
    all().append(frmUscitiOggi);
    frmTrovaVisite = new TfrmTrovaVisite();
    all().append(frmTrovaVisite);
    frmArriviFuturi = new TfrmArriviFuturi();
    all().append(frmArriviFuturi);
    frmExpVisite = new TfrmExpVisite();
    all().append(frmExpVisite);
    frmStampaVisita = new TfrmStampaVisita();
    all().append(frmStampaVisita);
    frmCalendario = new TfrmCalendario();
    all().append(frmCalendario);
}

void destroyAll()
{
    // Newest first, as the application would free them.
    for (qsizetype i = all().size() - 1; i >= 0; --i)
        delete all()[i].data();
    all().clear();
    frmPassword = nullptr;
    frmAvvio = nullptr;
    frmCambiaPassword = nullptr;
    frmCarta = nullptr;
    frmCodFisc = nullptr;
    frmGuida = nullptr;
    frmIban = nullptr;
    frmInfo = nullptr;
    frmPartitaIva = nullptr;
    frmSplash = nullptr;
    frmClienti = nullptr;
    frmCodici_Tipo = nullptr;
    frmCodici_Comuni = nullptr;
    frmCodici_Stati = nullptr;
    frmCodici_Documenti = nullptr;
    frmAllegaCartella = nullptr;
    frmCartella = nullptr;
    frmTrovaSegnalati = nullptr;
    frmExpClienti = nullptr;
    frmStampaClienti = nullptr;
    frmTrovaClienti = nullptr;
    frmExpConto = nullptr;
    frmTrovaServizi = nullptr;
    frmStampaConto = nullptr;
    frmProdotti = nullptr;
    frmAggiungi_Voce = nullptr;
    frmModifica_Voce = nullptr;
    frmRegistro = nullptr;
    frmEntratiOggi = nullptr;
    frmUscitiOggi = nullptr;
    frmTrovaVisite = nullptr;
    frmArriviFuturi = nullptr;
    frmExpVisite = nullptr;
    frmStampaVisita = nullptr;
    frmCalendario = nullptr;
}

QWidget *at(int index) { return all().value(index).data(); }
int count() { return int(all().size()); }

void backToMenu(QWidget *app)
{
    if (frmAvvio)
        frmAvvio->switchFrom(app);
    else
        app->hide();
}

} // namespace Screens
