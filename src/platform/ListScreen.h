#pragma once
#include <QAbstractListModel>
#include <QFont>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

// Find next: the rule behind every Trova button of the lists.
namespace FindNext {

// The entry to select after pressing Trova with `typed` in the search field, given the entry
// selected now (-1: none) and the list's remembered key, which is updated. A new key is tested
// from the first entry on; the key searched last walks on from the selected entry and comes back
// to it last. Without a match the selection stays (the first entry when none was selected).
// -1 only for an empty list. Only A-Z are folded; an empty key matches nothing.
int next(const QStringList &lines, int selected, const QString &typed, QString &remembered);

} // namespace FindNext

// The lines of a list screen, shown as they are with one font for every entry.
class ListLinesModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit ListLinesModel(QObject *parent = nullptr);
    void setLines(const QStringList &lines);
    const QStringList &lines() const { return m_lines; }
    void setItemWidth(int w);
    QFont font() const { return m_font; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    QStringList m_lines;
    QFont m_font;
    int m_itemWidth = 600;
    int m_itemHeight = 20;
};

// The list part shared by the code tables, the daily lists, the searches and the flagged-guest
// list: title picture, two instruction lines, search field txtTrova with btnTrova, the monospaced
// list lstRecords, a crimson hint, btnChiudi and btnStampa. The screen that hosts it gives the
// lines and reacts to a double-click; Chiudi closes the host window, and closing the host window
// in any way empties the list.
class ListScreen : public QWidget {
    Q_OBJECT
public:
    ListScreen(QWidget *parent, const QString &title, const QString &instruction1, const QString &instruction2,
               const QString &hint);

    QLabel *imgTitolo;
    QLineEdit *txtTrova;
    QPushButton *btnTrova;
    QListView *lstRecords;
    QLabel *lblIstruzioni;
    QPushButton *btnChiudi;
    QPushButton *btnStampa;

    // The entries, in the order given (no entry selected afterwards).
    void setLines(const QStringList &lines);
    // The entries sorted once by list order (A-Z and a-z equal, other characters by code).
    void setSortedLines(QStringList lines);
    void clear();
    const QStringList &lines() const { return m_model->lines(); }
    int count() const { return int(lines().size()); }
    // The selected entry (-1 when none) and its line (empty when none).
    int currentRow() const;
    QString currentLine() const;
    void setCurrentRow(int row);
    // The width of the list's items in pixels; longer lines scroll horizontally.
    void setItemWidth(int w);

    // The key searched last, in lower case. By default it belongs to this list; a table that
    // remembers its key across openings passes its own store.
    void setKeyStore(QString *store);
    QString rememberedKey() const { return *m_key; }
    // Empties the remembered key and the search field.
    void resetSearch();

    // How Stampa prints: the title, the lines and the window the print dialog opens over.
    using PrintAction = std::function<void(const QString &title, const QStringList &lines, QWidget *parent)>;
    // Stampa prints the lines under this title with `print` (the list report, handed in by the screen).
    void setPrintTitle(const QString &title, PrintAction print);
    QString printTitle() const { return m_printTitle; }

    void btnTrovaClick();
    void btnStampaClick();

signals:
    // A double-click in the list; currentRow() tells which entry (-1: none).
    void lstRecordsDblClick();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
    void showEvent(QShowEvent *e) override;

private:
    ListLinesModel *m_model;
    QString m_ownKey;
    QString *m_key;
    QString m_printTitle;
    PrintAction m_print;
    QWidget *m_watched = nullptr;
};

// A screen that hosts a ListScreen: the list's controls under the host's own names.
struct ListHost {
    ListScreen *list = nullptr;
    QLineEdit *txtTrova = nullptr;
    QPushButton *btnTrova = nullptr;
    QListView *lstRecords = nullptr;
    QPushButton *btnChiudi = nullptr;
    QPushButton *btnStampa = nullptr;
    // Takes `l` as the host's list; with an `area`, the list fills it.
    void hostList(ListScreen *l, QWidget *area = nullptr);
};
