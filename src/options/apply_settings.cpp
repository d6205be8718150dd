#include "options/apply_settings.h"

namespace vesm {

void CopyOptionValues(const Settings& edited, Settings& target) {
    // Calendar display page.
    target.numOfMonth = edited.numOfMonth;
    target.numOfPast = edited.numOfPast;
    target.numOfRow = edited.numOfRow;
    target.numOfColumn = edited.numOfColumn;
    target.calendarFormat = edited.calendarFormat;
    target.dayFormat = edited.dayFormat;
    target.startWeek = edited.startWeek;
    target.rmTaskInfo = edited.rmTaskInfo;
    target.rmTaskSpan = edited.rmTaskSpan;
    target.rmOverTask = edited.rmOverTask;
    // Holiday page; the rule lists follow in ApplySettings.
    target.equinoxBool = edited.equinoxBool;
    target.betweenBool = edited.betweenBool;
    target.fallsOnSun = edited.fallsOnSun;
    target.fallsOnSat = edited.fallsOnSat;
    // Font and colour page.
    target.fontFaceName = edited.fontFaceName;
    target.fontPointSize = edited.fontPointSize;
    target.fontWeight = edited.fontWeight;
    target.fontItalic = edited.fontItalic;
    target.frameSizeOfDate = edited.frameSizeOfDate;
    target.colorBackground = edited.colorBackground;
    target.colorWeekday = edited.colorWeekday;
    target.colorSaturday = edited.colorSaturday;
    target.colorSunday = edited.colorSunday;
    target.colorToday = edited.colorToday;
    target.colorSpecialday = edited.colorSpecialday;
    target.colorTaskday = edited.colorTaskday;
    target.todayInfo = edited.todayInfo;
    target.specialDayInfo = edited.specialDayInfo;
    target.taskDayInfo = edited.taskDayInfo;
    // Time, date and window pages.
    target.time12or24 = edited.time12or24;
    target.clockInfo = edited.clockInfo;
    target.dateFormat = edited.dateFormat;
    target.styleOfMonth = edited.styleOfMonth;
    target.startUp = edited.startUp;
    target.transparent = edited.transparent;
    target.zOrder = edited.zOrder;
    target.mouseTransparent = edited.mouseTransparent;
    target.optTabCurSel = edited.optTabCurSel;
    // Calendar marks page.
    target.rokuyoInfo = edited.rokuyoInfo;
    target.kyurekiInfo = edited.kyurekiInfo;
    target.sekkiInfo = edited.sekkiInfo;
    target.warekiInfo = edited.warekiInfo;
    target.weekNumberInfo = edited.weekNumberInfo;
}

void ApplySettings(CvesmDoc& doc, const OptionsValues& values) {
    Settings settings = doc.GetSettings();
    CopyOptionValues(values.settings, settings);
    doc.SetSettings(settings);
    doc.CopyDayRules(RuleListId::Holiday, values.holidays);
    doc.CopyDayRules(RuleListId::SpecialDay, values.specialDays);
    doc.PurgeOverdueTasks(doc.Host().Now());
    doc.SaveSettings();
    doc.RebuildDays();
    doc.Host().RedrawViews();
}

}  // namespace vesm
