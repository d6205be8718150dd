// One tick of the minute timer with 100 000 tasks, none of them due: the due
// scan over the document, as the frame runs it, with the timer calls counted.
#include <benchmark/benchmark.h>

#include <string>

#include "doc/doc.h"
#include "frame/frame_clock.h"
#include "support/fake_host.h"

namespace {

constexpr int kTasks = 100000;

std::string TaskFile() {
    std::string text = "numOfMonth=3\r\nnumOfPast=1\r\n";
    for (int i = 0; i < kTasks; ++i) {
        text += "task=1`" + std::to_string(2030 + i / 3360) + "`" +
                std::to_string(1 + i / 280 % 12) + "`" + std::to_string(1 + i / 10 % 28) +
                "`9`0`2`2030`1`1`8`0`1`meeting " + std::to_string(i) + "\r\n";
    }
    return text;
}

// The document side of the frame's target; the window side only counts.
class DocTarget : public vesm::TickTarget {
public:
    explicit DocTarget(vesm::CvesmDoc& doc) : doc_(doc) {}
    int timerCalls = 0;

    vesm::DateTime Now() override { return doc_.Host().Now(); }
    vesm::Settings CurrentSettings() override { return doc_.GetSettings(); }
    bool PurgeOverdueTasks(vesm::DateTime reference) override {
        return doc_.PurgeOverdueTasks(reference);
    }
    void SaveSettings() override { doc_.SaveSettings(); }
    void SetDisplayDate(vesm::DateTime date) override { doc_.SetDisplayDate(date); }
    void RebuildDays() override { doc_.RebuildDays(); }
    void InvalidateAll() override {}
    void InvalidateClock() override {}
    std::size_t TaskCount() override { return doc_.TaskCount(); }
    bool IsTaskDue(std::size_t index, vesm::DateTime now) override {
        return doc_.IsTaskDueAt(index, now);
    }
    void ArmTick(int) override { ++timerCalls; }
    void RaiseAlarm(std::size_t) override {}

private:
    vesm::CvesmDoc& doc_;
};

void BM_MinuteTickWithManyTasks(benchmark::State& state) {
    vesm::FakeHost host;
    host.SetSettingsFile(TaskFile());
    vesm::CvesmDoc doc(host);
    DocTarget target(doc);
    vesm::FrameClock clock(host.now);
    for (auto _ : state) {
        host.now = host.now + vesm::TimeSpan::Minutes(1);
        clock.Tick(target);
    }
    if (doc.TaskCount() != kTasks) state.SkipWithError("the tasks did not load");
    state.counters["timer calls per tick"] =
        static_cast<double>(target.timerCalls) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_MinuteTickWithManyTasks)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
