// Pins the process's time zone for one test and restores it afterwards. Olson
// names need a POSIX C runtime, so zone-switching tests run natively only.
#pragma once

#include <cstdlib>
#include <ctime>
#include <optional>
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
        if (const char* old = std::getenv("TZ")) old_ = old;
        Set(zone);
    }
    ~ScopedTimeZone() { Set(old_ ? old_->c_str() : nullptr); }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    static void Set(const char* zone) {
#if !defined(_WIN32)
        if (zone != nullptr) setenv("TZ", zone, 1);
        if (zone == nullptr) unsetenv("TZ");
        tzset();
#endif
        static_cast<void>(zone);
    }
    std::optional<std::string> old_;
};

}  // namespace vesm
