#include "tasks/alarm_texts.h"

#include <gtest/gtest.h>

namespace vesm {
namespace {

DateTime At(int y, int m, int d, int h = 0, int mi = 0, int s = 0) {
    return DateTime::Build(y, m, d, h, mi, s).value();
}

constexpr TextFormats kDefaults{0, 12};
constexpr TextFormats k24Hours{0, 24};

TEST(AlarmTextsTest, DatesInSixLayoutsAndTimesInTwelveOrTwentyFourHours) {
    const DateTime day = At(2024, 3, 7, 15, 0);
    const char* dates[] = {
        "2024.03.07", "2024.Mar.07", "03.07.2024", "Mar.07.2024", "07.03.2024", "07.Mar.2024", ""};
    for (int format = 0; format <= 6; ++format) EXPECT_EQ(DateText(day, format), dates[format]);
    EXPECT_EQ(DateText(day, -1), "");
    EXPECT_EQ(DateText(At(2024, 1, 31), 1), "2024.Jan.31");
    EXPECT_EQ(DateText(At(2024, 12, 1), 3), "Dec.01.2024");

    const struct {
        int hour, minute, mode;
        const char* text;
    } times[] = {{0, 30, 12, "00:30 am"}, {11, 59, 12, "11:59 am"}, {12, 30, 12, "00:30 pm"},
                 {23, 5, 12, "11:05 pm"}, {0, 30, 24, "00:30"},     {23, 5, 24, "23:05"},
                 {12, 0, 0, "12:00"}};  // any other setting is 24 hours
    for (const auto& t : times) {
        EXPECT_EQ(TimeText(At(2024, 3, 7, t.hour, t.minute, 59), t.mode), t.text) << t.text;
    }
}

TEST(AlarmTextsTest, TaskTimeMessageTellsTheDistanceBeforeAndAfter) {
    const DateTime task = At(2024, 5, 10, 15, 0);
    const struct {
        TimeSpan fromTask;
        TextFormats formats;
        bool notification;
        const char* message;
    } cases[] = {
        {TimeSpan(-30), kDefaults, false, "予定時刻 2024.05.10 03:00 pm まであと 0分 です"},
        {TimeSpan::Minutes(-30), k24Hours, false, "予定時刻 2024.05.10 15:00 まであと 30分 です"},
        {TimeSpan::Minutes(-60), k24Hours, false,
         "予定時刻 2024.05.10 15:00 まであと 1時間 0分 です"},
        {TimeSpan(-24 * 3600 - 59), k24Hours, false,
         "予定時刻 2024.05.10 15:00 まであと 1日 0時間 0分 です"},
        {TimeSpan((24 * 60 + 2 * 60 + 3) * 60), k24Hours, false,
         "予定時刻 2024.05.10 15:00 を 1日 2時間 3分 過ぎています"},
        {TimeSpan::Minutes(125), k24Hours, false,
         "予定時刻 2024.05.10 15:00 を 2時間 5分 過ぎています"},
        {TimeSpan(90), k24Hours, true, "予定時刻 2024.05.10 15:00 を 1分 過ぎています"},
        // Within a minute the notification says it has come; an alarm counts down.
        {TimeSpan(20), k24Hours, true, "予定時刻 2024.05.10 15:00 になりました"},
        {TimeSpan(20), k24Hours, false, "予定時刻 2024.05.10 15:00 まであと 0分 です"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TaskTimeMessage(task, task + c.fromTask, c.formats, c.notification), c.message);
    }
}

TEST(AlarmTextsTest, NoticeOfTheAlarmOrTheTaskTimeAndWhatItMarksGiven) {
    const DateTime at15 = At(2024, 5, 10, 15, 0);
    const struct {
        int taskMode, alarmMode, armed;
        DateTime taskTime, alarmTime, now;
        const char *message, *title, *marks;
    } cases[] = {
        // The alarm of an untimed task names the alarm time.
        {0, 1, 1, At(2024, 5, 10), At(2024, 5, 9, 20, 0), At(2024, 5, 9, 20, 0, 10),
         "アラーム時刻 2024.05.09 08:00 pm になりました", "アラーム時刻になりました", "alarm"},
        {2, 0, 1, at15, NoDayDate(), At(2024, 5, 10, 15, 0, 20),
         "予定時刻 2024.05.10 03:00 pm になりました", "予定時刻になりました", "task"},
        // The task time wins when both are due.
        {2, 2, 1, at15, at15, At(2024, 5, 10, 15, 1, 30),
         "予定時刻 2024.05.10 03:00 pm を 1分 過ぎています", "予定時刻になりました", "alarm task"},
        {3, 2, 0, at15, At(2024, 5, 10, 14, 30), At(2024, 5, 10, 15, 30), "", "", ""},
    };
    for (const auto& c : cases) {
        CTaskTime task{c.taskTime, c.taskMode, c.alarmMode, c.armed, "会議", c.alarmTime};
        const AlarmNotice notice = ComposeAlarmNotice(task, c.now, kDefaults);
        EXPECT_EQ(notice.message, c.message);
        EXPECT_EQ(notice.title, c.title);
        std::string marks = std::string(notice.alarmGiven ? "alarm" : "") +
                            (notice.alarmGiven && notice.taskTimeNotified ? " " : "") +
                            (notice.taskTimeNotified ? "task" : "");
        EXPECT_EQ(marks, c.marks) << c.message;
    }
}

}  // namespace
}  // namespace vesm
