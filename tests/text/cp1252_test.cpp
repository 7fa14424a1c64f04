#include "text/cp1252.h"

#include <gtest/gtest.h>

namespace pantrix {
namespace {

TEST(Cp1252, EveryByteSurvivesARoundTripThroughUtf8)
{
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
        all += static_cast<char>(byte);
    EXPECT_EQ(FromUtf8(ToUtf8(all)), all);
}

TEST(Cp1252, TheCategoryMarkerAndTheHighCharactersMapToTheirUnicodeForms)
{
    EXPECT_EQ(ToUtf8("Dairy\xB0 Milk"), "Dairy\u00B0 Milk");
    EXPECT_EQ(ToUtf8("\x80\x96\x9F"), "\u20AC\u2013\u0178");
    EXPECT_EQ(FromUtf8("Cr\u00E8me \u20AC"), "Cr\xE8me \x80");
}

TEST(Cp1252, CharactersWithoutASingleByteFormAndBrokenUtf8BecomeQuestionMarks)
{
    EXPECT_EQ(FromUtf8("\u6F22\u5B57 rice"), "?? rice");
    EXPECT_EQ(FromUtf8("\xF0\x9F\x8D\x8E apple"), "? apple");
    EXPECT_EQ(FromUtf8("bad \xC3 end"), "bad ? end");
    EXPECT_EQ(FromUtf8("cut \xE2\x82"), "cut ?");
    // Overlong "/" and NUL, a surrogate half, and a code point past U+10FFFF.
    EXPECT_EQ(
        FromUtf8("\xC0\xAF \xE0\x80\xAF \xF0\x80\x80\xAF \xC0\x80 \xED\xA0\x80 \xF4\x90\x80\x80"),
        "? ? ? ? ? ?");
}

} // namespace
} // namespace pantrix
