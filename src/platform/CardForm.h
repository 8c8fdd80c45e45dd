#pragma once
#include "base/TextField.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <span>
#include <type_traits>
#include <variant>
#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QToolButton;
class QWidget;
namespace ScreenKit {
class Hints;
class FocusFrames;
} // namespace ScreenKit

// A card is a table of its fields. One row says everything about a field: its control, its
// record field (so the capacity is written once, in the record layout), caption, typing rules,
// hint and place; one Form makes the controls, lays them out, wires frames, hints, Enter and Tab,
// and moves a record in and out through the same rows.
namespace Card {

enum class Kind { Edit, Combo, Hidden, Check };

// Typing rules of a field, combined with |.
enum Rule : unsigned {
    Digits = 1u << 0,     // only digits are typed or pasted
    Upper = 1u << 1,      // trimmed and upper case (A to Z) on every change
    TrimOnKey = 1u << 2,  // trimmed after every key
    UpperOnKey = 1u << 3, // trimmed and upper case after every key
    DateKey = 1u << 4,    // read-only: a key opens the date picker, Backspace or Delete empties it
    ListOnly = 1u << 5,   // a drop-down chosen with the mouse: typed keys are dropped
    Unmarked = 1u << 6,   // a drop-down that takes the focus with no item marked, its text kept
};

// Where a field stands: caption in column `col` of section `section`'s grid, the field and what
// follows it in the next `span` columns. An inline field joins the cell of the field before it,
// its caption beside it. Section -1: not laid out by the form (hidden codes, check boxes).
struct Place {
    int section = -1;
    int row = 0;
    int col = 0;
    int span = 1;
    int width = 0; // fixed width; 0: as wide as the cell
    bool joins = false;
};

struct Field {
    const char *name;
    FieldSpec field;
    Kind kind;
    const char *caption = "";
    unsigned rules = 0;
    const char *hint = "";
    Place at = {};
    // Controls after the field in its cell, by name, blank-separated; "~" a stretch, "+n" n pixels.
    const char *after = "";
    const char *items = ""; // drop-down items, '|'-separated; for DateKey, the picker's marker
};

// What a code table hands back.
struct Picked {
    QString code;
    QString description;
    QString province;
};
using Picker = std::function<std::optional<Picked>(int table, const QString &marker)>;

// A button beside `field` that fills it from a code table: the description into `field`, the
// code into `code`, the province (municipalities) into `province` when there is one.
struct Pick {
    const char *button;
    const char *icon;
    const char *hint;
    int table;
    const char *marker;
    const char *field;
    const char *code;
    const char *province = "";
};

class Form : public QObject {
public:
    Form(QWidget *parent, ScreenKit::Hints *hints, ScreenKit::FocusFrames *frames);

    QWidget *add(const Field &f);
    QToolButton *addPick(const Pick &p, int size);
    // A control outside the rows that a cell names (check buttons, labels).
    void name(QWidget *w);
    // A record field kept by a control outside the rows (the bill lines).
    void bind(FieldSpec field, QWidget *w);
    // Places the rows of `section` into its grid; a cell's controls stand `spacing` apart.
    void layOut(int section, QGridLayout *grid, int spacing);

    void setPicker(Picker p) { m_picker = std::move(p); }
    struct Wiring {
        std::function<void(const QString &marker)> dateKey;
        // Backspace or Delete in a picked field empties its code (and a municipality's province).
        bool erasingEmptiesCodes = false;
    };
    // Frames, hints, Enter chain, tab order, typing rules and picks; after the layout.
    void wire(QWidget *screen, const Wiring &w);

    QWidget *widget(const QString &name) const { return m_named.value(name); }
    const std::vector<Field> &rows() const { return m_rows; }
    struct Binding {
        FieldSpec field;
        QWidget *widget;
    };
    // Every record field with its control: the rows, then the bound controls.
    const std::vector<Binding> &bindings() const { return m_bindings; }
    // The visible fields and then the check boxes, in table order: the tab order.
    QList<QWidget *> tabOrder() const;

    void store(char *record) const;
    void load(const char *record);
    void clear();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    const Field *rowOf(const QObject *o) const;
    QWidget *m_parent;
    ScreenKit::Hints *m_hints;
    ScreenKit::FocusFrames *m_frames;
    std::vector<Field> m_rows;
    std::vector<Pick> m_picks;
    std::vector<Binding> m_bindings;
    QHash<QString, QWidget *> m_named;
    QHash<const QObject *, int> m_rowOf;
    QHash<const QObject *, QList<QWidget *>> m_emptiedBy;
    Wiring m_wiring;
    Picker m_picker;
};

// A row that also names the card's member holding the control (its type gives the kind).
template <class T> struct Row {
    std::variant<QLineEdit * T::*, QComboBox * T::*, QLabel * T::*, QCheckBox * T::*> member;
    const char *name;
    FieldSpec field;
    const char *caption = "";
    unsigned rules = 0;
    const char *hint = "";
    Place at = {};
    const char *after = "";
    const char *items = "";
};

template <class T> struct PickRow {
    QToolButton *T::*member;
    Pick pick;
};

// Makes the rows' controls and sets the card's members to them.
template <class T> void build(T *card, Form &form, std::span<const Row<T>> rows)
{
    for (const Row<T> &r : rows) {
        QWidget *w =
            form.add({r.name, r.field, Kind(r.member.index()), r.caption, r.rules, r.hint, r.at, r.after, r.items});
        std::visit(
            [&](auto m) {
                using W = std::remove_pointer_t<std::remove_reference_t<decltype(card->*m)>>;
                card->*m = static_cast<W *>(w);
            },
            r.member);
    }
}

template <class T> void build(T *card, Form &form, std::span<const PickRow<T>> rows, int size)
{
    for (const PickRow<T> &r : rows)
        card->*r.member = form.addPick(r.pick, size);
}

} // namespace Card
