#pragma once
#include "platform/Screen.h"

#include <QStringList>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

// The six help topics, known by their titles.
namespace HelpTopic {
inline QString general() { return QStringLiteral("Uno sguardo a Lunaresca."); }
inline QString guests() { return QStringLiteral("Applicazione Anagrafica clienti e consumazioni."); }
inline QString priceList() { return QStringLiteral("Applicazione Tariffario prodotti e servizi."); }
inline QString bookings() { return QStringLiteral("Applicazione Registro arrivi e partenze."); }
inline QString guestExport() { return QStringLiteral("Esportazione archivio clienti in Microsoft Excel."); }
inline QString bookingExport() { return QStringLiteral("Esportazione archivio prenotazioni in Microsoft Excel."); }

// Every title, in the order of the screens that open them (menu first).
QStringList titles();
// The paragraphs of the topic with this title; none for a title that is not a topic.
QStringList paragraphs(const QString &title);
// The paragraphs as the help screen shows them: each followed by CR LF CR LF, the last by nothing.
QString text(const QString &title);
} // namespace HelpTopic

// The help screen: one topic, a title and its paragraphs, and the way to the user guide.
class TfrmGuida : public TDialog {
    Q_OBJECT
public:
    explicit TfrmGuida(QWidget *parent = nullptr);
    void showTopic(const QString &title);
    // The user guide beside the program, enclosed in double quotes for the shell.
    static QString guideTarget();

    QLabel *lblTitolo;
    QPlainTextEdit *txtGuida;
    QPushButton *btnChiudi;
    QToolButton *lnkWeb;
    QToolButton *imgPDF;

    void lnkWebClick();
};

// Opens a fresh help screen on the topic with this title, modally.
void ShowHelpTopic(QWidget *owner, const QString &title);
