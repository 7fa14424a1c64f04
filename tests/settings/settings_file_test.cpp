#include "settings/settings_file.h"

#include "support/data_folder.h"

#include <gtest/gtest.h>

namespace pantrix {
namespace {

using testing::TestFolder;

TEST(SettingsFile, AMissingOrEmptyFileIsGivenTheDefaults)
{
    for (const bool empty : {false, true}) {
        TestFolder folder;
        if (empty)
            folder.Write("px31.cfg", "");
        const std::string dataPath = folder.Path().string() + "/";
        const LoadedSettings loaded = ReadSettingsFile(folder.File("px31.cfg"), dataPath);
        ASSERT_TRUE(loaded.Outcome);
        EXPECT_EQ(folder.Read("px31.cfg"), EncodeSettings(DefaultSettings(dataPath)));
        EXPECT_EQ(EncodeSettings(loaded.Record), EncodeSettings(DefaultSettings(dataPath)));
    }
}

TEST(SettingsFile, AWriteKeepsWhateverFollowsTheRecord)
{
    TestFolder folder;
    const std::string extra = "written by another program";
    folder.Write("px31.cfg", EncodeSettings(DefaultSettings("/")) + extra);
    LoadedSettings loaded = ReadSettingsFile(folder.File("px31.cfg"), "/");
    loaded.Record.LargePrint = "Y";
    ASSERT_TRUE(WriteSettingsFile(folder.File("px31.cfg"), loaded.Record));
    const std::string bytes = folder.Read("px31.cfg");
    EXPECT_EQ(bytes.size(), kSettingsRecordLength + extra.size());
    EXPECT_EQ(bytes[154], 'Y');
    EXPECT_EQ(bytes.substr(kSettingsRecordLength), extra);
}

TEST(SettingsFile, ACutOffFileIsReadWithTheDefaultsForItsMissingEnd)
{
    TestFolder folder;
    std::string bytes = EncodeSettings(DefaultSettings("/old/"));
    bytes[152] = 'Y';
    folder.Write("px31.cfg", bytes.substr(0, 200));
    const LoadedSettings loaded = ReadSettingsFile(folder.File("px31.cfg"), "/new/");
    EXPECT_EQ(loaded.Record.BoldFonts, "Y");
    EXPECT_EQ(loaded.Record.PageFontName.substr(0, 5), "Arial");
    EXPECT_EQ(loaded.Record.WebPagesFolder.substr(0, 14), "/new/webpages/");
}

TEST(SettingsFile, TheRereadingWriteGivesUpChangesHeldOnlyInMemory)
{
    TestFolder folder;
    ASSERT_TRUE(WriteSettingsFile(folder.File("px31.cfg"), DefaultSettings("/")));
    SettingsRecord inMemory = DefaultSettings("/");
    inMemory.PageFontName = "Verdana";
    ASSERT_TRUE(RereadAndWriteFlag(folder.File("px31.cfg"), inMemory,
                                   &SettingsRecord::PrintTwoColumns, true));
    EXPECT_EQ(inMemory.PrintTwoColumns, "Y");
    EXPECT_EQ(inMemory.PageFontName.substr(0, 7), "Arial  ");
    EXPECT_EQ(folder.Read("px31.cfg")[151], 'Y');
}

TEST(SettingsFile, TheRereadingWriteOfAVanishedFileKeepsTheRecordInMemory)
{
    TestFolder folder;
    SettingsRecord inMemory = DefaultSettings("/");
    inMemory.WindowWidth = "9000";
    ASSERT_TRUE(
        RereadAndWriteFlag(folder.File("px31.cfg"), inMemory, &SettingsRecord::ToolTips, false));
    const std::string bytes = folder.Read("px31.cfg");
    EXPECT_EQ(bytes.size(), kSettingsRecordLength);
    EXPECT_EQ(bytes.substr(179, 5), "9000 ");
    EXPECT_EQ(bytes[150], 'N');
}

TEST(SettingsFile, AFailedWriteIsReported)
{
    TestFolder folder;
    fs::create_directory(folder.File("px31.cfg"));
    EXPECT_FALSE(WriteSettingsFile(folder.File("px31.cfg"), DefaultSettings("/")));
    EXPECT_FALSE(ReadSettingsFile(folder.File("px31.cfg"), "/").Outcome);
}

} // namespace
} // namespace pantrix
