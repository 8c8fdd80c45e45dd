#pragma once
#include "platform/Screen.h"

#include <QHash>

#include <optional>

class BillPanel;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QToolButton;
struct TCliente;
namespace ScreenKit {
class Hints;
class FocusFrames;
} // namespace ScreenKit

// The guest card: one TCliente on screen, new or archived at the position in lblPosizione.
class TfrmClienti : public TAppScreen {
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
    QLabel *lblPosizione, *panInfo;
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
    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();
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
    // Opens a code table with its pick marker.
    void openTable(QWidget *source);

    // The card's controls by name (record field bindings, the code tables, tests).
    QWidget *control(const QString &name) const { return m_controls.value(name); }
    QString controlText(const QString &name) const;
    void setControlText(const QString &name, const QString &text);
    // The record built from the screen, and the screen filled from a record.
    TCliente toRecord() const;
    void fromRecord(const TCliente &r);

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    QLineEdit *edit(const QString &name, int maxLength);
    QComboBox *combo(const QString &name, int maxLength, const QStringList &items);
    QLabel *hidden(const QString &name);
    QToolButton *command(const QString &name, const QString &icon, const QString &text, const QString &hint);
    QToolButton *fieldButton(const QString &name, const QString &icon, const QString &hint);
    void buildLayout();
    void wireFocusAndHints();
    qint64 currentPosition() const;
    // The number of cards, or nothing after the access message.
    std::optional<qint64> countCards();

    QWidget *m_page;
    ScreenKit::Hints *m_hints;
    ScreenKit::FocusFrames *m_frames;
    QHash<QString, QWidget *> m_controls;
};
