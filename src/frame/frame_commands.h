// The commands the frame carries out, by menu command id.
#pragma once

namespace vesm {

enum class FrameCommand {
    None,
    About,  // handed to the application object, which owns the About box
    Exit,
    Options,
    TaskList,
    PreviousMonth,
    NextMonth,
    SelectMonth,
    CurrentMonth,
    HelpTopics,
    Help,
    ContextHelp,
    Profile,
    ExportCalendar,
    ImportCalendar,
};

FrameCommand FrameCommandFor(int commandId);

}  // namespace vesm
