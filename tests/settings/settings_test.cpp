// The settings record's bytes and the settings file around it.
#include "settings/settings_file.h"

#include "support/data_folder.h"

#include <gtest/gtest.h>

namespace pantrix {
namespace {

using namespace std::string_literals;

TEST(Settings, DefaultsAreWrittenByteForByteAndValuesFittedToTheirFields)
{
    EXPECT_EQ(EncodeSettings(DefaultSettings("/home/ann/pantrix/")),
              ReadWholeFile(fs::path(PANTRIX_TEST_DATA) / "settings/default.cfg").value());
    SettingsRecord record = DefaultSettings("/");
    record.WindowTop = "-12345";
    record.ToolTips = "Yes";
    record.PageFontName = std::string(250, 'F');
    record.PageLengthOffset = -2; // sixteen bits, low byte first
    const std::string bytes = EncodeSettings(record);
    ASSERT_EQ(bytes.size(), kSettingsRecordLength);
    EXPECT_EQ(bytes.substr(0, 2) + bytes.substr(150, 2) + bytes.substr(164, 5), "\xFE\xFFYN-1234");
    EXPECT_EQ(bytes.substr(234, 220), std::string(200, 'F') + std::string(20, ' '));
    record.PageLengthOffset = 260;
    EXPECT_EQ(EncodeSettings(record).substr(0, 2), "\x04\x01"s);
    EXPECT_EQ(DecodeSettings(EncodeSettings(record), record).PageLengthOffset, 260);
    EXPECT_EQ(DecodeSettings("\xC4\xFF", record).PageLengthOffset, -60);
}

TEST(Settings, TheFileIsCompletedFromTheDefaultsAndKeepsWhatFollowsTheRecord)
{
    testing::TestFolder folder;
    const fs::path file = folder.File("px31.cfg");
    folder.Write("px31.cfg", "");
    ASSERT_TRUE(ReadSettingsFile(file, "/data/").Outcome);
    EXPECT_EQ(folder.Read("px31.cfg"), EncodeSettings(DefaultSettings("/data/")));

    std::string bytes = EncodeSettings(DefaultSettings("/old/"));
    bytes[152] = 'Y';
    folder.Write("px31.cfg", bytes.substr(0, 200));
    const SettingsRecord cut = ReadSettingsFile(file, "/new/").Record;
    EXPECT_EQ(cut.BoldFonts + cut.PageFontName.substr(0, 6) + cut.WebPagesFolder.substr(0, 14),
              "YArial /new/webpages/");

    folder.Write("px31.cfg", EncodeSettings(DefaultSettings("/")) + "another program's");
    LoadedSettings loaded = ReadSettingsFile(file, "/");
    loaded.Record.LargePrint = "Y";
    ASSERT_TRUE(WriteSettingsFile(file, loaded.Record));
    EXPECT_EQ(folder.Read("px31.cfg").substr(154, 1) +
                  folder.Read("px31.cfg").substr(kSettingsRecordLength),
              "Yanother program's");

    // The rereading write of a vanished file keeps the record held in memory.
    fs::remove(file);
    loaded.Record.WindowWidth = "9000";
    ASSERT_TRUE(RereadAndWriteFlag(file, loaded.Record, &SettingsRecord::ToolTips, false));
    EXPECT_EQ(folder.Read("px31.cfg").size(), kSettingsRecordLength);
    EXPECT_EQ(folder.Read("px31.cfg").substr(150, 5) + folder.Read("px31.cfg").substr(179, 5),
              "NNNYY9000 ");
    fs::remove(file);
    fs::create_directory(file);
    EXPECT_FALSE(ReadSettingsFile(file, "/").Outcome);
}

} // namespace
} // namespace pantrix
