// The six pages of the options dialog, in tab order.
#pragma once

#include <memory>
#include <vector>

#include "doc/doc.h"
#include "options/options_page.h"

namespace vesm {

inline constexpr int kOptionPageCount = 6;

std::vector<std::unique_ptr<COptionsPage>> MakeOptionPages(const CvesmDoc& doc);

// The page a stored tab index opens on: 0 to 4 are the first five pages, any
// other value the window page.
constexpr int PageForTabIndex(int tabIndex) {
    return tabIndex >= 0 && tabIndex < kOptionPageCount - 1 ? tabIndex : kOptionPageCount - 1;
}

}  // namespace vesm
