#include "codes/Codici_Stati.h"

TfrmCodici_Stati::TfrmCodici_Stati(QWidget *parent)
    : TCodeTableScreen(parent, Codes::Table::Stati, QStringLiteral(" Tabella Codici per Stato"),
                       QStringLiteral("Tabella Codici per Stato"), QStringLiteral("TABELLA CODICI STATI"))
{
    setObjectName(QStringLiteral("frmCodici_Stati"));
}
