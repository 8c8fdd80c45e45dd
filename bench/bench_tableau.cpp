// Times the occupancy tableau on the full-size register (100,000 bookings) against a plain read
// of the same file: the pass that builds the rooms' stays, the screen opened and painted, and a
// month's step of its range.
#include "ArchiveGen.h"

#include "base/ProgramFolder.h"
#include "base/RecordFile.h"
#include "bookings/Occupancy.h"
#include "bookings/Tableau.h"
#include "platform/Clock.h"

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QDate kToday(2026, 12, 9);

// Every record read in blocks and its flag looked at: the least any reader does.
void BM_PlainRead(benchmark::State &state)
{
    for (auto _ : state) {
        RecordFile f(registroPath(), TVisita::Size);
        f.open();
        qint64 valid = 0;
        f.scan([&](qint64, const char *rec) {
            valid += rec[VisitaField::Disdetta.offset + 1] == 'N';
            return true;
        });
        benchmark::DoNotOptimize(valid);
        state.counters["records"] = double(f.count());
    }
}

void BM_BuildPlan(benchmark::State &state)
{
    for (auto _ : state) {
        const Occupancy::Plan plan = Occupancy::read(registroPath());
        state.counters["stays"] = double(plan.stays.size());
        state.counters["rooms"] = double(plan.roomCount());
    }
}

void BM_Window(benchmark::State &state)
{
    const Occupancy::Plan plan = Occupancy::read(registroPath());
    for (auto _ : state) {
        const Occupancy::Window w = Occupancy::window(plan, kToday.addDays(-3), 35);
        benchmark::DoNotOptimize(w.overbookedRoomNights);
    }
}

// Created, shown (which reads the register), painted once, closed.
void BM_OpenScreen(benchmark::State &state)
{
    for (auto _ : state) {
        TfrmTableau s(nullptr, {}, {});
        s.show();
        s.repaint();
        state.counters["stays"] = double(s.plan().stays.size());
        s.close();
    }
}

// One press of "Mese »" and the grid painted again, on a screen already open.
void BM_MonthStep(benchmark::State &state)
{
    TfrmTableau s(nullptr, {}, {});
    s.show();
    s.repaint();
    int n = 0;
    for (auto _ : state) {
        (++n % 24 < 12 ? s.btnMeseSucc : s.btnMesePrec)->click();
        s.repaint();
    }
    s.close();
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    ProgramFolder::setForTests(dir.path());
    Clock::setFixed(QDateTime(kToday, QTime(9, 0)));
    if (!ArchiveGen::writeFile(registroPath(), ArchiveGen::bookings(kToday)))
        return 1;
    auto ms = [](benchmark::internal::Benchmark *b) { b->Unit(benchmark::kMillisecond)->MinTime(1.0); };
    ms(benchmark::RegisterBenchmark("Tableau/plain_read", BM_PlainRead));
    ms(benchmark::RegisterBenchmark("Tableau/build_plan", BM_BuildPlan));
    ms(benchmark::RegisterBenchmark("Tableau/window_35_days", BM_Window));
    ms(benchmark::RegisterBenchmark("Tableau/open_screen", BM_OpenScreen));
    ms(benchmark::RegisterBenchmark("Tableau/month_step", BM_MonthStep));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ProgramFolder::setForTests(QString());
    return 0;
}
