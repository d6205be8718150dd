// Without a generated ja_JP.UTF-8 locale Wine falls back to an English code
// page silently, and text tests would pass or fail for the wrong reason.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

class JapaneseCodePage : public testing::Environment {
    void SetUp() override { ASSERT_EQ(GetACP(), 932u) << "Wine does not run with ja_JP.UTF-8"; }
};

const testing::Environment* const registered =
    testing::AddGlobalTestEnvironment(new JapaneseCodePage);

}  // namespace
