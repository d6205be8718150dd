// The calendar document: the single owner of every setting, list and the day
// table. Every operation holds the one recursive lock while it runs.
#pragma once

#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "doc/date_time.h"
#include "doc/day_record.h"
#include "doc/day_table.h"
#include "doc/doc_host.h"
#include "doc/holiday_time.h"
#include "doc/navigation_zones.h"
#include "doc/settings.h"
#include "doc/task_time.h"
#include "profile/birthplace.h"
#include "profile/profile.h"

namespace vesm {

enum class RuleListId { Holiday, SpecialDay };
struct TaskKey;
struct ParsedRules;
struct ParsedTasks;

class CvesmDoc {
public:
    // Runs the whole creation: folders, load, purge, migration, year check,
    // day table. Problems are shown through the host and may set the exit request.
    explicit CvesmDoc(DocHost& host);
    CvesmDoc(const CvesmDoc&) = delete;
    CvesmDoc& operator=(const CvesmDoc&) = delete;

    // ---- settings and the settings file --------------------------------
    // Plain reads and stores; setters apply no range check.
    Settings GetSettings() const;
    void SetSettings(const Settings& settings);
    // Colours as platform values; stored in the file's decimal form.
    Rgb GetColor(int Settings::*color) const;
    void SetColor(int Settings::*color, Rgb rgb);
    DateTime DisplayDate() const;
    // Stores the date, rebuilds the day table and redraws every view.
    void SetDisplayDate(DateTime date);
    // Empty when the folders could not be made; then nothing is read or written.
    std::string SettingsPath() const;
    bool ExitRequested() const;
    // Applies the defaults, then reads the settings file. Returns whether it was
    // read completely; when not, the built-in rule lists are applied. A holiday
    // list that is one of the earlier built-in lists becomes today's built-in
    // list, silently; the next save writes it.
    bool LoadSettings();
    // Rewrites the whole file in one step; a failed write keeps the old file
    // and is not reported to the user; returns whether the file was written.
    bool SaveSettings();
    DocHost& Host() const { return host_; }

    // ---- rule lists ------------------------------------------------------
    // Sets and inserts every valid record of an encoded value; one message when
    // any record was bad or incomplete.
    void ParseDayRules(RuleListId list, std::string_view value);
    // Before the first rule whose month x 100 + day is greater: after equal ones.
    void InsertDayRule(RuleListId list, const CHolidayTime& rule);
    // Replaces the list with the source, in the source's order.
    void CopyDayRules(RuleListId list, const std::vector<CHolidayTime>& source);
    std::size_t RuleCount(RuleListId list) const;
    // A copy of rule `index`; an empty rule past the end.
    CHolidayTime Rule(RuleListId list, std::size_t index) const;
    // 00:00 on the 1st of the month numOfPast months before the displayed one.
    DateTime FirstShownMonth() const;

    // ---- day table and holiday engine ------------------------------------
    // Year check, then a new table around the shown months, classified by the
    // rule lists and holiday settings in effect now.
    void RebuildDays();
    std::size_t DayCount() const;
    // Copies and single fields of record `index`; a blank record past the end.
    DayRecord Day(std::size_t index) const;
    int DayHolidayFlag(std::size_t index) const;
    int DaySpecialDayFlag(std::size_t index) const;
    std::string DayHolidayName(std::size_t index) const;
    std::string DaySpecialDayName(std::size_t index) const;
    // Where the view drew record `index`; an index past the end is ignored.
    void SetDayCell(std::size_t index, const Rect& cell);
    // The record drawn around the point, or a blank one dated with the no-day date.
    DayRecord DayAtPoint(int x, int y) const;
    // First and last shown day, the table's start and end, and its record count.
    DayTableRange DayRange() const;

    // ---- rectangles the latest paint left for hit tests and clock redraws --
    Rect ClockRect() const;  // (0,0,0,0) while the clock is off
    void SetClockRect(const Rect& rect);
    NavigationZones Zones() const;
    void SetZones(const NavigationZones& zones);

    // ---- tasks ------------------------------------------------------------
    // Before the first task whose key is greater or equal, so a new task goes
    // before an equal one. Found by binary search while the list is in key
    // order, which only a snooze can break; then by walking, to the same place.
    void InsertTaskSorted(const CTaskTime& task);
    // Writes a task list dialog's working list back: for the no-day date the
    // whole list is replaced, otherwise the tasks of that day.
    void ReplaceTasks(DateTime day, const std::vector<CTaskTime>& working);
    // Deletes every old task when rmOverTask is 1; returns whether any went.
    bool PurgeOverdueTasks(DateTime reference);
    bool IsTaskVisible(const CTaskTime& task, DateTime reference) const;
    std::size_t TaskCount() const;
    CTaskTime Task(std::size_t index) const;
    // Whether the task at index is due now, without copying it; false past the end.
    bool IsTaskDueAt(std::size_t index, DateTime now) const;
    // Single fields of the task at index, for the alarm dialog; an index past
    // the end (the list changed meanwhile) is ignored.
    void SetTaskMode(int value, std::size_t index);
    void SetTaskAlarmArmed(int value, std::size_t index);
    void SetTaskAlarmMode(int value, std::size_t index);
    void SetTaskAlarmTime(DateTime value, std::size_t index);

    // ---- birth profile ----------------------------------------------------
    CProfile Profile() const;
    void SetProfile(const CProfile& profile);
    std::size_t BirthplaceCount() const;
    Birthplace BirthplaceEntry(std::size_t index) const;

private:
    void CreateFolders();
    bool ReadSettingsFile();
    void ApplySettingsBytes(std::string_view bytes);
    void AddDayRules(RuleListId list, ParsedRules parsed);
    // Keeps the far records and reports the bad ones of one task line.
    void KeepFarTasks(const ParsedTasks& parsed);
    void InsertLoadedTasks(std::vector<CTaskTime> loaded);
    void MigrateOldSettings();
    void CheckDisplayedYear();
    void ShowWarning(std::string_view text);
    void RequestExit();
    void ClearLists();
    void ApplyBuiltInLists();
    void UpgradeEarlierBuiltInHolidays();
    std::vector<CHolidayTime>& RuleList(RuleListId list);
    const std::vector<CHolidayTime>& RuleList(RuleListId list) const;
    bool& RuleListInKeyOrder(RuleListId list);
    void NoteTaskKeyChanged(std::size_t index);
    std::size_t TaskInsertPosition(const TaskKey& key) const;

    mutable std::recursive_mutex lock_;
    DocHost& host_;
    Settings settings_;
    DateTime displayDate_;
    std::string settingsPath_;
    bool exitRequested_ = false;
    std::vector<CHolidayTime> holidays_;
    std::vector<CHolidayTime> specialDays_;
    // Let InsertDayRule search instead of walk; only CopyDayRules can break it.
    bool holidaysInKeyOrder_ = true;
    bool specialDaysInKeyOrder_ = true;
    std::vector<CTaskTime> tasks_;
    bool tasksInKeyOrder_ = true;  // lets InsertTaskSorted search instead of walk
    // Task records dated beyond the platform's time conversion, as read.
    std::vector<std::string> farTaskRecords_;
    std::vector<DayRecord> days_;
    DayTableRange dayRange_;
    Rect clockRect_;
    NavigationZones zones_;
};

}  // namespace vesm
