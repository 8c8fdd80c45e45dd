#include "base/RecordFile.h"

#include "base/SafeFile.h"

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
        if (r == 0)
            errno = EIO;
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
        if (r == 0)
            errno = EIO;
        if (r <= 0)
            return false;
        buf += r;
        n -= size_t(r);
        off += r;
    }
    return true;
}

bool syncData(int fd)
{
    int rc;
    do {
        rc = ::fdatasync(fd);
    } while (rc != 0 && errno == EINTR);
    return rc == 0;
}

bool lockWhole(int fd, short type)
{
    struct flock lk {};
    lk.l_type = type;
    lk.l_whence = SEEK_SET;
    int rc;
    do {
        rc = ::fcntl(fd, F_SETLKW, &lk);
    } while (rc != 0 && errno == EINTR);
    return rc == 0;
}

// Holds the archive's advisory lock for one operation. A file system without locks still
// takes the write, as an unshared folder would.
struct Lock {
    Lock(int fd, short type) : fd(fd), on(lockWhole(fd, type)) {}
    ~Lock()
    {
        if (on) {
            const int saved = errno;
            lockWhole(fd, F_UNLCK);
            errno = saved;
        }
    }
    Lock(const Lock &) = delete;
    Lock &operator=(const Lock &) = delete;
    int fd;
    bool on;
};

bool isAccessError(int e) { return e == EACCES || e == EPERM || e == EROFS; }

// Creates the archive empty, with the mode of the program's files; -1 with EEXIST when
// another workstation created it first.
int createNew(const QByteArray &path)
{
    int fd;
    do {
        fd = ::open(path.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, SafeFile::FileMode);
    } while (fd < 0 && errno == EINTR);
    if (fd >= 0)
        ::fchmod(fd, SafeFile::FileMode);
    return fd;
}

int openExisting(const QByteArray &path, int flags)
{
    int fd;
    do {
        fd = ::open(path.constData(), flags | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// The journal: "LUNJRNL1", the 1-based position (int64), the record size (int32), the old
// record, and an FNV-1a hash of all that, so a journal cut short is told from a whole one.
constexpr char kMagic[8] = {'L', 'U', 'N', 'J', 'R', 'N', 'L', '1'};
constexpr int kHead = 8 + 8 + 4;

quint64 fnv1a(const char *p, qsizetype n)
{
    quint64 h = 1469598103934665603ull;
    for (qsizetype i = 0; i < n; ++i) {
        h ^= static_cast<unsigned char>(p[i]);
        h *= 1099511628211ull;
    }
    return h;
}

QByteArray journalOf(qint64 position, const char *old, int size)
{
    QByteArray j;
    j.reserve(kHead + size + 8);
    j.append(kMagic, 8);
    for (int i = 0; i < 8; ++i)
        j.append(char((quint64(position) >> (8 * i)) & 0xFF));
    for (int i = 0; i < 4; ++i)
        j.append(char((quint32(size) >> (8 * i)) & 0xFF));
    j.append(old, size);
    const quint64 h = fnv1a(j.constData(), j.size());
    for (int i = 0; i < 8; ++i)
        j.append(char((h >> (8 * i)) & 0xFF));
    return j;
}

// The position and old record of a whole journal for records of `size` bytes; 0 otherwise.
qint64 parseJournal(const QByteArray &j, int size, QByteArray &old)
{
    if (j.size() != kHead + size + 8 || std::memcmp(j.constData(), kMagic, 8) != 0)
        return 0;
    quint64 pos = 0, h = 0;
    quint32 sz = 0;
    for (int i = 0; i < 8; ++i)
        pos |= quint64(static_cast<unsigned char>(j[8 + i])) << (8 * i);
    for (int i = 0; i < 4; ++i)
        sz |= quint32(static_cast<unsigned char>(j[16 + i])) << (8 * i);
    for (int i = 0; i < 8; ++i)
        h |= quint64(static_cast<unsigned char>(j[kHead + size + i])) << (8 * i);
    if (sz != quint32(size) || h != fnv1a(j.constData(), kHead + size) || pos < 1 || pos > (quint64(1) << 40))
        return 0;
    old = j.mid(kHead, size);
    return qint64(pos);
}

bool readJournal(const QByteArray &path, QByteArray &bytes)
{
    const int fd = openExisting(path, O_RDONLY);
    if (fd < 0)
        return false;
    bytes.clear();
    char buf[8192];
    ssize_t r;
    while ((r = ::read(fd, buf, sizeof buf)) != 0) {
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0 || bytes.size() > (64 << 10)) {
            ::close(fd);
            return false;
        }
        bytes.append(buf, r);
    }
    ::close(fd);
    return true;
}

bool exists(const QByteArray &path) { return ::access(path.constData(), F_OK) == 0; }

} // namespace

RecordFile::RecordFile(const QString &path, int recordSize) : m_path(path), m_size(recordSize) {}

RecordFile::~RecordFile() { close(); }

void RecordFile::fail(const char *what) const
{
    throw ArchiveError(
        QStringLiteral("%1: %2 (%3)").arg(m_path, QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno))));
}

void RecordFile::open() { openWith(true); }

void RecordFile::openForReading() { openWith(false); }

void RecordFile::openWith(bool writable)
{
    close();
    SafeFile::ignoreSizeSignal();
    const QByteArray p = QFile::encodeName(m_path);
    for (int attempt = 0; m_fd < 0 && attempt < 3; ++attempt) {
        if (writable) {
            m_fd = openExisting(p, O_RDWR);
            m_writable = m_fd >= 0;
            if (m_fd < 0 && errno == ENOENT) {
                m_fd = createNew(p);
                m_writable = m_fd >= 0;
            }
            if (m_fd >= 0 || errno == EEXIST)
                continue;
            if (!isAccessError(errno))
                fail("open");
        }
        m_fd = openExisting(p, O_RDONLY);
        if (m_fd < 0 && errno == ENOENT) {
            m_fd = createNew(p);
            if (m_fd < 0 && isAccessError(errno)) {
                // A folder that allows no new file: the archive is simply empty.
                m_absent = true;
                return;
            }
        }
        if (m_fd < 0 && errno != EEXIST)
            fail("open");
    }
    if (m_fd < 0)
        fail("open");
    struct stat st {};
    if (::fstat(m_fd, &st) != 0)
        fail("stat");
    if (!S_ISREG(st.st_mode)) {
        close();
        errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        fail("open");
    }
    recover();
}

void RecordFile::close()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    m_writable = false;
    m_absent = false;
    m_pendingPosition = 0;
    m_pendingRecord.clear();
}

void RecordFile::recover()
{
    const QByteArray jp = QFile::encodeName(journalPath(m_path));
    if (!exists(jp))
        return;
    int fd = m_fd;
    std::unique_ptr<int, void (*)(int *)> own(nullptr, [](int *f) { ::close(*f); });
    int spare = -1;
    if (!m_writable) {
        // A reader puts the old record back too, where it may write.
        spare = openExisting(QFile::encodeName(m_path), O_RDWR);
        if (spare >= 0) {
            fd = spare;
            own.reset(&spare);
        }
    }
    const bool canWrite = m_writable || spare >= 0;
    // Under the lock a live writer holds for its whole overwrite: a journal still there
    // afterwards was left by one that died.
    Lock lock(fd, canWrite ? F_WRLCK : F_RDLCK);
    if (!exists(jp))
        return;
    QByteArray bytes, old;
    if (!readJournal(jp, bytes))
        fail("journal");
    const qint64 position = parseJournal(bytes, m_size, old);
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        fail("stat");
    const bool replayable = position > 0 && position <= qint64(st.st_size) / m_size;
    if (!canWrite) {
        if (replayable) {
            m_pendingPosition = position;
            m_pendingRecord = old;
        }
        return;
    }
    // A journal cut short was being written when the program died: the record was never touched.
    if (replayable && (!fullPwrite(fd, old.constData(), size_t(m_size), off_t(position - 1) * m_size) || !syncData(fd)))
        fail("write");
    if (::unlink(jp.constData()) != 0 && errno != ENOENT)
        fail("journal");
    SafeFile::syncFolderOf(m_path);
}

qint64 RecordFile::count() const
{
    if (m_absent)
        return 0;
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
    patch(position - 1, 1, record);
}

void RecordFile::patch(qint64 first, qint64 n, char *buf) const
{
    if (m_pendingPosition > first && m_pendingPosition <= first + n)
        std::memcpy(buf + (m_pendingPosition - 1 - first) * m_size, m_pendingRecord.constData(), size_t(m_size));
}

void RecordFile::overwrite(qint64 position, const char *record) { writeInPlace(position, record, nullptr); }

RecordFile::Outcome RecordFile::overwriteIfUnchanged(qint64 position, const char *loaded, const char *record)
{
    return writeInPlace(position, record, loaded) ? Outcome::Written : Outcome::ChangedElsewhere;
}

bool RecordFile::writeInPlace(qint64 position, const char *record, const char *expected)
{
    if (m_fd < 0 || !m_writable) {
        errno = EBADF;
        fail("write");
    }
    Lock lock(m_fd, F_WRLCK);
    if (position < 1 || position > count())
        throw ArchiveError(QStringLiteral("%1: no record %2").arg(m_path).arg(position));
    const off_t at = off_t(position - 1) * m_size;
    std::unique_ptr<char[]> old(new char[size_t(m_size)]);
    if (!fullPread(m_fd, old.get(), size_t(m_size), at))
        fail("read");
    if (expected && std::memcmp(old.get(), expected, size_t(m_size)) != 0)
        return false;
    if (std::memcmp(old.get(), record, size_t(m_size)) == 0)
        return true;

    const QString journal = journalPath(m_path);
    const QByteArray jp = QFile::encodeName(journal);
    const QByteArray j = journalOf(position, old.get(), m_size);
    int jfd;
    do {
        jfd = ::open(jp.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, SafeFile::FileMode);
    } while (jfd < 0 && errno == EINTR);
    if (jfd < 0)
        fail("journal");
    ::fchmod(jfd, SafeFile::FileMode);
    const bool journalled = fullPwrite(jfd, j.constData(), size_t(j.size()), 0) && syncData(jfd);
    const int saved = errno;
    ::close(jfd);
    if (!journalled || !SafeFile::syncFolderOf(journal)) {
        ::unlink(jp.constData());
        errno = journalled ? errno : saved;
        fail("journal");
    }
    if (!fullPwrite(m_fd, record, size_t(m_size), at) || !syncData(m_fd)) {
        const int e = errno;
        // Put the old card back at once; when even that fails the journal stays for the next opener.
        if (fullPwrite(m_fd, old.get(), size_t(m_size), at) && syncData(m_fd))
            ::unlink(jp.constData());
        errno = e;
        fail("write");
    }
    // Gone for good before Save reports success, or a power cut would bring the old card back.
    if (::unlink(jp.constData()) != 0 || !SafeFile::syncFolderOf(journal))
        fail("journal");
    return true;
}

qint64 RecordFile::append(const char *record)
{
    if (m_fd < 0 || !m_writable) {
        errno = EBADF;
        fail("write");
    }
    Lock lock(m_fd, F_WRLCK);
    const qint64 n = count();
    if (!fullPwrite(m_fd, record, size_t(m_size), off_t(n) * m_size) || !syncData(m_fd))
        fail("write");
    return n + 1;
}

void RecordFile::scan(const std::function<bool(qint64, const char *)> &fn) const
{
    const qint64 total = count();
    if (total == 0)
        return;
    const qint64 perBlock = qMax<qint64>(1, (4 << 20) / m_size);
    std::unique_ptr<char[]> buf(new char[size_t(qMin(perBlock, total) * m_size)]);
    for (qint64 first = 0; first < total; first += perBlock) {
        const qint64 n = qMin(perBlock, total - first);
        if (!fullPread(m_fd, buf.get(), size_t(n * m_size), off_t(first) * m_size))
            fail("read");
        patch(first, n, buf.get());
        for (qint64 i = 0; i < n; ++i)
            if (!fn(first + i + 1, buf.get() + i * m_size))
                return;
    }
}
