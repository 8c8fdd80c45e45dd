#include "platform/FileDialog.h"

#include <QFileDialog>

namespace {
FileDialog::Hook &hook()
{
    static FileDialog::Hook h;
    return h;
}
} // namespace

namespace FileDialog {

QString getOpenFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    if (hook())
        return hook()(caption);
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

void setHook(Hook h) { hook() = std::move(h); }

} // namespace FileDialog
