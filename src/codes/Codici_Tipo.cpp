#include "codes/Codici_Tipo.h"

TfrmCodici_Tipo::TfrmCodici_Tipo(QWidget *parent)
    : TCodeTableScreen(parent, Codes::Table::Tipo, QStringLiteral(" Tabella Codici per Tipo di alloggiato"),
                       QStringLiteral("Tabella Codici per Tipo di alloggiato"),
                       QStringLiteral("TABELLA CODICI TIPO DI ALLOGGIATO"))
{
    setObjectName(QStringLiteral("frmCodici_Tipo"));
}
