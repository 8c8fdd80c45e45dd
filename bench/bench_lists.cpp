// Times every daily list, search and find-again of the front desk on archives of 10,000,
// 50,000 and 100,000 bookings and 10,000 and 50,000 guest cards, each against a plain
// sequential read of the same file (the counter x_read), and the peak memory of one run
// against the archive's size (x_archive, printed first).
#include "ArchiveGen.h"
#include "BenchRatios.h"

#include "base/ProgramFolder.h"
#include "base/RecordList.h"
#include "bookings/BookingSearch.h"
#include "bookings/DailyLists.h"
#include "guests/GuestSearch.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <vector>

namespace {

const QDate kToday(2026, 12, 9);
using BenchRatios::Clock;
using Typed = QList<QPair<const char *, QString>>;

// One program folder per archive size; the benchmark points the program at it.
struct Archive {
    QString folder;
    QString path;
    double readSeconds = 0;
    qint64 bytes = 0;
};
std::map<QString, Archive> g_archives; // "Registro/100k", "Clienti/50k"

struct Measured {
    QString name;
    const Archive *archive;
    std::function<qsizetype()> run;
};
std::vector<Measured> g_measured;

// Runs `fn` per iteration and reports the mean against the plain read.
template <class Fn> void timed(benchmark::State &state, const QString &name, const Archive &a, Fn &&fn)
{
    ProgramFolder::setForTests(a.folder);
    double total = 0;
    qsizetype items = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        items = fn();
        total += std::chrono::duration<double>(Clock::now() - t0).count();
    }
    const double ratio = (total / double(state.iterations())) / a.readSeconds;
    state.counters["lines"] = double(items);
    state.counters["x_read"] = ratio;
    // The yardstick against itself says nothing about the program.
    if (!name.endsWith(QLatin1String("plain_read")))
        BenchRatios::record(name, ratio);
}

RecordList::SearchFilters bookingFilters(const Typed &typed)
{
    RecordList::SearchFilters f;
    for (const auto &filter : BookingSearch::filters()) {
        QString key;
        for (const auto &t : typed)
            if (qstrcmp(t.first, filter.control) == 0)
                key = t.second;
        f.add(filter.field, key);
    }
    return f;
}

RecordList::SearchFilters guestFilters(const Typed &typed)
{
    RecordList::SearchFilters f;
    for (const auto &filter : GuestSearch::filters()) {
        QString key;
        for (const auto &t : typed)
            if (qstrcmp(t.first, filter.control) == 0)
                key = t.second;
        f.add(filter.field, key);
    }
    return f;
}

// Registers a list: timed by the benchmark library, its peak memory measured after.
void add(const QString &archive, const QString &what, std::function<qsizetype()> run)
{
    const Archive &a = g_archives.at(archive);
    const QString name = archive + u'/' + what;
    g_measured.push_back({name, &a, run});
    benchmark::RegisterBenchmark(name.toUtf8().constData(),
                                 [name, &a, run](benchmark::State &state) { timed(state, name, a, run); })
        ->Unit(benchmark::kMillisecond)
        ->MinTime(a.bytes > (100 << 20) || archive.endsWith(QLatin1String("100k")) ? 1.0 : 0.5);
}

qsizetype gathered(const RecordList::Source &s) { return RecordList::gather(s).lines.size(); }

void registerAll()
{
    using K = DailyLists::Kind;
    for (const QString &size : {QStringLiteral("10k"), QStringLiteral("50k"), QStringLiteral("100k")}) {
        const QString r = QStringLiteral("Registro/") + size;
        add(r, QStringLiteral("plain_read"), [r] {
            benchmark::DoNotOptimize(BenchRatios::plainRead(g_archives.at(r).path));
            return qsizetype(0);
        });
        add(r, QStringLiteral("arrivals_today"), [] { return gathered(DailyLists::source(K::ArrivalsToday, kToday)); });
        add(r, QStringLiteral("departures_today"),
            [] { return gathered(DailyLists::source(K::DeparturesToday, kToday)); });
        add(r, QStringLiteral("future_arrivals"),
            [] { return gathered(DailyLists::source(K::FutureArrivals, kToday)); });
        add(r, QStringLiteral("search_all"), [] { return gathered(BookingSearch::source(bookingFilters({}))); });
        add(r, QStringLiteral("search_surname"), [] {
            return gathered(BookingSearch::source(bookingFilters({{"txtCognome", "ross"}})));
        });
        add(r, QStringLiteral("search_ten_filters"), [] {
            return gathered(BookingSearch::source(bookingFilters({{"txtDataEnt", "/2025"},
                                                                  {"txtDataUsc", "/20"},
                                                                  {"txtCognome", "r"},
                                                                  {"txtNome", "a"},
                                                                  {"txtCamera", "1"},
                                                                  {"txtCellulare", "3"},
                                                                  {"txtComuneNasc", "o"},
                                                                  {"txtNumDoc", "ca"},
                                                                  {"txtTariffa", "euro"},
                                                                  {"txtSupplementi", " "}})));
        });
        // The line double-clicked: one in the middle of the full listing, the last future arrival.
        ProgramFolder::setForTests(g_archives.at(r).folder);
        const QStringList lines = RecordList::gather(BookingSearch::source(bookingFilters({}))).lines;
        const QString all = lines.at(lines.size() / 2);
        const QString future = RecordList::gather(DailyLists::source(K::FutureArrivals, kToday)).lines.last();
        add(r, QStringLiteral("search_find_again"),
            [all] { return qsizetype(RecordList::findLast(BookingSearch::source(bookingFilters({})), all) > 0); });
        add(r, QStringLiteral("future_find_again"), [future] {
            return qsizetype(RecordList::findLast(DailyLists::source(K::FutureArrivals, kToday), future) > 0);
        });
    }
    for (const QString &size : {QStringLiteral("10k"), QStringLiteral("50k")}) {
        const QString c = QStringLiteral("Clienti/") + size;
        add(c, QStringLiteral("plain_read"), [c] {
            benchmark::DoNotOptimize(BenchRatios::plainRead(g_archives.at(c).path));
            return qsizetype(0);
        });
        add(c, QStringLiteral("search_all"), [] { return gathered(GuestSearch::searchSource(guestFilters({}))); });
        add(c, QStringLiteral("search_tax_code"), [] {
            return gathered(GuestSearch::searchSource(guestFilters({{"txtCodFisc", "rssmra1"}})));
        });
        add(c, QStringLiteral("search_ten_filters"), [] {
            return gathered(GuestSearch::searchSource(guestFilters({{"txtCognome", "r"},
                                                                    {"txtNome", "a"},
                                                                    {"txtCodFisc", "rss"},
                                                                    {"txtIva", "1"},
                                                                    {"txtTipologia", "doppia"},
                                                                    {"txtFormula", "pensione"},
                                                                    {"txtServizi", "navetta"},
                                                                    {"txtSupplementi", ""},
                                                                    {"txtQuestioni", ""},
                                                                    {"txtNote", "abituale"}})));
        });
        add(c, QStringLiteral("flagged"), [] { return gathered(GuestSearch::flaggedSource()); });
        ProgramFolder::setForTests(g_archives.at(c).folder);
        const QStringList lines = RecordList::gather(GuestSearch::searchSource(guestFilters({}))).lines;
        const QString line = lines.at(lines.size() / 2);
        add(c, QStringLiteral("search_find_again"),
            [line] { return qsizetype(RecordList::findLast(GuestSearch::searchSource(guestFilters({})), line) > 0); });
    }
}

// Peak memory of one run of each list against its archive's size.
void measureMemory()
{
    std::printf("\n%-40s %12s %10s\n", "peak memory of one run", "MB", "x_archive");
    for (const Measured &m : g_measured) {
        if (m.name.endsWith(QLatin1String("plain_read")))
            continue;
        ProgramFolder::setForTests(m.archive->folder);
        const qint64 peak = BenchRatios::peakBytes([&] { m.run(); });
        const double ratio = double(peak) / double(m.archive->bytes);
        std::printf("%-40s %12.1f %10.2f\n", qPrintable(m.name), double(peak) / (1 << 20), ratio);
        BenchRatios::record(m.name + QStringLiteral("/peak"), ratio);
    }
}

bool makeArchive(const QString &root, const QString &key, const QString &file, const QByteArray &bytes)
{
    Archive a;
    a.folder = QDir(root).filePath(QString(key).replace(u'/', u'_'));
    a.path = QDir(a.folder).filePath(file);
    a.bytes = bytes.size();
    if (!QDir().mkpath(a.folder) || !ArchiveGen::writeFile(a.path, bytes))
        return false;
    // Warm the page cache, then take the best of many plain reads as the yardstick (a small
    // archive reads in well under a millisecond, so a few reads give an unsteady one).
    a.readSeconds = BenchRatios::bestOf(30, [&] { BenchRatios::plainRead(a.path); });
    std::fprintf(stderr, "%s: %.1f MB, plain read %.2f ms\n", qPrintable(key), double(a.bytes) / (1 << 20),
                 a.readSeconds * 1e3);
    g_archives[key] = a;
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir dir;
    std::fprintf(stderr, "Writing the archives into %s\n", qPrintable(dir.path()));
    const QString reg = QStringLiteral("Registro.pro"), cli = QStringLiteral("Clienti.pro");
    if (!makeArchive(dir.path(), QStringLiteral("Registro/10k"), reg, ArchiveGen::bookings(kToday, 10000))
        || !makeArchive(dir.path(), QStringLiteral("Registro/50k"), reg, ArchiveGen::bookings(kToday, 50000))
        || !makeArchive(dir.path(), QStringLiteral("Registro/100k"), reg, ArchiveGen::bookings(kToday, 100000))
        || !makeArchive(dir.path(), QStringLiteral("Clienti/10k"), cli, ArchiveGen::guests(10000))
        || !makeArchive(dir.path(), QStringLiteral("Clienti/50k"), cli, ArchiveGen::guests(50000))) {
        std::fprintf(stderr, "cannot write the archives\n");
        return 1;
    }
    registerAll();
    benchmark::Initialize(&argc, argv);
    // Before the timings, while the heap is small: a run's peak then shows in full.
    measureMemory();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ProgramFolder::setForTests(QString());
    return 0;
}
