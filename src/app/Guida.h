#pragma once
#include "platform/Screen.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace HelpTopic {
inline QString general() { return QStringLiteral("Uno sguardo a Lunaresca."); }
inline QString guests() { return QStringLiteral("Applicazione Anagrafica clienti e consumazioni."); }
inline QString priceList() { return QStringLiteral("Applicazione Tariffario prodotti e servizi."); }
inline QString bookings() { return QStringLiteral("Applicazione Registro arrivi e partenze."); }
} // namespace HelpTopic

// The help screen: one topic, a title and its paragraphs.
class TfrmGuida : public TDialog {
    Q_OBJECT
public:
    explicit TfrmGuida(QWidget *parent = nullptr);
    QLabel *lblTitolo;
    QPlainTextEdit *txtGuida;
    QPushButton *btnChiudi;
};

// Opens a fresh help screen on the topic with this title, modally.
void ShowHelpTopic(QWidget *owner, const QString &title);
