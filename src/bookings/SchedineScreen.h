#pragma once
#include "bookings/Schedine.h"
#include "platform/Screen.h"

#include <QDate>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QTreeWidget;

// The police guest report of one arrival day: every booking of that day that is not cancelled,
// one row each with its verdict, and "Genera file" to write the ready ones for the portal.
// A double-click hands the booking's position to `showBooking` (the booking card's
// ShowBookingAt), so that the operator can put it right; after the card saves, recheck().
class TfrmSchedine : public TDialog {
    Q_OBJECT
public:
    using ShowBooking = std::function<void(qint64)>;
    explicit TfrmSchedine(QWidget *parent, ShowBooking showBooking = {});

    QLabel *imgTitolo, *lblRiepilogo, *lblIstruzioni;
    QLineEdit *txtData;
    QToolButton *impData;
    QTreeWidget *lstSchedine;
    QPushButton *btnGenera, *btnChiudi;

    enum ColumnIndex { ColScheda, ColCamera, ColTipo, ColNome, ColEsito };

    QDate date() const { return m_date; }
    // Shows the day `d` (checked again at once when the screen is already showing).
    void setDate(const QDate &d);
    // The day as last checked; `readable()` false when the register could not be read.
    const Schedine::Day &day() const { return m_day; }
    bool readable() const { return m_readable; }

    void impDataClick();
    void btnGeneraClick();
    void lstSchedineDblClick();

public slots:
    // Reads the register again and shows the verdicts; the selected booking stays selected.
    void recheck();

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    ShowBooking m_showBooking;
    QDate m_date;
    Schedine::Day m_day;
    bool m_readable = true;
    bool m_checked = false;
};
