// Files written before the holiday list knew years carry one of two earlier
// built-in lists; those are taken for the built-in list of today.
#pragma once

#include <vector>

#include "doc/holiday_time.h"

namespace vesm {

// Whether the rules are, in any order, exactly one of the two lists this
// program once had built in: the 13 rules of its first form, or the 14 rules
// of the current law that it wrote until holidays knew their years. A list the
// user has edited is neither and stays as it is.
bool IsEarlierBuiltInHolidayList(const std::vector<CHolidayTime>& rules);

}  // namespace vesm
