#include <benchmark/benchmark.h>

#include "insee/Insee.h"

using namespace ferrino;

// Four unknown digits and an unknown key: 10 000 candidates, all listed.
static void InseeFourUnknownDigits(benchmark::State& state) {
    const Plan plan = InseePlan(FormatInsee("185057800"));
    std::size_t rows = 0;
    for (auto _ : state) {
        RowStore sink;
        SearchPump pump([] { return false; }, 256);
        SearchInsee(plan, sink, pump);
        rows = sink.Size();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["candidates/s"] = benchmark::Counter(10000.0 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(InseeFourUnknownDigits)->Unit(benchmark::kMillisecond);
