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
#include "shell/support/dialog_driver.h"

namespace vesm {
namespace {

DateTime At(int y, int m, int d, int h = 0, int mi = 0) {
    return DateTime::Build(y, m, d, h, mi).value();
}

class TaskAddTest : public ::testing::Test {
protected:
    void SetUp() override {
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

    DialogDriver Open(bool dateFixed = false, bool change = false) {
        editor = std::make_unique<CTaskAdd>(*doc, record, dateFixed, change);
        return DialogDriver(editor->CreateModeless(nullptr));
    }

    static void ChooseTime(const DialogDriver& d, int half, int hour, int tens, int ones) {
        d.Click(IDC_EDITOR_TIME);
        d.Choose(IDC_EDITOR_HALF, half);
        d.Choose(IDC_EDITOR_HOUR, hour);
        d.Choose(IDC_EDITOR_TENS, tens);
        d.Choose(IDC_EDITOR_ONES, ones);
    }

    FakeHost host;
    std::unique_ptr<CvesmDoc> doc;
    CTaskTime record;
    std::unique_ptr<CTaskAdd> editor;
};

TEST_F(TaskAddTest, NewTaskEnablingDayListsAndCancel) {
    DialogDriver d = Open();
    EXPECT_EQ(d.Title(), "予定の追加");
    EXPECT_EQ(d.Count(IDC_EDITOR_HOUR), 24);
    EXPECT_EQ(d.Selected(IDC_EDITOR_HALF), 2);
    EXPECT_EQ(d.Count(IDC_EDITOR_DAY_OFFSET), 8);
    EXPECT_TRUE(d.Checked(IDC_EDITOR_NO_TIME));
    EXPECT_TRUE(d.Checked(IDC_EDITOR_NOTIFY));
    EXPECT_FALSE(d.Enabled(IDC_EDITOR_NOTIFY));
    EXPECT_FALSE(d.Enabled(IDC_EDITOR_HOUR));
    EXPECT_TRUE(d.Checked(IDC_EDITOR_NO_ALARM));
    for (int id : {IDC_EDITOR_DAY_OFFSET, IDC_EDITOR_ALARM_HOUR, IDC_EDITOR_INTERVAL_HOURS,
                   IDC_EDITOR_DIRECTION}) {
        EXPECT_FALSE(d.Enabled(id)) << id;
    }
    EXPECT_TRUE(d.Enabled(IDC_EDITOR_MONTH));

    d.Click(IDC_EDITOR_TIME);
    EXPECT_TRUE(d.Enabled(IDC_EDITOR_NOTIFY));
    EXPECT_TRUE(d.Checked(IDC_EDITOR_NOTIFY));
    EXPECT_TRUE(d.Enabled(IDC_EDITOR_HOUR));
    // The half of day means nothing in 24-hour mode.
    EXPECT_FALSE(d.Enabled(IDC_EDITOR_HALF));
    d.Click(IDC_EDITOR_FIXED_ALARM);
    EXPECT_TRUE(d.Enabled(IDC_EDITOR_DAY_OFFSET));
    EXPECT_FALSE(d.Enabled(IDC_EDITOR_ALARM_HALF));
    EXPECT_FALSE(d.Enabled(IDC_EDITOR_INTERVAL_TENS));
    d.Click(IDC_EDITOR_RELATIVE_ALARM);
    EXPECT_FALSE(d.Enabled(IDC_EDITOR_DAY_OFFSET));
    EXPECT_TRUE(d.Enabled(IDC_EDITOR_INTERVAL_HOURS));
    EXPECT_TRUE(d.Enabled(IDC_EDITOR_DIRECTION));
    d.Click(IDC_EDITOR_NO_TIME);
    EXPECT_FALSE(d.Enabled(IDC_EDITOR_NOTIFY));

    // The all-tasks list starts in 1975: 31 March moves to 28 February.
    d = Open();
    d.Choose(IDC_EDITOR_MONTH, 2);
    d.Choose(IDC_EDITOR_DAY, 30);
    d.Choose(IDC_EDITOR_MONTH, 1);
    EXPECT_EQ(d.Count(IDC_EDITOR_DAY), 28);
    EXPECT_EQ(d.Text(IDC_EDITOR_DAY), "28");

    record.taskTime = At(2024, 2, 29);
    d = Open(false, true);
    EXPECT_EQ(d.Title(), "予定の変更");
    EXPECT_EQ(d.Count(IDC_EDITOR_DAY), 29);
    EXPECT_EQ(d.Selected(IDC_EDITOR_DAY), 28);
    d.Type(IDC_EDITOR_TEXT, "新");
    ChooseTime(d, 2, 8, 0, 0);
    d.Press(IDCANCEL);
    EXPECT_FALSE(d.IsOpen());
    EXPECT_EQ(editor->Result(), IDCANCEL);
    EXPECT_EQ(record.text, "");
    EXPECT_EQ(record.taskTime, At(2024, 2, 29));
    EXPECT_EQ(record.taskMode, 0);
}

TEST_F(TaskAddTest, TwelveHourPmWithHourZeroStoresNoonAndTheNextYearRuleApplies) {
    SetHours(12);
    DialogDriver d = Open();
    EXPECT_EQ(d.Count(IDC_EDITOR_HALF), 2);
    EXPECT_EQ(d.Count(IDC_EDITOR_HOUR), 12);
    d.Type(IDC_EDITOR_TEXT, "昼");
    d.Choose(IDC_EDITOR_MONTH, 3);  // April: already past on 1 May
    d.Choose(IDC_EDITOR_DAY, 9);
    ChooseTime(d, 1, 0, 1, 5);
    EXPECT_TRUE(d.Enabled(IDC_EDITOR_HALF));
    d.Press(IDOK);
    ASSERT_FALSE(d.IsOpen()) << testing::PrintToString(host.MessageTexts());
    EXPECT_EQ(editor->Result(), IDOK);
    EXPECT_EQ(record.taskTime, At(2025, 4, 10, 12, 15));
    EXPECT_EQ(record.taskMode, 2);
    EXPECT_EQ(record.alarmMode, 0);
    EXPECT_EQ(record.alarmTime, NoDayDate());
    EXPECT_EQ(record.alarmArmed, 1);
    EXPECT_EQ(record.text, "昼");
}

TEST_F(TaskAddTest, OkRefusesInOrderAndStaysOpenThenStores) {
    DialogDriver d = Open();
    d.Press(IDOK);
    d.Type(IDC_EDITOR_TEXT, "絵文字\xF0\x9F\x98\x80");  // four UTF-8 bytes, two UTF-16 units
    d.Press(IDOK);
    d.Type(IDC_EDITOR_TEXT, "検診");
    d.Click(IDC_EDITOR_RELATIVE_ALARM);
    d.Press(IDOK);
    d.Click(IDC_EDITOR_TIME);
    ComboSelect(d.Item(IDC_EDITOR_HOUR), -1);
    d.Press(IDOK);
    EXPECT_TRUE(d.IsOpen());
    EXPECT_EQ(
        host.MessageTexts(),
        (std::vector<std::string>{
            "予定を入力してください", "この文字は保存できません。別の文字に置き換えてください。",
            "アラーム指定で時間前指定をする場合は、予定時間を入力してください",
            "Please input task time"}));
    for (const MessageRequest& message : host.messages) {
        EXPECT_EQ(message.caption, "vesmira");
        EXPECT_EQ(message.icon, MessageIcon::Exclamation);
    }
    // The user's choices are untouched by a refusal.
    EXPECT_TRUE(d.Checked(IDC_EDITOR_RELATIVE_ALARM));
    EXPECT_EQ(d.Text(IDC_EDITOR_TEXT), "検診");
    EXPECT_EQ(record.text, "");

    // Blank text is a task; interval hours without a selection count as -1.
    host.messages.clear();
    d.Type(IDC_EDITOR_TEXT, "   ");
    d.Choose(IDC_EDITOR_MONTH, 4);
    d.Choose(IDC_EDITOR_DAY, 9);
    ChooseTime(d, 2, 10, 0, 0);
    d.Click(IDC_EDITOR_RELATIVE_ALARM);
    ComboSelect(d.Item(IDC_EDITOR_INTERVAL_HOURS), -1);
    d.Choose(IDC_EDITOR_INTERVAL_TENS, 5);
    d.Choose(IDC_EDITOR_INTERVAL_ONES, 9);
    d.Press(IDOK);
    EXPECT_EQ(host.MessageTexts(), (std::vector<std::string>{"Please input alarm time"}));
    d.Choose(IDC_EDITOR_INTERVAL_TENS, 6);
    d.Choose(IDC_EDITOR_INTERVAL_ONES, 7);
    d.Press(IDOK);
    ASSERT_FALSE(d.IsOpen());
    EXPECT_EQ(record.text, "   ");
    EXPECT_EQ(record.taskTime, At(2024, 5, 10, 10, 0));
    EXPECT_EQ(record.alarmMode, 2);
    EXPECT_EQ(record.alarmTime, At(2024, 5, 10, 9, 53));
}

TEST_F(TaskAddTest, OneDayEditorWithAFixedAlarmSevenDaysBeforeALeapFirstOfMarch) {
    record.taskTime = At(2024, 3, 1);
    const DialogDriver d = Open(true, false);
    EXPECT_EQ(d.Title(), "2024.03.01(金曜) ");
    EXPECT_FALSE(d.Enabled(IDC_EDITOR_MONTH));
    EXPECT_FALSE(d.Enabled(IDC_EDITOR_DAY));
    EXPECT_FALSE(d.Enabled(IDC_EDITOR_NEXT_YEAR_NOTE));
    d.Type(IDC_EDITOR_TEXT, "締切");
    ChooseTime(d, 2, 10, 0, 0);
    d.Click(IDC_EDITOR_FIXED_ALARM);
    d.Choose(IDC_EDITOR_DAY_OFFSET, 7);
    EXPECT_EQ(d.Text(IDC_EDITOR_DAY_OFFSET), "７日前の");
    d.Choose(IDC_EDITOR_ALARM_HOUR, 9);
    d.Press(IDOK);
    ASSERT_FALSE(d.IsOpen());
    EXPECT_EQ(record.taskTime, At(2024, 3, 1, 10, 0));
    EXPECT_EQ(record.alarmTime, At(2024, 2, 23, 9, 0));
}

TEST_F(TaskAddTest, StoredTaskReopensWithItsTimeAndAlarm) {
    SetHours(12);
    record.taskTime = At(2024, 5, 10, 15, 40);
    record.taskMode = 3;
    record.alarmMode = 2;
    record.alarmArmed = 0;
    record.alarmTime = record.taskTime - TimeSpan::Minutes(185);
    record.text = "通院";
    const DialogDriver d = Open(false, true);
    EXPECT_EQ(d.Text(IDC_EDITOR_TEXT), "通院");
    EXPECT_EQ(d.Selected(IDC_EDITOR_DAY), 9);
    EXPECT_TRUE(d.Checked(IDC_EDITOR_NOTIFY));
    EXPECT_EQ(d.Selected(IDC_EDITOR_HALF), 1);
    EXPECT_EQ(d.Selected(IDC_EDITOR_HOUR), 3);
    EXPECT_EQ(d.Selected(IDC_EDITOR_TENS), 4);
    EXPECT_TRUE(d.Checked(IDC_EDITOR_RELATIVE_ALARM));
    // 185 minutes show as 2 h 65 min, so OK unchanged keeps the interval.
    EXPECT_EQ(d.Selected(IDC_EDITOR_INTERVAL_TENS), 6);
    d.Press(IDOK);
    ASSERT_FALSE(d.IsOpen());
    EXPECT_EQ(record.alarmTime, At(2024, 5, 10, 12, 35));
    EXPECT_EQ(record.taskMode, 2);
    EXPECT_EQ(record.alarmArmed, 1);
}

TEST_F(TaskAddTest, TextTakesAtMost72BytesOfCodePage932) {
    DialogDriver d = Open();
    HWND text = d.Item(IDC_EDITOR_TEXT);
    std::string full;
    for (int i = 0; i < 36; ++i) full += "予";
    std::string start = full.substr(0, full.size() - 3) + "a";  // 71 bytes
    d.Type(IDC_EDITOR_TEXT, start);
    SendMessageW(text, EM_SETSEL, 0, 0);
    SendMessageW(text, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"予"));
    EXPECT_EQ(GetText(text), start);
    SendMessageW(text, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"c"));
    EXPECT_EQ(GetText(text), "c" + start);
    SendMessageW(text, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"d"));
    EXPECT_EQ(GetText(text), "c" + start);
}

}  // namespace
}  // namespace vesm
