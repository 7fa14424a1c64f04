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
}

} // namespace
} // namespace pantrix
