// The texts of the alarm dialog, and the date and time texts the task dialogs
// share with it. All UTF-8.
#pragma once

#include <string>

#include "doc/date_time.h"
#include "doc/task_time.h"

namespace vesm {

// The date in one of the six dateFormat layouts; empty for any other value.
std::string DateText(DateTime time, int dateFormat);
// "hh:mm am|pm" when time12or24 is 12 (12:05 is "00:05 pm"), else "hh:mm".
std::string TimeText(DateTime time, int time12or24);

struct TextFormats {
    int dateFormat = 0;
    int time12or24 = 12;
};

// How far the task time is from now: "予定時刻 … まであと …です" before it,
// "予定時刻 … を …過ぎています" after it. With taskTimeReached, a distance of
// less than one minute reads "予定時刻 … になりました" instead.
std::string TaskTimeMessage(DateTime taskTime, DateTime now, const TextFormats& formats,
                            bool taskTimeReached);

// What opening the alarm dialog shows and which notifications it gives.
struct AlarmNotice {
    std::string message;            // caption of the message group box
    std::string title;              // dialog title
    bool alarmGiven = false;        // alarmArmed becomes 0
    bool taskTimeNotified = false;  // taskMode becomes 3
};

// The notice for a task seen at now. When the alarm and the task time are due
// together, the task time's message and title win and both are given. When
// neither is due, message and title stay empty.
AlarmNotice ComposeAlarmNotice(const CTaskTime& task, DateTime now, const TextFormats& formats);

}  // namespace vesm
