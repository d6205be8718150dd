// The Japanese calendar's own marks of a day: 旧暦, 六曜, 二十四節気, 和暦 and week numbers.
#pragma once
#include <string>
#include <vector>
namespace vesm {

struct LunarDate {
    int month = 0;      // 1..12
    bool leap = false;  // 閏月
    int day = 0;        // 1..30
};

enum class Rokuyo { Taian, Shakko, Sensho, Tomobiki, Senbu, Butsumetsu };  // (month + day) % 6

struct DayKoyomi {
    LunarDate lunar;
    Rokuyo rokuyo = Rokuyo::Taian;
    int solarTerm =
        -1;  // -1: none that day; else 0..23, 0 = 春分 (0°), 1 = 清明 (15°), ..., 23 = 啓蟄 (345°)
};

// Marks of every day of a Gregorian year 1980..2099 (index 0 = 1 January), Japan time;
// empty for other years.
std::vector<DayKoyomi> KoyomiOfYear(int year);

const char* RokuyoName(Rokuyo r);               // UTF-8: "大安" ...
const char* SolarTermName(int term);            // UTF-8: "春分" ...
std::string LunarDateText(const LunarDate& d);  // "閏11月3日" / "1月1日"

// 和暦 era year: 昭和 until 1989-01-07, 平成 from 1989-01-08, 令和 from 2019-05-01.
struct EraYear {
    const char* era;  // UTF-8 "令和"
    int year;         // 8
};
EraYear EraOf(int year, int month, int day);
std::string EraYearText(const EraYear& e);  // "令和8" / "令和元"

// Week numbers: ISO 8601 (Monday weeks, week 1 holds the first Thursday) and the US
// convention (Sunday weeks, week 1 holds 1 January).
int IsoWeekNumber(int year, int month, int day);
int UsWeekNumber(int year, int month, int day);

}  // namespace vesm
