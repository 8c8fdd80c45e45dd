#include "output/ExportProcedure.h"

#include "base/ProgramFolder.h"
#include "platform/Messages.h"
#include "platform/OpenURL.h"

#include <QApplication>
#include <QCursor>

namespace Export {

Outcome run(const Sheet &sheet, QWidget *parent)
{
    if (!Msg::question(sheet.question == Question::Bill ? billQuestion() : archiveQuestion(), parent))
        return Outcome::Declined;
    const QString path = ProgramFolder::file(sheet.fileName);
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    const bool saved = save(path, sheet);
    QApplication::restoreOverrideCursor();
    if (!saved) {
        Msg::plain(failureText(), parent);
        return Outcome::Failed;
    }
    if (!Msg::question(doneQuestion(), parent))
        return Outcome::Written;
    TMisc::Open(QLatin1Char('"') + path + QLatin1Char('"'));
    return Outcome::Opened;
}

} // namespace Export
