#include "text/fields.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace pantrix {
namespace {

TEST(FixedField, PadsWithSpacesAndCutsAtTheWidth)
{
    EXPECT_EQ(FixedField("Milk", 6), "Milk  ");
    EXPECT_EQ(FixedField("Buttermilk", 6), "Butter");
    EXPECT_EQ(FixedField("", 3), "   ");
    EXPECT_EQ(FixedField(std::string(35, 'x'), 30), std::string(30, 'x'));
}

TEST(Trim, RemovesSpacesOnlyFromBothEnds)
{
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(Trim("    "), "");
    EXPECT_EQ(Trim("\tTab "), "\tTab");
}

TEST(NameRules, ExactFieldIgnoresOnlyPaddingWithinTheWidth)
{
    EXPECT_TRUE(ExactFieldEqual("Dairy", "Dairy   ", 30));
    EXPECT_FALSE(ExactFieldEqual("Dairy", " Dairy", 30));
    EXPECT_FALSE(ExactFieldEqual("Dairy", "dairy", 30));
    EXPECT_TRUE(ExactFieldEqual(std::string(30, 'a') + "b", std::string(30, 'a') + "c", 30));
}

TEST(NameRules, TrimmedIgnoresSurroundingSpacesButNotCase)
{
    EXPECT_TRUE(TrimmedEqual("  Dairy ", "Dairy"));
    EXPECT_FALSE(TrimmedEqual("Dairy", "DAIRY"));
}

TEST(NameRules, TrimmedAnyCaseIgnoresCaseOfAccentedLettersToo)
{
    EXPECT_TRUE(TrimmedEqualAnyCase(" dairy ", "DAIRY"));
    EXPECT_TRUE(TrimmedEqualAnyCase("cr\xE8me", "CR\xC8ME"));
    EXPECT_TRUE(TrimmedEqualAnyCase("\x9A\xFF", "\x8A\x9F"));
    EXPECT_FALSE(TrimmedEqualAnyCase("\xF7", "\xD7")); // division and multiplication signs
}

TEST(LessNoCase, SortsAlphabeticallyWithoutRegardToCaseAndRepeatably)
{
    std::vector<std::string> names = {"cherry", "Banana", "apple", "Apple", "banana"};
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return LessNoCase(a, b); });
    EXPECT_EQ(names, (std::vector<std::string>{"Apple", "apple", "Banana", "banana", "cherry"}));
}

} // namespace
} // namespace pantrix
