// Reading the task lines of the settings file into the document's task list.
#include "doc/doc.h"
#include "doc/doc_messages.h"
#include "doc/task_parse.h"

namespace vesm {

void CvesmDoc::ParseTasks(std::string_view value) {
    std::lock_guard guard(lock_);
    ParsedTasks parsed = ParseTaskValue(value);
    for (const CTaskTime& task : parsed.tasks) InsertTaskSorted(task);
    if (parsed.hadBadRecord) ShowWarning(kTaskDataMessage);
}

}  // namespace vesm
