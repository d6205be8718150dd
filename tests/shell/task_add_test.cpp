// The task editor under Wine, driven through its controls: what it shows for
// new and stored tasks, the enabling of the radios, the month and day lists,
// the 12- and 24-hour modes, the byte limit of the text and the checks of OK.
#include "tasks/task_add.h"

#include <windows.h>

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "model/support/fake_host.h"
#include "res/resource.h"
#include "win32/controls.h"

namespace vesm {
namespace {

DateTime At(int y, int m, int d, int h = 0, int mi = 0) {
    return DateTime::Build(y, m, d, h, mi).value();
}

class TaskAddTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 932u) << "the Japanese locale is needed";
        host.now = At(2024, 5, 1, 12, 0);
        doc = std::make_unique<CvesmDoc>(host);
        SetHours(24);
        record.taskTime = NoDayDate();
    }

    void SetHours(int time12or24) {
        Settings settings = doc->GetSettings();
        settings.time12or24 = time12or24;
        doc->SetSettings(settings);
    }

    HWND Open(bool dateFixed = false, bool change = false) {
        editor = std::make_unique<CTaskAdd>(*doc, record, dateFixed, change);
        window = editor->CreateModeless(nullptr);
        return window;
    }

    HWND Control(int id) const { return GetDlgItem(window, id); }
    bool Enabled(int id) const { return IsWindowEnabled(Control(id)) != FALSE; }
    int Selected(int id) const { return ComboSelection(Control(id)); }
    int Count(int id) const {
        return static_cast<int>(SendMessageW(Control(id), CB_GETCOUNT, 0, 0));
    }
    void Click(int id) { SendMessageW(Control(id), BM_CLICK, 0, 0); }
    void Choose(int id, int index) {
        ComboSelect(Control(id), index);
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(Control(id)));
    }
    void Type(const std::string& text) { SetText(Control(IDC_EDITOR_TEXT), text); }
    void ChooseTime(int half, int hour, int tens, int ones) {
        Click(IDC_EDITOR_TIME);
        Choose(IDC_EDITOR_HALF, half);
        Choose(IDC_EDITOR_HOUR, hour);
        Choose(IDC_EDITOR_TENS, tens);
        Choose(IDC_EDITOR_ONES, ones);
    }
    void PressOk() { SendMessageW(window, WM_COMMAND, IDOK, 0); }
    bool Closed() const { return !IsWindow(window); }

    FakeHost host;
    std::unique_ptr<CvesmDoc> doc;
    CTaskTime record;
    std::unique_ptr<CTaskAdd> editor;
    HWND window = nullptr;
};

TEST_F(TaskAddTest, NewTaskOpensWithoutTimeAndTheNotificationTickedButDisabled) {
    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(GetText(window), "予定の追加");
    EXPECT_EQ(Count(IDC_EDITOR_MONTH), 12);
    EXPECT_EQ(Selected(IDC_EDITOR_MONTH), 0);
    EXPECT_EQ(Selected(IDC_EDITOR_DAY), 0);
    EXPECT_EQ(Count(IDC_EDITOR_HOUR), 24);
    EXPECT_EQ(Count(IDC_EDITOR_HALF), 3);
    EXPECT_EQ(Selected(IDC_EDITOR_HALF), 2);
    EXPECT_EQ(Count(IDC_EDITOR_DAY_OFFSET), 8);
    EXPECT_EQ(Count(IDC_EDITOR_INTERVAL_TENS), 7);
    EXPECT_TRUE(IsChecked(window, IDC_EDITOR_NO_TIME));
    EXPECT_TRUE(IsChecked(window, IDC_EDITOR_NOTIFY));
    EXPECT_FALSE(Enabled(IDC_EDITOR_NOTIFY));
    EXPECT_FALSE(Enabled(IDC_EDITOR_HOUR));
    EXPECT_TRUE(IsChecked(window, IDC_EDITOR_NO_ALARM));
    for (int id : {IDC_EDITOR_DAY_OFFSET, IDC_EDITOR_ALARM_HOUR, IDC_EDITOR_INTERVAL_HOURS,
                   IDC_EDITOR_DIRECTION}) {
        EXPECT_FALSE(Enabled(id)) << id;
    }
    EXPECT_TRUE(Enabled(IDC_EDITOR_MONTH));

    Click(IDC_EDITOR_TIME);
    EXPECT_TRUE(Enabled(IDC_EDITOR_NOTIFY));
    EXPECT_TRUE(IsChecked(window, IDC_EDITOR_NOTIFY));
    EXPECT_TRUE(Enabled(IDC_EDITOR_HOUR));
    // The half of day means nothing in 24-hour mode.
    EXPECT_FALSE(Enabled(IDC_EDITOR_HALF));
    Click(IDC_EDITOR_FIXED_ALARM);
    EXPECT_TRUE(Enabled(IDC_EDITOR_DAY_OFFSET));
    EXPECT_FALSE(Enabled(IDC_EDITOR_ALARM_HALF));
    EXPECT_FALSE(Enabled(IDC_EDITOR_INTERVAL_TENS));
    Click(IDC_EDITOR_RELATIVE_ALARM);
    EXPECT_FALSE(Enabled(IDC_EDITOR_DAY_OFFSET));
    EXPECT_TRUE(Enabled(IDC_EDITOR_INTERVAL_HOURS));
    EXPECT_TRUE(Enabled(IDC_EDITOR_DIRECTION));
    Click(IDC_EDITOR_NO_TIME);
    EXPECT_FALSE(Enabled(IDC_EDITOR_NOTIFY));
}

TEST_F(TaskAddTest, DayListFollowsTheMonthAndTheRecordsYear) {
    // The all-tasks list starts at 1 January 1975: February has no 29th.
    ASSERT_NE(Open(), nullptr);
    Choose(IDC_EDITOR_MONTH, 1);
    EXPECT_EQ(Count(IDC_EDITOR_DAY), 28);
    // 31 March to February of a common year, 31 January to April.
    Choose(IDC_EDITOR_MONTH, 2);
    ASSERT_EQ(Count(IDC_EDITOR_DAY), 31);
    Choose(IDC_EDITOR_DAY, 30);
    Choose(IDC_EDITOR_MONTH, 1);
    EXPECT_EQ(Selected(IDC_EDITOR_DAY), 27);
    Choose(IDC_EDITOR_MONTH, 0);
    Choose(IDC_EDITOR_DAY, 30);
    Choose(IDC_EDITOR_MONTH, 3);
    EXPECT_EQ(Count(IDC_EDITOR_DAY), 30);
    EXPECT_EQ(Selected(IDC_EDITOR_DAY), 29);
    EXPECT_EQ(GetText(Control(IDC_EDITOR_DAY)), "30");

    record.taskTime = At(2024, 2, 29);
    ASSERT_NE(Open(false, true), nullptr);
    EXPECT_EQ(GetText(window), "予定の変更");
    EXPECT_EQ(Count(IDC_EDITOR_DAY), 29);
    EXPECT_EQ(Selected(IDC_EDITOR_DAY), 28);
}

TEST_F(TaskAddTest, TwelveHourPmWithHourZeroStoresNoonAndTheNextYearRuleApplies) {
    SetHours(12);
    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(Count(IDC_EDITOR_HALF), 2);
    EXPECT_EQ(Count(IDC_EDITOR_HOUR), 12);
    Type("昼");
    Choose(IDC_EDITOR_MONTH, 3);  // April: already past on 1 May
    Choose(IDC_EDITOR_DAY, 9);
    ChooseTime(1, 0, 1, 5);
    EXPECT_TRUE(Enabled(IDC_EDITOR_HALF));
    PressOk();
    ASSERT_TRUE(Closed()) << testing::PrintToString(host.MessageTexts());
    EXPECT_EQ(editor->Result(), IDOK);
    EXPECT_EQ(record.taskTime, At(2025, 4, 10, 12, 15));
    EXPECT_EQ(record.taskMode, 2);
    EXPECT_EQ(record.alarmMode, 0);
    EXPECT_EQ(record.alarmTime, NoDayDate());
    EXPECT_EQ(record.alarmArmed, 1);
    EXPECT_EQ(record.text, "昼");
}

TEST_F(TaskAddTest, OkRefusesInOrderAndStaysOpen) {
    ASSERT_NE(Open(), nullptr);
    PressOk();
    Type("a`b");
    PressOk();
    Type("絵文字\xF0\x9F\x98\x80");
    PressOk();
    Type("検診");
    Click(IDC_EDITOR_RELATIVE_ALARM);
    PressOk();
    Click(IDC_EDITOR_TIME);
    ComboSelect(Control(IDC_EDITOR_HOUR), -1);
    PressOk();
    EXPECT_FALSE(Closed());
    EXPECT_EQ(host.MessageTexts(),
              (std::vector<std::string>{
                  "予定を入力してください", "バッククォート文字(`)は使用できません",
                  "この文字は保存できません。別の文字に置き換えてください。",
                  "アラーム指定で時間前指定をする場合は、予定時間を入力してください",
                  "Please input task time"}));
    for (const MessageRequest& message : host.messages) {
        EXPECT_EQ(message.caption, "vesmira");
        EXPECT_EQ(message.icon, MessageIcon::Exclamation);
    }
    // The user's choices are untouched by a refusal.
    EXPECT_TRUE(IsChecked(window, IDC_EDITOR_RELATIVE_ALARM));
    EXPECT_EQ(GetText(Control(IDC_EDITOR_TEXT)), "検診");
    EXPECT_EQ(record.text, "");
}

TEST_F(TaskAddTest, IntervalHoursWithoutSelectionCountMinusSixty) {
    ASSERT_NE(Open(), nullptr);
    Type("   ");
    Choose(IDC_EDITOR_MONTH, 4);
    Choose(IDC_EDITOR_DAY, 9);
    ChooseTime(2, 10, 0, 0);
    Click(IDC_EDITOR_RELATIVE_ALARM);
    ComboSelect(Control(IDC_EDITOR_INTERVAL_HOURS), -1);
    Choose(IDC_EDITOR_INTERVAL_TENS, 5);
    Choose(IDC_EDITOR_INTERVAL_ONES, 9);
    PressOk();
    EXPECT_EQ(host.MessageTexts(), (std::vector<std::string>{"Please input alarm time"}));
    Choose(IDC_EDITOR_INTERVAL_TENS, 6);
    Choose(IDC_EDITOR_INTERVAL_ONES, 7);
    PressOk();
    ASSERT_TRUE(Closed());
    EXPECT_EQ(record.text, "   ");
    EXPECT_EQ(record.taskTime, At(2024, 5, 10, 10, 0));
    EXPECT_EQ(record.alarmMode, 2);
    EXPECT_EQ(record.alarmTime, At(2024, 5, 10, 9, 53));
}

TEST_F(TaskAddTest, SevenDaysBeforeTheFirstOfMarchInLeapAndCommonYears) {
    for (int year : {2024, 2025}) {
        record = CTaskTime{};
        record.taskTime = At(year, 3, 1);
        ASSERT_NE(Open(true, false), nullptr);
        EXPECT_EQ(GetText(window), year == 2024 ? "2024.03.01(金曜) " : "2025.03.01(土曜) ");
        EXPECT_FALSE(Enabled(IDC_EDITOR_MONTH));
        EXPECT_FALSE(Enabled(IDC_EDITOR_DAY));
        EXPECT_FALSE(Enabled(IDC_EDITOR_NEXT_YEAR_NOTE));
        Type("締切");
        ChooseTime(2, 10, 0, 0);
        Click(IDC_EDITOR_FIXED_ALARM);
        Choose(IDC_EDITOR_DAY_OFFSET, 7);
        EXPECT_EQ(GetText(Control(IDC_EDITOR_DAY_OFFSET)), "７日前の");
        Choose(IDC_EDITOR_ALARM_HOUR, 9);
        PressOk();
        ASSERT_TRUE(Closed()) << year;
        EXPECT_EQ(record.taskTime, At(year, 3, 1, 10, 0));
        EXPECT_EQ(record.alarmTime, At(year, 2, year == 2024 ? 23 : 22, 9, 0));
    }
}

TEST_F(TaskAddTest, StoredTaskReopensWithItsTimeAndAlarm) {
    SetHours(12);
    record.taskTime = At(2024, 5, 10, 15, 40);
    record.taskMode = 3;
    record.alarmMode = 2;
    record.alarmArmed = 0;
    record.alarmTime = record.taskTime - TimeSpan::Minutes(185);
    record.text = "通院";
    ASSERT_NE(Open(false, true), nullptr);
    EXPECT_EQ(GetText(Control(IDC_EDITOR_TEXT)), "通院");
    EXPECT_EQ(Selected(IDC_EDITOR_MONTH), 4);
    EXPECT_EQ(Selected(IDC_EDITOR_DAY), 9);
    EXPECT_TRUE(IsChecked(window, IDC_EDITOR_TIME));
    EXPECT_TRUE(IsChecked(window, IDC_EDITOR_NOTIFY));
    EXPECT_EQ(Selected(IDC_EDITOR_HALF), 1);
    EXPECT_EQ(Selected(IDC_EDITOR_HOUR), 3);
    EXPECT_EQ(Selected(IDC_EDITOR_TENS), 4);
    EXPECT_EQ(Selected(IDC_EDITOR_ONES), 0);
    EXPECT_TRUE(IsChecked(window, IDC_EDITOR_RELATIVE_ALARM));
    // 185 minutes show as 2 h 65 min, so OK unchanged keeps the interval.
    EXPECT_EQ(Selected(IDC_EDITOR_INTERVAL_HOURS), 2);
    EXPECT_EQ(Selected(IDC_EDITOR_INTERVAL_TENS), 6);
    EXPECT_EQ(Selected(IDC_EDITOR_INTERVAL_ONES), 5);
    EXPECT_EQ(Selected(IDC_EDITOR_DIRECTION), 0);
    PressOk();
    ASSERT_TRUE(Closed());
    EXPECT_EQ(record.alarmTime, At(2024, 5, 10, 12, 35));
    EXPECT_EQ(record.taskMode, 2);
    EXPECT_EQ(record.alarmArmed, 1);
}

TEST_F(TaskAddTest, TextTakesAtMost72BytesOfCodePage932) {
    ASSERT_NE(Open(), nullptr);
    HWND text = Control(IDC_EDITOR_TEXT);
    std::string full;
    for (int i = 0; i < 36; ++i) full += "予";
    std::string start = full.substr(0, full.size() - 3) + "a";  // 71 bytes
    Type(start);
    SendMessageW(text, EM_SETSEL, 0, 0);
    SendMessageW(text, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"予"));
    EXPECT_EQ(GetText(text), start);
    SendMessageW(text, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"c"));
    EXPECT_EQ(GetText(text), "c" + start);
    SendMessageW(text, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"d"));
    EXPECT_EQ(GetText(text), "c" + start);
}

TEST_F(TaskAddTest, CancelLeavesTheRecord) {
    record.taskTime = At(2024, 6, 1);
    record.text = "元";
    ASSERT_NE(Open(), nullptr);
    Type("新");
    ChooseTime(2, 8, 0, 0);
    SendMessageW(window, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(editor->Result(), IDCANCEL);
    EXPECT_EQ(record.text, "元");
    EXPECT_EQ(record.taskTime, At(2024, 6, 1));
    EXPECT_EQ(record.taskMode, 0);
}

}  // namespace
}  // namespace vesm
