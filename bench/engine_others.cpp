#include <benchmark/benchmark.h>

#include "avs/Avs.h"
#include "cip/Cip.h"
#include "prof/Prof.h"
#include "vin/Vin.h"

using namespace ferrino;

namespace {

// Runs `search` over `plan` once per iteration into a fresh list and reports
// the rows listed and the candidates tested per second.
template <class Search>
void RunSearch(benchmark::State& state, const Plan& plan, double candidates, Search search) {
    std::size_t rows = 0;
    for (auto _ : state) {
        RowStore sink;
        SearchPump pump([] { return false; }, 256);
        search(plan, sink, pump);
        rows = sink.Size();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["candidates/s"] = benchmark::Counter(candidates * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

VinFields NormalisedVin(VinFields fields) {
    for (std::size_t i = 0; i < kVinFieldCount; ++i) fields[i] = FormatVinField(fields[i], kVinFieldWidths[i]);
    return fields;
}

}  // namespace

// Four unknown characters and an unknown key: 1 185 921 candidates, all listed.
static void VinFourUnknownUnknownKey(benchmark::State& state) {
    const Plan plan = VinPlan(NormalisedVin({"1", "?", "3", "4?678", "?", "?", "?", "123456"}));
    RunSearch(state, plan, 33.0 * 33 * 33 * 33, SearchVin);
}
BENCHMARK(VinFourUnknownUnknownKey)->Unit(benchmark::kMillisecond);

// The same with a known key: one candidate in eleven is listed.
static void VinFourUnknownKnownKey(benchmark::State& state) {
    const Plan plan = VinPlan(NormalisedVin({"1", "?", "3", "4?678", "X", "?", "?", "123456"}));
    RunSearch(state, plan, 33.0 * 33 * 33 * 33, SearchVin);
}
BENCHMARK(VinFourUnknownKnownKey)->Unit(benchmark::kMillisecond);

// Four unknown digits and an unknown check digit: 10 000 candidates.
static void AvsFourUnknownDigits(benchmark::State& state) {
    RunSearch(state, AvsPlan(FormatAvs("123456")), 10000.0, SearchAvs);
}
BENCHMARK(AvsFourUnknownDigits)->Unit(benchmark::kMillisecond);

// Position 2 and three more unknown, unknown key: 12 000 candidates, all listed.
static void ProfFourUnknown(benchmark::State& state) {
    RunSearch(state, ProfPlan(FormatProf("?? ? ?2345")), 12000.0, SearchProf);
}
BENCHMARK(ProfFourUnknown)->Unit(benchmark::kMillisecond);

// Four unknown digits of the code, unknown key: 10 000 candidates, all listed.
static void CipFourUnknownDigits(benchmark::State& state) {
    RunSearch(state, CipPlan(FormatCipField("12", kCipCodeLength), FormatCipField("", kCipKeyLength)), 10000.0, SearchCip);
}
BENCHMARK(CipFourUnknownDigits)->Unit(benchmark::kMillisecond);
