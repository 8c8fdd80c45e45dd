#pragma once
#include "platform/Screen.h"

class QCalendarWidget;
class QPushButton;

// The date picker of the booking card: its marker says which date of the card receives the day.
class TfrmCalendario : public TDialog {
    Q_OBJECT
public:
    explicit TfrmCalendario(QWidget *parent = nullptr);

    QCalendarWidget *calAppuntamenti;
    QPushButton *btnImportaData, *btnAnnulla;

    // "dataent" writes the chosen day into the card's arrival date, "datausc" into its
    // departure date, and closes; any other marker does nothing.
    void btnImportaDataClick();
    void btnAnnullaClick();
};
