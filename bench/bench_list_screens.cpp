// Times the front desk's list and search screens end to end on full-size archives: the
// screen created, its archive read, the lines sorted and shown in the list view.
#include "ArchiveGen.h"

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

// Shown (which fills the list), painted once, closed.
template <class Screen> void BM_ListScreen(benchmark::State &state)
{
    for (auto _ : state) {
        Screen s;
        s.show();
        s.repaint();
        state.counters["lines"] = double(s.list->count());
        s.close();
    }
}

template <class Screen> void BM_SearchScreen(benchmark::State &state, QString control, QString key)
{
    for (auto _ : state) {
        Screen s;
        s.setMemory(QStringLiteral("registro"));
        s.show();
        if (!control.isEmpty())
            s.filter(control)->setText(key);
        s.btnCerca->click();
        s.repaint();
        state.counters["lines"] = double(s.list->count());
        s.close();
    }
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
    ms(benchmark::RegisterBenchmark("Screen/arrivals_today", BM_ListScreen<TfrmEntratiOggi>));
    ms(benchmark::RegisterBenchmark("Screen/future_arrivals", BM_ListScreen<TfrmArriviFuturi>));
    ms(benchmark::RegisterBenchmark("Screen/booking_search_all", BM_SearchScreen<TfrmTrovaVisite>, QString(),
                                    QString()));
    ms(benchmark::RegisterBenchmark("Screen/booking_search_surname", BM_SearchScreen<TfrmTrovaVisite>,
                                    QStringLiteral("txtCognome"), QStringLiteral("ross")));
    ms(benchmark::RegisterBenchmark("Screen/guest_search_all", BM_SearchScreen<TfrmTrovaClienti>, QString(),
                                    QString()));
    ms(benchmark::RegisterBenchmark("Screen/flagged_guests", BM_ListScreen<TfrmTrovaSegnalati>));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ProgramFolder::setForTests(QString());
    return 0;
}
