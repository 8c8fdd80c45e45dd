#pragma once
#include "base/RecordList.h"
#include "platform/ListScreen.h"
#include "platform/Screen.h"

#include <QList>
#include <QString>

class ListScreen;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

// A list screen over an archive (the daily booking lists, the flagged guests): the list is
// filled from one pass over the archive when the screen is first shown, and a double-click
// finds the record again by its line and hands its position to the screen.
class TArchiveList : public TDialog, public ListHost {
    Q_OBJECT
public:
    // `itemWidth`: the width of the list's items in pixels; longer lines scroll.
    TArchiveList(QWidget *parent, const QString &caption, const QString &banner, int itemWidth);

    // Reads the archive and shows its lines (done once, when the screen is first shown).
    void fill();
    // Finds the selected entry's record again, lets the screen take it, and closes.
    void lstRecordsDblClick();

protected:
    virtual RecordList::Source source() const = 0;
    // Brings record n (its position in the archive) onto the card.
    virtual void take(qint64 n) = 0;
    void showEvent(QShowEvent *e) override;

private:
    bool m_filled = false;
};

// A search screen over an archive: a panel of ten filters (panAvvio) and, after Cerca, the
// results as a list screen (panContainer) with their count.
class TArchiveSearch : public TDialog, public ListHost {
    Q_OBJECT
public:
    struct Filter {
        QString control;
        QString label;
        FieldSpec field;
    };
    // `filters` in Enter order: the first five fill the left column, the rest the right one.
    TArchiveSearch(QWidget *parent, const QString &caption, const QString &banner, const QList<Filter> &filters,
                   int itemWidth);

    QWidget *panAvvio, *panContainer;
    QLabel *lblAttesa, *lblConta, *lblTrovate;
    QPushButton *btnAnnulla, *btnCerca;

    QLineEdit *filter(const QString &control) const;
    void btnCercaClick();
    // Finds the selected entry's record again, lets the screen take it, and closes.
    void lstRecordsDblClick();

protected:
    virtual RecordList::Source source(const RecordList::SearchFilters &filters) const = 0;
    // Brings record n onto the caller's card, as the caller's marker says.
    virtual void take(qint64 n) = 0;
    RecordList::SearchFilters typedFilters() const;
    void showEvent(QShowEvent *e) override;
    void hideEvent(QHideEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    QList<Filter> m_filters;
    QList<QLineEdit *> m_edits;
};
