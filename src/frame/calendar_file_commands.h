// The menu commands that write the special days and tasks to an iCalendar
// file and read them from one, through the standard Save and Open dialogs.
#pragma once

namespace vesm {

class CvesmDoc;

void ExportCalendarFile(CvesmDoc& doc);
// Shows what the file adds and adds it only on OK; then saves and redraws.
void ImportCalendarFile(CvesmDoc& doc);

}  // namespace vesm
