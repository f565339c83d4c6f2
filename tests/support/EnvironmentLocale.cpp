// The core suite runs in the locale of its environment, as the desktop program does (Qt takes
// the user's locale at start-up), so that a run under LC_ALL=de_DE.UTF-8 shows whether any
// number is read or written through the locale's decimal comma.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

namespace {

const bool kEnvironmentLocaleTaken = std::setlocale(LC_ALL, "") != nullptr;

// The decimal-comma run (LC_ALL=de_DE.UTF-8) is only worth something when the locale really
// took.
TEST(EnvironmentLocaleTest, DecimalCommaRunHasItsLocale) {
    const char* locale = std::getenv("LC_ALL");
    if (locale == nullptr || !std::string(locale).starts_with("de_DE"))
        GTEST_SKIP() << "not the decimal-comma run";
    ASSERT_TRUE(kEnvironmentLocaleTaken) << "the locale of LC_ALL is not installed";
    EXPECT_EQ(std::string(std::localeconv()->decimal_point), ",");
}

}  // namespace
