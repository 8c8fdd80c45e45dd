#pragma once
#include "platform/CardScreen.h"

class BillPanel;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;
struct TCliente;

// The guest card: one TCliente on screen, new or archived at the position in lblPosizione.
// Its fields are the rows of one table (Clienti.cpp).
class TfrmClienti : public TCardScreen {
    Q_OBJECT
public:
    TfrmClienti();

    // Personal data, residence, document, contacts, payment, stay.
    QLineEdit *txtCognome, *txtNome, *txtCodFisc, *txtTipo, *txtDataNasc, *txtComuneNasc, *txtProvNasc, *txtStatoNasc,
        *txtCittadinanza, *txtVia, *txtCap, *txtComuneRes, *txtProvRes, *txtIva, *txtTipoDoc, *txtNumDoc, *txtLuogoRil,
        *txtDataRil, *txtDataSca, *txtTelCasa, *txtTelUff, *txtCellulare, *txtFax, *txtEmail, *txtCarta, *txtScadeCarta,
        *txtIban, *txtIntestatario, *txtTariffa, *txtSupplementi, *txtServizi, *txtNote, *txtQuestioni;
    QComboBox *txtSesso, *txtTipologia, *txtFormula;
    // Hidden codes of the coded fields, filled by the code tables.
    QLabel *txtCodSesso, *txtCodTipo, *txtCodComuneNasc, *txtCodStatoNasc, *txtCodCittadinanza, *txtCodTipoDoc,
        *txtCodLuogoRil;
    // Hidden attachment names and descriptions.
    QLabel *lblFile01, *lblFile02, *lblFile03, *lblDesc01, *lblDesc02, *lblDesc03;
    QCheckBox *chkSegnala;
    QToolButton *icoSegnala;
    QPushButton *btnConto;
    BillPanel *conto;

    QToolButton *cmdNuovo, *cmdSalva, *cmdPrimo, *cmdIndietro, *cmdAvanti, *cmdUltimo, *cmdTrova, *cmdSegnalati,
        *cmdCartella, *cmdFile, *cmdStampa, *cmdEsporta, *cmdGuida, *cmdEsci;
    QToolButton *impTipo, *impComuneNasc, *impStatoNasc, *impCittadinanza, *impTipoDoc, *impComuneLuogoRil,
        *impStatoLuogoRil, *btnCodFisc, *btnIva, *btnIban, *btnCarta, *btnEmail;

    // Loads card n of Clienti.pro; false (after the access message) when it cannot be read.
    bool ShowGuestAt(qint64 n);
    void Reset();

    void cmdNuovoClick();
    void cmdSalvaClick();
    void cmdTrovaClick();
    void cmdSegnalatiClick();
    void cmdCartellaClick();
    void cmdFileClick();
    void cmdStampaClick();
    void cmdEsportaClick();
    void cmdGuidaClick();
    void cmdEsciClick();
    void btnCodFiscClick();
    void btnIvaClick();
    void btnIbanClick();
    void btnCartaClick();
    void btnEmailClick();
    void btnContoClick();

    // The record built from the screen, and the screen filled from a record: both through the table.
    TCliente toRecord() const;
    void fromRecord(const TCliente &r);

protected:
    bool showAt(qint64 n) override { return ShowGuestAt(n); }
    void showEvent(QShowEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    void buildLayout();
    QWidget *m_page;
};
