// Times the archive exports on full-size archives: the grid filled from 50,000 guest cards and
// 100,000 bookings (one pass, the shown fields kept), the screen shown with it, and the
// spreadsheet file written into the program's folder.
#include "ArchiveGen.h"

#include "base/ProgramFolder.h"
#include "bookings/ExpVisite.h"
#include "guests/ExpClienti.h"
#include "output/CardExports.h"
#include "output/Export.h"
#include "output/RecordGrid.h"
#include "platform/Clock.h"

#include <QApplication>
#include <QFileInfo>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QDate kToday(2026, 12, 9);

void BM_FillGrid(benchmark::State &state, QList<RecordGridModel::Column> columns, QString (*path)(), int size)
{
    for (auto _ : state) {
        RecordGridModel m(columns);
        m.load(path(), size);
        state.counters["rows"] = double(m.rowCount());
    }
}

// What the operator waits for between the button and a usable grid.
template <class Screen> void BM_ShowScreen(benchmark::State &state)
{
    for (auto _ : state) {
        Screen s;
        s.show();
        s.repaint();
        state.counters["rows"] = double(s.grdRecords->model()->rowCount());
        s.close();
    }
}

void BM_WriteFile(benchmark::State &state, QList<RecordGridModel::Column> columns, QString (*path)(), int size,
                  QString file, QString sheet)
{
    RecordGridModel m(columns);
    m.load(path(), size);
    const QString out = ProgramFolder::file(file);
    for (auto _ : state) {
        if (!Export::save(out, m.sheet(file, sheet)))
            state.SkipWithError("export failed");
    }
    state.counters["MB"] = double(QFileInfo(out).size()) / 1e6;
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
    auto ms = [](benchmark::internal::Benchmark *b) { b->Unit(benchmark::kMillisecond)->MinTime(1.0); };
    ms(benchmark::RegisterBenchmark("Export/guests_fill_grid", BM_FillGrid, CardExports::guestColumns(), &clientiPath,
                                    TCliente::Size));
    ms(benchmark::RegisterBenchmark("Export/guests_screen_shown", BM_ShowScreen<TfrmExpClienti>));
    ms(benchmark::RegisterBenchmark("Export/guests_write_xls", BM_WriteFile, CardExports::guestColumns(), &clientiPath,
                                    TCliente::Size, CardExports::guestFile(), CardExports::guestWorksheet()));
    ms(benchmark::RegisterBenchmark("Export/bookings_fill_grid", BM_FillGrid, CardExports::bookingColumns(),
                                    &registroPath, TVisita::Size));
    ms(benchmark::RegisterBenchmark("Export/bookings_screen_shown", BM_ShowScreen<TfrmExpVisite>));
    ms(benchmark::RegisterBenchmark("Export/bookings_write_xls", BM_WriteFile, CardExports::bookingColumns(),
                                    &registroPath, TVisita::Size, CardExports::bookingFile(),
                                    CardExports::bookingWorksheet()));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ProgramFolder::setForTests(QString());
    return 0;
}
