// The options page "カレンダー表示": how many months are shown and from which,
// how months and days are arranged, the week start, and what becomes of tasks
// whose day has passed.
#pragma once

#include "doc/doc.h"
#include "options/options_page.h"

namespace vesm {

class CTabPage1 : public COptionsPage {
public:
    // The year view starts in January of the document's displayed year, read
    // when the values are handed over.
    explicit CTabPage1(const CvesmDoc& doc);

    void Load(const OptionsValues& values) override;
    void Store(OptionsValues& values) const override;

protected:
    void Reset() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    int Selection(int id) const;
    void RefillPastMonths(int wantedIndex);
    // Vertical months are counted in rows, horizontal ones in columns.
    void EnableMonthCounts(bool vertical);
    void EnableOldTaskControls();
    // Days in a single row (or column) stack the months the other way, one per line.
    void ArrangeDaysInLine(bool row);

    const CvesmDoc& doc_;
    // What the page opened with: kept for any list left without a selection.
    Settings loaded_;
};

}  // namespace vesm
