// The document's task list.
#include <algorithm>
#include <mutex>

#include "doc/doc.h"
#include "tasks/task_rules.h"

namespace vesm {

void CvesmDoc::InsertTaskSorted(const CTaskTime& task) {
    std::lock_guard guard(lock_);
    TaskKey key = SortKey(task);
    tasks_.insert(tasks_.begin() + static_cast<std::ptrdiff_t>(TaskInsertPosition(key)), task);
}

std::size_t CvesmDoc::TaskInsertPosition(const TaskKey& key) const {
    if (!tasksInKeyOrder_) {
        return WalkInsertPosition(tasks_, key);
    }
    // A file saved by the program lists tasks in key order, so most loads append.
    if (tasks_.empty() || SortKey(tasks_.back()) < key) {
        return tasks_.size();
    }
    return SearchInsertPosition(tasks_.size(), key,
                                [this](std::size_t i) { return SortKey(tasks_[i]); });
}

void CvesmDoc::ReplaceTasks(DateTime day, const std::vector<CTaskTime>& working) {
    std::lock_guard guard(lock_);
    if (day == NoDayDate()) {
        tasks_.clear();
        tasksInKeyOrder_ = true;
    } else {
        std::int64_t dayKey = CalendarDayKey(day.Fields());
        std::erase_if(tasks_, [dayKey](const CTaskTime& task) {
            return CalendarDayKey(task.taskTime.Fields()) == dayKey;
        });
        // Removing tasks may have taken away the one a snooze put out of order.
        tasksInKeyOrder_ = tasksInKeyOrder_ || IsInKeyOrder(tasks_);
    }
    for (const CTaskTime& task : working) {
        InsertTaskSorted(task);
    }
}

bool CvesmDoc::PurgeOverdueTasks(DateTime reference) {
    std::lock_guard guard(lock_);
    if (settings_.rmOverTask != 1) {
        return false;
    }
    std::int64_t cutoff = CutoffDayKey(reference, settings_.rmTaskSpan);
    std::size_t deleted =
        std::erase_if(tasks_, [cutoff](const CTaskTime& task) { return IsTaskOld(task, cutoff); });
    if (deleted == 0) {
        return false;
    }
    tasksInKeyOrder_ = tasksInKeyOrder_ || IsInKeyOrder(tasks_);
    return true;
}

bool CvesmDoc::IsTaskVisible(const CTaskTime& task, DateTime reference) const {
    std::lock_guard guard(lock_);
    return vesm::IsTaskVisible(task, reference, settings_.rmTaskInfo, settings_.rmTaskSpan);
}

std::size_t CvesmDoc::TaskCount() const {
    std::lock_guard guard(lock_);
    return tasks_.size();
}

CTaskTime CvesmDoc::Task(std::size_t index) const {
    std::lock_guard guard(lock_);
    // A default record is never due, so a stale index does nothing.
    return index < tasks_.size() ? tasks_[index] : CTaskTime{};
}

bool CvesmDoc::IsTaskDueAt(std::size_t index, DateTime now) const {
    std::lock_guard guard(lock_);
    return index < tasks_.size() && IsTaskDue(tasks_[index], now);
}

void CvesmDoc::SetTaskMode(int value, std::size_t index) {
    std::lock_guard guard(lock_);
    if (index < tasks_.size()) {
        tasks_[index].taskMode = value;
    }
}

void CvesmDoc::SetTaskAlarmArmed(int value, std::size_t index) {
    std::lock_guard guard(lock_);
    if (index < tasks_.size()) {
        tasks_[index].alarmArmed = value;
    }
}

void CvesmDoc::SetTaskAlarmMode(int value, std::size_t index) {
    std::lock_guard guard(lock_);
    if (index < tasks_.size()) {
        tasks_[index].alarmMode = value;
        NoteTaskKeyChanged(index);
    }
}

void CvesmDoc::SetTaskAlarmTime(DateTime value, std::size_t index) {
    std::lock_guard guard(lock_);
    if (index < tasks_.size()) {
        tasks_[index].alarmTime = value;
        NoteTaskKeyChanged(index);
    }
}

// A changed alarm changes the task's key but not its place; the list stays in
// key order only when the task still fits between its neighbours.
void CvesmDoc::NoteTaskKeyChanged(std::size_t index) {
    if (!tasksInKeyOrder_) {
        return;
    }
    TaskKey key = SortKey(tasks_[index]);
    bool afterPrevious = index == 0 || SortKey(tasks_[index - 1]) <= key;
    bool beforeNext = index + 1 == tasks_.size() || key <= SortKey(tasks_[index + 1]);
    tasksInKeyOrder_ = afterPrevious && beforeNext;
}

}  // namespace vesm
