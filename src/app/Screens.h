#pragma once

class QWidget;
class TfrmPassword;
class TfrmAvvio;
class TfrmCambiaPassword;
class TfrmCarta;
class TfrmCodFisc;
class TfrmGuida;
class TfrmIban;
class TfrmInfo;
class TfrmPartitaIva;
class TfrmSplash;
class TfrmClienti;
class TfrmCodici_Tipo;
class TfrmCodici_Comuni;
class TfrmCodici_Stati;
class TfrmCodici_Documenti;
class TfrmAllegaCartella;
class TfrmCartella;
class TfrmTrovaSegnalati;
class TfrmExpClienti;
class TfrmStampaClienti;
class TfrmTrovaClienti;
class TfrmExpConto;
class TfrmTrovaServizi;
class TfrmStampaConto;
class TfrmProdotti;
class TfrmAggiungi_Voce;
class TfrmModifica_Voce;
class TfrmRegistro;
class TfrmEntratiOggi;
class TfrmUscitiOggi;
class TfrmTrovaVisite;
class TfrmArriviFuturi;
class TfrmExpVisite;
class TfrmStampaVisita;
class TfrmCalendario;

// The screen registry: one instance of every screen class for the whole run, one global
// handle each. Only the login, change-password, menu and app screens are ever shown through
// these; every other screen is created fresh by its opener.
extern TfrmPassword *frmPassword;
extern TfrmAvvio *frmAvvio;
extern TfrmCambiaPassword *frmCambiaPassword;
extern TfrmCarta *frmCarta;
extern TfrmCodFisc *frmCodFisc;
extern TfrmGuida *frmGuida;
extern TfrmIban *frmIban;
extern TfrmInfo *frmInfo;
extern TfrmPartitaIva *frmPartitaIva;
extern TfrmSplash *frmSplash;
extern TfrmClienti *frmClienti;
extern TfrmCodici_Tipo *frmCodici_Tipo;
extern TfrmCodici_Comuni *frmCodici_Comuni;
extern TfrmCodici_Stati *frmCodici_Stati;
extern TfrmCodici_Documenti *frmCodici_Documenti;
extern TfrmAllegaCartella *frmAllegaCartella;
extern TfrmCartella *frmCartella;
extern TfrmTrovaSegnalati *frmTrovaSegnalati;
extern TfrmExpClienti *frmExpClienti;
extern TfrmStampaClienti *frmStampaClienti;
extern TfrmTrovaClienti *frmTrovaClienti;
extern TfrmExpConto *frmExpConto;
extern TfrmTrovaServizi *frmTrovaServizi;
extern TfrmStampaConto *frmStampaConto;
extern TfrmProdotti *frmProdotti;
extern TfrmAggiungi_Voce *frmAggiungi_Voce;
extern TfrmModifica_Voce *frmModifica_Voce;
extern TfrmRegistro *frmRegistro;
extern TfrmEntratiOggi *frmEntratiOggi;
extern TfrmUscitiOggi *frmUscitiOggi;
extern TfrmTrovaVisite *frmTrovaVisite;
extern TfrmArriviFuturi *frmArriviFuturi;
extern TfrmExpVisite *frmExpVisite;
extern TfrmStampaVisita *frmStampaVisita;
extern TfrmCalendario *frmCalendario;

namespace Screens {

// Creates the 35 screens in their fixed order; the login screen first.
void createAll();
void destroyAll();
// Every created screen, in creation order (for tests and the start-up check).
QWidget *at(int index);
int count();
// An app screen closing: show the menu, then hide the app.
void backToMenu(QWidget *app);

} // namespace Screens
