#include "doc/task_parse.h"

#include "doc/c_number.h"
#include "doc/cp932_codec.h"
#include "doc/file_text.h"
#include "doc/list_fields.h"
#include "tasks/task_rules.h"

namespace vesm {

namespace {

constexpr std::size_t kTaskFieldCount = 14;
constexpr std::size_t kTextField = 13;

TaskFieldValues ReadTaskFields(const FileText* field) {
    TaskFieldValues values;
    int* numbers[] = {&values.taskMode,  &values.taskYear,  &values.taskMonth,
                      &values.taskDay,   &values.taskHour,  &values.taskMinute,
                      &values.alarmMode, &values.alarmYear, &values.alarmMonth,
                      &values.alarmDay,  &values.alarmHour, &values.alarmMinute,
                      &values.alarmArmed};
    for (int* number : numbers) *number = ReadCNumber((field++)->text);
    values.text = field->text;
    return values;
}

// From the first byte of a record's first field to the last of its text.
std::string RecordBytes(const std::vector<FileText>& fields, std::size_t at) {
    std::string record;
    for (std::size_t i = at; i <= at + kTextField; ++i) {
        if (i > at) record += kFieldSeparator;
        record += fields[i].bytes;
    }
    return record;
}

}  // namespace

ParsedTasks ParseTaskValue(std::string_view value) {
    return ParseTaskBytes(EncodeCp932(value));
}

ParsedTasks ParseTaskBytes(std::string_view bytes) {
    ParsedTasks parsed;
    if (bytes.empty()) return parsed;
    std::vector<FileText> fields;
    for (std::string_view field : SplitCp932Fields(bytes)) fields.push_back(ReadFileText(field));
    parsed.hadBadRecord = ReadListRecords(fields.size(), kTaskFieldCount, [&](std::size_t at) {
        TaskFieldValues values = ReadTaskFields(&fields[at]);
        // Dates the local-time conversion cannot represent before 1970 are
        // refused with the other bad records rather than clamped.
        std::optional<CTaskTime> task = TaskFromFields(values);
        if (task) {
            task->textAsRead = fields[at + kTextField].bytes;
            parsed.tasks.push_back(std::move(*task));
            return true;
        }
        if (!IsBeyondConversion(values)) return false;
        parsed.farRecords.push_back(RecordBytes(fields, at));
        return true;
    });
    return parsed;
}

std::string EncodeTask(const CTaskTime& task) {
    std::string value = TaskNumbers(task);
    value += ListText(task.text);
    return value;
}

std::string TaskNumbers(const CTaskTime& task) {
    TaskFieldValues values = FieldsOfTask(task);
    std::string value;
    for (int number :
         {values.taskMode, values.taskYear, values.taskMonth, values.taskDay, values.taskHour,
          values.taskMinute, values.alarmMode, values.alarmYear, values.alarmMonth, values.alarmDay,
          values.alarmHour, values.alarmMinute, values.alarmArmed}) {
        value += std::to_string(number);
        value += kFieldSeparator;
    }
    return value;
}

}  // namespace vesm
