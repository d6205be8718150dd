// The seven pages of the options dialog, in tab order.
#pragma once

#include <memory>
#include <vector>

#include "doc/doc.h"
#include "options/options_page.h"

namespace vesm {

inline constexpr int kOptionPageCount = 7;
inline constexpr int kWindowPageIndex = 5;
inline constexpr int kKoyomiPageIndex = 6;

std::vector<std::unique_ptr<COptionsPage>> MakeOptionPages(const CvesmDoc& doc);

// The page a stored tab index opens on: 0 to 4 are the first five pages, 6
// the calendar marks page, any other value the window page.
constexpr int PageForTabIndex(int tabIndex) {
    if (tabIndex == kKoyomiPageIndex) return kKoyomiPageIndex;
    return tabIndex >= 0 && tabIndex < kWindowPageIndex ? tabIndex : kWindowPageIndex;
}

}  // namespace vesm
