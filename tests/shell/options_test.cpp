#include "shell/options.h"

#include "settings/settings_file.h"
#include "shell/start_up.h"
#include "support/data_folder.h"
#include "support/fake_ui.h"

#include <gtest/gtest.h>

namespace pantrix {
namespace {

using namespace testing;

class Options : public ::testing::Test, protected Workspace
{
protected:
    void SetUp() override
    {
        LoadSettings(s, ui);
        FinishStartUp(s, ui);
        s.Window = {450, 300, 8715, 6465};
    }
    std::string Stored(std::size_t offset, std::size_t width)
    {
        return folder.Read("px31.cfg").substr(offset, width);
    }
};

TEST_F(Options, ToolTipsOffIsStoredAndClearsTheTipsAtOnce)
{
    ToggleToolTips(s, ui);
    EXPECT_FALSE(s.Options.ToolTips);
    EXPECT_TRUE(s.ToolTipsCleared);
    EXPECT_EQ(Stored(150, 1), "N");
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(Options, ToolTipsOnAgainIsStoredButTheTipsComeBackOnlyAtTheNextStart)
{
    ToggleToolTips(s, ui);
    ToggleToolTips(s, ui);
    EXPECT_TRUE(s.Options.ToolTips);
    EXPECT_TRUE(s.ToolTipsCleared);
    EXPECT_EQ(Stored(150, 1), "Y");
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].Text,
              "The Tool Tips will reappear the next time you start the program.");
    EXPECT_EQ(ui.Messages[0].Title, "Tool Tips On");
    EXPECT_EQ(ui.Messages[0].Icon, MessageIcon::Information);
}

TEST_F(Options, RereadingTogglesStoreTheirFlagButNotTheWindowOrUnsavedStyle)
{
    s.Settings.PageFontName = "Verdana";
    ToggleLargePrint(s, ui);
    TogglePrintTwoColumns(s, ui);
    EXPECT_EQ(Stored(151, 1), "Y");
    EXPECT_EQ(Stored(154, 1), "Y");
    EXPECT_EQ(Stored(164, 5), "1    ");
    EXPECT_EQ(s.Settings.PageFontName.substr(0, 5), "Arial");
    EXPECT_TRUE(s.Options.LargePrint);
    EXPECT_TRUE(s.Options.PrintTwoColumns);
}

TEST_F(Options, BoldFontsAndShowToolbarWriteTheWholeRecordWithTheWindow)
{
    s.Settings.PageFontName = "Verdana";
    ToggleBoldFonts(s, ui);
    EXPECT_EQ(Stored(152, 1), "Y");
    EXPECT_EQ(Stored(164, 20), "300  450  6465 8715 ");
    EXPECT_EQ(Stored(234, 7), "Verdana");
    ToggleShowToolbar(s, ui);
    EXPECT_FALSE(s.Options.ShowToolbar);
    EXPECT_EQ(Stored(153, 1), "N");
}

TEST_F(Options, AFiveDigitNegativePositionKeepsItsSignAndFirstFourDigits)
{
    s.Window = {-20, -12345, 9000, 100000};
    SaveConfig(s, ui);
    EXPECT_EQ(Stored(164, 20), "-1234-20  100009000 ");
}

TEST_F(Options, AWriteThatFailsIsReportedAndTheCheckStillShowsTheChoice)
{
    fs::remove(folder.File("px31.cfg"));
    fs::create_directory(folder.File("px31.cfg"));
    ToggleBoldFonts(s, ui);
    ToggleLargePrint(s, ui);
    ASSERT_EQ(ui.Messages.size(), 2u);
    EXPECT_NE(ui.Messages[0].Text.find("px31.cfg"), std::string::npos);
    EXPECT_EQ(ui.Messages[0].Icon, MessageIcon::Exclamation);
}

} // namespace
} // namespace pantrix
