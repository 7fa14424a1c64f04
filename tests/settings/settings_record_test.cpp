#include "settings/settings_record.h"

#include <gtest/gtest.h>
#include <random>

namespace pantrix {
namespace {

std::string Field(const std::string& bytes, std::size_t offset, std::size_t width)
{
    return bytes.substr(offset, width);
}

std::string Padded(std::string text, std::size_t width)
{
    text.resize(width, ' ');
    return text;
}

TEST(SettingsRecord, DefaultsLieAtTheirOffsets)
{
    const std::string bytes = EncodeSettings(DefaultSettings("/home/ann/pantrix/"));
    ASSERT_EQ(bytes.size(), kSettingsRecordLength);
    EXPECT_EQ(Field(bytes, 0, 2), std::string(2, '\0'));
    EXPECT_EQ(Field(bytes, 2, 8), std::string(8, '\0'));
    EXPECT_EQ(Field(bytes, 10, 140), std::string(140, ' '));
    EXPECT_EQ(Field(bytes, 150, 6), "YNNYNY");
    EXPECT_EQ(Field(bytes, 156, 8), std::string(8, '\0'));
    EXPECT_EQ(Field(bytes, 164, 20), "1    1    6465 8715 ");
    EXPECT_EQ(Field(bytes, 184, 20), Padded("16777215", 20));
    EXPECT_EQ(Field(bytes, 204, 6), "640  N");
    EXPECT_EQ(Field(bytes, 210, 20), Padded("0", 20));
    EXPECT_EQ(Field(bytes, 230, 4), "100Y");
    EXPECT_EQ(Field(bytes, 234, 200), Padded("Arial", 200));
    EXPECT_EQ(Field(bytes, 434, 420), std::string(420, ' '));
    EXPECT_EQ(Field(bytes, 854, 200), Padded("/home/ann/pantrix/graphics/backsample.gif", 200));
    EXPECT_EQ(Field(bytes, 1054, 200), Padded("/home/ann/pantrix/graphics/topsample.gif", 200));
    EXPECT_EQ(Field(bytes, 1254, 200), Padded("/home/ann/pantrix/graphics/sidesample.gif", 200));
    EXPECT_EQ(Field(bytes, 1454, 3), "NYY");
    EXPECT_EQ(Field(bytes, 1457, 200), Padded("/home/ann/pantrix/webpages/", 200));
    EXPECT_EQ(Field(bytes, 1657, 200), Padded("/home/ann/pantrix/graphics/", 200));
    EXPECT_EQ(Field(bytes, 1857, 500), std::string(500, ' '));
}

TEST(SettingsRecord, PageLengthOffsetIsSixteenBitLittleEndianWithItsSign)
{
    SettingsRecord record = DefaultSettings("/");
    record.PageLengthOffset = -2;
    std::string bytes = EncodeSettings(record);
    EXPECT_EQ(Field(bytes, 0, 2), "\xFE\xFF");
    record.PageLengthOffset = 260;
    bytes = EncodeSettings(record);
    EXPECT_EQ(Field(bytes, 0, 2), std::string("\x04\x01", 2));
    EXPECT_EQ(DecodeSettings(bytes, record).PageLengthOffset, 260);
    bytes[0] = '\xC4';
    bytes[1] = '\xFF';
    EXPECT_EQ(DecodeSettings(bytes, record).PageLengthOffset, -60);
}

TEST(SettingsRecord, AnyRecordReadBackIsWrittenByteForByte)
{
    std::mt19937 random(7);
    std::string bytes(kSettingsRecordLength, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random());
    EXPECT_EQ(EncodeSettings(DecodeSettings(bytes, DefaultSettings("/"))), bytes);
}

TEST(SettingsRecord, ValuesAreFittedToTheirFieldsOnWriting)
{
    SettingsRecord record = DefaultSettings("/");
    record.WindowTop = "-12345";
    record.ToolTips = "Yes";
    record.PageFontName = std::string(250, 'F');
    const std::string bytes = EncodeSettings(record);
    ASSERT_EQ(bytes.size(), kSettingsRecordLength);
    EXPECT_EQ(Field(bytes, 164, 5), "-1234");
    EXPECT_EQ(Field(bytes, 150, 2), "YN");
    EXPECT_EQ(Field(bytes, 234, 200), std::string(200, 'F'));
    EXPECT_EQ(Field(bytes, 434, 20), std::string(20, ' '));
}

TEST(SettingsRecord, AShortRecordTakesItsMissingEndFromTheFallback)
{
    SettingsRecord fallback = DefaultSettings("/data/");
    std::string bytes = EncodeSettings(fallback);
    bytes[150] = 'N';
    const SettingsRecord record = DecodeSettings(bytes.substr(0, 160), fallback);
    EXPECT_EQ(record.ToolTips, "N");
    EXPECT_EQ(record.WindowHeight, "6465 ");
    EXPECT_EQ(record.GraphicsFolder.substr(0, 15), "/data/graphics/");
    EXPECT_EQ(DecodeSettings(bytes + "trailing", fallback).ToolTips, "N");
}

} // namespace
} // namespace pantrix
