#pragma once
#include "bookings/DailyLists.h"
#include "platform/ArchiveList.h"

#include <QDate>

class TfrmRegistro;

// What the three daily lists share: today's date taken when the screen is created, the
// selection and line of their kind, and loading onto the booking card.
class TDailyList : public TArchiveList {
    Q_OBJECT
public:
    TDailyList(QWidget *parent, DailyLists::Kind kind, const QString &caption, const QString &banner);
    DailyLists::Kind kind() const { return m_kind; }
    QDate today() const { return m_today; }

protected:
    RecordList::Source source() const override;
    void take(qint64 n) override;

private:
    DailyLists::Kind m_kind;
    QDate m_today;
};

// The booking card a list or search loads into: the one that opened it, else the registry's.
TfrmRegistro *bookingCardOf(QWidget *screen);
