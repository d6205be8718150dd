// libFuzzer target over the iCalendar reader and import mapping. Beyond "no
// crash": whatever a file yields must survive being written and read again.
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "ical/ical_export.h"
#include "ical/ical_import.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<vesm::CHolidayTime> noRules;
    static const std::vector<vesm::CTaskTime> noTasks;
    const vesm::DateTime reference(1735657200);  // 2025-01-01 00:00 in Japan
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    vesm::ical::ImportPlan plan = vesm::ical::PlanImport(bytes, {noRules, noTasks}, reference);
    (void)vesm::ical::ImportSummary(plan);
    if (!plan.error.empty()) return 0;
    const std::string again =
        vesm::ical::ExportCalendar(plan.specialDays, plan.tasks, vesm::DateTime(0));
    vesm::ical::ImportPlan reread = vesm::ical::PlanImport(again, {noRules, noTasks}, reference);
    if (!reread.error.empty() || reread.specialDays.size() != plan.specialDays.size() ||
        reread.tasks.size() != plan.tasks.size() || !reread.notes.empty()) {
        std::abort();
    }
    return 0;
}
