// Reading the task lines of the settings file into the document's task list.
#include <algorithm>
#include <utility>

#include "doc/doc.h"
#include "doc/doc_messages.h"
#include "doc/task_parse.h"
#include "tasks/task_rules.h"

namespace vesm {

void CvesmDoc::KeepFarTasks(const ParsedTasks& parsed) {
    farTaskRecords_.insert(farTaskRecords_.end(), parsed.farRecords.begin(),
                           parsed.farRecords.end());
    if (parsed.hadBadRecord) ShowWarning(kTaskDataMessage);
}

// The order inserting them one by one in file order into the empty list gives,
// at the cost of one sort: each task goes before the equal ones already there,
// so equal keys come out in reverse file order.
void CvesmDoc::InsertLoadedTasks(std::vector<CTaskTime> loaded) {
    std::reverse(loaded.begin(), loaded.end());
    std::vector<std::pair<TaskKey, std::size_t>> order;
    order.reserve(loaded.size());
    for (std::size_t i = 0; i < loaded.size(); ++i) order.emplace_back(SortKey(loaded[i]), i);
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    tasks_.clear();
    tasks_.reserve(order.size());
    for (const auto& entry : order) tasks_.push_back(std::move(loaded[entry.second]));
}

}  // namespace vesm
