#pragma once
#include "platform/Screen.h"

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// What an imported price list item puts into a bill line: today's date, name and price.
struct BillItem {
    QString date;
    QString description;
    QString amount;
};

// Import of a price list item into one bill line of the guest card. The caller writes
// "clienti_01" ... "clienti_30" into lblMemory; the item last clicked is what is imported,
// handed back to the caller with the line the marker names.
class TfrmTrovaServizi : public TDialog {
    Q_OBJECT
public:
    explicit TfrmTrovaServizi(QWidget *parent = nullptr);

    QListWidget *lstRecords;
    QPushButton *btnImporta, *btnChiudi;
    // Hidden: the clicked item's name and price.
    QLineEdit *txtNome, *txtPrezzoUni;
    QLabel *icoMano;

    // What row `row` shows at the list's present width: the whole line, or the name cut short
    // so that the price stays in view.
    QString shownText(int row) const;

    void lstRecordsClick(QListWidgetItem *item);
    void btnImportaClick();

protected:
    void showEvent(QShowEvent *e) override;

public slots:
    void done(int r) override;

signals:
    void imported(int line, const BillItem &item);

private:
    void takeItem(const QString &line);
    bool m_clicked = false;
};
