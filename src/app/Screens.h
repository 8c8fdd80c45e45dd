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
// Start-up: the login screen is created and shown first, and the other 34 are built, in their
// order, as soon as it stands on the screen, so the operator sees the login without waiting.
void showLogin();
// The 34 screens after the login, when not built yet (the login's buttons call it too, in case
// the operator is quicker than the start-up).
void createRest();
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
