#include "tasks/task_list_rows.h"

#include <algorithm>
#include <cstdio>

#include "tasks/task_rules.h"

namespace vesm {

namespace {

constexpr const char* kMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr const char* kWeekdayNames[7] = {"日曜", "月曜", "火曜", "水曜", "木曜", "金曜", "土曜"};

template <class... Args>
std::string Printf(const char* format, Args... args) {
    char buffer[64];
    int length = std::snprintf(buffer, sizeof buffer, format, args...);
    return length > 0 ? std::string(buffer, static_cast<std::size_t>(length)) : std::string();
}

std::string TaskTimeCell(const CTaskTime& task, const TextFormats& formats) {
    std::string cell = DateText(task.taskTime, formats.dateFormat) + " ";
    if (task.taskMode != 0) cell += TimeText(task.taskTime, formats.time12or24);
    return cell;
}

std::string NotificationCell(const CTaskTime& task) {
    if (task.taskMode == 2) return "未通知";
    if (task.taskMode == 3) return "通知済";
    return "";
}

std::string AlarmTimeCell(const CTaskTime& task, const TextFormats& formats) {
    if (task.alarmMode == 0) return "";
    return ShortAlarmDate(task.alarmTime, formats.dateFormat) + " " +
           AlarmDetail(task, formats.time12or24);
}

std::string AlarmStateCell(const CTaskTime& task) {
    if (task.alarmMode == 0) return "";
    return task.alarmArmed == 1 ? "未通知" : "通知済";
}

}  // namespace

std::string WeekdayName(int weekday) {
    return weekday >= 1 && weekday <= 7 ? kWeekdayNames[weekday - 1] : "";
}

std::string ShortAlarmDate(DateTime alarmTime, int dateFormat) {
    DateFields f = alarmTime.Fields();
    const char* monthName = kMonthNames[std::clamp(f.month, 1, 12) - 1];
    switch (dateFormat) {
        case 0:
        case 2:
            return Printf("%02d.%02d", f.month, f.day);
        case 1:
        case 3:
            return Printf("%s.%02d", monthName, f.day);
        case 4:
            return Printf("%02d.%02d", f.day, f.month);
        case 5:
            return Printf("%02d.%s", f.day, monthName);
        default:
            return "";
    }
}

std::string AlarmDetail(const CTaskTime& task, int time12or24) {
    if (task.alarmMode == 1) return TimeText(task.alarmTime, time12or24);
    if (task.alarmMode != 2) return "";
    AlarmInterval interval = ShownAlarmInterval(task);
    return Printf("%02lld %s", interval.minutes, interval.before ? "分前" : "分後");
}

std::vector<std::string> TaskRowCells(const CTaskTime& task, const TextFormats& formats) {
    return {TaskTimeCell(task, formats), task.text, NotificationCell(task),
            AlarmTimeCell(task, formats), AlarmStateCell(task)};
}

std::string TaskListTitle(DateTime day, bool oneDay, int dateFormat) {
    if (!oneDay) return "全予定表";
    return DateText(day, dateFormat) + "(" + WeekdayName(day.Weekday()) + ") の予定表";
}

bool HasRow(const CTaskTime& task, const RowFilter& filter) {
    if (!IsTaskVisible(task, filter.reference, filter.rmTaskInfo, filter.rmTaskSpan)) {
        return false;
    }
    return !filter.day ||
           CalendarDayKey(task.taskTime.Fields()) == CalendarDayKey(filter.day->Fields());
}

std::vector<std::size_t> RowPositions(const std::vector<CTaskTime>& working,
                                      const RowFilter& filter) {
    std::vector<std::size_t> rows;
    for (std::size_t i = 0; i < working.size(); ++i) {
        if (HasRow(working[i], filter)) rows.push_back(i);
    }
    return rows;
}

int RowOfPosition(const std::vector<std::size_t>& rows, std::size_t position) {
    auto found = std::find(rows.begin(), rows.end(), position);
    return found == rows.end() ? -1 : static_cast<int>(found - rows.begin());
}

int TaskRowsScrollAfterDelete(int top, int perPage, int rowCount) {
    return top + perPage < rowCount ? top + perPage - 1 : rowCount - 2;
}

int TaskRowsScrollAfterEdit(int row, int top, int perPage) {
    if (row < top) return row;
    if (row < top + perPage) return top + perPage - 1;
    return row;
}

}  // namespace vesm
