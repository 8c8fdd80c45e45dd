#pragma once
#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

class QWidget;
class RecordFile;

// A card's archive: every operation opens it, works and closes it, and a failure shows the
// access message over `screen` (none when `screen` is null). It keeps the bytes of the card on
// screen as they were last read or written, so that a save can be compared with the disk.
class CardArchive {
public:
    CardArchive(QString (*path)(), int recordSize, QWidget *screen);

    enum class Access { Read, Write };
    // The open-or-message sequence: runs `op` on the open archive; false after the message.
    // Reading opens the archive read-only, so a card can be browsed where it cannot be saved.
    static bool run(const QString &path, int recordSize, QWidget *screen, const std::function<void(RecordFile &)> &op,
                    Access access = Access::Write);

    // The number of cards (a missing archive is created empty), or nothing after the message.
    std::optional<qint64> count() const;
    // Card n into `record`; false after the message.
    bool read(qint64 n, char *record);
    // Card n overwritten, or (n == 0) a new card appended: its position, or nothing after the message.
    // When another workstation saved card n after this one loaded it, the operator is asked
    // whether to overwrite it; No leaves the disk alone and reloaded() tells the caller to show
    // the card as it now is.
    std::optional<qint64> save(qint64 n, const char *record);
    bool reloaded() const { return m_reload; }

    enum class Step { First, Previous, Next, Last };
    // Where a scrolling button goes from card `current` (0: a card not saved), or nothing: card 1
    // going back, the last going on, an empty archive (`empty` set, after the message
    // "L'archivio non contiene nessuna scheda.") or the access message.
    std::optional<qint64> step(Step s, qint64 current, bool *empty = nullptr) const;

    // The card as this workstation last read or wrote it, and its position (0: none yet).
    const QByteArray &loadedBytes() const { return m_loaded; }
    qint64 loadedPosition() const { return m_loadedAt; }

private:
    QString (*m_path)();
    int m_size;
    QWidget *m_screen;
    QByteArray m_loaded;
    qint64 m_loadedAt = 0;
    bool m_reload = false;
};
