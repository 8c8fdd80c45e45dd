#pragma once
#include "codes/CodeTables.h"
#include "platform/ListScreen.h"
#include "platform/Screen.h"

class ListScreen;
class QLineEdit;
class QListView;
class QPushButton;

namespace Codes {
// Writes a picked entry into the card that opened `table` (found by name among the table's
// owners, else among the program's screens): code, description and, when the target has one,
// province. False when the card or a field is missing; fields written before stay written.
bool writePick(QWidget *table, const PickTarget &target, const PickedEntry &entry);
} // namespace Codes

// One of the three small code tables: the whole table in a list, Trova with the key remembered
// for the table kind across openings, a pick by double-click, Stampa.
class TCodeTableScreen : public TDialog, public ListHost {
    Q_OBJECT
public:
    TCodeTableScreen(QWidget *parent, Codes::Table table, const QString &caption, const QString &printTitle,
                     const QString &banner);

    void lstRecordsDblClick();
    // The key searched last in a table kind, for the whole run.
    static QString &rememberedKey(Codes::Table table);

protected:
    void showEvent(QShowEvent *e) override;

private:
    Codes::Table m_table;
};
