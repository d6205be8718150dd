// What the alarm dialog does to the document when it opens and when it is
// confirmed, apart from its window, so that it runs natively.
#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "doc/date_time.h"
#include "doc/doc.h"
#include "tasks/alarm_texts.h"

namespace vesm {

// Minutes offered for a snooze, in the dialog's order.
inline constexpr std::array<int, 15> kSnoozeMinutes = {1, 2,  3,  4,  5,  6,  7,  8,
                                                       9, 10, 20, 30, 60, 90, 120};

struct AlarmOpening {
    AlarmNotice notice;
    int snoozeIndex = 4;  // the choice to preselect, within kSnoozeMinutes
    CTaskTime task;       // the task as it stands after the notification
};

// Marks the notifications of the task at index as given and saves the file.
// Nothing when the task is no longer due (or no longer there): the dialog then
// closes at once and nothing is saved.
std::optional<AlarmOpening> OpenAlarm(CvesmDoc& doc, std::size_t index, DateTime now);

// OK of the dialog. With a snooze choice the task's alarm comes again after
// that many minutes and the choice is kept for next time; the file is saved in
// any case. The task is looked up again: while the dialog was open a tick may
// have purged tasks or the task list dialog may have replaced them, and then
// the index would name another task. Returns whether a task was snoozed; a
// task that is gone is not.
bool ConfirmAlarm(CvesmDoc& doc, const AlarmOpening& opening, std::size_t index, DateTime now,
                  std::optional<int> snoozeIndex);

}  // namespace vesm
