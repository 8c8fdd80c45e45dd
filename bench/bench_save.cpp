// What a save costs: an overwrite in place through the journal and an append, both flushed to
// the disk, against the unflushed write of the same record; and a price-list save. The figures
// depend on the disk, so they are printed and kept out of bench-check.
#include "BenchRatios.h"

#include "base/RecordFile.h"
#include "base/SafeFile.h"

#include <QByteArray>
#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kSize = 5844; // a guest card
constexpr int kCards = 2000;

double perCall(int n, const std::function<void(int)> &fn)
{
    const auto t0 = BenchRatios::Clock::now();
    for (int i = 0; i < n; ++i)
        fn(i);
    return std::chrono::duration<double>(BenchRatios::Clock::now() - t0).count() / n;
}

} // namespace

int main(int argc, char **argv)
{
    const int n = argc > 1 ? std::max(10, std::atoi(argv[1])) : 200;
    // Beside the build, on the disk the program folder would be on (not a memory file system).
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/save-XXXXXX"));
    const QString path = dir.filePath(QStringLiteral("Clienti.pro"));
    QByteArray rec(kSize, 'a');
    {
        RecordFile f(path, kSize);
        f.open();
        for (int i = 0; i < kCards; ++i)
            f.append(rec.constData());
    }
    const QByteArray p = QFile::encodeName(path);
    // The old save: open, write the record, close; nothing flushed.
    const double rawOverwrite = perCall(n, [&](int i) {
        rec[0] = char('A' + i % 26);
        const int fd = ::open(p.constData(), O_RDWR);
        (void)!::pwrite(fd, rec.constData(), kSize, off_t(i * 7 % kCards) * kSize);
        ::close(fd);
    });
    const double overwrite = perCall(n, [&](int i) {
        rec[0] = char('a' + i % 26);
        RecordFile f(path, kSize);
        f.open();
        f.overwrite(1 + i * 7 % kCards, rec.constData());
    });
    const double rawAppend = perCall(n, [&](int) {
        const int fd = ::open(p.constData(), O_RDWR);
        (void)!::pwrite(fd, rec.constData(), kSize, ::lseek(fd, 0, SEEK_END));
        ::close(fd);
    });
    const double append = perCall(n, [&](int) {
        RecordFile f(path, kSize);
        f.open();
        f.append(rec.constData());
    });
    QByteArray list;
    for (int i = 0; i < 300; ++i)
        list += QByteArray("Voce ").leftJustified(50, ' ') + "    Prezzo: \x80 12,50\r\n";
    const double priceList =
        perCall(qMax(10, n / 4), [&](int) { SafeFile::writeWhole(dir.filePath(QStringLiteral("p.lst")), list); });
    std::printf("Save of a guest card (%d saves each, ms per save):\n", n);
    std::printf("  overwrite, unflushed write (before)   %8.3f\n", rawOverwrite * 1e3);
    std::printf("  overwrite, journal + fdatasync (now)  %8.3f\n", overwrite * 1e3);
    std::printf("  append, unflushed write (before)      %8.3f\n", rawAppend * 1e3);
    std::printf("  append, locked + fdatasync (now)      %8.3f\n", append * 1e3);
    std::printf("  price list of 300 items, whole file   %8.3f\n", priceList * 1e3);
    return 0;
}
