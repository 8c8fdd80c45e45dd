#pragma once
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
class RecordFile {
public:
    RecordFile(const QString &path, int recordSize);
    ~RecordFile();
    RecordFile(const RecordFile &) = delete;
    RecordFile &operator=(const RecordFile &) = delete;

    // Opens for reading and writing; a missing file is created empty. Never truncates.
    void open();
    void close();
    qint64 count() const;
    void read(qint64 position, char *record) const;
    void overwrite(qint64 position, const char *record);
    // Takes an advisory lock for the count-and-write, so that two workstations
    // appending at once both keep their record. Returns the new record's position.
    qint64 append(const char *record);
    // One sequential pass in large blocks; fn(position, record) returns false to stop.
    void scan(const std::function<bool(qint64, const char *)> &fn) const;

    const QString &path() const { return m_path; }
    int recordSize() const { return m_size; }

private:
    [[noreturn]] void fail(const char *what) const;
    QString m_path;
    int m_size;
    int m_fd = -1;
};
