#pragma once
// What the benchmark programs share: the plain read every list is measured against, peak
// memory of one run, and the ratios make bench-check compares with bench/baseline.tsv (written
// to the file named by LUNARESCA_RATIOS, one "name<TAB>ratio" a line).
#include <QByteArray>
#include <QFile>
#include <QString>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace BenchRatios {

using Clock = std::chrono::steady_clock;

// A plain front-to-back read in 4 MB blocks, touching every page.
inline long plainRead(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0)
        return -1;
    static char buf[4 << 20];
    long sum = 0;
    ssize_t n;
    while ((n = ::read(fd, buf, sizeof buf)) > 0)
        for (ssize_t i = 0; i < n; i += 4096)
            sum += buf[i];
    ::close(fd);
    return sum;
}

inline double bestOf(int runs, const std::function<void()> &fn)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        const auto t0 = Clock::now();
        fn();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - t0).count());
    }
    return best;
}

// Appends one ratio for bench-check.
inline void record(const QString &name, double ratio)
{
    const QByteArray file = qgetenv("LUNARESCA_RATIOS");
    if (file.isEmpty())
        return;
    QFile f(QString::fromLocal8Bit(file));
    if (f.open(QIODevice::WriteOnly | QIODevice::Append))
        f.write(name.toUtf8() + '\t' + QByteArray::number(ratio, 'f', 3) + '\n');
}

inline qint64 residentBytes()
{
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> parts = f.readAll().split(' ');
    return parts.size() > 1 ? parts[1].toLongLong() * ::sysconf(_SC_PAGESIZE) : 0;
}

inline qint64 peakResidentBytes()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
    return 0;
}

// The memory one run of fn takes at its peak beyond what the program held before: run in a
// child process whose peak is reset first (clear_refs 5), so runs do not inherit peaks.
inline qint64 peakBytes(const std::function<void()> &fn)
{
    // Freed heap stays resident and a child would reuse it unseen: give it back first.
    ::malloc_trim(0);
    int p[2];
    if (::pipe(p) != 0)
        return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(p[0]);
        QFile reset(QStringLiteral("/proc/self/clear_refs"));
        if (reset.open(QIODevice::WriteOnly))
            reset.write("5");
        reset.close();
        const qint64 before = residentBytes();
        fn();
        const qint64 peak = qMax<qint64>(0, peakResidentBytes() - before);
        (void)!::write(p[1], &peak, sizeof peak);
        ::_exit(0);
    }
    ::close(p[1]);
    qint64 peak = -1;
    if (::read(p[0], &peak, sizeof peak) != sizeof peak)
        peak = -1;
    ::close(p[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return peak;
}

} // namespace BenchRatios
