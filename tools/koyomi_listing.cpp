#include "koyomi_listing.h"

#include <vector>

#include "koyomi/day_number.h"
#include "koyomi/koyomi.h"

namespace vesm {

void PrintKoyomiDays(int fromYear, int toYear, std::FILE* out) {
    for (int year = fromYear; year <= toYear; ++year) {
        const std::vector<DayKoyomi> days = KoyomiOfYear(year);
        const int firstDay = DayNumberOf(year, 1, 1);
        for (std::size_t i = 0; i < days.size(); ++i) {
            const CivilDate date = CivilDateOf(firstDay + static_cast<int>(i));
            const DayKoyomi& marks = days[i];
            std::fprintf(out, "%04d-%02d-%02d\t%s%d\t%d\t%s\t%s\t%s\t%d\n", date.year, date.month,
                         date.day, marks.lunar.leap ? "閏" : "", marks.lunar.month, marks.lunar.day,
                         RokuyoName(marks.rokuyo), SolarTermName(marks.solarTerm),
                         EraYearText(EraOf(date.year, date.month, date.day)).c_str(),
                         IsoWeekNumber(date.year, date.month, date.day));
        }
    }
}

}  // namespace vesm
