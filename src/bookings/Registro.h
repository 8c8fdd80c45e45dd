#pragma once
#include "platform/Screen.h"

#include <QHash>

#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;
struct TVisita;
namespace ScreenKit {
class Hints;
class FocusFrames;
} // namespace ScreenKit

// The booking card: one TVisita on screen, new (empty lblPosizione) or booking n of Registro.pro.
class TfrmRegistro : public TAppScreen {
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
    QLabel *lblPosizione, *panInfo;

    QToolButton *cmdPrimo, *cmdIndietro, *cmdAvanti, *cmdUltimo, *cmdNuovo, *cmdDuplica, *cmdSalva, *cmdTrova,
        *cmdEntratiOggi, *cmdUscitiOggi, *cmdNonUsciti, *cmdStampa, *cmdExcel, *cmdGuida, *cmdEsci, *cmdInvia;
    QToolButton *impCliente, *impTipo, *impTipoDoc, *impStatoNasc, *impCittadinanza, *impStatoLuogoRil, *impComuneNasc,
        *impComuneLuogoRil, *impDataEnt, *impDataUsc, *impOraEnt, *impOraUscita;

    // Loads booking n of Registro.pro; false (after the access message) when it cannot be read.
    bool ShowBookingAt(qint64 n);
    // Empties the card for a new booking.
    void Clear();

    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();
    void cmdNuovoClick();
    void cmdDuplicaClick();
    void cmdSalvaClick();
    void cmdTrovaClick();
    void cmdEntratiOggiClick();
    void cmdUscitiOggiClick();
    void cmdNonUscitiClick();
    void cmdStampaClick();
    void cmdExcelClick();
    void cmdGuidaClick();
    void cmdEsciClick();
    void cmdInviaClick();
    void impClienteClick();
    // Opens a code table with the pick marker of the button's field.
    void openTable(QWidget *source);
    // Opens the date picker for the arrival ("dataent") or departure ("datausc") date.
    void openCalendar(const QString &marker);

    // The card's controls by name (record field bindings, pick targets, lists, print, tests);
    // any other named child too (lblPosizione, chkDisdetta).
    QWidget *control(const QString &name) const;
    QString controlText(const QString &name) const;
    void setControlText(const QString &name, const QString &text);
    // The record built from the card, and the card filled from a record.
    TVisita toRecord() const;
    void fromRecord(const TVisita &r);

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    QLineEdit *edit(const QString &name, int maxLength);
    QLabel *hidden(const QString &name);
    QToolButton *command(const QString &name, const QString &icon, const QString &text, const QString &hint);
    QToolButton *fieldButton(const QString &name, const QString &icon, const QString &hint);
    void buildLayout();
    void wireFocusAndHints();
    void wireKeys();
    qint64 currentPosition() const;
    // Count of Registro.pro (created when missing); nullopt after the access message.
    std::optional<qint64> countBookings();

    QWidget *m_page;
    ScreenKit::Hints *m_hints;
    ScreenKit::FocusFrames *m_frames;
    QHash<QString, QWidget *> m_controls;
    // Picked fields and the hidden fields that Backspace or Delete in them empties.
    QHash<QObject *, QList<QWidget *>> m_emptiedBy;
};
