// The calendar's holidays compared day for day with the national holidays as
// published, and the year lists built from the document's day table.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
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
    static const std::map<std::string, std::string> common = {
        {"元日", "元旦"},
        {"建国記念の日", "建国記念日"},
        {"こどもの日", "子供の日"},
        {"体育の日（スポーツの日）", "体育の日"},
        {"振替休日", "休日"},
        {"国民の休日", "休日"},
        {"昭和天皇の大喪の礼", "大喪の礼"},
        {"皇太子徳仁親王の結婚の儀", "結婚の儀"},
        {"天皇の即位の日", "即位"},
        {"即位礼正殿の儀", "即位"},
        {"休日（祝日扱い）", "即位"},
    };
    auto found = common.find(name);
    return found == common.end() ? name : found->second;
}

std::string DateText(int year, int month, int day) {
    char date[16];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", year, month, day);
    return date;
}

constexpr int kFirstYear = 1980;
constexpr int kLastPublishedYear = 2050;

std::set<std::string> PublishedHolidays() {
    std::ifstream file(VESM_TEST_DATA_DIR "/jp_holidays_official.csv");
    std::set<std::string> entries;
    std::string line;
    while (std::getline(file, line)) {
        int year = 0, month = 0, day = 0;
        const std::size_t comma = line.find(',');
        if (comma == std::string::npos ||
            std::sscanf(line.c_str(), "%d-%d-%d", &year, &month, &day) != 3) {
            continue;  // the header
        }
        if (year < kFirstYear || year > kLastPublishedYear) continue;
        entries.insert(DateText(year, month, day) + " " + CommonName(line.substr(comma + 1)));
    }
    return entries;
}

// "YYYY-MM-DD name" of every holiday marked with a settings file of `lines`
// (none: the built-in lists and defaults), with the calendar's own names.
std::map<std::string, std::string> CalendarHolidays(const std::vector<std::string>& lines) {
    FakeHost host;
    if (!lines.empty()) {
        std::string text;
        for (const std::string& line : lines) text += line + "\r\n";
        host.SetSettingsFile(EncodeCp932(text));
    }
    CvesmDoc doc(host);
    EXPECT_TRUE(host.messages.empty());
    std::map<std::string, std::string> names;
    for (const MarkedDay& mark : ListMarkedDays(doc, kFirstYear, kLastPublishedYear)) {
        if (mark.kind == MarkKind::Holiday) {
            names[DateText(mark.year, mark.month, mark.day)] = mark.name;
        }
    }
    return names;
}

std::string Lines(const std::vector<std::string>& entries) {
    std::string text;
    for (const std::string& entry : entries) text += "\n  " + entry;
    return text;
}

// Files written before rules had years carry one of two earlier built-in
// lists; they load as the law's list.
TEST(OfficialHolidaysTest, BuiltInAndEarlierListsGiveThePublishedHolidaysOfEveryYear) {
    const std::set<std::string> published = PublishedHolidays();
    ASSERT_GE(published.size(), 71u * 15) << "official holiday list not found or cut short";
    for (const std::vector<std::string>& lines :
         {std::vector<std::string>{}, kFirstBuiltInHolidayLines, kYearlessLawHolidayLines}) {
        SCOPED_TRACE(lines.size());
        std::map<std::string, std::string> names = CalendarHolidays(lines);
        std::set<std::string> calendar;
        for (const auto& [date, name] : names) calendar.insert(date + " " + CommonName(name));
        std::vector<std::string> missing, extra;
        std::set_difference(published.begin(), published.end(), calendar.begin(), calendar.end(),
                            std::back_inserter(missing));
        std::set_difference(calendar.begin(), calendar.end(), published.begin(), published.end(),
                            std::back_inserter(extra));
        EXPECT_TRUE(missing.empty()) << "published but not marked:" << Lines(missing);
        EXPECT_TRUE(extra.empty()) << "marked but not published:" << Lines(extra);
        // The names the published list folds together stay apart.
        for (const auto& [date, name] :
             std::map<std::string, std::string>{{"1988-05-04", "国民の休日"},
                                                {"2008-05-06", "振替休日"},
                                                {"2009-09-22", "国民の休日"},
                                                {"2019-05-01", "天皇の即位の日"},
                                                {"2019-10-22", "即位礼正殿の儀"}}) {
            EXPECT_EQ(names[date], name) << date;
        }
    }
}

int DateKey(const MarkedDay& mark) {
    return mark.year * 10000 + mark.month * 100 + mark.day;
}

TEST(HolidayListingTest, DateOrderHolidayBeforeSpecialDayAndRangedSpecialDays) {
    FakeHost host;
    CvesmDoc doc(host);
    doc.ParseDayRules(RuleListId::SpecialDay, "2`5`5`0`菖蒲湯`2`6`6`0`開店記念日`2010`2012");
    EXPECT_TRUE(host.messages.empty());
    const DateTime displayed = doc.DisplayDate();
    const std::vector<MarkedDay> marks = ListMarkedDays(doc, 2009, 2013);
    EXPECT_EQ(doc.DisplayDate(), displayed);
    ASSERT_FALSE(marks.empty());
    EXPECT_EQ(marks.front(), (MarkedDay{2009, 1, 1, MarkKind::Holiday, "元旦"}));
    EXPECT_EQ(marks.back(), (MarkedDay{2013, 12, 31, MarkKind::Special, "大晦日"}));
    std::vector<MarkedDay> chosen;
    for (std::size_t i = 1; i < marks.size(); ++i) {
        ASSERT_LE(DateKey(marks[i - 1]), DateKey(marks[i])) << "at " << i;
        if (DateKey(marks[i - 1]) == DateKey(marks[i])) {
            EXPECT_EQ(marks[i - 1].kind, MarkKind::Holiday) << "at " << i;
            EXPECT_EQ(marks[i].kind, MarkKind::Special) << "at " << i;
        }
    }
    std::copy_if(marks.begin(), marks.end(), std::back_inserter(chosen), [](const MarkedDay& m) {
        return DateKey(m) == 20120505 || m.name == "開店記念日";
    });
    EXPECT_EQ(chosen, (std::vector<MarkedDay>{{2010, 6, 6, MarkKind::Special, "開店記念日"},
                                              {2011, 6, 6, MarkKind::Special, "開店記念日"},
                                              {2012, 5, 5, MarkKind::Holiday, "子供の日"},
                                              {2012, 5, 5, MarkKind::Special, "菖蒲湯"},
                                              {2012, 6, 6, MarkKind::Special, "開店記念日"}}));
}

TEST(HolidayListingTest, FollowsTheDocumentsHolidaySettings) {
    FakeHost host;
    CvesmDoc doc(host);
    Settings settings = doc.GetSettings();
    settings.fallsOnSat = 1;
    settings.numOfMonth = 0;  // the whole-year view classifies the same days
    settings.numOfPast = 4;
    doc.SetSettings(settings);
    auto fifthOfMay = [&] {
        for (const MarkedDay& mark : ListMarkedDays(doc, 2014, 2014)) {
            if (DateKey(mark) == 20140505) return mark.name;
        }
        return std::string("none");
    };
    EXPECT_EQ(fifthOfMay(), "振替休日");
    settings.fallsOnSat = 0;
    doc.SetSettings(settings);
    EXPECT_EQ(fifthOfMay(), "子供の日");
}

}  // namespace
}  // namespace vesm
