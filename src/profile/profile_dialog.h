// The profile dialog: birth date and time, and the birthplace as a table entry
// or as a longitude. OK stores the profile, saves, rebuilds and redraws.
#pragma once

#include <windows.h>

#include "profile/profile_form.h"
#include "win32/dialog.h"

namespace vesm {

class CvesmDoc;

class CProfileDialog : public Dialog {
public:
    explicit CProfileDialog(CvesmDoc& doc);

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnOK() override;

private:
    void FillLists(int dateFormat);
    void ShowForm(const ProfileForm& form);
    ProfileForm ReadForm() const;
    // Enables the birthplace list or the longitude controls, as the radios say.
    void UpdateEnabled();

    CvesmDoc& doc_;
    // The hour lists are built for the mode in effect when the dialog opened.
    bool twelveHour_ = true;
};

// Runs the profile dialog modally without an owner; returns IDOK or IDCANCEL.
INT_PTR RunProfileDialog(CvesmDoc& doc);

}  // namespace vesm
