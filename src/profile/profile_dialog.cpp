#include "profile/profile_dialog.h"

#include <string>
#include <vector>

#include "doc/doc.h"
#include "res/resource.h"
#include "win32/controls.h"

namespace vesm {

namespace {

// The controls that give the longitude directly; the birthplace list is the other choice.
constexpr int kLongitudeControls[] = {IDC_PROFILE_EAST_OR_WEST, IDC_PROFILE_DEGREE_SPIN,
                                      IDC_PROFILE_DEGREE, IDC_PROFILE_LONGITUDE_MINUTE,
                                      IDC_PROFILE_LONGITUDE_SECOND};

}  // namespace

CProfileDialog::CProfileDialog(CvesmDoc& doc) : Dialog(IDD_PROFILE), doc_(doc) {}

bool CProfileDialog::OnInitDialog() {
    const Settings settings = doc_.GetSettings();
    twelveHour_ = IsTwelveHour(settings.time12or24);
    FillLists(settings.dateFormat);
    ShowForm(FormFromProfile(doc_.Profile(), twelveHour_));
    EnableItem(Hwnd(), IDC_PROFILE_HALF_OF_DAY, twelveHour_);
    UpdateEnabled();
    SetText(Hwnd(), "Profile");
    return true;
}

void CProfileDialog::FillLists(int dateFormat) {
    UpDownSetRange(Item(IDC_PROFILE_YEAR_SPIN), kFirstBirthYear, kLastBirthYear);
    ComboFill(Item(IDC_PROFILE_MONTH), ProfileMonthItems(dateFormat));
    ComboFillNumbers(Item(IDC_PROFILE_DAY), 1, 31);
    ComboFill(Item(IDC_PROFILE_HALF_OF_DAY), HalfOfDayItems(twelveHour_));
    ComboFillNumbers(Item(IDC_PROFILE_HOUR), 0, LastHourItem(twelveHour_));
    ComboFillNumbers(Item(IDC_PROFILE_MINUTE), 0, 59);
    std::vector<std::string> places;
    for (std::size_t i = 0; i < doc_.BirthplaceCount(); ++i) {
        places.push_back(doc_.BirthplaceEntry(i).name);
    }
    ComboFill(Item(IDC_PROFILE_PLACE), places);
    ComboFill(Item(IDC_PROFILE_EAST_OR_WEST), {"東経", "西経", " "});
    UpDownSetRange(Item(IDC_PROFILE_DEGREE_SPIN), 0, kLastLongitudeDegree);
    ComboFillNumbers(Item(IDC_PROFILE_LONGITUDE_MINUTE), 0, 59);
    ComboFillNumbers(Item(IDC_PROFILE_LONGITUDE_SECOND), 0, 59);
}

void CProfileDialog::ShowForm(const ProfileForm& form) {
    SetText(Item(IDC_PROFILE_YEAR), form.yearText);
    ComboSelect(Item(IDC_PROFILE_MONTH), form.month);
    ComboSelect(Item(IDC_PROFILE_DAY), form.day);
    ComboSelect(Item(IDC_PROFILE_HALF_OF_DAY), form.halfOfDay);
    ComboSelect(Item(IDC_PROFILE_HOUR), form.hour);
    ComboSelect(Item(IDC_PROFILE_MINUTE), form.minute);
    CheckRadio(Hwnd(), IDC_PROFILE_BY_PLACE, IDC_PROFILE_BY_LONGITUDE,
               form.placeFromTable ? IDC_PROFILE_BY_PLACE : IDC_PROFILE_BY_LONGITUDE);
    ComboSelect(Item(IDC_PROFILE_PLACE), form.place);
    ComboSelect(Item(IDC_PROFILE_EAST_OR_WEST), form.eastOrWest);
    SetText(Item(IDC_PROFILE_DEGREE), form.degreeText);
    ComboSelect(Item(IDC_PROFILE_LONGITUDE_MINUTE), form.longitudeMinute);
    ComboSelect(Item(IDC_PROFILE_LONGITUDE_SECOND), form.longitudeSecond);
}

ProfileForm CProfileDialog::ReadForm() const {
    ProfileForm form;
    form.yearText = GetText(Item(IDC_PROFILE_YEAR));
    form.month = ComboSelection(Item(IDC_PROFILE_MONTH));
    form.day = ComboSelection(Item(IDC_PROFILE_DAY));
    form.halfOfDay = ComboSelection(Item(IDC_PROFILE_HALF_OF_DAY));
    form.hour = ComboSelection(Item(IDC_PROFILE_HOUR));
    form.minute = ComboSelection(Item(IDC_PROFILE_MINUTE));
    form.placeFromTable = IsChecked(Hwnd(), IDC_PROFILE_BY_PLACE);
    form.place = ComboSelection(Item(IDC_PROFILE_PLACE));
    form.eastOrWest = ComboSelection(Item(IDC_PROFILE_EAST_OR_WEST));
    form.degreeText = GetText(Item(IDC_PROFILE_DEGREE));
    form.longitudeMinute = ComboSelection(Item(IDC_PROFILE_LONGITUDE_MINUTE));
    form.longitudeSecond = ComboSelection(Item(IDC_PROFILE_LONGITUDE_SECOND));
    return form;
}

void CProfileDialog::UpdateEnabled() {
    const bool byPlace = IsChecked(Hwnd(), IDC_PROFILE_BY_PLACE);
    EnableItem(Hwnd(), IDC_PROFILE_PLACE, byPlace);
    for (int id : kLongitudeControls) EnableItem(Hwnd(), id, !byPlace);
}

bool CProfileDialog::OnCommand(int id, int code, HWND control) {
    if ((id == IDC_PROFILE_BY_PLACE || id == IDC_PROFILE_BY_LONGITUDE) && code == BN_CLICKED) {
        UpdateEnabled();
        return true;
    }
    // The button is there for a feature the program does not have.
    if (id == IDC_PROFILE_FORTUNE) return true;
    return Dialog::OnCommand(id, code, control);
}

void CProfileDialog::OnOK() {
    const FormOutcome outcome = ProfileFromForm(ReadForm(), doc_.Profile(), twelveHour_);
    if (!outcome.profile) {
        MessageRequest request{outcome.problem, "vesmira", MessageIcon::Exclamation};
        request.owner = Hwnd();
        doc_.Host().ShowMessage(request);
        return;
    }
    doc_.SetProfile(*outcome.profile);
    doc_.SaveSettings();
    doc_.RebuildDays();
    doc_.Host().RedrawViews();
    End(IDOK);
}

INT_PTR RunProfileDialog(CvesmDoc& doc) {
    CProfileDialog dialog(doc);
    return dialog.DoModal(nullptr);
}

}  // namespace vesm
