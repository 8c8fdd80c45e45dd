#include "app/Prova.h"

#include "app/PasswordStore.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

QWidget *visibleWindow(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            return w;
    return nullptr;
}

void say(const QString &text)
{
    std::fprintf(stdout, "prova: %s\n", qPrintable(text));
    std::fflush(stdout);
}

void typeInto(QWidget *w, const QString &text)
{
    w->setFocus();
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(w, &release);
    }
}

bool click(QWidget *window, const QString &button)
{
    auto *b = window ? window->findChild<QAbstractButton *>(button) : nullptr;
    if (!b)
        return false;
    b->click();
    return true;
}

// One step: wait until `ready` gives a widget, then act on it.
struct Step {
    QString what;
    std::function<QWidget *()> ready;
    std::function<bool(QWidget *)> act;
    // A modal window is this step's own (the help); otherwise any modal is a failure.
    bool expectsModal = false;
};

class Tour : public QObject {
public:
    explicit Tour(QList<Step> steps, QObject *parent) : QObject(parent), m_steps(std::move(steps))
    {
        connect(&m_timer, &QTimer::timeout, this, &Tour::poll);
        m_timer.start(50);
    }

private:
    void fail(const QString &why)
    {
        m_timer.stop();
        say(QStringLiteral("NON RIUSCITA: ") + why);
        QCoreApplication::exit(1);
    }

    void poll()
    {
        if (m_next >= m_steps.size())
            return m_timer.stop();
        const Step &s = m_steps.at(m_next);
        if (QWidget *m = QApplication::activeModalWidget(); m && !s.expectsModal) {
            QString text;
            for (const QLabel *l : m->findChildren<QLabel *>())
                text += l->text() + QLatin1Char(' ');
            return fail(QStringLiteral("finestra inattesa \"%1\": %2").arg(m->windowTitle(), text.trimmed()));
        }
        if (++m_ticks > 200) // ten seconds for a step
            return fail(s.what);
        QWidget *w = s.ready();
        if (!w)
            return;
        say(s.what);
        m_ticks = 0;
        ++m_next;
        if (!s.act(w))
            fail(s.what);
    }

    QList<Step> m_steps;
    QTimer m_timer;
    int m_next = 0;
    int m_ticks = 0;
};

Step openApp(const QString &tile, const QString &title)
{
    return {title, [] { return visibleWindow(QStringLiteral("frmAvvio")); },
            [tile](QWidget *menu) { return click(menu, tile); }};
}

Step closeApp(const QString &screen, const QString &title)
{
    return {title, [screen] { return visibleWindow(screen); }, [](QWidget *w) { return w->close(), true; }};
}

} // namespace

namespace Prova {

void start(QApplication &app)
{
    const auto modal = []() -> QWidget * { return QApplication::activeModalWidget(); };
    QList<Step> steps = {
        {QStringLiteral("accesso con la password di primo accesso"),
         [] { return visibleWindow(QStringLiteral("frmPassword")); },
         [](QWidget *login) {
             auto *field = login->findChild<QLineEdit *>(QStringLiteral("txtPassword"));
             if (!field)
                 return false;
             typeInto(field, PasswordStore::FirstPassword);
             return click(login, QStringLiteral("cmdOK"));
         }},
        openApp(QStringLiteral("imgClienti"), QStringLiteral("menu principale")),
        closeApp(QStringLiteral("frmClienti"), QStringLiteral("anagrafica clienti")),
        openApp(QStringLiteral("imgTariffario"), QStringLiteral("ritorno al menu")),
        closeApp(QStringLiteral("frmProdotti"), QStringLiteral("tariffario")),
        openApp(QStringLiteral("imgArrivi"), QStringLiteral("ritorno al menu")),
        closeApp(QStringLiteral("frmRegistro"), QStringLiteral("registro arrivi e partenze")),
        {QStringLiteral("ritorno al menu"), [] { return visibleWindow(QStringLiteral("frmAvvio")); },
         [](QWidget *menu) {
             // The help is modal: its own step below closes it once it stands.
             QTimer::singleShot(0, menu, [menu] { click(menu, QStringLiteral("imgGuida")); });
             return true;
         }},
        {QStringLiteral("guida"), modal, [](QWidget *help) { return help->close(), true; }, true},
        {QStringLiteral("uscita dal menu"),
         []() -> QWidget * {
             return QApplication::activeModalWidget() ? nullptr : visibleWindow(QStringLiteral("frmAvvio"));
         },
         [](QWidget *menu) { return click(menu, QStringLiteral("imgEsci")); }},
    };
    new Tour(steps, &app);
}

} // namespace Prova
