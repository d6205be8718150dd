// The settings-file form of tasks: fourteen fields per record, taskMode, the
// task's year, month, day, hour and minute, alarmMode, the alarm's year,
// month, day, hour and minute, alarmArmed and the text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "doc/task_time.h"

namespace vesm {

struct ParsedTasks {
    std::vector<CTaskTime> tasks;  // the valid records, in the value's order
    bool hadBadRecord = false;     // a bad or incomplete record was skipped
};

ParsedTasks ParseTaskValue(std::string_view value);

// The encoded value of one task, without the key.
std::string EncodeTask(const CTaskTime& task);

}  // namespace vesm
