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

TEST(LessNoCase, SortsAccentedLettersBesideTheirPlainLettersThenByCaseAndBytes)
{
    const std::vector<std::pair<std::string, std::string>> ordered = {
        {"apple", "Banana"},       // case ignored
        {"Apple", "apple"},        // then the bytes decide
        {"Apfel", "\xC4pfel"},     // accents only after the letters ...
        {"\xE4pfel", "Apfelmus"},  // ... and after the length
        {"\xC4pfel", "\xE4pfel"},  // case of an accented letter
        {"\xC4pfel", "Birne"},     // not after "Zucchini"
        {"Cr\xE8me", "Crepe"},     // inside a word too
        {"\x9Apinat", "Tomate"},   // š
        {"\xC6rter", "Birne"},     // Æ beside A
        {"\xFFogurt", "Zucchini"}, // ÿ
    };
    for (const auto& [less, more] : ordered) {
        SCOPED_TRACE(less + " < " + more);
        EXPECT_TRUE(LessNoCase(less, more));
        EXPECT_FALSE(LessNoCase(more, less));
    }
}

} // namespace
} // namespace pantrix
