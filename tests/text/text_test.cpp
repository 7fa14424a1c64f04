// Single-byte text: the code page, fixed fields, name comparisons, lines, numbers.
#include "text/cp1252.h"
#include "text/fields.h"
#include "text/lines.h"
#include "text/number.h"

#include <gtest/gtest.h>

namespace pantrix {
namespace {

using namespace std::string_literals;

TEST(Text, EveryByteRoundTripsThroughUtf8AndWhatHasNoSingleByteFormBecomesAQuestionMark)
{
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
        all += static_cast<char>(byte);
    EXPECT_EQ(FromUtf8(ToUtf8(all)), all);
    EXPECT_EQ(ToUtf8("Dairy\xB0 \x80\x96\x9F\xE8"), "Dairy\u00B0 \u20AC\u2013\u0178\u00E8");
    // Beyond the code page, a broken sequence, overlong "/" and NUL, a surrogate
    // half, a code point past U+10FFFF and a cut sequence.
    EXPECT_EQ(FromUtf8("Cr\u00E8me \u20AC \u6F22\u5B57 \xF0\x9F\x8D\x8E \xC3 \xC0\xAF "
                       "\xE0\x80\xAF \xF0\x80\x80\xAF \xC0\x80 \xED\xA0\x80 \xF4\x90\x80\x80 "
                       "\xE2\x82"),
              "Cr\xE8me \x80 ?? ? ? ? ? ? ? ? ? ?");
}

TEST(Text, FieldsArePaddedAndCutAndNamesComparedEachByItsOwnRule)
{
    EXPECT_EQ(FixedField("Milk", 6) + FixedField("Buttermilk", 6) + FixedField("", 3) + "|",
              "Milk  Butter   |");
    EXPECT_EQ(std::string(Trim("  a b  ")) + "|" + std::string(Trim("    ")) + "|" +
                  std::string(Trim("\tTab ")),
              "a b||\tTab");
    // E: equal as 30-byte fields; T: equal trimmed; A: equal trimmed in any case.
    const std::string as(30, 'a');
    const std::pair<std::string, std::string> names[] = {
        {"Dairy", "Dairy   "}, {"Dairy", " Dairy"},      {"Dairy", "dairy"},
        {as + "b", as + "c"},  {"cr\xE8me", "CR\xC8ME"}, {"\x9A\xFF", "\x8A\x9F"},
        {"\xF7", "\xD7"}};
    std::string rules;
    for (const auto& [a, b] : names)
        rules += std::string(ExactFieldEqual(a, b, 30) ? "E" : "-") +
                 (TrimmedEqual(a, b) ? "T" : "-") + (TrimmedEqualAnyCase(a, b) ? "A " : "- ");
    EXPECT_EQ(rules, "ETA -TA --A E-- --A --A --- ");
}

TEST(Text, AccentedLettersSortBesideTheirPlainLettersThenByLengthCaseAndBytes)
{
    const std::string ordered[] = {"Apfel", "\xC4pfel",  "\xE4pfel", "Apfelmus",  "Apple",
                                   "apple", "\xC6rter",  "Banana",   "Birne",     "Cr\xE8me",
                                   "Crepe", "\x9Apinat", "Tomate",   "\xFFogurt", "Zucchini"};
    for (std::size_t i = 0; i < std::size(ordered); ++i)
        for (std::size_t j = i + 1; j < std::size(ordered); ++j) {
            EXPECT_TRUE(LessNoCase(ordered[i], ordered[j])) << ordered[i] << " < " << ordered[j];
            EXPECT_FALSE(LessNoCase(ordered[j], ordered[i])) << ordered[j] << " < " << ordered[i];
        }
}

TEST(Text, EveryLineEndSplitsAlikeKeepingEmptyLinesAndLinesAreJoinedWithCrLf)
{
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd\r\n\r\n\n\rx\0y"s),
              (std::vector<std::string>{"a", "b", "c", "d", "", "", "", "x\0y"s}));
    EXPECT_EQ(SplitLines("z\r"), std::vector<std::string>{"z"});
    EXPECT_EQ(JoinLines({"a", "", "b"}) + "|" + JoinLines({}), "a\r\n\r\nb\r\n|");
}

TEST(Text, ANumberIsTakenFromTheStartHeldAtTheLimitAndIsOtherwiseZero)
{
    // clang-format off
    const char* texts[] = {"6465 ", "  -1234", "+15x", "12.7", "", "   ", "abc", "-",
                           "9223372036854775806", "9223372036854775807", "9223372036854775808",
                           "-9223372036854775808", "99999999999999999999999"};
    // clang-format on
    std::string numbers;
    for (const char* text : texts)
        numbers += std::to_string(LeadingNumber(text)) + " ";
    EXPECT_EQ(LeadingNumber("\0\0"s), 0);
    EXPECT_EQ(numbers, "6465 -1234 15 12 0 0 0 0 9223372036854775806 9223372036854775807 "
                       "9223372036854775807 -9223372036854775807 9223372036854775807 ");
}

} // namespace
} // namespace pantrix
