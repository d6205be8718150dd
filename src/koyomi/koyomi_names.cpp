#include <string>

#include "koyomi/koyomi.h"
#include "koyomi/solar_terms.h"

namespace vesm {

const char* RokuyoName(Rokuyo r) {
    static constexpr const char* kNames[] = {"大安", "赤口", "先勝", "友引", "先負", "仏滅"};
    return kNames[static_cast<int>(r)];
}

const char* SolarTermName(int term) {
    static constexpr const char* kNames[kSolarTermCount] = {
        "春分", "清明", "穀雨", "立夏", "小満", "芒種", "夏至", "小暑",
        "大暑", "立秋", "処暑", "白露", "秋分", "寒露", "霜降", "立冬",
        "小雪", "大雪", "冬至", "小寒", "大寒", "立春", "雨水", "啓蟄",
    };
    return term >= 0 && term < kSolarTermCount ? kNames[term] : "";
}

std::string LunarDateText(const LunarDate& d) {
    return (d.leap ? "閏" : "") + std::to_string(d.month) + "月" + std::to_string(d.day) + "日";
}

}  // namespace vesm
