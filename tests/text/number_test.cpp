#include "text/number.h"

#include <gtest/gtest.h>
#include <limits>

namespace pantrix {
namespace {

TEST(LeadingNumber, TakesTheLeadingNumberAndIgnoresWhatFollows)
{
    EXPECT_EQ(LeadingNumber("6465 "), 6465);
    EXPECT_EQ(LeadingNumber("  -1234"), -1234);
    EXPECT_EQ(LeadingNumber("+15x"), 15);
    EXPECT_EQ(LeadingNumber("12.7"), 12);
}

TEST(LeadingNumber, IsZeroWithoutANumber)
{
    EXPECT_EQ(LeadingNumber(""), 0);
    EXPECT_EQ(LeadingNumber("     "), 0);
    EXPECT_EQ(LeadingNumber("abc"), 0);
    EXPECT_EQ(LeadingNumber("-"), 0);
    EXPECT_EQ(LeadingNumber(std::string("\0\0", 2)), 0);
}

TEST(LeadingNumber, HoldsAnOverlongNumberAtTheLimit)
{
    EXPECT_EQ(LeadingNumber("99999999999999999999999"), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(LeadingNumber("-99999999999999999999999"), -std::numeric_limits<std::int64_t>::max());
}

} // namespace
} // namespace pantrix
