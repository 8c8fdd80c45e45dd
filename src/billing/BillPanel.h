#pragma once
#include <QObject>
#include <QVector>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;
struct BillItem;
namespace ScreenKit {
class Hints;
}

// The guest bill on the guest card: 30 lines of date, description and amount, the deposit,
// the total. Its fields are saved and loaded with the card; the panel itself writes no file.
class BillPanel : public QObject {
    Q_OBJECT
public:
    // Builds the two panels as children of `card` (laid over it, hidden).
    BillPanel(QWidget *card, ScreenKit::Hints *hints);

    QFrame *panConto, *panCalcola;
    QLabel *txtCliente, *txtTotale;
    QVector<QLineEdit *> txtData, txtDesc, txtPrezzo; // index 0 is line 01
    QVector<QToolButton *> impVoce;
    QLineEdit *txtAcconto;
    QPushButton *btnCalcola, *btnCancellaConto;
    QToolButton *btnChiudiConto, *cmdStampaConto, *cmdExpConto;

    bool isOpen() const;
    // Opens with the title of the guest on the card, computes the total, focus to line 01.
    void open(const QString &firstName, const QString &surname);
    void close();
    void setTitle(const QString &firstName, const QString &surname);
    // Every line, the deposit; hides both panels.
    void reset();
    void computeTotal();
    // Places the panels over the lower part of the card.
    void place();
    // The panel's Enter chain, for the card to install.
    QList<QWidget *> enterChain() const;

    // Empties every line and the deposit after the operator confirms.
    void btnCancellaContoClick();
    // Opens the price list import for line n (1..30).
    void impVoceClick(int n);
    // An imported price list item into line n (1..30).
    void placeItem(int n, const BillItem &item);
    void cmdStampaContoClick();
    void cmdExpContoClick();

signals:
    // The card's focus goes back to the surname when the panel closes.
    void closed();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    bool isAmountField(QObject *o) const;
    QWidget *m_card;
};
