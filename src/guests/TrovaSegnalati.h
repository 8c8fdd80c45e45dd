#pragma once
#include "platform/ArchiveList.h"

// The flagged guests: every guest card with unresolved issues to follow up.
class TfrmTrovaSegnalati : public TArchiveList {
    Q_OBJECT
public:
    explicit TfrmTrovaSegnalati(QWidget *parent = nullptr);

protected:
    RecordList::Source source() const override;
    void take(qint64 n) override;
};
