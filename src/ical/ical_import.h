// Turning an iCalendar file into special-day rules and tasks the calendar can
// keep, by the rules of the task and rule editors, and the summary the user
// confirms before anything is added.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "doc/date_time.h"
#include "doc/holiday_time.h"
#include "doc/task_time.h"

namespace vesm {
class CvesmDoc;
}

namespace vesm::ical {

struct ImportPlan {
    std::vector<CHolidayTime> specialDays;
    std::vector<CTaskTime> tasks;
    std::vector<std::string> notes;  // what was changed or left out, by line
    std::size_t duplicates = 0;      // records already present, not added again
    std::string error;               // the whole file is refused when set
};

struct ExistingRecords {
    const std::vector<CHolidayTime>& specialDays;
    const std::vector<CTaskTime>& tasks;
};

// Copies of the document's special-day rules and tasks: what an export writes
// and what an import is compared with.
struct DocRecords {
    std::vector<CHolidayTime> specialDays;
    std::vector<CTaskTime> tasks;
};
DocRecords RecordsOf(const CvesmDoc& doc);

// `reference` dates the rules as the rule editor does (the first shown month).
ImportPlan PlanImport(std::string_view bytes, const ExistingRecords& existing, DateTime reference);

// What will be added: counts, the first records of each kind, the notes.
std::string ImportSummary(const ImportPlan& plan);

// Adds every planned record to the document; the caller saves and redraws.
void ApplyImport(CvesmDoc& doc, const ImportPlan& plan);

}  // namespace vesm::ical
