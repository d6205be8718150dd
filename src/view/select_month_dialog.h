// The small dialog behind the top margin: pick a month and a year from 1980
// to 2099 and show it.
#pragma once

#include "win32/dialog.h"

namespace vesm {

class CvesmDoc;

class CSelectMonthDialog : public Dialog {
public:
    explicit CSelectMonthDialog(CvesmDoc& doc);

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    CvesmDoc& doc_;
};

}  // namespace vesm
