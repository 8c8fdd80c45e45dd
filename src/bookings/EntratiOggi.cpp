#include "bookings/EntratiOggi.h"

#include "bookings/Registro.h"
#include "bookings/SchedineScreen.h"
#include "platform/ListScreen.h"

#include <QBoxLayout>
#include <QIcon>
#include <QPointer>
#include <QPushButton>

namespace {

// The row of the list's buttons: the layout that holds Stampa.
QBoxLayout *rowOf(QLayout *layout, QWidget *w)
{
    if (!layout)
        return nullptr;
    if (auto *box = qobject_cast<QBoxLayout *>(layout); box && box->indexOf(w) >= 0)
        return box;
    for (int i = 0; i < layout->count(); ++i)
        if (QBoxLayout *found = rowOf(layout->itemAt(i)->layout(), w))
            return found;
    return nullptr;
}

} // namespace

TfrmEntratiOggi::TfrmEntratiOggi(QWidget *parent)
    : TDailyList(parent, DailyLists::Kind::ArrivalsToday, QStringLiteral(" Clienti in arrivo oggi"),
                 QStringLiteral("CLIENTI IN ARRIVO OGGI"))
{
    setObjectName(QStringLiteral("frmEntratiOggi"));

    btnSchedine = new QPushButton(QIcon(QStringLiteral(":/icons/schedine.svg")), QStringLiteral("Schedine"), list);
    btnSchedine->setObjectName(QStringLiteral("btnSchedine"));
    btnSchedine->setAutoDefault(false);
    btnSchedine->setToolTip(QStringLiteral("Prepara il file delle schedine alloggiati degli ospiti in arrivo oggi."));
    if (QBoxLayout *row = rowOf(list->layout(), btnStampa))
        row->insertWidget(row->indexOf(btnStampa), btnSchedine);
    connect(btnSchedine, &QPushButton::clicked, this, &TfrmEntratiOggi::btnSchedineClick);
}

void TfrmEntratiOggi::btnSchedineClick()
{
    bool loaded = false;
    QPointer<TfrmSchedine> schedine;
    schedine = new TfrmSchedine(this, [this, &loaded, &schedine](qint64 n) {
        if (TfrmRegistro *card = bookingCardOf(this))
            card->ShowBookingAt(n);
        loaded = true;
        if (schedine)
            schedine->close();
    });
    schedine->setDate(today());
    schedine->exec();
    delete schedine;
    if (loaded)
        close();
}
