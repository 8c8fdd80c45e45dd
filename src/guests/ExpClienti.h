#pragma once
#include "output/ArchiveExportScreen.h"

// The guest archive in a grid, exported to Clienti.xls.
class TfrmExpClienti : public TArchiveExportScreen {
    Q_OBJECT
public:
    explicit TfrmExpClienti(QWidget *parent = nullptr);
};
