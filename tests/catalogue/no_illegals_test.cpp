#include "catalogue/no_illegals.h"

#include <gtest/gtest.h>

namespace pantrix {
namespace {

TEST(NoIllegals, ReplacesCharactersAFileNameCannotHoldAndTrimsTheCallersName)
{
    std::string name = "  a*b/c:d?  ";
    EXPECT_EQ(NoIllegals(name), "a_b-c-d-");
    EXPECT_EQ(name, "a*b/c:d?");

    std::string all = "\\|<>\"";
    EXPECT_EQ(NoIllegals(all), "-----");
}

TEST(NoIllegals, AnEmptyOrAllSpaceNameGivesNothing)
{
    std::string spaces = "    ";
    EXPECT_EQ(NoIllegals(spaces), "");
    EXPECT_EQ(spaces, "");
    std::string longName(300, 'x');
    EXPECT_EQ(NoIllegals(longName).size(), 300u);
}

} // namespace
} // namespace pantrix
