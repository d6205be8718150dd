// RebuildDays for the whole-year view with the built-in lists: the work done
// at start-up, on every displayed-month change and after the options dialog.
#include <benchmark/benchmark.h>

#include <optional>

#include "doc/doc.h"
#include "file_doc_host.h"

namespace {

void BM_RebuildDaysWholeYear(benchmark::State& state) {
    vesm::FileDocHost host("rebuild_days_bench", std::nullopt);  // built-in lists
    vesm::CvesmDoc doc(host);
    vesm::Settings settings = doc.GetSettings();
    settings.numOfMonth = 0;
    settings.numOfPast = 0;
    doc.SetSettings(settings);
    doc.SetDisplayDate(vesm::DateTime::Build(2024, 1, 15).value());
    for (auto _ : state) {
        doc.RebuildDays();
        benchmark::DoNotOptimize(doc.DayCount());
    }
    state.counters["days"] = static_cast<double>(doc.DayCount());
}
BENCHMARK(BM_RebuildDaysWholeYear)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
