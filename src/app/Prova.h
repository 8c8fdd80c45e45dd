#pragma once

class QApplication;

namespace Prova {

// "lunaresca --prova": a check of an installed program folder. Logs in with the first-access
// password, opens the three apps and the help, closes them and leaves through the menu, as an
// operator would, through the real screens. Each step is told on standard output; a step that
// does not come within its time, or a message box nobody expected, ends the program with 1.
void start(QApplication &app);

} // namespace Prova
