#pragma once
#include "platform/Screen.h"

class QLabel;
class QPushButton;

// The small print and export dialogs of the cards: a picture, a few words on what the button
// does, "Annulla" and the action button btnStampa. Annulla and Escape close it.
class TOutputDialog : public TDialog {
    Q_OBJECT
public:
    TOutputDialog(QWidget *parent, const QString &caption, const QString &icon, const QString &explanation,
                  const QString &action);
    QLabel *lblSpiegazione;
    QPushButton *btnAnnulla, *btnStampa;
};
