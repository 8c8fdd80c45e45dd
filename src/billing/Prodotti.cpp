#include "billing/Prodotti.h"

#include "app/Screens.h"

#include <QCloseEvent>

TfrmProdotti::TfrmProdotti() : TAppScreen(QStringLiteral(" Lunaresca - Tariffario prodotti e servizi"), true)
{
    setObjectName(QStringLiteral("frmProdotti"));
    resize(1024, 720);
}

void TfrmProdotti::closeEvent(QCloseEvent *e)
{
    e->accept();
    Screens::backToMenu(this);
}
