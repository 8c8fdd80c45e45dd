#pragma once
#include "platform/CardArchive.h"
#include "platform/Screen.h"
#include "platform/ScreenKit.h"

#include <array>

class QLabel;
namespace Card {
class Form;
}
namespace ScreenKit {
class Hints;
class FocusFrames;
} // namespace ScreenKit

// The command buttons that both cards have, with the same pictures and hints (each card has
// members and handlers of these names); the scrolling ones with or without their captions.
template <class T> std::array<ScreenKit::Command<T>, 10> cardCommands(bool captionedScrolling)
{
    auto caption = [captionedScrolling](const char *c) { return captionedScrolling ? c : ""; };
    return {{
        // clang-format off
        {&T::cmdPrimo, "cmdPrimo", "primo", caption("Primo"), "Visualizza la prima scheda in archivio.",
         &T::cmdPrimoClick},
        {&T::cmdIndietro, "cmdIndietro", "indietro", caption("Indietro"),
         "Visualizza la scheda precedente in archivio.", &T::cmdIndietroClick},
        {&T::cmdAvanti, "cmdAvanti", "avanti", caption("Avanti"), "Visualizza la scheda successiva in archivio.",
         &T::cmdAvantiClick},
        {&T::cmdUltimo, "cmdUltimo", "ultimo", caption("Ultimo"), "Visualizza l'ultima scheda in archivio.",
         &T::cmdUltimoClick},
        {&T::cmdNuovo, "cmdNuovo", "nuovo", "Nuovo", "Prepara la schermata per la registrazione di una nuova scheda.",
         &T::cmdNuovoClick},
        {&T::cmdSalva, "cmdSalva", "salva", "Salva", "Salva la scheda corrente in archivio.", &T::cmdSalvaClick},
        {&T::cmdTrova, "cmdTrova", "trova", "Trova", "Trova una scheda in archivio.", &T::cmdTrovaClick},
        {&T::cmdStampa, "cmdStampa", "stampa", "Stampa", "Stampa la scheda corrente.", &T::cmdStampaClick},
        {&T::cmdGuida, "cmdGuida", "guida", "Guida", "Visualizza la guida in linea.", &T::cmdGuidaClick},
        {&T::cmdEsci, "cmdEsci", "esci", "Esci", "Esci da questa schermata di lavoro.", &T::cmdEsciClick},
        // clang-format on
    }};
}

// An app screen that shows one card of an archive: the position label, the info bar, the card's
// form, scrolling through the archive and saving the card. Closing it goes back to the menu.
class TCardScreen : public TAppScreen {
    Q_OBJECT
public:
    // `ready`: the info bar's text for a new card.
    TCardScreen(const QString &caption, QString (*path)(), int recordSize, const QString &ready);

    QLabel *lblPosizione, *panInfo;

    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();

    // The card's controls by name (record fields, tests), any other named child too.
    QWidget *control(const QString &name) const;
    QString controlText(const QString &name) const;
    void setControlText(const QString &name, const QString &text);
    Card::Form *form() const { return m_form; }
    // The card on screen as last read from or written to the archive.
    const QByteArray &loadedBytes() const { return m_archive.loadedBytes(); }

protected:
    // Loads card n and shows it; false (after the access message) when it cannot be read.
    virtual bool showAt(qint64 n) = 0;
    bool loadAt(qint64 n);
    // Overwrites the card at its position, or appends a new one; shows where and says so.
    // False when nothing was written.
    bool saveCard(const char *record);
    qint64 currentPosition() const;
    void closeEvent(QCloseEvent *e) override;

    ScreenKit::Hints *m_hints;
    ScreenKit::FocusFrames *m_frames;
    Card::Form *m_form;
    CardArchive m_archive;
    int m_recordSize;
    // Next on an empty archive makes the card on screen a new one (the guest card).
    bool m_nextOnEmptyForgets = false;
};
