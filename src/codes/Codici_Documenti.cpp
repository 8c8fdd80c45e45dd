#include "codes/Codici_Documenti.h"

TfrmCodici_Documenti::TfrmCodici_Documenti(QWidget *parent)
    : TCodeTableScreen(parent, Codes::Table::Documenti, QStringLiteral(" Tabella Codici per Tipo di documento"),
                       QStringLiteral("Tabella Codici per Tipo di documento"),
                       QStringLiteral("TABELLA CODICI TIPO DI DOCUMENTO"))
{
    setObjectName(QStringLiteral("frmCodici_Documenti"));
}
