#pragma once
#include <QString>

#include <functional>

class QWidget;

// Every message box of the program goes through here, so tests answer them by hook.
namespace Msg {

enum class Kind { Plain, Information, Warning, Error, Question };

// Plain notice: OK only.
void plain(const QString &text, QWidget *parent = nullptr);
// Typed boxes with OK and Cancel; the answer is not used.
void information(const QString &text, QWidget *parent = nullptr);
void warning(const QString &text, QWidget *parent = nullptr);
void error(const QString &text, QWidget *parent = nullptr);
// Yes/No: true unless the operator answers No.
bool question(const QString &text, QWidget *parent = nullptr);

// The hook sees every message instead of a box; its return value answers questions.
using Hook = std::function<bool(Kind, const QString &)>;
void setHook(Hook hook);

// The archive access message, shared by every screen that reads or writes an archive.
QString accessText();

} // namespace Msg
