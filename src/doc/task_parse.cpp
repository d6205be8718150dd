#include "doc/task_parse.h"

#include "doc/c_number.h"
#include "doc/list_fields.h"
#include "tasks/task_rules.h"

namespace vesm {

namespace {

constexpr std::size_t kTaskFieldCount = 14;

TaskFieldValues ReadTaskFields(const std::string_view* field) {
    TaskFieldValues values;
    int* numbers[] = {&values.taskMode,  &values.taskYear,  &values.taskMonth,
                      &values.taskDay,   &values.taskHour,  &values.taskMinute,
                      &values.alarmMode, &values.alarmYear, &values.alarmMonth,
                      &values.alarmDay,  &values.alarmHour, &values.alarmMinute,
                      &values.alarmArmed};
    for (int* number : numbers) *number = ReadCNumber(*field++);
    values.text = std::string(*field);
    return values;
}

}  // namespace

ParsedTasks ParseTaskValue(std::string_view value) {
    ParsedTasks parsed;
    // Dates the local-time conversion cannot represent (before 1970) are
    // refused with the other bad records rather than clamped.
    parsed.hadBadRecord = ReadListRecords(
        value, kTaskFieldCount, parsed.tasks,
        [](const std::string_view* field) { return TaskFromFields(ReadTaskFields(field)); });
    return parsed;
}

std::string EncodeTask(const CTaskTime& task) {
    TaskFieldValues values = FieldsOfTask(task);
    std::string value;
    for (int number :
         {values.taskMode, values.taskYear, values.taskMonth, values.taskDay, values.taskHour,
          values.taskMinute, values.alarmMode, values.alarmYear, values.alarmMonth, values.alarmDay,
          values.alarmHour, values.alarmMinute, values.alarmArmed}) {
        value += std::to_string(number);
        value += kFieldSeparator;
    }
    value += ListText(values.text);
    return value;
}

}  // namespace vesm
