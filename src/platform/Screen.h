#pragma once
#include <QDialog>
#include <QString>
#include <QWidget>

class QLabel;

// A sub-screen: fixed border, no window buttons, shown modally by the screen that creates it.
// Its hidden lblMemory carries the caller's marker.
class TDialog : public QDialog {
    Q_OBJECT
public:
    TDialog(QWidget *parent, const QString &caption, QSize size, bool centredOnOpener = false);
    QLabel *lblMemory;
    QString memory() const;
    void setMemory(const QString &marker);

protected:
    void showEvent(QShowEvent *e) override;

private:
    bool m_centredOnOpener;
};

// One of the long-lived screens (login, menu, the three apps): shown and hidden, never destroyed.
class TAppScreen : public QWidget {
    Q_OBJECT
public:
    TAppScreen(const QString &caption, bool maximised);
    // Shows this screen and hides `source`, in that order.
    void switchFrom(QWidget *source);
    bool opensMaximised() const { return m_maximised; }

private:
    bool m_maximised;
};

// Creates a fresh sub-screen owned by `owner`, lets `prepare` fill it, shows it modally
// and destroys it when it closes.
template <class T, class Prepare> void openModal(QWidget *owner, const QString &marker, Prepare &&prepare)
{
    auto *d = new T(owner);
    if (!marker.isNull())
        d->setMemory(marker);
    prepare(d);
    d->exec();
    delete d;
}

template <class T> void openModal(QWidget *owner, const QString &marker = QString())
{
    openModal<T>(owner, marker, [](T *) {});
}
