#include "support/TestSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

MessageRecorder::MessageRecorder()
{
    Msg::setHook([this](Msg::Kind k, const QString &t) {
        messages.append({k, t});
        return answers.isEmpty() ? true : answers.takeFirst();
    });
}

MessageRecorder::~MessageRecorder() { Msg::setHook(nullptr); }

ShellRecorder::ShellRecorder()
{
    TMisc::setHook([this](const QString &t) { targets.append(t); });
}

ShellRecorder::~ShellRecorder() { TMisc::setHook(nullptr); }

TempProgramFolder::TempProgramFolder() { ProgramFolder::setForTests(m_dir.path()); }

TempProgramFolder::~TempProgramFolder() { ProgramFolder::setForTests(QString()); }

QByteArray TempProgramFolder::read(const QString &name) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

void TempProgramFolder::write(const QString &name, const QByteArray &bytes) const
{
    QFile f(file(name));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

namespace TestKeys {

void type(QWidget *w, const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() < 128 && c.unicode() >= 32)
            QTest::keyClicks(w, QString(c));
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

} // namespace TestKeys

void whenModalOpens(const std::function<void(QWidget *)> &answer, int timeoutMs)
{
    auto *timer = new QTimer;
    auto *clock = new QElapsedTimer;
    clock->start();
    QPointer<QWidget> before = QApplication::activeModalWidget();
    QObject::connect(timer, &QTimer::timeout, [=] {
        QWidget *m = QApplication::activeModalWidget();
        if ((m && m != before) || clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            if (m && m != before)
                answer(m);
        }
    });
    timer->start(10);
}
