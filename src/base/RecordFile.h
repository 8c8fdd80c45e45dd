#pragma once
#include <QByteArray>
#include <QString>

#include <functional>
#include <stdexcept>

// Any I/O failure of an archive; the screen shows its access message.
class ArchiveError : public std::runtime_error {
public:
    explicit ArchiveError(const QString &what) : std::runtime_error(what.toStdString()) {}
};

// An archive of fixed-size records, opened for one operation and closed after it.
// Positions are 1-based. A trailing partial record is never counted or read, and
// the next append writes over it.
//
// A record overwritten in place goes through a journal beside the archive (its path with
// ".jnl"): the old bytes and their position, on the disk before the record is touched and
// removed once the new record is on the disk. Whoever opens the archive and finds a journal
// left by a program that died mid-write puts the old record back first, so a card on disk is
// always the old one or the new one. Appends and overwrites are on the disk before they return.
class RecordFile {
public:
    RecordFile(const QString &path, int recordSize);
    ~RecordFile();
    RecordFile(const RecordFile &) = delete;
    RecordFile &operator=(const RecordFile &) = delete;

    // Opens for reading and writing where the archive and its folder allow it, for reading
    // only where they do not (a later write then fails). A missing file is created empty
    // (mode 0660). Never truncates.
    void open();
    // Opens for reading only: counts, reads, scans and lists never need write access. A
    // missing archive is created empty where the folder allows it and reads as empty where
    // it does not.
    void openForReading();
    void close();
    qint64 count() const;
    void read(qint64 position, char *record) const;
    void overwrite(qint64 position, const char *record);
    enum class Outcome { Written, ChangedElsewhere };
    // Overwrites only when the record on disk still holds `loaded` (the bytes the card was
    // loaded from), checked and written under the append lock: another workstation's save in
    // between gives ChangedElsewhere and nothing is written.
    Outcome overwriteIfUnchanged(qint64 position, const char *loaded, const char *record);
    // Takes an advisory lock for the count-and-write, so that two workstations
    // appending at once both keep their record. Returns the new record's position.
    qint64 append(const char *record);
    // One sequential pass in large blocks; fn(position, record) returns false to stop.
    void scan(const std::function<bool(qint64, const char *)> &fn) const;

    const QString &path() const { return m_path; }
    int recordSize() const { return m_size; }
    static QString journalPath(const QString &archive) { return archive + QStringLiteral(".jnl"); }

private:
    [[noreturn]] void fail(const char *what) const;
    void openWith(bool writable);
    void recover();
    bool writeInPlace(qint64 position, const char *record, const char *expected);
    void patch(qint64 first, qint64 n, char *buf) const;
    QString m_path;
    int m_size;
    int m_fd = -1;
    bool m_writable = false;
    bool m_absent = false; // missing and not creatable: reads as empty
    // A journal this opener could not replay (no write access): its old record is read
    // in place of the torn one.
    qint64 m_pendingPosition = 0;
    QByteArray m_pendingRecord;
};
