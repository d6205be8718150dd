#include "ical/ical_import.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <tuple>

#include "doc/cp932_codec.h"
#include "doc/doc.h"
#include "doc/list_fields.h"
#include "ical/ical_calendar.h"
#include "ical/ical_export.h"
#include "ical/ical_text.h"
#include "ical/ical_time.h"
#include "options/rule_page_rules.h"
#include "tasks/task_editor_rules.h"
#include "tasks/task_rules.h"

namespace vesm::ical {

namespace {

constexpr int kFirstYear = 1980;
constexpr int kLastYear = 2099;
constexpr std::int64_t kMaxIntervalMinutes = 2 * 60 + 59;  // the editor's longest interval
constexpr int kMaxAlarmDaysBefore = 7;
constexpr std::size_t kShownRecords = 5;
constexpr std::size_t kShownNotes = 10;

constexpr const char* kRuleParts[] = {"FREQ",  "INTERVAL", "BYMONTH", "BYMONTHDAY",
                                      "BYDAY", "COUNT",    "UNTIL",   "WKST"};
constexpr const char* kOutOfRange = "1980 年から 2099 年の外の日付は読み込みません";

// A plain decimal number of up to two digits, or the fallback when the text is empty.
std::optional<int> NumberOr(const std::string& text, int fallback) {
    if (text.empty()) return fallback;
    return text.size() <= 2 ? Digits(text) : std::nullopt;
}

std::string OneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    std::replace(text.begin(), text.end(), '\r', ' ');
    std::replace(text.begin(), text.end(), '\t', ' ');
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::size_t CharacterStart(const std::string& text, std::size_t at) {
    while (at > 0 && IsContinuationByte(text[at])) --at;
    return at;
}

// The texts the editors refuse; the same messages they show.
std::optional<std::string> TextRefusal(const std::string& text) {
    if (text.empty()) return "名前 (SUMMARY) がありません";
    if (text.find('`') != std::string::npos) return "バッククォート文字(`)は使用できません";
    if (!CanEncodeCp932(text)) return "保存できない文字が含まれています";
    return std::nullopt;
}

// A cut can end in a run of spaces, which a later import would trim: without
// them the record reads back as itself.
std::string WithoutTrailingSpaces(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

std::string ShortenToCharacters(std::string text, std::size_t limit) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsContinuationByte(text[i])) continue;
        if (++count > limit) return WithoutTrailingSpaces(text.substr(0, i));
    }
    return text;
}

// Cut by characters first, so a huge text is never re-encoded character by character.
std::string ShortenToBytes(std::string text) {
    text = ShortenToCharacters(std::move(text), kTaskTextLimitBytes);
    while (!FitsTaskTextLimit(text)) text.erase(CharacterStart(text, text.size() - 1));
    return WithoutTrailingSpaces(std::move(text));
}

// What makes two records the same, for leaving out what is already there.
using RuleIdentity = std::tuple<int, int, int, int, int, std::string>;
using TaskIdentity = std::tuple<std::int64_t, int, int, int, std::int64_t, std::string>;

RuleIdentity IdentityOf(const CHolidayTime& r) {
    return {r.month, r.dayOrOrdinal, r.weekday, r.firstYear, r.lastYear, r.name};
}

// The last year of a yearly recurrence: kAnyYear when it never ends, nothing
// when its end is not a year a rule can hold.
std::optional<int> LastYearOfRule(int startYear, const std::string& count,
                                  const std::string& until) {
    auto fourDigits = [](const std::string& text) {
        return text.size() <= 4 ? Digits(text) : std::nullopt;
    };
    std::optional<int> year = !count.empty() ? fourDigits(count) : fourDigits(until.substr(0, 4));
    if (count.empty() && until.empty()) return kAnyYear;
    if (year && !count.empty()) *year = *year < 1 ? 0 : startYear + *year - 1;
    if (!year || *year < startYear || *year > kLastYear) return std::nullopt;
    return *year;
}

TaskIdentity IdentityOf(const CTaskTime& t) {
    return {t.taskTime.Seconds(),  t.taskMode, t.alarmMode, t.alarmArmed,
            t.alarmTime.Seconds(), t.text};
}

template <typename Record>
auto IdentitiesOf(const std::vector<Record>& records) {
    std::set<decltype(IdentityOf(records.front()))> identities;
    for (const Record& record : records) identities.insert(IdentityOf(record));
    return identities;
}

std::string DateText(DateTime time) {
    DateFields f = time.Fields();
    return Printf("%04d/%02d/%02d", f.year, f.month, f.day);
}

std::string DateTimeText(DateTime time) {
    DateFields f = time.Fields();
    return Printf("%04d/%02d/%02d %02d:%02d", f.year, f.month, f.day, f.hour, f.minute);
}

DateTime FloorMinute(DateTime time) {
    return time - TimeSpan(time.Fields().second);
}

struct AlarmFit {
    int mode = 0;
    DateTime time;
};

// The editor's alarm nearest the wanted instant and not after it: an interval
// of up to 2:59 around a task time, or a time of day on the task's day or up
// to seven days before; the earliest choice when the wanted one is earlier still.
AlarmFit FitAlarm(DateTime wanted, const CTaskTime& task, int preferredMode) {
    const DateTime firstDay = task.taskTime.MidnightDaysAway(-kMaxAlarmDaysBefore);
    const DateTime lastMinute = task.taskTime.MidnightDaysAway(1) - TimeSpan::Minutes(1);
    const bool timed = task.taskMode != 0;
    const DateTime intervalEnd = task.taskTime + TimeSpan::Minutes(kMaxIntervalMinutes);
    const DateTime latest = timed ? std::max(lastMinute, intervalEnd) : lastMinute;
    const DateTime time = std::clamp(FloorMinute(wanted), firstDay, latest);
    const bool inInterval = timed &&
                            (time - task.taskTime).Seconds() >= -kMaxIntervalMinutes * 60 &&
                            time <= intervalEnd;
    const bool inDays = time <= lastMinute;
    if (inInterval && (preferredMode != 1 || !inDays)) return {2, time};
    return {1, time};
}

class Planner {
public:
    Planner(const ExistingRecords& existing, DateTime reference, const Component& calendar)
        : rulesSeen_(IdentitiesOf(existing.specialDays)),
          tasksSeen_(IdentitiesOf(existing.tasks)),
          reference_(reference),
          zones_(calendar) {}

    void Event(const Component& event) {
        line_ = event.line;
        const bool todo = event.name == "VTODO";
        const Property* start = event.Find(todo ? "DUE" : "DTSTART");
        if (!start) {
            Note(todo ? "期限 (DUE) のない ToDo は読み込みません"
                      : "開始日時 (DTSTART) がありません");
            return;
        }
        std::optional<IcalTime> time = ParseTimeProperty(*start);
        if (!time) {
            Note("日時 " + start->value + " が読めません");
            return;
        }
        const Property* summary = event.Find("SUMMARY");
        std::string text = OneLine(summary ? UnescapeText(summary->value) : std::string());
        const Property* rule = event.Find("RRULE");
        if (rule && time->dateOnly && AddRule(*time, ParseRuleParts(rule->value), text)) return;
        if (rule) Note("繰り返しは最初の 1 回だけ読み込みます");
        AddTask(event, *time, std::move(text));
    }

    ImportPlan Take() { return std::move(plan_); }

private:
    void Note(const std::string& text) {
        plan_.notes.push_back(std::to_string(line_) + " 行目: " + text);
    }

    // A yearly rule on one day of one month; false when the recurrence is
    // something a special-day rule cannot say.
    bool AddRule(const IcalTime& start, const std::map<std::string, std::string>& parts,
                 const std::string& name) {
        auto part = [&](const char* key) {
            auto found = parts.find(key);
            return found == parts.end() ? std::string() : found->second;
        };
        for (const auto& [key, value] : parts) {
            if (std::find(std::begin(kRuleParts), std::end(kRuleParts), key) ==
                std::end(kRuleParts)) {
                return false;
            }
        }
        if (part("FREQ") != "YEARLY" || (!part("INTERVAL").empty() && part("INTERVAL") != "1")) {
            return false;
        }
        std::optional<int> month = NumberOr(part("BYMONTH"), start.civil.month);
        std::optional<int> day = NumberOr(part("BYMONTHDAY"), start.civil.day);
        if (!month || !day || !IsValidRuleDate(kRuleValidityYear, *month, *day, 0)) return false;
        int dayOrOrdinal = *day;
        int weekday = 0;
        if (!part("BYDAY").empty()) {
            std::optional<WeekdayItem> item = ParseWeekdayItem(part("BYDAY"));
            // A fifth weekday is missing in some years; the rule's 5 means the last.
            if (!item || item->ordinal == 0 || item->ordinal < -1 ||
                item->ordinal >= kLastOrdinal || part("BYMONTH").empty() ||
                !part("BYMONTHDAY").empty()) {
                return false;
            }
            dayOrOrdinal = item->ordinal == -1 ? kLastOrdinal : item->ordinal;
            weekday = item->weekday + 1;
        }
        std::optional<int> end = LastYearOfRule(start.civil.year, part("COUNT"), part("UNTIL"));
        if (!end) Note("記念日は毎年になります (繰り返しの終わりは読み込みません)");
        const int lastYear = end.value_or(kAnyYear);
        // A rule that shows on no day of the calendar's years is not worth keeping.
        if (start.civil.year > kLastYear || (lastYear != kAnyYear && lastYear < kFirstYear)) {
            Note(kOutOfRange);
            return true;
        }
        const std::string shortened = ShortenToCharacters(name, kRuleNameLimit);
        if (std::optional<std::string> refusal = TextRefusal(shortened)) {
            Note(*refusal + "。読み込みません");
            return true;
        }
        if (shortened != name) Note("名前を 72 文字に切り詰めました");
        CHolidayTime record;
        record.Set(reference_, *month, dayOrOrdinal, 2, weekday, shortened);
        // An event that began after the calendar's first year, or ends, keeps those years.
        if (start.civil.year > kFirstYear) record.firstYear = start.civil.year;
        record.lastYear = lastYear;
        AddUnique(plan_.specialDays, rulesSeen_, record);
        return true;
    }

    std::optional<DateTime> Instant(const IcalTime& time) {
        const CivilTime& c = time.civil;
        if (time.dateOnly || time.zone == ZoneKind::Floating) {
            std::optional<DateTime> local =
                DateTime::Build(c.year, c.month, c.day, c.hour, c.minute, std::min(c.second, 59));
            if (!local) Note(kOutOfRange);
            return local;
        }
        std::optional<std::int64_t> utc =
            time.zone == ZoneKind::Utc ? SecondsOfCivil(c) : zones_.ToUtc(c, time.tzid);
        if (!utc) {
            Note("タイムゾーン " + time.tzid + " がわからないため読み込みません");
            return std::nullopt;
        }
        return DateTime(*utc);
    }

    void AddTask(const Component& event, const IcalTime& start, std::string text) {
        std::optional<DateTime> instant = Instant(start);
        if (!instant) return;
        if (instant->Seconds() < 0) {
            Note(kOutOfRange);
            return;
        }
        DateFields f = instant->Fields();
        if (f.year < kFirstYear || f.year > kLastYear) {
            Note(kOutOfRange);
            return;
        }
        CTaskTime task;
        task.text = ShortenToBytes(text);
        if (std::optional<std::string> refusal = TextRefusal(task.text)) {
            Note(*refusal + "。読み込みません");
            return;
        }
        if (task.text != text) Note("予定を 72 バイトに切り詰めました");
        task.taskMode = start.dateOnly ? 0 : 1;
        task.taskTime = *DateTime::Build(f.year, f.month, f.day, start.dateOnly ? 0 : f.hour,
                                         start.dateOnly ? 0 : f.minute);
        task.alarmArmed = 1;
        task.alarmTime = NoDayDate();
        ReadAlarms(event, start, task);
        AddUnique(plan_.tasks, tasksSeen_, task);
    }

    void ReadAlarms(const Component& event, const IcalTime& start, CTaskTime& task) {
        const Component* alarm = nullptr;
        for (const Component& child : event.children) {
            if (child.name != "VALARM") continue;
            if (child.Find(kTaskTimeAlarmProperty) && !start.dateOnly) {
                task.taskMode = 2;
            } else if (!alarm) {
                alarm = &child;
            }
        }
        const Property* mode = event.Find(kTaskModeProperty);
        if (mode && !start.dateOnly &&
            (mode->value == "1" || mode->value == "2" || mode->value == "3")) {
            task.taskMode = mode->value[0] - '0';
        }
        if (!alarm) return;
        std::optional<DateTime> wanted = AlarmInstant(*alarm, event, task);
        if (!wanted) {
            Note("アラームの時刻が読めないため、アラームなしで読み込みます");
            return;
        }
        const Property* preferred = alarm->Find(kAlarmModeProperty);
        AlarmFit fit = FitAlarm(*wanted, task, preferred && preferred->value == "1" ? 1 : 2);
        task.alarmMode = fit.mode;
        task.alarmTime = fit.time;
        if (fit.time != *wanted) {
            Note("アラームを選べる時刻 " + DateTimeText(fit.time) + " に合わせました");
        }
    }

    std::optional<DateTime> AlarmInstant(const Component& alarm, const Component& event,
                                         const CTaskTime& task) {
        const Property* trigger = alarm.Find("TRIGGER");
        if (!trigger) return std::nullopt;
        if (trigger->Param("VALUE") == "DATE-TIME") {
            std::optional<IcalTime> at = ParseTimeProperty(*trigger);
            if (!at || at->zone != ZoneKind::Utc) return std::nullopt;
            return DateTime(SecondsOfCivil(at->civil));
        }
        std::optional<std::int64_t> offset = ParseDuration(trigger->value);
        if (!offset) return std::nullopt;
        DateTime base = task.taskTime;
        const Property* end = event.Find("DTEND");
        if (trigger->Param("RELATED") == "END" && end) {
            std::optional<IcalTime> endTime = ParseTimeProperty(*end);
            std::optional<DateTime> endInstant = endTime ? Instant(*endTime) : std::nullopt;
            if (!endInstant) return std::nullopt;
            base = *endInstant;
        }
        return base + TimeSpan(*offset);
    }

    template <typename Record, typename Identities>
    void AddUnique(std::vector<Record>& planned, Identities& seen, const Record& record) {
        if (!seen.insert(IdentityOf(record)).second) {
            ++plan_.duplicates;
            return;
        }
        planned.push_back(record);
    }

    std::set<RuleIdentity> rulesSeen_;
    std::set<TaskIdentity> tasksSeen_;
    DateTime reference_;
    ZoneTable zones_;
    ImportPlan plan_;
    int line_ = 0;
};

std::string RuleText(const CHolidayTime& rule) {
    static constexpr const char* kWeekdays[] = {"日", "月", "火", "水", "木", "金", "土"};
    if (rule.weekday == 0) return Printf("%02d/%02d ", rule.month, rule.dayOrOrdinal) + rule.name;
    std::string ordinal = rule.dayOrOrdinal == kLastOrdinal
                              ? std::string("最終")
                              : "第" + std::to_string(rule.dayOrOrdinal);
    return std::to_string(rule.month) + "月" + ordinal + kWeekdays[rule.weekday - 1] + "曜日 " +
           rule.name;
}

std::string TaskText(const CTaskTime& task) {
    return (task.taskMode == 0 ? DateText(task.taskTime) : DateTimeText(task.taskTime)) + " " +
           task.text;
}

// The first `shown` records under a heading and how many more there are.
template <typename Record, typename Describe>
void AppendList(std::string& out, const char* heading, const std::vector<Record>& records,
                std::size_t shown, Describe describe) {
    if (records.empty()) return;
    out += heading;
    for (std::size_t i = 0; i < records.size() && i < shown; ++i) {
        out += "\n  " + describe(records[i]);
    }
    if (records.size() > shown) {
        out += "\n  ほか " + std::to_string(records.size() - shown) + " 件";
    }
    out += "\n";
}

}  // namespace

DocRecords RecordsOf(const CvesmDoc& doc) {
    DocRecords records;
    for (std::size_t i = 0; i < doc.RuleCount(RuleListId::SpecialDay); ++i) {
        records.specialDays.push_back(doc.Rule(RuleListId::SpecialDay, i));
    }
    for (std::size_t i = 0; i < doc.TaskCount(); ++i) records.tasks.push_back(doc.Task(i));
    return records;
}

ImportPlan PlanImport(std::string_view bytes, const ExistingRecords& existing, DateTime reference) {
    CalendarRead read = ReadCalendar(bytes);
    if (!read.calendar) {
        ImportPlan refused;
        refused.error = read.error;
        return refused;
    }
    Planner planner(existing, reference, *read.calendar);
    for (const Component& child : read.calendar->children) {
        if (child.name == "VEVENT" || child.name == "VTODO") planner.Event(child);
    }
    return planner.Take();
}

std::string ImportSummary(const ImportPlan& plan) {
    if (!plan.error.empty()) return plan.error;
    std::string out;
    if (plan.specialDays.empty() && plan.tasks.empty()) {
        out = "追加するものはありません。\n";
    } else {
        out = "記念日 " + std::to_string(plan.specialDays.size()) + " 件、予定 " +
              std::to_string(plan.tasks.size()) + " 件を追加します。\n";
    }
    AppendList(out, "記念日:", plan.specialDays, kShownRecords, RuleText);
    AppendList(out, "予定:", plan.tasks, kShownRecords, TaskText);
    if (plan.duplicates > 0) {
        out += "すでにある " + std::to_string(plan.duplicates) + " 件は追加しません。\n";
    }
    AppendList(out, "注意:", plan.notes, kShownNotes, [](const std::string& note) { return note; });
    return out;
}

void ApplyImport(CvesmDoc& doc, const ImportPlan& plan) {
    for (const CHolidayTime& rule : plan.specialDays) {
        doc.InsertDayRule(RuleListId::SpecialDay, rule);
    }
    // In key order each task lands at or near the end, instead of shifting
    // the whole list once per task.
    std::vector<CTaskTime> tasks = plan.tasks;
    std::stable_sort(tasks.begin(), tasks.end(), [](const CTaskTime& a, const CTaskTime& b) {
        return SortKey(a) < SortKey(b);
    });
    for (const CTaskTime& task : tasks) doc.InsertTaskSorted(task);
}

}  // namespace vesm::ical
