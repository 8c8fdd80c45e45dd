#pragma once
#include "platform/CardScreen.h"

#include <QPointer>

class QCheckBox;
class QDate;
class QComboBox;
class QLineEdit;
class QToolButton;
class TfrmSchedine;
class TfrmTableau;
struct TVisita;

// The booking card: one TVisita on screen, new (empty lblPosizione) or booking n of Registro.pro.
// Its fields are the rows of one table (Registro.cpp).
class TfrmRegistro : public TCardScreen {
    Q_OBJECT
public:
    TfrmRegistro();

    // Arrival, stay, guest, departure, rate.
    QLineEdit *txtDataEnt, *txtOraEnt, *txtCamera, *txtAdulti, *txtBambini, *txtGiorni, *txtCellulare, *txtCognome,
        *txtNome, *txtTipo, *txtDataNasc, *txtComuneNasc, *txtProvNasc, *txtStatoNasc, *txtTipoDoc, *txtNumDoc,
        *txtLuogoRil, *txtCittadinanza, *txtEmail, *txtDataUsc, *txtOraUsc, *txtTariffa, *txtSupplementi;
    QComboBox *txtSesso;
    // Hidden codes that go with the picked texts.
    QLabel *txtCodTipo, *txtCodSesso, *txtCodComuneNasc, *txtCodStatoNasc, *txtCodCittadinanza, *txtCodLuogoRil,
        *txtCodTipoDoc;
    QCheckBox *chkDisdetta;
    QToolButton *icoDisdetta;

    QToolButton *cmdPrimo, *cmdIndietro, *cmdAvanti, *cmdUltimo, *cmdNuovo, *cmdDuplica, *cmdSalva, *cmdTrova,
        *cmdEntratiOggi, *cmdUscitiOggi, *cmdNonUsciti, *cmdSchedine, *cmdTableau, *cmdStampa, *cmdExcel, *cmdGuida,
        *cmdEsci, *cmdInvia;
    QToolButton *impCliente, *impTipo, *impTipoDoc, *impStatoNasc, *impCittadinanza, *impStatoLuogoRil, *impComuneNasc,
        *impComuneLuogoRil, *impDataEnt, *impDataUsc, *impOraEnt, *impOraUscita;

    // Loads booking n of Registro.pro; false (after the access message) when it cannot be read.
    bool ShowBookingAt(qint64 n);
    // Empties the card for a new booking.
    void Clear();
    // A new, unsaved booking of one night in `room` from `arrival` (the tableau's empty cell).
    void prepareNew(const QString &room, const QDate &arrival);

    void cmdNuovoClick();
    void cmdDuplicaClick();
    void cmdSalvaClick();
    void cmdTrovaClick();
    void cmdEntratiOggiClick();
    void cmdUscitiOggiClick();
    void cmdNonUscitiClick();
    void cmdSchedineClick();
    void cmdTableauClick();
    void cmdStampaClick();
    void cmdExcelClick();
    void cmdGuidaClick();
    void cmdEsciClick();
    void cmdInviaClick();
    void impClienteClick();

    // The record built from the card, and the card filled from a record: both through the table.
    TVisita toRecord() const;
    void fromRecord(const TVisita &r);

protected:
    bool showAt(qint64 n) override { return ShowBookingAt(n); }
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

    void closeEvent(QCloseEvent *e) override;

private:
    void buildLayout();
    // The guest report and the tableau stay open beside the card and follow its saves.
    void followSave();
    QWidget *m_page;
    QPointer<TfrmSchedine> m_schedine;
    QPointer<TfrmTableau> m_tableau;
};
