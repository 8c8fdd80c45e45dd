#pragma once
#include "output/RecordGrid.h"
#include "platform/Screen.h"

class QLabel;
class QTableView;
class QToolButton;
namespace ScreenKit {
class Hints;
}

// The two archive export screens: the whole archive in the grid grdRecords, editable where the
// column allows (edits go to the export only), exported to the program's folder with cmdEsporta.
// The grid fills when the screen is first shown.
class TArchiveExportScreen : public TDialog {
    Q_OBJECT
public:
    struct Kind {
        QString caption;
        QString (*path)(); // the archive, looked up when the grid fills
        int recordSize;
        QList<RecordGridModel::Column> columns;
        QString fileName, worksheet, helpTopic;
    };
    TArchiveExportScreen(QWidget *parent, const Kind &kind);

    QTableView *grdRecords;
    QToolButton *cmdEsporta, *cmdGuida, *cmdEsci;
    QLabel *panInfo;
    RecordGridModel *model() const { return m_model; }

    // Reads the archive into the grid; an archive that cannot be read gives the access message.
    void fill();
    void cmdEsportaClick();
    void cmdGuidaClick();
    void cmdEsciClick();

protected:
    void showEvent(QShowEvent *e) override;

private:
    Kind m_kind;
    RecordGridModel *m_model;
    ScreenKit::Hints *m_hints;
    bool m_filled = false;
};
