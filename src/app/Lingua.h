#pragma once

class QCoreApplication;

namespace Lingua {

// Loads Qt's own Italian texts (message-box buttons, print and file dialogs, context menus,
// the calendar's navigation): first from the program folder's "translations" (so a copied
// folder keeps them on a machine without them), then from the system's Qt translations.
// Returns false when none was found; the program then runs with Qt's English texts.
bool installQtItalian(QCoreApplication &app);

} // namespace Lingua
