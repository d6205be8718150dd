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
    // Valid records dated beyond what the platform's time conversion reaches,
    // each as its file bytes, to be written back as they came.
    std::vector<std::string> farRecords;
    bool hadBadRecord = false;  // a bad or incomplete record was skipped
};

ParsedTasks ParseTaskValue(std::string_view value);
// The same from the file's code page 932 bytes; each text remembers its bytes.
ParsedTasks ParseTaskBytes(std::string_view bytes);

// The encoded value of one task, without the key.
std::string EncodeTask(const CTaskTime& task);
// Its thirteen numeric fields, each followed by its separator: all but the text.
std::string TaskNumbers(const CTaskTime& task);

}  // namespace vesm
