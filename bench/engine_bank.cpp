#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

#include "iban/Iban.h"
#include "rib/Rib.h"

using namespace ferrino;

namespace {

constexpr std::size_t kCandidates = 36 * 36 * 36 * 36;

void Count(benchmark::State& state, std::size_t rows) {
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["candidates/s"] =
        benchmark::Counter(static_cast<double>(kCandidates) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// Appends `count` copies of `row` to a new store: what the store itself costs
// (mostly the system handing out the fresh memory) for a search listing them.
void StoreAlone(benchmark::State& state, std::string_view row) {
    std::size_t rows = 0;
    for (auto _ : state) {
        RowStore sink;
        sink.ReserveMore(kCandidates, kCandidates * row.size());
        for (std::size_t i = 0; i < kCandidates; ++i) std::memcpy(sink.Append(row.size()), row.data(), row.size());
        rows = sink.Size();
        benchmark::DoNotOptimize(rows);
    }
    Count(state, rows);
}

}  // namespace

// Four unknown account characters and an unknown key: 1 679 616 candidates, all listed.
static void RibFourUnknownAccountCharacters(benchmark::State& state) {
    const Plan plan = RibPlan(FormatRib("30006 00001 1234567????"));
    std::size_t rows = 0;
    for (auto _ : state) {
        RowStore sink;
        SearchPump pump([] { return false; }, 256);
        SearchRib(plan, sink, pump);
        rows = sink.Size();
        benchmark::DoNotOptimize(rows);
    }
    Count(state, rows);
}
BENCHMARK(RibFourUnknownAccountCharacters)->Unit(benchmark::kMillisecond);

// Four unknown account characters of a Cypriot BBAN (which has no national
// key) and an empty key: 1 679 616 candidates, all listed.
static void IbanFourUnknownBbanCharacters(benchmark::State& state) {
    const std::string country = "CY";
    const IbanSearchPlan plan = IbanPlan(FormatIban("00200128000000120052????"), "", country);
    std::size_t rows = 0;
    for (auto _ : state) {
        RowStore sink;
        SearchPump pump([] { return false; }, 256);
        SearchIban(plan, country, sink, pump);
        rows = sink.Size();
        benchmark::DoNotOptimize(rows);
    }
    Count(state, rows);
}
BENCHMARK(IbanFourUnknownBbanCharacters)->Unit(benchmark::kMillisecond);

// The same numbers of rows of the same lengths, written by plain copies.
static void RibRowsStoreAlone(benchmark::State& state) { StoreAlone(state, "30006 00001 1234567ABCD 42"); }
BENCHMARK(RibRowsStoreAlone)->Unit(benchmark::kMillisecond);

static void IbanRowsStoreAlone(benchmark::State& state) { StoreAlone(state, "CY 17 0020 0128 0000 0012 0052 ABCD "); }
BENCHMARK(IbanRowsStoreAlone)->Unit(benchmark::kMillisecond);
