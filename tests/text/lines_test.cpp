#include "text/lines.h"

#include <gtest/gtest.h>

namespace pantrix {
namespace {

using Lines = std::vector<std::string>;

TEST(SplitLines, ReadsEveryKindOfLineEndAlike)
{
    EXPECT_EQ(SplitLines("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(SplitLines("a\nb\n"), (Lines{"a", "b"}));
    EXPECT_EQ(SplitLines("a\rb\r"), (Lines{"a", "b"}));
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
}

TEST(SplitLines, KeepsEmptyLinesAndALastLineWithoutAnEnd)
{
    EXPECT_EQ(SplitLines("\r\n\r\nx"), (Lines{"", "", "x"}));
    EXPECT_EQ(SplitLines("\n\r"), (Lines{"", ""}));
    EXPECT_EQ(SplitLines(""), Lines{});
    EXPECT_EQ(SplitLines(std::string("a\0b", 3)), Lines{std::string("a\0b", 3)});
}

TEST(JoinLines, EndsEveryLineWithCrLf)
{
    EXPECT_EQ(JoinLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
    EXPECT_EQ(JoinLines({}), "");
}

} // namespace
} // namespace pantrix
