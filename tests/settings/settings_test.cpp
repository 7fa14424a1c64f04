// The settings record's bytes and the settings file around it; the bytes each step
// leaves, one record a line, are held in tests/data/settings/steps.cfg.
#include "settings/settings_file.h"
#include "support/data_folder.h"
#include "support/golden.h"

namespace pantrix {
namespace {

TEST(Settings, ValuesAreFittedToTheirFieldsAndTheFileIsCompletedKeepingWhatFollowsTheRecord)
{
    EXPECT_EQ(EncodeSettings(DefaultSettings("/home/ann/pantrix/")),
              testing::Golden("settings/default.cfg"));
    SettingsRecord record = DefaultSettings("/");
    record.WindowTop = "-12345";
    record.ToolTips = "Yes";
    record.PageFontName = std::string(250, 'F');
    record.PageLengthOffset = 260; // sixteen bits, low byte first
    const std::string bytes = EncodeSettings(record);
    std::string steps = bytes + "\n" + EncodeSettings(DecodeSettings(bytes, DefaultSettings("/"))) +
                        "\n" + EncodeSettings(DecodeSettings("\xC4\xFF", record)) + "\n";
    testing::TestFolder folder;
    const fs::path file = folder.File("px31.cfg");
    folder.Write("px31.cfg", "");
    ASSERT_TRUE(ReadSettingsFile(file, "/data/").Outcome);
    steps += folder.Read("px31.cfg") + "\n";
    folder.Write("px31.cfg", bytes.substr(0, 200)); // cut short: the rest from the defaults
    steps += EncodeSettings(ReadSettingsFile(file, "/new/").Record) + "\n";
    folder.Write("px31.cfg", EncodeSettings(DefaultSettings("/")) + "another program's");
    LoadedSettings loaded = ReadSettingsFile(file, "/");
    loaded.Record.LargePrint = "Y";
    ASSERT_TRUE(WriteSettingsFile(file, loaded.Record));
    steps += folder.Read("px31.cfg") + "\n";
    // The rereading write of a vanished file keeps the record held in memory.
    fs::remove(file);
    loaded.Record.WindowWidth = "9000";
    ASSERT_TRUE(RereadAndWriteFlag(file, loaded.Record, &SettingsRecord::ToolTips, false));
    testing::ExpectGolden(steps + folder.Read("px31.cfg") + "\n", "settings/steps.cfg");
    EXPECT_FALSE(ReadSettingsFile(folder.Path(), "/").Outcome); // a folder in its place
}

} // namespace
} // namespace pantrix
