#include "options/opt_pages.h"

#include "options/tab_page1.h"
#include "options/tab_page2.h"
#include "options/tab_page3.h"
#include "options/tab_page4.h"
#include "options/tab_page5.h"
#include "options/tab_page6.h"
#include "options/tab_page7.h"

namespace vesm {

std::vector<std::unique_ptr<COptionsPage>> MakeOptionPages(const CvesmDoc& doc) {
    std::vector<std::unique_ptr<COptionsPage>> pages;
    pages.push_back(std::make_unique<CTabPage1>(doc));
    pages.push_back(std::make_unique<CTabPage2>());
    pages.push_back(std::make_unique<CTabPage3>());
    pages.push_back(std::make_unique<CTabPage4>());
    pages.push_back(std::make_unique<CTabPage5>());
    pages.push_back(std::make_unique<CTabPage6>());
    pages.push_back(std::make_unique<CTabPage7>());
    return pages;
}

}  // namespace vesm
