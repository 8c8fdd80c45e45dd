#pragma once
#include "platform/Screen.h"

class QLabel;
class QListWidget;
class QListWidgetItem;
class QToolButton;
namespace ScreenKit {
class Hints;
}

// The price list app: the items of Prodotti_e_Servizi.lst in a list, edited on screen and
// written back to the file when the screen is left.
class TfrmProdotti : public TAppScreen {
    Q_OBJECT
public:
    TfrmProdotti();

    QLabel *panInfo;
    QListWidget *lstRecords;
    QToolButton *cmdAggiungi, *cmdModifica, *cmdElimina, *cmdStampa, *cmdApplica, *btnGuida;

    // The item texts in list order, as they are written to the file.
    QStringList items() const;
    void appendItem(const QString &line);
    // Puts `line` in place of the selected item (same position).
    void replaceSelected(const QString &line);

    void cmdAggiungiClick();
    void cmdModificaClick();
    void cmdEliminaClick();
    void cmdStampaClick();
    void cmdApplicaClick();
    void btnGuidaClick();

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    QListWidgetItem *selectedItem() const;
    void fill(const QStringList &lines);
    ScreenKit::Hints *m_hints;
    // A write failed when the operator last tried to leave.
    bool m_writeFailed = false;
};
