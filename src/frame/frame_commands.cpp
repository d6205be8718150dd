#include "frame/frame_commands.h"

#include "res/resource.h"

namespace vesm {

FrameCommand FrameCommandFor(int commandId) {
    switch (commandId) {
        case ID_APP_ABOUT:
        case ID_ABOUT:
        case ID_ABOUT2:
            return FrameCommand::About;
        case ID_EXIT:
        case ID_EXIT2:
            return FrameCommand::Exit;
        case ID_OPTIONS:
        case ID_OPTIONS2:
            return FrameCommand::Options;
        case ID_TASK_LIST:
        case ID_TASK_LIST2:
            return FrameCommand::TaskList;
        case ID_MONTH_PREVIOUS:
        case ID_MONTH_PREVIOUS2:
            return FrameCommand::PreviousMonth;
        case ID_MONTH_NEXT:
        case ID_MONTH_NEXT2:
            return FrameCommand::NextMonth;
        case ID_MONTH_SELECT:
        case ID_MONTH_SELECT2:
            return FrameCommand::SelectMonth;
        case ID_MONTH_CURRENT:
        case ID_MONTH_CURRENT2:
            return FrameCommand::CurrentMonth;
        case ID_HELP_FINDER:
        case ID_DEFAULT_HELP:
        case ID_HELP_TOPICS2:
            return FrameCommand::HelpTopics;
        case ID_HELP:
            return FrameCommand::Help;
        case ID_CONTEXT_HELP:
            return FrameCommand::ContextHelp;
        case ID_PROFILE:
            return FrameCommand::Profile;
        case ID_ICAL_EXPORT:
        case ID_ICAL_EXPORT2:
            return FrameCommand::ExportCalendar;
        case ID_ICAL_IMPORT:
        case ID_ICAL_IMPORT2:
            return FrameCommand::ImportCalendar;
        default:
            return FrameCommand::None;
    }
}

}  // namespace vesm
