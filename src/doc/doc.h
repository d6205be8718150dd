// The calendar document: the single owner of every setting, list and the day
// table. Every operation holds the one recursive lock while it runs.
#pragma once

#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "doc/date_time.h"
#include "doc/day_record.h"
#include "doc/doc_host.h"
#include "doc/holiday_time.h"
#include "doc/settings.h"
#include "doc/task_time.h"
#include "profile/profile.h"

namespace vesm {

enum class RuleListId { Holiday, SpecialDay };

class CvesmDoc {
public:
    // Runs the whole creation: folders, load, purge, migration, year check,
    // day table. Problems are shown through the host and may set the exit request.
    explicit CvesmDoc(DocHost& host);
    CvesmDoc(const CvesmDoc&) = delete;
    CvesmDoc& operator=(const CvesmDoc&) = delete;

    // ---- settings and the settings file --------------------------------
    Settings GetSettings() const;
    void SetSettings(const Settings& settings);
    Rgb GetColor(int Settings::*color) const;
    void SetColor(int Settings::*color, Rgb rgb);
    DateTime DisplayDate() const;
    void SetDisplayDate(DateTime date);
    std::string SettingsPath() const;
    bool ExitRequested() const;
    // Returns whether the settings file was read completely.
    bool LoadSettings();
    void SaveSettings();
    DocHost& Host() const { return host_; }

    // ---- rule lists ------------------------------------------------------
    void ParseDayRules(RuleListId list, std::string_view value);
    void InsertDayRule(RuleListId list, const CHolidayTime& rule);
    void CopyDayRules(RuleListId list, const std::vector<CHolidayTime>& source);
    std::size_t RuleCount(RuleListId list) const;
    CHolidayTime Rule(RuleListId list, std::size_t index) const;
    DateTime FirstShownMonth() const;

    // ---- day table and holiday engine ------------------------------------
    void RebuildDays();

    // ---- tasks ------------------------------------------------------------
    void ParseTasks(std::string_view value);
    void InsertTaskSorted(const CTaskTime& task);
    std::size_t TaskCount() const;
    CTaskTime Task(std::size_t index) const;
    bool PurgeOverdueTasks(DateTime reference);

    // ---- birth profile ----------------------------------------------------
    CProfile Profile() const;
    void SetProfile(const CProfile& profile);

private:
    void CreateFolders();
    void ApplyBuiltInLists();
    std::vector<CHolidayTime>& RuleList(RuleListId list);
    const std::vector<CHolidayTime>& RuleList(RuleListId list) const;

    mutable std::recursive_mutex lock_;
    DocHost& host_;
    Settings settings_;
    DateTime displayDate_;
    std::string settingsPath_;
    bool exitRequested_ = false;
    std::vector<CHolidayTime> holidays_;
    std::vector<CHolidayTime> specialDays_;
    std::vector<CTaskTime> tasks_;
    std::vector<DayRecord> days_;
};

}  // namespace vesm
