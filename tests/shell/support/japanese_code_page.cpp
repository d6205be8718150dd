// Every Wine test program checks first that Wine runs in the Japanese locale:
// without a generated ja_JP.UTF-8 locale Wine falls back to an English code
// page silently, and text tests would pass or fail for the wrong reason.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

class JapaneseCodePage : public testing::Environment {
public:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 932u) << "Wine does not run with the ja_JP.UTF-8 locale";
    }
};

const testing::Environment* const registered =
    testing::AddGlobalTestEnvironment(new JapaneseCodePage);

}  // namespace
