// Times every daily list, search and find-again of the front desk on full-size archives,
// each against a plain sequential read of the same file (the counter x_read).
#include "ArchiveGen.h"

#include "base/ProgramFolder.h"
#include "base/RecordList.h"
#include "bookings/BookingSearch.h"
#include "bookings/DailyLists.h"
#include "guests/GuestSearch.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <fcntl.h>
#include <unistd.h>

namespace {

QTemporaryDir *g_dir = nullptr;
const QDate kToday(2026, 12, 9);
double g_readRegistro = 0, g_readClienti = 0; // seconds

using Clock = std::chrono::steady_clock;

// A plain front-to-back read in 4 MB blocks, touching every page.
long plainRead(const QString &path)
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

double bestOf(int runs, const std::function<void()> &fn)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        const auto t0 = Clock::now();
        fn();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - t0).count());
    }
    return best;
}

// Runs `fn` per iteration and reports the mean against the plain read.
template <class Fn> void timed(benchmark::State &state, double readSeconds, Fn &&fn)
{
    double total = 0;
    qsizetype items = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        items = fn();
        total += std::chrono::duration<double>(Clock::now() - t0).count();
    }
    state.counters["lines"] = double(items);
    state.counters["x_read"] = (total / double(state.iterations())) / readSeconds;
}

RecordList::SearchFilters bookingFilters(const QList<QPair<const char *, QString>> &typed)
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

RecordList::SearchFilters guestFilters(const QList<QPair<const char *, QString>> &typed)
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

void BM_PlainRead_Registro(benchmark::State &state)
{
    timed(state, g_readRegistro, [] {
        benchmark::DoNotOptimize(plainRead(registroPath()));
        return qsizetype(0);
    });
}

void BM_Daily(benchmark::State &state, DailyLists::Kind kind)
{
    timed(state, g_readRegistro, [kind] { return RecordList::gather(DailyLists::source(kind, kToday)).lines.size(); });
}

void BM_BookingSearch(benchmark::State &state, QList<QPair<const char *, QString>> typed)
{
    const auto filters = bookingFilters(typed);
    timed(state, g_readRegistro, [&] { return RecordList::gather(BookingSearch::source(filters)).lines.size(); });
}

void BM_BookingFindAgain(benchmark::State &state)
{
    const auto src = BookingSearch::source(bookingFilters({}));
    const QString line = RecordList::gather(src).lines.at(50000);
    timed(state, g_readRegistro, [&] { return qsizetype(RecordList::findLast(src, line) > 0); });
}

void BM_ArrivalsFindAgain(benchmark::State &state)
{
    const auto src = DailyLists::source(DailyLists::Kind::FutureArrivals, kToday);
    const QString line = RecordList::gather(src).lines.last();
    timed(state, g_readRegistro, [&] { return qsizetype(RecordList::findLast(src, line) > 0); });
}

void BM_PlainRead_Clienti(benchmark::State &state)
{
    timed(state, g_readClienti, [] {
        benchmark::DoNotOptimize(plainRead(clientiPath()));
        return qsizetype(0);
    });
}

void BM_GuestSearch(benchmark::State &state, QList<QPair<const char *, QString>> typed)
{
    const auto filters = guestFilters(typed);
    timed(state, g_readClienti, [&] { return RecordList::gather(GuestSearch::searchSource(filters)).lines.size(); });
}

void BM_Flagged(benchmark::State &state)
{
    timed(state, g_readClienti, [] { return RecordList::gather(GuestSearch::flaggedSource()).lines.size(); });
}

void BM_GuestFindAgain(benchmark::State &state)
{
    const auto src = GuestSearch::searchSource(guestFilters({}));
    const QString line = RecordList::gather(src).lines.at(25000);
    timed(state, g_readClienti, [&] { return qsizetype(RecordList::findLast(src, line) > 0); });
}

void registerAll()
{
    using K = DailyLists::Kind;
    auto ms = [](benchmark::internal::Benchmark *b) { b->Unit(benchmark::kMillisecond)->MinTime(1.0); };
    ms(benchmark::RegisterBenchmark("Registro/plain_read", BM_PlainRead_Registro));
    ms(benchmark::RegisterBenchmark("Registro/arrivals_today", BM_Daily, K::ArrivalsToday));
    ms(benchmark::RegisterBenchmark("Registro/departures_today", BM_Daily, K::DeparturesToday));
    ms(benchmark::RegisterBenchmark("Registro/future_arrivals", BM_Daily, K::FutureArrivals));
    ms(benchmark::RegisterBenchmark("Registro/search_all", BM_BookingSearch, QList<QPair<const char *, QString>>{}));
    ms(benchmark::RegisterBenchmark("Registro/search_surname", BM_BookingSearch,
                                    QList<QPair<const char *, QString>>{{"txtCognome", "ross"}}));
    ms(benchmark::RegisterBenchmark("Registro/search_ten_filters", BM_BookingSearch,
                                    QList<QPair<const char *, QString>>{{"txtDataEnt", "/2025"},
                                                                        {"txtDataUsc", "/20"},
                                                                        {"txtCognome", "r"},
                                                                        {"txtNome", "a"},
                                                                        {"txtCamera", "1"},
                                                                        {"txtCellulare", "3"},
                                                                        {"txtComuneNasc", "o"},
                                                                        {"txtNumDoc", "ca"},
                                                                        {"txtTariffa", "euro"},
                                                                        {"txtSupplementi", " "}}));
    ms(benchmark::RegisterBenchmark("Registro/search_find_again", BM_BookingFindAgain));
    ms(benchmark::RegisterBenchmark("Registro/future_find_again", BM_ArrivalsFindAgain));
    ms(benchmark::RegisterBenchmark("Clienti/plain_read", BM_PlainRead_Clienti));
    ms(benchmark::RegisterBenchmark("Clienti/search_all", BM_GuestSearch, QList<QPair<const char *, QString>>{}));
    ms(benchmark::RegisterBenchmark("Clienti/search_tax_code", BM_GuestSearch,
                                    QList<QPair<const char *, QString>>{{"txtCodFisc", "rssmra1"}}));
    ms(benchmark::RegisterBenchmark("Clienti/search_ten_filters", BM_GuestSearch,
                                    QList<QPair<const char *, QString>>{{"txtCognome", "r"},
                                                                        {"txtNome", "a"},
                                                                        {"txtCodFisc", "rss"},
                                                                        {"txtIva", "1"},
                                                                        {"txtTipologia", "doppia"},
                                                                        {"txtFormula", "pensione"},
                                                                        {"txtServizi", "navetta"},
                                                                        {"txtSupplementi", ""},
                                                                        {"txtQuestioni", ""},
                                                                        {"txtNote", "abituale"}}));
    ms(benchmark::RegisterBenchmark("Clienti/flagged", BM_Flagged));
    ms(benchmark::RegisterBenchmark("Clienti/search_find_again", BM_GuestFindAgain));
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir dir;
    g_dir = &dir;
    ProgramFolder::setForTests(dir.path());
    std::fprintf(stderr, "Writing %d bookings and %d guest cards into %s\n", ArchiveGen::kBookings, ArchiveGen::kGuests,
                 qPrintable(dir.path()));
    if (!ArchiveGen::writeFile(registroPath(), ArchiveGen::bookings(kToday))
        || !ArchiveGen::writeFile(clientiPath(), ArchiveGen::guests())) {
        std::fprintf(stderr, "cannot write the archives\n");
        return 1;
    }
    // Warm the page cache, then take the best plain read as the yardstick.
    g_readRegistro = bestOf(5, [] { plainRead(registroPath()); });
    g_readClienti = bestOf(5, [] { plainRead(clientiPath()); });
    std::fprintf(stderr, "Plain read: Registro.pro %.1f ms, Clienti.pro %.1f ms\n", g_readRegistro * 1e3,
                 g_readClienti * 1e3);
    registerAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ProgramFolder::setForTests(QString());
    return 0;
}
