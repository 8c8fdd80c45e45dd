#pragma once
#include <functional>

class QPrinter;
class QWidget;

// The print dialog (printer, copies, page range), replaceable by tests: a hook can point the
// printer at a PDF file (QPrinter::setOutputFileName) and answer true, or answer false to cancel.
namespace PrintDialog {

// Offers the dialog for `printer`, whose document has `pageCount` pages; false when cancelled.
bool exec(QPrinter &printer, int pageCount, QWidget *parent = nullptr);

using Hook = std::function<bool(QPrinter &printer)>;
void setHook(Hook hook);

} // namespace PrintDialog
