// Times the police guest report of one day on a register of 100,000 bookings: the selection
// (one pass over Registro.pro), the verdicts and the file, against a plain read of the same
// file (the counter x_read).
#include "ArchiveGen.h"
#include "BenchRatios.h"

#include "base/ProgramFolder.h"
#include "base/RecordList.h"
#include "bookings/Schedine.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

const QDate kToday(2026, 12, 9);
double g_readRegistro = 0; // seconds

using BenchRatios::bestOf;
using BenchRatios::Clock;
using BenchRatios::plainRead;

// The generated bookings carry no codes; the day's arrivals get a complete set, every third a
// family member of the booking before it, so that the report does its whole work.
void completeTheDay(QByteArray &all)
{
    namespace F = VisitaField;
    const QByteArray day = Dates::format(kToday).toLatin1();
    int n = 0;
    const char *head = nullptr;
    for (qsizetype at = 0; at + TVisita::Size <= all.size(); at += TVisita::Size) {
        char *r = all.data() + at;
        if (!RecordList::fieldEquals(r, F::DataEnt, day))
            continue;
        const bool member = ++n % 3 == 0 && head;
        TextField::write(r, F::CodTipo, member ? QStringLiteral("19") : QStringLiteral("17"));
        TextField::write(r, F::CodSesso, QStringLiteral("1"));
        TextField::write(r, F::CodComuneNasc, QStringLiteral("412058091"));
        TextField::write(r, F::ProvNasc, QStringLiteral("RM"));
        TextField::write(r, F::CodStatoNasc, QStringLiteral("100000100"));
        TextField::write(r, F::CodCittadinanza, QStringLiteral("100000100"));
        TextField::write(r, F::CodTipoDoc, QStringLiteral("IDENT"));
        TextField::write(r, F::CodLuogoRil, QStringLiteral("412058091"));
        // A member sleeps in the room of the day's head before it.
        if (member)
            std::copy(head + F::Camera.offset, head + F::Camera.end(), r + F::Camera.offset);
        else
            head = r;
    }
}

template <class Fn> void timed(benchmark::State &state, Fn &&fn)
{
    double total = 0;
    qsizetype guests = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        guests = fn();
        total += std::chrono::duration<double>(Clock::now() - t0).count();
    }
    state.counters["guests"] = double(guests);
    state.counters["x_read"] = (total / double(state.iterations())) / g_readRegistro;
}

void BM_PlainRead(benchmark::State &state)
{
    timed(state, [] {
        benchmark::DoNotOptimize(plainRead(registroPath()));
        return qsizetype(0);
    });
}

void BM_Day(benchmark::State &state)
{
    timed(state, [] {
        const Schedine::Day day = Schedine::select(kToday);
        benchmark::DoNotOptimize(Schedine::fileBytes(day));
        return qsizetype(day.guests.size());
    });
}

void BM_DayAndFile(benchmark::State &state)
{
    const QString path = ProgramFolder::file(Schedine::fileName(kToday));
    timed(state, [&] {
        const Schedine::Day day = Schedine::select(kToday);
        if (!Schedine::writeFile(path, Schedine::fileBytes(day)))
            state.SkipWithError("cannot write the file");
        return qsizetype(day.ready());
    });
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir dir;
    ProgramFolder::setForTests(dir.path());
    std::fprintf(stderr, "Writing %d bookings into %s\n", ArchiveGen::kBookings, qPrintable(dir.path()));
    QByteArray all = ArchiveGen::bookings(kToday);
    completeTheDay(all);
    if (!ArchiveGen::writeFile(registroPath(), all)) {
        std::fprintf(stderr, "cannot write the register\n");
        return 1;
    }
    g_readRegistro = bestOf(5, [] { plainRead(registroPath()); });
    std::fprintf(stderr, "Plain read: Registro.pro %.1f ms\n", g_readRegistro * 1e3);
    auto ms = [](benchmark::internal::Benchmark *b) { b->Unit(benchmark::kMillisecond)->MinTime(1.0); };
    ms(benchmark::RegisterBenchmark("Schedine/plain_read", BM_PlainRead));
    ms(benchmark::RegisterBenchmark("Schedine/day", BM_Day));
    ms(benchmark::RegisterBenchmark("Schedine/day_and_file", BM_DayAndFile));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ProgramFolder::setForTests(QString());
    return 0;
}
