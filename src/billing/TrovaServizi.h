#pragma once
#include "platform/Screen.h"

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// Import of a price list item into one bill line of the guest card. The caller writes
// "clienti_01" ... "clienti_30" into lblMemory; the item last clicked is what is imported.
class TfrmTrovaServizi : public TDialog {
    Q_OBJECT
public:
    explicit TfrmTrovaServizi(QWidget *parent = nullptr);

    QListWidget *lstRecords;
    QPushButton *btnImporta, *btnChiudi;
    // Hidden: the clicked item's name and price.
    QLineEdit *txtNome, *txtPrezzoUni;
    QLabel *icoMano;

    void lstRecordsClick(QListWidgetItem *item);
    void btnImportaClick();

protected:
    void showEvent(QShowEvent *e) override;

public slots:
    void done(int r) override;

private:
    void takeItem(const QString &line);
    // Writes the imported item into line n of the card that opened this screen.
    bool writeLine(int n);
    bool m_clicked = false;
};
