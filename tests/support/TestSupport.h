#pragma once
// Fixtures shared by the tests: message and shell-open recorders, a program folder of
// the test's own, typing of any character, and a fixed clock.
#include "base/ProgramFolder.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/OpenURL.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class QWidget;

struct RecordedMessage {
    Msg::Kind kind;
    QString text;
};

// Records every message; questions are answered from `answers` (Yes when it runs out).
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    QList<RecordedMessage> messages;
    QList<bool> answers;
    int count() const { return int(messages.size()); }
    QString lastText() const { return messages.isEmpty() ? QString() : messages.last().text; }
    Msg::Kind lastKind() const { return messages.last().kind; }
    void clear() { messages.clear(); }
};

class ShellRecorder {
public:
    ShellRecorder();
    ~ShellRecorder();
    QStringList targets;
};

// A fresh, empty program folder for the whole test object's life.
class TempProgramFolder {
public:
    TempProgramFolder();
    ~TempProgramFolder();
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }
    QByteArray read(const QString &name) const;
    void write(const QString &name, const QByteArray &bytes) const;

private:
    QTemporaryDir m_dir;
};

namespace TestKeys {
// Types every character of `text` into w, accented letters and "€" included.
void type(QWidget *w, const QString &text);
} // namespace TestKeys

// Runs `answer` on the next modal widget that opens (polling), e.g. to close a sub-screen.
void whenModalOpens(const std::function<void(QWidget *)> &answer, int timeoutMs = 5000);
