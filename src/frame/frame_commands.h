// The commands the frame carries out, by menu command id.
#pragma once

namespace vesm {

enum class FrameCommand {
    None,  // not the frame's: About goes to the application object
    Exit,
    PreviousMonth,
    NextMonth,
    SelectMonth,
    CurrentMonth,
    HelpTopics,
    Help,
    ContextHelp,
};

FrameCommand FrameCommandFor(int commandId);

}  // namespace vesm
