#include <gtest/gtest.h>

#include <cstdint>

#include "storage/StrToIntOrZero.h"

namespace tesseron::storage {
namespace {

TEST(StrToIntOrZeroTest, ParsesSignedDecimalAndGivesZeroForAnythingElse) {
    EXPECT_EQ(StrToIntOrZero("123"), 123);
    EXPECT_EQ(StrToIntOrZero("-45"), -45);
    EXPECT_EQ(StrToIntOrZero("+7"), 7);
    EXPECT_EQ(StrToIntOrZero("007"), 7);
    EXPECT_EQ(StrToIntOrZero("2147483647"), 2147483647);
    EXPECT_EQ(StrToIntOrZero("-2147483648"), INT32_MIN);
    for (const char* bad : {"", "-", "+", "abc", "12a", " 12", "12 ", "1.5", "0x10", "2147483648", "99999999999999999999"})
        EXPECT_EQ(StrToIntOrZero(bad), 0) << '"' << bad << '"';
    EXPECT_EQ(StrToIntOrZero(nullptr), 0);
}

}  // namespace
}  // namespace tesseron::storage
