// The search for typing errors of a wrong number, for the longest kinds: an
// IBAN of 34 characters and a VIN. Every slip of every position is tried.
#include <benchmark/benchmark.h>

#include "common/Kind.h"

using namespace ferrino;

namespace {

void RunCorrections(benchmark::State& state, const char* kindName, const char* number) {
    const auto kind = MakeKind(kindName);
    const Reading reading = kind->ReadText(number);
    std::size_t rows = 0;
    for (auto _ : state) {
        RowStore sink;
        SearchPump pump([] { return false; }, 256);
        kind->Corrections(reading, sink, pump);
        rows = sink.Size();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = static_cast<double>(rows);
}

}  // namespace

// Malta has the longest IBANs: 31 characters; a BBAN of 30 makes 34.
static void CorrectionsIban34(benchmark::State& state) {
    RunCorrections(state, "iban", "FR00 3000 6000 0112 3456 7890 1893 0006 00");
}
BENCHMARK(CorrectionsIban34)->Unit(benchmark::kMicrosecond);

static void CorrectionsFrenchIban(benchmark::State& state) {
    RunCorrections(state, "iban", "FR76 3000 6000 0112 3456 7890 198");
}
BENCHMARK(CorrectionsFrenchIban)->Unit(benchmark::kMicrosecond);

static void CorrectionsVin(benchmark::State& state) { RunCorrections(state, "vin", "1M8GDM9AXKP042778"); }
BENCHMARK(CorrectionsVin)->Unit(benchmark::kMicrosecond);

static void CorrectionsInsee(benchmark::State& state) { RunCorrections(state, "insee", "1 85 05 78 006 084 19"); }
BENCHMARK(CorrectionsInsee)->Unit(benchmark::kMicrosecond);
