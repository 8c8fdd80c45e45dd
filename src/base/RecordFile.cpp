#include "base/RecordFile.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool fullPread(int fd, char *buf, size_t n, off_t off)
{
    while (n > 0) {
        const ssize_t r = ::pread(fd, buf, n, off);
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0)
            return false;
        buf += r;
        n -= size_t(r);
        off += r;
    }
    return true;
}

bool fullPwrite(int fd, const char *buf, size_t n, off_t off)
{
    while (n > 0) {
        const ssize_t r = ::pwrite(fd, buf, n, off);
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0)
            return false;
        buf += r;
        n -= size_t(r);
        off += r;
    }
    return true;
}

} // namespace

RecordFile::RecordFile(const QString &path, int recordSize) : m_path(path), m_size(recordSize) {}

RecordFile::~RecordFile() { close(); }

void RecordFile::fail(const char *what) const
{
    throw ArchiveError(
        QStringLiteral("%1: %2 (%3)").arg(m_path, QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno))));
}

void RecordFile::open()
{
    close();
    const QByteArray p = QFile::encodeName(m_path);
    do {
        m_fd = ::open(p.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    } while (m_fd < 0 && errno == EINTR);
    if (m_fd < 0)
        fail("open");
}

void RecordFile::close()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

qint64 RecordFile::count() const
{
    struct stat st {};
    if (m_fd < 0 || ::fstat(m_fd, &st) != 0)
        fail("stat");
    return qint64(st.st_size) / m_size;
}

void RecordFile::read(qint64 position, char *record) const
{
    if (position < 1 || position > count())
        throw ArchiveError(QStringLiteral("%1: no record %2").arg(m_path).arg(position));
    if (!fullPread(m_fd, record, size_t(m_size), off_t(position - 1) * m_size))
        fail("read");
}

void RecordFile::overwrite(qint64 position, const char *record)
{
    if (position < 1 || position > count())
        throw ArchiveError(QStringLiteral("%1: no record %2").arg(m_path).arg(position));
    if (!fullPwrite(m_fd, record, size_t(m_size), off_t(position - 1) * m_size))
        fail("write");
}

qint64 RecordFile::append(const char *record)
{
    struct flock lk {};
    lk.l_type = F_WRLCK;
    lk.l_whence = SEEK_SET;
    int rc;
    do {
        rc = ::fcntl(m_fd, F_SETLKW, &lk);
    } while (rc != 0 && errno == EINTR);
    // A file system without locks still takes the record, as an unshared folder would.
    const bool locked = rc == 0;
    struct Unlock {
        int fd;
        bool on;
        ~Unlock()
        {
            if (on) {
                struct flock u {};
                u.l_type = F_UNLCK;
                u.l_whence = SEEK_SET;
                ::fcntl(fd, F_SETLK, &u);
            }
        }
    } unlock{m_fd, locked};
    const qint64 n = count();
    if (!fullPwrite(m_fd, record, size_t(m_size), off_t(n) * m_size))
        fail("write");
    return n + 1;
}

void RecordFile::scan(const std::function<bool(qint64, const char *)> &fn) const
{
    const qint64 total = count();
    const qint64 perBlock = qMax<qint64>(1, (4 << 20) / m_size);
    std::unique_ptr<char[]> buf(new char[size_t(perBlock * m_size)]);
    for (qint64 first = 0; first < total; first += perBlock) {
        const qint64 n = qMin(perBlock, total - first);
        if (!fullPread(m_fd, buf.get(), size_t(n * m_size), off_t(first) * m_size))
            fail("read");
        for (qint64 i = 0; i < n; ++i)
            if (!fn(first + i + 1, buf.get() + i * m_size))
                return;
    }
}
