#pragma once
#include "output/ArchiveExportScreen.h"

// The booking register in a grid, exported to Registro_Prenotazioni.xls.
class TfrmExpVisite : public TArchiveExportScreen {
    Q_OBJECT
public:
    explicit TfrmExpVisite(QWidget *parent = nullptr);
};
