// The seven pages of the options dialog, in tab order.
#pragma once

#include <memory>
#include <vector>

#include "doc/doc.h"
#include "options/options_page.h"

namespace vesm {

inline constexpr int kOptionPageCount = 7;
inline constexpr int kWindowPageIndex = 5;

std::vector<std::unique_ptr<COptionsPage>> MakeOptionPages(const CvesmDoc& doc);

// The page a stored tab index opens on: a page's own index, or the window page
// for a value no page has.
constexpr int PageForTabIndex(int tabIndex) {
    return tabIndex >= 0 && tabIndex < kOptionPageCount ? tabIndex : kWindowPageIndex;
}

}  // namespace vesm
