#pragma once
#include "platform/Screen.h"

class QToolButton;
class QLabel;

// The main menu: three apps, help, information, credits, web site, exit.
class TfrmAvvio : public TAppScreen {
    Q_OBJECT
public:
    TfrmAvvio();
    QToolButton *imgClienti, *btnClienti, *appClienti;
    QToolButton *imgTariffario, *btnTariffario, *appTariffario;
    QToolButton *imgArrivi, *btnArrivi, *appArrivi;
    QToolButton *imgGuida, *imgInfo, *imgCrediti, *imgSito, *imgEsci;

    void imgClientiClick();
    void imgTariffarioClick();
    void imgArriviClick();
    void imgGuidaClick();
    void imgInfoClick();
    void imgCreditiClick();
    void imgSitoClick();
    void imgEsciClick();

protected:
    void closeEvent(QCloseEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
};
