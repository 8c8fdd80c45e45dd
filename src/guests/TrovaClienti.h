#pragma once
#include "guests/Cliente.h"
#include "platform/ArchiveList.h"

#include <optional>

class QLineEdit;
class TfrmClienti;

// The guest search: guest cards by up to ten fields, for the guest card ("clienti") or to
// bring a known guest into a booking ("registro").
class TfrmTrovaClienti : public TArchiveSearch {
    Q_OBJECT
public:
    explicit TfrmTrovaClienti(QWidget *parent = nullptr);

    QLineEdit *txtCognome, *txtNome, *txtCodFisc, *txtIva, *txtTipologia, *txtFormula, *txtServizi, *txtSupplementi,
        *txtQuestioni, *txtNote;

    // The guest picked for a booking ("registro"); nothing when the search closed without one.
    std::optional<TCliente> pickedGuest() const { return m_guest; }

protected:
    RecordList::Source source(const RecordList::SearchFilters &filters) const override;
    void take(qint64 n) override;

private:
    std::optional<TCliente> m_guest;
};

// The guest card a search or list loads into: the one that opened it, else the registry's.
TfrmClienti *guestCardOf(QWidget *screen);
