// The monitor's pixel density as a factor on the calendar's pixel sizes. At
// 96 dots per inch every size stays as the settings give it; at more, the font
// heights and the few fixed pixel offsets grow by dpi / 96, and everything the
// layout derives from the font grows with them.
#pragma once

namespace vesm {

struct DisplayScale {
    static constexpr int kBaseDpi = 96;
    int dpi = kBaseDpi;

    // A size given for 96 dots per inch, rounded to the nearest pixel.
    int Pixels(int atBaseDpi) const {
        const int usable = dpi > 0 ? dpi : kBaseDpi;
        return (atBaseDpi * usable + kBaseDpi / 2) / kBaseDpi;
    }
    bool operator==(const DisplayScale&) const = default;
};

}  // namespace vesm
