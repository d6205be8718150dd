// The Japan dates of the solar terms, each computed once when first asked for.
#pragma once

#include <map>

namespace vesm {

class TermDays {
public:
    // The day number of the date in Japan when `term` (0..23) falls in `year`.
    int Day(int year, int term);

private:
    std::map<int, int> days_;  // year * 24 + term -> day number
};

}  // namespace vesm
