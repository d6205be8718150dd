// The calendar's holidays compared day for day with the national holidays as
// published, and the year lists built from the document's day table.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "doc/cp932_codec.h"
#include "doc/doc.h"
#include "doc/holiday_listing.h"
#include "support/earlier_holiday_lists.h"
#include "support/fake_host.h"

namespace vesm {
namespace {

// The published list calls substitute and in-between holidays alike "休日" and
// names some holidays differently; both sides are brought to one name.
std::string CommonName(const std::string& name) {
    static const char* const kFrom[] = {
        "元日",           "建国記念の日",   "こどもの日",         "体育の日（スポーツの日）",
        "振替休日",       "国民の休日",     "昭和天皇の大喪の礼", "皇太子徳仁親王の結婚の儀",
        "天皇の即位の日", "即位礼正殿の儀", "休日（祝日扱い）"};
    static const char* const kTo[] = {"元旦", "建国記念日", "子供の日", "体育の日",
                                      "休日", "休日",       "大喪の礼", "結婚の儀",
                                      "即位", "即位",       "即位"};
    for (std::size_t i = 0; i < std::size(kFrom); ++i) {
        if (name == kFrom[i]) return kTo[i];
    }
    return name;
}

int DateKey(const MarkedDay& mark) {
    return mark.year * 10000 + mark.month * 100 + mark.day;
}

constexpr int kFirstYear = 1980, kLastPublishedYear = 2050;

// yyyymmdd -> name, brought to the common name.
std::map<int, std::string> PublishedHolidays() {
    std::ifstream file(VESM_TEST_DATA_DIR "/jp_holidays_official.csv");
    std::map<int, std::string> names;
    for (std::string line; std::getline(file, line);) {
        int year = 0, month = 0, day = 0;
        const std::size_t comma = line.find(',');
        if (comma == std::string::npos ||
            std::sscanf(line.c_str(), "%d-%d-%d", &year, &month, &day) != 3 || year < kFirstYear ||
            year > kLastPublishedYear) {
            continue;  // the header or a year out of range
        }
        names[year * 10000 + month * 100 + day] = CommonName(line.substr(comma + 1));
    }
    return names;
}

// yyyymmdd -> the calendar's own name of every holiday it marks with a settings
// file of `lines` (none: the built-in lists and defaults).
std::map<int, std::string> CalendarHolidays(const std::vector<std::string>& lines) {
    FakeHost host;
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    if (!lines.empty()) host.SetSettingsFile(EncodeCp932(text));
    CvesmDoc doc(host);
    EXPECT_TRUE(host.messages.empty());
    std::map<int, std::string> names;
    for (const MarkedDay& mark : ListMarkedDays(doc, kFirstYear, kLastPublishedYear)) {
        if (mark.kind == MarkKind::Holiday) names[DateKey(mark)] = mark.name;
    }
    return names;
}

// Files written before rules had years carry one of two earlier built-in
// lists; they load as the law's list.
TEST(OfficialHolidaysTest, BuiltInAndEarlierListsGiveThePublishedHolidaysOfEveryYear) {
    const std::map<int, std::string> published = PublishedHolidays();
    ASSERT_GE(published.size(), 71u * 15) << "official holiday list not found or cut short";
    for (const std::vector<std::string>& lines :
         {std::vector<std::string>{}, kFirstBuiltInHolidayLines, kYearlessLawHolidayLines}) {
        SCOPED_TRACE(lines.size());
        std::map<int, std::string> marked = CalendarHolidays(lines);
        std::string differences;
        for (const auto& [date, name] : published) {
            const auto found = marked.find(date);
            if (found == marked.end() || CommonName(found->second) != name) {
                differences += "\n  " + std::to_string(date) + " published as " + name;
            }
        }
        for (const auto& [date, name] : marked) {
            if (!published.contains(date)) {
                differences += "\n  " + std::to_string(date) + " marked as " + name;
            }
        }
        EXPECT_EQ(differences, "");
        // The names the published list folds together stay apart.
        const std::pair<int, const char*> apart[] = {{19880504, "国民の休日"},
                                                     {20080506, "振替休日"},
                                                     {20090922, "国民の休日"},
                                                     {20190501, "天皇の即位の日"},
                                                     {20191022, "即位礼正殿の儀"}};
        for (const auto& [date, name] : apart) EXPECT_EQ(marked[date], name) << date;
    }
}

TEST(HolidayListingTest, DateOrderHolidayBeforeSpecialDayRangedSpecialDaysAndSettings) {
    FakeHost host;
    CvesmDoc doc(host);
    doc.ParseDayRules(RuleListId::SpecialDay, "2`5`5`0`菖蒲湯`2`6`6`0`開店記念日`2010`2012");
    const DateTime displayed = doc.DisplayDate();
    const std::vector<MarkedDay> marks = ListMarkedDays(doc, 2009, 2013);
    EXPECT_EQ(doc.DisplayDate(), displayed);
    ASSERT_FALSE(marks.empty());
    EXPECT_EQ(marks.front(), (MarkedDay{2009, 1, 1, MarkKind::Holiday, "元旦"}));
    EXPECT_EQ(marks.back(), (MarkedDay{2013, 12, 31, MarkKind::Special, "大晦日"}));
    std::string chosen;
    for (std::size_t i = 0; i < marks.size(); ++i) {
        const MarkedDay& m = marks[i];
        if (i > 0) {  // in date order, a day's holiday before its special day
            ASSERT_LE(std::pair(DateKey(marks[i - 1]), marks[i - 1].kind),
                      std::pair(DateKey(m), m.kind))
                << i;
        }
        if (DateKey(m) == 20120505 || m.name == "開店記念日") {
            chosen += std::to_string(DateKey(m)) + " " + m.name + ",";
        }
    }
    EXPECT_EQ(chosen,
              "20100606 開店記念日,20110606 開店記念日,20120505 子供の日,20120505 菖蒲湯,"
              "20120606 開店記念日,");
    Settings settings = doc.GetSettings();
    settings.numOfMonth = 0;  // the whole-year view classifies the same days
    settings.numOfPast = 4;
    for (int fallsOnSat : {1, 0}) {
        settings.fallsOnSat = fallsOnSat;
        doc.SetSettings(settings);
        std::string name = "none";
        for (const MarkedDay& mark : ListMarkedDays(doc, 2014, 2014)) {
            if (DateKey(mark) == 20140505 && mark.kind == MarkKind::Holiday) name = mark.name;
        }
        EXPECT_EQ(name, fallsOnSat ? "振替休日" : "子供の日");
    }
}

}  // namespace
}  // namespace vesm
