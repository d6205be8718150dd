// The settings file as bytes: lines cut before decoding, names and texts going
// back byte for byte, tasks beyond the platform's time conversion kept, and a
// load whose cost does not grow with the square of the tasks.
#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include "doc/cp932_codec.h"
#include "doc/doc.h"
#include "doc/doc_messages.h"
#include "support/fake_host.h"
#include "tasks/task_rules.h"

namespace vesm {
namespace {

constexpr std::string_view kTaskPrefix = "task=0`2024`6`1`0`0`0`1975`1`1`0`0`0`";

struct Loaded {
    FakeHost host;
    std::optional<CvesmDoc> doc;
};

void Load(Loaded& loaded, std::string bytes) {
    loaded.host.SetSettingsFile(std::move(bytes));
    loaded.doc.emplace(loaded.host);
}

std::string SavedBytes(Loaded& loaded) {
    EXPECT_TRUE(loaded.doc->SaveSettings());
    return loaded.host.SettingsFile();
}

bool Contains(const std::string& bytes, std::string_view line) {
    return bytes.find(std::string(line) + "\r\n") != std::string::npos;
}

TEST(SettingsBytesTest, StrayLeadByteBeforeABareLineFeedEndsOnlyItsLine) {
    Loaded loaded;
    Load(loaded, "fontFaceName=Ab\x82\nnumOfRow=5\n" + std::string(kTaskPrefix) + "x\x82\n" +
                     std::string(kTaskPrefix) + "y\n");
    EXPECT_EQ(loaded.doc->GetSettings().numOfRow, 5);
    EXPECT_EQ(loaded.doc->TaskCount(), 2u);
    EXPECT_TRUE(loaded.host.messages.empty());
}

TEST(SettingsBytesTest, UneditedNamesAndTextsGoBackByteForByte) {
    const std::string texts[] = {"a\x81 b", "\xED\x40\xFA\x5C", "\x87\x40", "end\x82",
                                 "\x81`x",  "\xA0\xFD\xFE\xFF", "\x82\xA0", "\x9F`\xE0`\xFC`"};
    std::string file;
    for (const std::string& text : texts) {
        file += "holiday=1`1`1`0`" + text + "\r\n";
        file += "specialDay=2`2`2`0`" + text + "\r\n";
        file += std::string(kTaskPrefix) + text + "\r\n";
    }
    Loaded loaded;
    Load(loaded, file);
    ASSERT_EQ(loaded.doc->TaskCount(), std::size(texts));
    std::string saved = SavedBytes(loaded);
    for (const std::string& text : texts) {
        EXPECT_TRUE(Contains(saved, "holiday=1`1`1`0`" + text)) << text;
        EXPECT_TRUE(Contains(saved, "specialDay=2`2`2`0`" + text)) << text;
        EXPECT_TRUE(Contains(saved, std::string(kTaskPrefix) + text)) << text;
    }
}

TEST(SettingsBytesTest, AnEditedTextIsWrittenFromWhatTheUserSees) {
    Loaded loaded;
    Load(loaded, std::string(kTaskPrefix) + "\xED\x40\r\nholiday=1`1`1`0`\xED\x40\r\n");
    CTaskTime task = loaded.doc->Task(0);
    std::string shown = task.text;
    task.text = shown + "!";
    loaded.doc->ReplaceTasks(NoDayDate(), {task});
    CHolidayTime rule = loaded.doc->Rule(RuleListId::Holiday, 0);
    rule.name = "\xE5\x85\x83";  // 元
    loaded.doc->CopyDayRules(RuleListId::Holiday, {rule});
    std::string saved = SavedBytes(loaded);
    EXPECT_TRUE(Contains(saved, std::string(kTaskPrefix) + EncodeCp932(shown) + "!"));
    EXPECT_TRUE(Contains(saved, "holiday=1`1`1`0`\x8C\xB3"));
}

TEST(SettingsBytesTest, TasksBeyondTheTimeConversionAreKeptAsTheyCame) {
    const std::string far[] = {
        "task=0`3001`01`1`0`0`0`1975`1`1`0`0`0`\x89\x93\x82\xA2",
        "task=1`300000`12`31`23`59`2`2147483647`12`31`8`0`1`x",
        "task=2`2024`6`1`9`0`2`4000`2`29`0`0`1`alarm far",
    };
    Loaded loaded;
    loaded.host.now = DateTime::Build(2024, 6, 1).value();
    Load(loaded,
         "rmOverTask=1\r\nrmTaskSpan=0\r\n" + far[0] + "\r\n" + far[1] + "\r\n" + far[2] + "\r\n");
    EXPECT_EQ(loaded.doc->TaskCount(), 0u);
    EXPECT_TRUE(loaded.host.messages.empty());
    std::string saved = SavedBytes(loaded);
    for (const std::string& line : far) EXPECT_TRUE(Contains(saved, line)) << line;
    ASSERT_TRUE(loaded.doc->LoadSettings());
    EXPECT_EQ(SavedBytes(loaded), saved);

    Loaded bad;
    Load(bad,
         "task=0`3001`2`29`0`0`0`1975`1`1`0`0`0`x\r\ntask=4`3001`1`1`0`0`0`1975`1`1`0`0`0`x\r\n");
    EXPECT_EQ(bad.host.CountMessages(kTaskDataMessage), 2);
    EXPECT_EQ(SavedBytes(bad).find("3001"), std::string::npos);
}

TEST(SettingsBytesTest, DayKeysOrderEveryYearATaskCanCarry) {
    EXPECT_EQ(CalendarDayKey({2147483647, 12, 31}), 21474836471231);
    EXPECT_GT(CalendarDayKey({214749, 1, 1}), CalendarDayKey({214748, 12, 31}));
}

}  // namespace
}  // namespace vesm
