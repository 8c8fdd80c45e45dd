#pragma once
#include "platform/Screen.h"

#include <optional>

class QLineEdit;
class QPushButton;
class TfrmProdotti;

// One price list item being added or modified: name, price and the apply button.
class TVoceDialog : public TDialog {
    Q_OBJECT
public:
    TVoceDialog(QWidget *parent, const QString &caption, const QString &applyText);

    QLineEdit *txtNomeVoce, *txtPrezzo;
    QLabel *imgEuro;
    QPushButton *btnApplica, *btnAnnulla;

    // The price list screen that opened this dialog (the registry's one otherwise).
    TfrmProdotti *prodotti() const;

protected:
    // The item line from the fields, or nothing after the missing-name warning.
    std::optional<QString> checkedLine();
    virtual void btnApplicaClick() = 0;
    bool eventFilter(QObject *o, QEvent *e) override;
    void showEvent(QShowEvent *e) override;

private:
    void normalisePrice();
};
