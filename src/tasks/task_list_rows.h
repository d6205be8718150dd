// What the task list dialog shows: the five cells of a row, its titles, which
// tasks of the working list have rows, and where the list scrolls after a
// change. All UTF-8.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "doc/date_time.h"
#include "doc/task_time.h"
#include "tasks/alarm_texts.h"

namespace vesm {

// "日曜" … "土曜" for weekday 1 (Sunday) … 7; empty otherwise.
std::string WeekdayName(int weekday);

// The alarm's month and day without the year, in the order of dateFormat.
std::string ShortAlarmDate(DateTime alarmTime, int dateFormat);
// The alarm's time text for a fixed alarm; "NN 分前" or "NN 分後" for an
// interval alarm.
std::string AlarmDetail(const CTaskTime& task, int time12or24);
// Task time, text, notification state, alarm time, alarm state.
std::vector<std::string> TaskRowCells(const CTaskTime& task, const TextFormats& formats);

// "全予定表" for all tasks; the day's date text, weekday and "の予定表" for one day.
std::string TaskListTitle(DateTime day, bool oneDay, int dateFormat);

// Which tasks of a working list have rows: those visible at the dialog's
// opening time and, for a one-day list, dated that day.
struct RowFilter {
    DateTime reference;
    int rmTaskInfo = 0;
    int rmTaskSpan = 0;
    std::optional<DateTime> day;  // set for a one-day list
};
bool HasRow(const CTaskTime& task, const RowFilter& filter);
// The working-list position shown in each row, in row order. Rows and the
// row-to-task mapping both come from this, so they cannot disagree.
std::vector<std::size_t> RowPositions(const std::vector<CTaskTime>& working,
                                      const RowFilter& filter);
// The row that shows a position, or -1 when the task is hidden.
int RowOfPosition(const std::vector<std::size_t>& rows, std::size_t position);

// After a delete: the row to scroll into view, from the top row, the rows per
// page and the row count read before the rows were rebuilt; -1 scrolls nothing.
int TaskRowsScrollAfterDelete(int top, int perPage, int rowCount);
// After an add or change that shows the task in row `row`, with the top row
// remembered before rebuilding: keeps the page where it was when it can.
int TaskRowsScrollAfterEdit(int row, int top, int perPage);

}  // namespace vesm
