#pragma once
#include <QString>

#include <functional>

class QWidget;

// The file-open dialog, replaceable by tests.
namespace FileDialog {

QString getOpenFileName(QWidget *parent, const QString &caption, const QString &dir = QString(),
                        const QString &filter = QString());
using Hook = std::function<QString(const QString &caption)>;
void setHook(Hook hook);

} // namespace FileDialog
