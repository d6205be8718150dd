// Reading an iCalendar file into its components: lines unfolded, checked for
// UTF-8, split into name, parameters and value. Every way a file can be wrong
// ends in one message; nothing is returned half-read.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vesm::ical {

inline constexpr std::size_t kMaxFileBytes = 64u << 20;
inline constexpr std::size_t kMaxLineBytes = 1u << 20;  // one unfolded line
inline constexpr std::size_t kMaxEvents = 10000;        // VEVENT and VTODO together
inline constexpr std::size_t kMaxDepth = 8;

struct Property {
    std::string name;                                         // upper case
    std::vector<std::pair<std::string, std::string>> params;  // names upper case, unquoted
    std::string value;                                        // raw, still escaped
    int line = 0;                                             // first physical line, 1-based

    std::optional<std::string> Param(std::string_view name) const;
};

struct Component {
    std::string name;  // upper case
    std::vector<Property> properties;
    std::vector<Component> children;
    int line = 0;

    const Property* Find(std::string_view name) const;
};

struct CalendarRead {
    std::optional<Component> calendar;  // the first VCALENDAR
    std::string error;                  // set exactly when there is no calendar
};

CalendarRead ReadCalendar(std::string_view bytes);

}  // namespace vesm::ical
