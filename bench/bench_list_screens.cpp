// Times the front desk's list and search screens end to end on full-size archives: the
// screen created, its archive read, the lines sorted and shown in the list view.
#include "ArchiveGen.h"
#include "BenchRatios.h"

#include "base/ProgramFolder.h"
#include "bookings/ArriviFuturi.h"
#include "bookings/EntratiOggi.h"
#include "bookings/TrovaVisite.h"
#include "guests/TrovaClienti.h"
#include "guests/TrovaSegnalati.h"
#include "platform/Clock.h"
#include "platform/ListScreen.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QDate kToday(2026, 12, 9);
double g_readRegistro = 0, g_readClienti = 0;

// The mean against the plain read of the screen's archive, for bench-check.
void report(benchmark::State &state, const char *name, double seconds, bool guests)
{
    const double mean = seconds / double(state.iterations());
    const double ratio = mean / (guests ? g_readClienti : g_readRegistro);
    state.counters["x_read"] = ratio;
    BenchRatios::record(QString::fromLatin1(name), ratio);
}

// Shown (which fills the list), painted once, closed.
template <class Screen> void BM_ListScreen(benchmark::State &state, const char *name, bool guests)
{
    double total = 0;
    for (auto _ : state) {
        const auto t0 = BenchRatios::Clock::now();
        Screen s;
        s.show();
        s.repaint();
        state.counters["lines"] = double(s.list->count());
        s.close();
        total += std::chrono::duration<double>(BenchRatios::Clock::now() - t0).count();
    }
    report(state, name, total, guests);
}

template <class Screen>
void BM_SearchScreen(benchmark::State &state, const char *name, bool guests, QString control, QString key)
{
    double total = 0;
    for (auto _ : state) {
        const auto t0 = BenchRatios::Clock::now();
        Screen s;
        s.setMemory(QStringLiteral("registro"));
        s.show();
        if (!control.isEmpty())
            s.filter(control)->setText(key);
        s.btnCerca->click();
        s.repaint();
        state.counters["lines"] = double(s.list->count());
        s.close();
        total += std::chrono::duration<double>(BenchRatios::Clock::now() - t0).count();
    }
    report(state, name, total, guests);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    ProgramFolder::setForTests(dir.path());
    Clock::setFixed(QDateTime(kToday, QTime(9, 0)));
    if (!ArchiveGen::writeFile(registroPath(), ArchiveGen::bookings(kToday))
        || !ArchiveGen::writeFile(clientiPath(), ArchiveGen::guests()))
        return 1;
    g_readRegistro = BenchRatios::bestOf(30, [] { BenchRatios::plainRead(registroPath()); });
    g_readClienti = BenchRatios::bestOf(30, [] { BenchRatios::plainRead(clientiPath()); });
    auto ms = [](benchmark::internal::Benchmark *b) { b->Unit(benchmark::kMillisecond)->MinTime(1.0); };
    auto list = [&](const char *name, auto fn, bool guests) {
        ms(benchmark::RegisterBenchmark(name, fn, name, guests));
    };
    auto search = [&](const char *name, auto fn, bool guests, QString control, QString key) {
        ms(benchmark::RegisterBenchmark(name, fn, name, guests, control, key));
    };
    list("Screen/arrivals_today", BM_ListScreen<TfrmEntratiOggi>, false);
    list("Screen/future_arrivals", BM_ListScreen<TfrmArriviFuturi>, false);
    search("Screen/booking_search_all", BM_SearchScreen<TfrmTrovaVisite>, false, QString(), QString());
    search("Screen/booking_search_surname", BM_SearchScreen<TfrmTrovaVisite>, false, QStringLiteral("txtCognome"),
           QStringLiteral("ross"));
    search("Screen/guest_search_all", BM_SearchScreen<TfrmTrovaClienti>, true, QString(), QString());
    list("Screen/flagged_guests", BM_ListScreen<TfrmTrovaSegnalati>, true);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ProgramFolder::setForTests(QString());
    return 0;
}
