// Pins the process's time zone for one test and restores it afterwards.
// Olson zone names need a POSIX C runtime; the Windows runtime reads TZ in
// its own form, so zone-switching tests run natively only.
#pragma once

#include <cstdlib>
#include <ctime>
#include <string>

#include <gtest/gtest.h>

#if defined(_WIN32)
#define VESM_NEEDS_ZONE_SWITCH() GTEST_SKIP() << "time zones are switched in the native build"
#else
#define VESM_NEEDS_ZONE_SWITCH() static_cast<void>(0)
#endif

namespace vesm {

class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone) {
        const char* old = std::getenv("TZ");
        hadOld_ = old != nullptr;
        if (hadOld_) old_ = old;
        Set(zone);
    }
    ~ScopedTimeZone() {
        if (hadOld_) {
            Set(old_.c_str());
        } else {
#if !defined(_WIN32)
            unsetenv("TZ");
            tzset();
#endif
        }
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    static void Set(const char* zone) {
#if defined(_WIN32)
        static_cast<void>(zone);
#else
        setenv("TZ", zone, 1);
        tzset();
#endif
    }
    bool hadOld_ = false;
    std::string old_;
};

}  // namespace vesm
