#include "view/koyomi_marks.h"

#include "koyomi/day_number.h"

namespace vesm {

namespace {

constexpr int kInTooltip = 1;
constexpr int kInCell = 2;
constexpr int kUsWeeks = 2;
constexpr int kSunday = 1;
constexpr int kNormalGrid = 0;

}  // namespace

const DayKoyomi* KoyomiDays::Of(const DateFields& date) {
    auto found = years_.find(date.year);
    if (found == years_.end()) found = years_.emplace(date.year, KoyomiOfYear(date.year)).first;
    // Outside the years it computes, the koyomi gives an empty year.
    const auto index = static_cast<std::size_t>(DayNumberOf(date.year, date.month, date.day) -
                                                DayNumberOf(date.year, 1, 1));
    return index < found->second.size() ? &found->second[index] : nullptr;
}

bool DayMarksShown(const Settings& settings) {
    return settings.rokuyoInfo != 0 || settings.kyurekiInfo != 0 || settings.sekkiInfo != 0;
}

bool CellLabelShown(const Settings& settings) {
    return settings.rokuyoInfo == kInCell || settings.sekkiInfo == kInCell;
}

bool WeekNumbersShown(const Settings& settings) {
    return settings.weekNumberInfo != 0 && settings.dayFormat == kNormalGrid;
}

std::string_view CellLabel(const Settings& settings, const DayKoyomi& marks) {
    if (settings.sekkiInfo == kInCell && marks.solarTerm >= 0) {
        return SolarTermName(marks.solarTerm);
    }
    if (settings.rokuyoInfo == kInCell) return RokuyoName(marks.rokuyo);
    return {};
}

std::string KoyomiTooltipLines(const Settings& settings, const DayKoyomi& marks) {
    std::string first;
    if (settings.kyurekiInfo == 1) first = "旧暦 " + LunarDateText(marks.lunar);
    if (settings.rokuyoInfo >= kInTooltip) {
        if (!first.empty()) first += ' ';
        first += RokuyoName(marks.rokuyo);
    }
    std::string lines = first;
    if (settings.sekkiInfo >= kInTooltip && marks.solarTerm >= 0) {
        if (!lines.empty()) lines += "\r\n";
        lines += SolarTermName(marks.solarTerm);
    }
    return lines;
}

std::string EraMonthTitle(int year, int month) {
    return EraYearText(EraOf(year, month, 1)) + "年" + std::to_string(month) + "月";
}

int RowWeekNumber(const Settings& settings, int year, int month, int rowFirstDay) {
    const int start = DayNumberOf(year, month, 1) + rowFirstDay - 1;
    const bool us = settings.weekNumberInfo == kUsWeeks && settings.startWeek == kSunday;
    if (us) {
        const CivilDate saturday = CivilDateOf(start + 6);
        return UsWeekNumber(saturday.year, saturday.month, saturday.day);
    }
    constexpr int kThursday = 4;
    const CivilDate thursday = CivilDateOf(start + (kThursday - WeekdayOf(start) + 7) % 7);
    return IsoWeekNumber(thursday.year, thursday.month, thursday.day);
}

}  // namespace vesm
