// The one step behind OK and Apply of the options dialog: the edited values go
// into the document, then old tasks are purged, the file is rewritten, the day
// table rebuilt and every view redrawn.
#pragma once

#include "doc/doc.h"
#include "options/options_values.h"

namespace vesm {

// Copies the keys the options dialog edits, in the dialog's order. Every other
// setting (window position, snooze choice, profile) keeps target's value, as
// those may have changed while the dialog was open.
void CopyOptionValues(const Settings& edited, Settings& target);

void ApplySettings(CvesmDoc& doc, const OptionsValues& values);

}  // namespace vesm
