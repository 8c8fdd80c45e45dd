#pragma once
#include <QString>

class QWidget;

// The text a card keeps in a control, whatever kind of control it is (edit field,
// drop-down, hidden code label): the cards move records in and out through these.
namespace CardFields {

QString text(const QWidget *w);
// A drop-down shows the matching item when there is one, else the text as typed.
void setText(QWidget *w, const QString &text);

} // namespace CardFields
