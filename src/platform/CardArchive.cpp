#include "platform/CardArchive.h"

#include "base/RecordFile.h"
#include "platform/Messages.h"

CardArchive::CardArchive(QString (*path)(), int recordSize, QWidget *screen)
    : m_path(path), m_size(recordSize), m_screen(screen)
{}

bool CardArchive::run(const QString &path, int recordSize, QWidget *screen, const std::function<void(RecordFile &)> &op,
                      Access access)
{
    try {
        RecordFile f(path, recordSize);
        if (access == Access::Read)
            f.openForReading();
        else
            f.open();
        op(f);
        f.close();
        return true;
    } catch (const ArchiveError &) {
        if (screen)
            Msg::error(Msg::accessText(), screen);
        return false;
    }
}

std::optional<qint64> CardArchive::count() const
{
    qint64 n = 0;
    if (!run(
            m_path(), m_size, m_screen, [&](RecordFile &f) { n = f.count(); }, Access::Read))
        return std::nullopt;
    return n;
}

bool CardArchive::read(qint64 n, char *record)
{
    if (!run(
            m_path(), m_size, m_screen, [&](RecordFile &f) { f.read(n, record); }, Access::Read))
        return false;
    m_loaded = QByteArray(record, m_size);
    m_loadedAt = n;
    return true;
}

std::optional<qint64> CardArchive::save(qint64 n, const char *record)
{
    m_reload = false;
    qint64 at = n;
    // Another workstation may have saved this card since it was loaded here: compare under the
    // lock, and overwrite only what this workstation saw, unless the operator says otherwise.
    const bool compare = n > 0 && m_loadedAt == n && m_loaded.size() == m_size;
    bool changedElsewhere = false;
    // The loaded bytes stay as they were until the write has succeeded.
    bool done = run(m_path(), m_size, m_screen, [&](RecordFile &f) {
        if (n == 0)
            at = f.append(record);
        else if (!compare)
            f.overwrite(n, record);
        else
            changedElsewhere =
                f.overwriteIfUnchanged(n, m_loaded.constData(), record) == RecordFile::Outcome::ChangedElsewhere;
    });
    if (done && changedElsewhere) {
        const bool overwrite = Msg::question(
            QStringLiteral("Attenzione: la scheda n. %1 è stata modificata e salvata da un'altra postazione dopo "
                           "essere stata aperta su questa.\n\nSovrascriverla con i dati presenti sullo schermo?\n\n"
                           "Rispondendo No, la scheda viene ricaricata dall'archivio con le modifiche dell'altra "
                           "postazione e i dati sullo schermo non vengono salvati.")
                .arg(n),
            m_screen);
        if (!overwrite) {
            m_reload = true;
            return std::nullopt;
        }
        done = run(m_path(), m_size, m_screen, [&](RecordFile &f) { f.overwrite(n, record); });
    }
    if (!done)
        return std::nullopt;
    m_loaded = QByteArray(record, m_size);
    m_loadedAt = at;
    return at;
}

std::optional<qint64> CardArchive::step(Step s, qint64 current, bool *empty) const
{
    if (empty)
        *empty = false;
    // Card 1 goes nowhere back, whatever the archive holds.
    if (s == Step::Previous && current == 1)
        return std::nullopt;
    const auto counted = count();
    if (!counted)
        return std::nullopt;
    const qint64 total = *counted;
    if (total == 0) {
        if (empty)
            *empty = true;
        Msg::information(QStringLiteral("L'archivio non contiene nessuna scheda."), m_screen);
        return std::nullopt;
    }
    switch (s) {
    case Step::First:
        return 1;
    case Step::Last:
        return total;
    case Step::Next:
        if (current < total)
            return current + 1;
        return std::nullopt;
    case Step::Previous:
        return current == 0 ? 1 : qMin(current - 1, total);
    }
    return std::nullopt;
}
