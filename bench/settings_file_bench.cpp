// LoadSettings and SaveSettings of a large settings file: 10 000 task lines and
// 1 000 rule lines, once as the program saves it (every list in order) and
// once with the lines shuffled, as a hand-edited file might be.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "doc/cp932_codec.h"
#include "doc/doc.h"
#include "support/fake_host.h"

namespace {

constexpr int kTaskLines = 10000;
constexpr int kRuleLines = 1000;

std::vector<std::string> ListLines() {
    std::mt19937 random(182);
    auto pick = [&](int low, int high) {
        return low + static_cast<int>(random() % static_cast<unsigned>(high - low + 1));
    };
    std::vector<std::string> lines;
    for (int i = 0; i < kRuleLines; ++i) {
        int month = pick(1, 12);
        bool byWeekday = pick(0, 3) == 0;
        int day = byWeekday ? pick(1, 5) : pick(1, vesm::MonthLength(2000, month));
        std::string kind = i % 2 == 0 ? "1" : "2";
        lines.push_back((i % 2 == 0 ? "holiday=" : "specialDay=") + kind + "`" +
                        std::to_string(month) + "`" + std::to_string(day) + "`" +
                        std::to_string(byWeekday ? pick(1, 7) : 0) + "`記念日" + std::to_string(i));
    }
    for (int i = 0; i < kTaskLines; ++i) {
        std::string date = std::to_string(pick(2024, 2026)) + "`" + std::to_string(pick(1, 12)) +
                           "`" + std::to_string(pick(1, 28)) + "`" + std::to_string(pick(0, 23)) +
                           "`" + std::to_string(pick(0, 59));
        bool alarm = pick(0, 1) == 1;
        std::string alarmFields = alarm ? "2`" + date : "0`1975`1`1`0`0";
        lines.push_back("task=" + std::to_string(pick(0, 3)) + "`" + date + "`" + alarmFields +
                        "`1`打ち合わせ" + std::to_string(i));
    }
    return lines;
}

std::string FileFrom(const std::vector<std::string>& lines) {
    std::string text = "numOfMonth=3\r\nnumOfPast=1\r\n";
    for (const std::string& line : lines) text += line + "\r\n";
    return vesm::EncodeCp932(text);
}

// The file the program itself would write for these lines.
std::string SavedFile() {
    vesm::FakeHost host;
    host.SetSettingsFile(FileFrom(ListLines()));
    vesm::CvesmDoc doc(host);
    doc.SaveSettings();
    return host.SettingsFile();
}

std::string ShuffledFile() {
    std::vector<std::string> lines = ListLines();
    std::shuffle(lines.begin(), lines.end(), std::mt19937(932));
    return FileFrom(lines);
}

void LoadAndSave(benchmark::State& state, const std::string& file) {
    vesm::FakeHost host;
    vesm::CvesmDoc doc(host);  // no file yet: built-in lists
    host.SetSettingsFile(file);
    for (auto _ : state) {
        state.PauseTiming();
        doc.CopyDayRules(vesm::RuleListId::Holiday, {});
        doc.CopyDayRules(vesm::RuleListId::SpecialDay, {});
        doc.ReplaceTasks(vesm::NoDayDate(), {});
        state.ResumeTiming();
        doc.LoadSettings();
        doc.SaveSettings();
    }
    if (doc.TaskCount() != kTaskLines ||
        doc.RuleCount(vesm::RuleListId::Holiday) + doc.RuleCount(vesm::RuleListId::SpecialDay) !=
            kRuleLines ||
        !host.messages.empty()) {
        state.SkipWithError("the file did not load whole");
    }
    state.counters["bytes"] = static_cast<double>(file.size());
}

void BM_LoadAndSaveSavedFile(benchmark::State& state) {
    LoadAndSave(state, SavedFile());
}
BENCHMARK(BM_LoadAndSaveSavedFile)->Unit(benchmark::kMillisecond);

void BM_LoadAndSaveShuffledFile(benchmark::State& state) {
    LoadAndSave(state, ShuffledFile());
}
BENCHMARK(BM_LoadAndSaveShuffledFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
