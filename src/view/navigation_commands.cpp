#include "view/navigation_commands.h"

#include <string>
#include <string_view>

#include "doc/doc.h"
#include "view/month_navigation.h"

namespace vesm {

namespace {

void Refuse(CvesmDoc& doc, std::string_view text, void* owner = nullptr) {
    MessageRequest request;
    request.text = std::string(text);
    request.icon = MessageIcon::Exclamation;
    request.owner = owner;
    doc.Host().ShowMessage(request);
}

void Apply(CvesmDoc& doc, const MonthStep& step) {
    if (step.date) {
        doc.SetDisplayDate(*step.date);
    } else {
        Refuse(doc, step.refusal);
    }
}

}  // namespace

void ShowPreviousMonth(CvesmDoc& doc) {
    Apply(doc, PreviousMonthStep(doc.DisplayDate()));
}

void ShowNextMonth(CvesmDoc& doc) {
    Apply(doc, NextMonthStep(doc.DisplayDate()));
}

void ShowCurrentMonth(CvesmDoc& doc) {
    const CurrentMonthStep step = CurrentMonthStepAt(doc.GetSettings(), doc.Host().Now());
    if (step.numOfPast) {
        Settings settings = doc.GetSettings();
        settings.numOfPast = *step.numOfPast;
        doc.SetSettings(settings);
        doc.SaveSettings();
    }
    doc.SetDisplayDate(step.date);
}

bool ShowChosenMonth(CvesmDoc& doc, int year, int month, void* messageOwner) {
    const std::optional<DateTime> date = ChosenMonth(year, month);
    if (!date) {
        Refuse(doc, kChosenYearRangeMessage, messageOwner);
        return false;
    }
    doc.SetDisplayDate(*date);
    return true;
}

}  // namespace vesm
