#include "platform/PrintDialog.h"

#include <QPrintDialog>
#include <QPrinter>

namespace {
PrintDialog::Hook &hook()
{
    static PrintDialog::Hook h;
    return h;
}
} // namespace

namespace PrintDialog {

bool exec(QPrinter &printer, int pageCount, QWidget *parent)
{
    printer.setFromTo(1, qMax(1, pageCount));
    if (hook())
        return hook()(printer);
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
    dialog.setMinMax(1, qMax(1, pageCount));
    return dialog.exec() == QDialog::Accepted;
}

void setHook(Hook h) { hook() = std::move(h); }

} // namespace PrintDialog
