#include "bookings/DailyListScreen.h"

#include "bookings/Registro.h"
#include "output/ListReport.h"
#include "platform/Clock.h"
#include "platform/ListScreen.h"
#include "platform/ScreenKit.h"

TDailyList::TDailyList(QWidget *parent, DailyLists::Kind kind, const QString &caption, const QString &banner)
    : TArchiveList(parent, caption, banner, 1400), m_kind(kind), m_today(Clock::today())
{
    list->setPrintTitle(DailyLists::printTitle(kind, m_today), ListReportPrinter());
}

RecordList::Source TDailyList::source() const { return DailyLists::source(m_kind, m_today); }

void TDailyList::take(qint64 n)
{
    if (TfrmRegistro *card = bookingCardOf(this))
        card->ShowBookingAt(n);
}

TfrmRegistro *bookingCardOf(QWidget *screen)
{
    for (QWidget *w = screen->parentWidget(); w; w = w->parentWidget())
        if (auto *card = qobject_cast<TfrmRegistro *>(w))
            return card;
    return ScreenKit::findScreen<TfrmRegistro>();
}
