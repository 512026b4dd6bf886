#include <benchmark/benchmark.h>

#include <string>

#include "card/Card.h"
#include "ean/Ean.h"
#include "isbn/Isbn.h"
#include "sin/Sin.h"
#include "siren/Siren.h"
#include "siret/Siret.h"

using namespace ferrino;

namespace {

// Runs a search of four unknown digits and an unknown key (10 000 candidates)
// and reports how many were tested per second.
template <class Search>
void RunFourUnknownDigits(benchmark::State& state, const Plan& plan, Search search) {
    if (plan.unknowns.size() != 4) state.SkipWithError("the plan does not have four unknown digits");
    std::size_t rows = 0;
    for (auto _ : state) {
        RowStore sink;
        SearchPump pump([] { return false; }, 256);
        search(plan, sink, pump);
        rows = sink.Size();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["candidates/s"] = benchmark::Counter(10000.0 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

}  // namespace

static void CardFourUnknownDigits(benchmark::State& state) {
    RunFourUnknownDigits(state, CardPlan(FormatCard("49701012345")), SearchCard);
}
BENCHMARK(CardFourUnknownDigits)->Unit(benchmark::kMillisecond);

// The eighth digit is among the unknown ones, so a tenth of the candidates is refused.
static void SirenFourUnknownDigits(benchmark::State& state) {
    RunFourUnknownDigits(state, SirenPlan(FormatSiren("1234")), SearchSiren);
}
BENCHMARK(SirenFourUnknownDigits)->Unit(benchmark::kMillisecond);

// The establishment number is unknown, so one candidate in ten thousand is refused.
static void SiretFourUnknownDigits(benchmark::State& state) {
    RunFourUnknownDigits(state, SiretPlan(FormatSiret("123456782")), SearchSiret);
}
BENCHMARK(SiretFourUnknownDigits)->Unit(benchmark::kMillisecond);

static void SinFourUnknownDigits(benchmark::State& state) {
    RunFourUnknownDigits(state, SinPlan(FormatSin("1234")), SearchSin);
}
BENCHMARK(SinFourUnknownDigits)->Unit(benchmark::kMillisecond);

static void IsbnFourUnknownDigits(benchmark::State& state) {
    RunFourUnknownDigits(state, IsbnPlan(ShowIsbn("20703")), SearchIsbn);
}
BENCHMARK(IsbnFourUnknownDigits)->Unit(benchmark::kMillisecond);

static void Ean13FourUnknownDigits(benchmark::State& state) {
    const Plan plan = EanPlan(FormatEan("40063813", EanType::Ean13), EanType::Ean13);
    RunFourUnknownDigits(state, plan, [](const Plan& p, RowStore& sink, SearchPump& pump) { return SearchEan(p, sink, pump, EanType::Ean13); });
}
BENCHMARK(Ean13FourUnknownDigits)->Unit(benchmark::kMillisecond);
