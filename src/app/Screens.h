#pragma once

class QWidget;
class TfrmAvvio;
class TfrmCambiaPassword;
class TfrmClienti;
class TfrmPassword;
class TfrmProdotti;
class TfrmRegistro;

// The screen registry: one instance of every screen class for the whole run, in one list.
// Only the login, change-password, menu and app screens are ever shown through these; every
// other screen is created fresh by its opener.
namespace Screens {

// Creates the 35 screens in their fixed order; the login screen first.
void createAll();
void destroyAll();
// Every created screen, in creation order (for tests and the start-up check).
QWidget *at(int index);
int count();

// The six screens used for the whole run (null before createAll and after destroyAll).
TfrmPassword *password();
TfrmCambiaPassword *changePassword();
TfrmAvvio *menu();
TfrmClienti *guests();
TfrmProdotti *priceList();
TfrmRegistro *bookings();

// An app screen closing: show the menu, then hide the app.
void backToMenu(QWidget *app);

} // namespace Screens
