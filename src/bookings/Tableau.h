#pragma once
#include "bookings/Occupancy.h"

#include <QAbstractScrollArea>
#include <QDate>
#include <QString>
#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;

// The rooms-by-days grid of the tableau. It paints only the rows and days in view; the room
// column, the day header and the two count rows stay in place while the bars scroll.
class TableauGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr int roomWidth = 104;
    static constexpr int dayWidth = 32;
    static constexpr int headerHeight = 34;
    static constexpr int rowHeight = 22;
    static constexpr int countsHeight = 2 * 18;

    explicit TableauGrid(QWidget *parent = nullptr);
    // The plan stays owned by the caller and must outlive the next setWindow().
    void setWindow(const Occupancy::Plan *plan, Occupancy::Window window, const QDate &today);
    const Occupancy::Window &range() const { return m_window; }

    // The cell of a room and a day of the range in viewport coordinates (scrolled as shown).
    QRect cellRect(int room, int day) const;
    // The bar of a visible stay (index into the plan) in its room's row, or an empty rectangle.
    QRect barRect(qsizetype stay) const;
    // The room row and day under a viewport point; -1 outside the cells.
    int roomAt(const QPoint &p) const;
    int dayAt(const QPoint &p) const;
    // The stay under a viewport point: its bar, or the night it takes in that cell; -1 for none.
    qsizetype stayAt(const QPoint &p) const;

signals:
    void stayActivated(qsizetype stay);
    void emptyActivated(int room, int day);
    void stayHovered(qsizetype stay); // -1 when the mouse leaves the bars

protected:
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    bool viewportEvent(QEvent *e) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void updateScrollBars();
    int bodyHeight() const;
    const Occupancy::Plan *m_plan = nullptr;
    Occupancy::Window m_window;
    QDate m_today;
    qsizetype m_hovered = -1;
};

// The occupancy tableau: rooms by days over the booking register, beside the booking card.
class TfrmTableau : public QWidget {
    Q_OBJECT
public:
    using ShowBooking = std::function<void(qint64 position)>;
    using PrepareNew = std::function<void(const QString &room, const QDate &arrival)>;

    static constexpr int defaultDays = 35;
    static constexpr int daysBeforeToday = 3;

    // `showBooking` loads a booking onto the card (its ShowBookingAt); `prepareNew` prepares
    // an unsaved booking on the card for that room, arriving that day and leaving the next.
    TfrmTableau(QWidget *parent, ShowBooking showBooking, PrepareNew prepareNew);

    QLabel *lblPeriodo, *lblSovrapposizioni, *lblNonValide, *panInfo;
    QPushButton *btnMesePrec, *btnSettimanaPrec, *btnOggi, *btnData, *btnSettimanaSucc, *btnMeseSucc;
    QPushButton *btnNonValide, *btnStampa, *btnChiudi;
    TableauGrid *grdTableau;

    QDate firstDay() const { return m_first; }
    int days() const { return m_days; }
    const Occupancy::Plan &plan() const { return m_plan; }
    // Shows the range starting that day (the register is not read again).
    void setFirstDay(const QDate &first);

    void btnMesePrecClick();
    void btnSettimanaPrecClick();
    void btnOggiClick();
    void btnDataClick();
    void btnSettimanaSuccClick();
    void btnMeseSuccClick();
    void btnNonValideClick();
    void btnStampaClick();

public slots:
    // Reads the register again (after a save on the card) and shows the same range; a hidden
    // tableau reads it when it is shown next.
    void refresh();

protected:
    void showEvent(QShowEvent *e) override;

private:
    void showWindow();
    void hover(qsizetype stay);
    ShowBooking m_showBooking;
    PrepareNew m_prepareNew;
    Occupancy::Plan m_plan;
    QDate m_first;
    int m_days = defaultDays;
    bool m_loaded = false;
    qint64 m_hoverPosition = 0;
    QString m_hoverText;
};
