#include "tasks/alarm_session.h"

#include <algorithm>

#include "tasks/task_rules.h"

namespace vesm {

namespace {

bool SameTask(const CTaskTime& a, const CTaskTime& b) {
    return a.taskTime == b.taskTime && a.taskMode == b.taskMode && a.alarmMode == b.alarmMode &&
           a.alarmArmed == b.alarmArmed && a.text == b.text && a.alarmTime == b.alarmTime;
}

// The task's index now: the one it had when the dialog opened if it is still
// there, else the first equal record.
std::optional<std::size_t> FindTask(const CvesmDoc& doc, const CTaskTime& task, std::size_t hint) {
    std::size_t count = doc.TaskCount();
    if (hint < count && SameTask(doc.Task(hint), task)) {
        return hint;
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (SameTask(doc.Task(i), task)) {
            return i;
        }
    }
    return std::nullopt;
}

int ClampSnoozeIndex(int index) {
    return std::clamp(index, 0, static_cast<int>(kSnoozeMinutes.size()) - 1);
}

}  // namespace

std::optional<AlarmOpening> OpenAlarm(CvesmDoc& doc, std::size_t index, DateTime now) {
    if (index >= doc.TaskCount()) {
        return std::nullopt;
    }
    Settings settings = doc.GetSettings();
    AlarmOpening opening;
    opening.task = doc.Task(index);
    opening.notice =
        ComposeAlarmNotice(opening.task, now, {settings.dateFormat, settings.time12or24});
    if (!opening.notice.alarmGiven && !opening.notice.taskTimeNotified) {
        return std::nullopt;
    }
    if (opening.notice.alarmGiven) {
        doc.SetTaskAlarmArmed(0, index);
        opening.task.alarmArmed = 0;
    }
    if (opening.notice.taskTimeNotified) {
        doc.SetTaskMode(3, index);
        opening.task.taskMode = 3;
    }
    opening.snoozeIndex = ClampSnoozeIndex(settings.snoozeIndex);
    doc.SaveSettings();
    return opening;
}

bool ConfirmAlarm(CvesmDoc& doc, const AlarmOpening& opening, std::size_t index, DateTime now,
                  std::optional<int> snoozeIndex) {
    bool snoozed = false;
    if (snoozeIndex) {
        int choice = ClampSnoozeIndex(*snoozeIndex);
        if (std::optional<std::size_t> current = FindTask(doc, opening.task, index)) {
            doc.SetTaskAlarmTime(SnoozeAlarmTime(now, kSnoozeMinutes[choice]), *current);
            doc.SetTaskAlarmArmed(1, *current);
            doc.SetTaskAlarmMode(2, *current);
            snoozed = true;
        }
        Settings settings = doc.GetSettings();
        settings.snoozeIndex = choice;
        doc.SetSettings(settings);
    }
    doc.SaveSettings();
    return snoozed;
}

}  // namespace vesm
