#pragma once
#include "platform/ArchiveList.h"

class QLineEdit;

// The booking search: bookings by up to ten fields, cancelled ones included and marked.
class TfrmTrovaVisite : public TArchiveSearch {
    Q_OBJECT
public:
    explicit TfrmTrovaVisite(QWidget *parent = nullptr);

    QLineEdit *txtDataEnt, *txtDataUsc, *txtCognome, *txtNome, *txtCamera, *txtCellulare, *txtComuneNasc, *txtNumDoc,
        *txtTariffa, *txtSupplementi;

protected:
    RecordList::Source source(const RecordList::SearchFilters &filters) const override;
    // Only the booking card ("registro") takes a booking.
    void take(qint64 n) override;
};
