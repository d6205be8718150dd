// The month navigation operations carried out on the document, shared by the
// view's double-clicks and the frame's commands.
#pragma once

namespace vesm {

class CvesmDoc;

void ShowPreviousMonth(CvesmDoc& doc);
void ShowNextMonth(CvesmDoc& doc);
void ShowCurrentMonth(CvesmDoc& doc);
// Shows the 1st of the month when the year is in range; otherwise says so in
// a message modal to `messageOwner` and returns false, leaving the displayed
// date alone.
bool ShowChosenMonth(CvesmDoc& doc, int year, int month, void* messageOwner);

}  // namespace vesm
