// One task as stored.
#pragma once

#include <string>

#include "doc/date_time.h"

namespace vesm {

struct CTaskTime {
    DateTime taskTime;
    int taskMode = 0;    // 0..3
    int alarmMode = 0;   // 0..2
    int alarmArmed = 0;  // 0..1
    std::string text;
    DateTime alarmTime;
    std::string textAsRead{};  // the text's bytes as the settings file had them
};

}  // namespace vesm
