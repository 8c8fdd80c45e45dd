#pragma once
#include "codes/CodeTables.h"
#include "platform/ListScreen.h"
#include "platform/Screen.h"

class ListScreen;
class QLineEdit;
class QListView;
class QPushButton;

#include <optional>

namespace Codes {
// The entry of a picked line, when the table accepts the marker and a line was picked.
std::optional<PickedEntry> acceptedPick(Table t, const QString &marker, const QString &line);
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
    // What the operator picked for the caller's marker; nothing when the table closed without a pick.
    std::optional<Codes::PickedEntry> picked() const { return m_picked; }

protected:
    void showEvent(QShowEvent *e) override;

private:
    Codes::Table m_table;
    std::optional<Codes::PickedEntry> m_picked;
};
