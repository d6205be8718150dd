// A whole year's Japanese calendar marks: what the calendar computes once per
// displayed year when any of them is shown.
#include <benchmark/benchmark.h>

#include "koyomi/koyomi.h"

namespace {

void BM_KoyomiOfYear(benchmark::State& state) {
    int year = 1980;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vesm::KoyomiOfYear(year));
        year = year == 2099 ? 1980 : year + 1;
    }
}
BENCHMARK(BM_KoyomiOfYear)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
