#include "shell/start_up.h"

#include "catalogue/catalogue_records.h"
#include "catalogue/catalogue_view.h"
#include "settings/settings_file.h"
#include "shell/data_folder.h"
#include "support/data_folder.h"
#include "support/fake_ui.h"
#include "text/fields.h"

#include <gtest/gtest.h>

namespace pantrix {
namespace {

using namespace testing;

// The program's own start-up steps, in their order.
void StartUp(MainScreenState& s, Ui& ui)
{
    LoadSettings(s, ui);
    SetHost(s);
    MergeDeliveredCatalogue(s, ui);
    FinishStartUp(s, ui);
}

TEST(StartUp, AFirstRunInAnEmptyFolderWritesTheDefaultsAndShowsNoCategories)
{
    TestFolder folder;
    MainScreenState s = folder.State();
    FakeUi ui;
    StartUp(s, ui);
    const std::string dataPath = folder.Path().string() + "/";
    EXPECT_EQ(s.DataPath, dataPath);
    EXPECT_EQ(folder.Read("px31.cfg"), EncodeSettings(DefaultSettings(dataPath)));
    EXPECT_TRUE(s.Catalogue.CatList.empty());
    EXPECT_EQ(StoredWindowGeometry(s.Settings), (Rect{1, 1, 8715, 6465}));
    EXPECT_EQ(s.Caption, "Quillfield presents - Pantrix! 3.1");
    EXPECT_TRUE(ui.Messages.empty());
}

TEST(StartUp, TheStarterCatalogueArrivesSortedWithoutAQuestion)
{
    TestFolder folder;
    ASSERT_TRUE(DeliverStarterCatalogue(PANTRIX_SOURCE_DATA, folder.Path()));
    MainScreenState s = folder.State();
    FakeUi ui;
    StartUp(s, ui);
    EXPECT_TRUE(ui.Messages.empty());
    ASSERT_GE(s.Catalogue.CatList.size(), 12u);
    EXPECT_TRUE(std::is_sorted(
        s.Catalogue.CatList.begin(), s.Catalogue.CatList.end(),
        [](const std::string& a, const std::string& b) { return LessNoCase(a, b); }));
    EXPECT_FALSE(folder.Exists("std_item.new"));
    SelectCategory(s, ui, 0);
    EXPECT_FALSE(s.Catalogue.StdList.empty());
}

TEST(StartUp, OptionsChecksFollowYAndNAndOtherwiseStayAsDesigned)
{
    TestFolder folder;
    SettingsRecord settings = DefaultSettings("/");
    settings.ToolTips = "N";
    settings.PrintTwoColumns = "Y";
    settings.BoldFonts = "?";
    settings.ShowToolbar = "n";
    settings.LargePrint = std::string(1, '\0');
    folder.Write("px31.cfg", EncodeSettings(settings));
    MainScreenState s = folder.State();
    FakeUi ui;
    StartUp(s, ui);
    EXPECT_FALSE(s.Options.ToolTips);
    EXPECT_TRUE(s.ToolTipsCleared);
    EXPECT_TRUE(s.Options.PrintTwoColumns);
    EXPECT_TRUE(s.Options.BoldFonts);
    EXPECT_TRUE(s.Options.ShowToolbar);
    EXPECT_TRUE(s.Options.LargePrint);
}

TEST(StartUp, RecipeCommandsAreOffAndTheItemViewIsCurrent)
{
    TestFolder folder;
    MainScreenState s = folder.State();
    FakeUi ui;
    s.Catalogue.CatEdit = "stale";
    s.Catalogue.StdEdit = "stale";
    StartUp(s, ui);
    EXPECT_FALSE(s.RecipeCommandsOn);
    EXPECT_EQ(s.CurrentView, View::Items);
    EXPECT_TRUE(s.Catalogue.CatEdit.empty());
    EXPECT_TRUE(s.Catalogue.StdEdit.empty());
}

TEST(EndSession, StoresSettingsRecipeTextAndListWithoutAQuestionAndReportsWhatFailed)
{
    TestFolder folder;
    MainScreenState s = folder.State();
    FakeUi ui;
    StartUp(s, ui);
    s.Window = {15, 30, 9000, 7005};
    s.List.Entries = {{"Milk", true}};
    s.Recipes = {{}, {}, "Soup", folder.Path() / "Soup", true, "Boil.", true};
    EXPECT_TRUE(EndSession(s).empty());
    EXPECT_EQ(folder.Read("My Pantrix.pxl"), "*Milk\r\n");
    EXPECT_EQ(folder.Read("Soup.txt"), "Boil.\r\n");
    EXPECT_EQ(StoredWindowGeometry(ReadSettingsFile(folder.Path() / "px31.cfg", "").Record),
              s.Window);
    s.List.ReadFailed = true;
    EXPECT_EQ(EndSession(s).size(), 1u);
    EXPECT_TRUE(ui.Messages.empty());
}

TEST(CloseMainScreen, TextTypedWithNoRecipeOpenIsNotLostWithoutAQuestion)
{
    TestFolder folder;
    MainScreenState s = folder.State();
    FakeUi ui;
    StartUp(s, ui);
    s.Recipes.EditorText = "Boil.";
    s.Recipes.RecipeChanged = true;
    ui.AnswerMessage(MessageAnswer::No);
    EXPECT_FALSE(CloseMainScreen(s, ui));
    EXPECT_EQ(ui.Messages.back().Title, "Recipe text not saved");
    ui.AnswerMessage(MessageAnswer::Yes);
    EXPECT_TRUE(ExitProgram(s, ui));
}

TEST(StoredWindowGeometry, GarbageSizesFallBackToTheDefaultSize)
{
    SettingsRecord settings = DefaultSettings("/");
    settings.WindowTop = "abc";
    settings.WindowLeft = "-90";
    settings.WindowHeight = "xyz";
    settings.WindowWidth = "-5";
    EXPECT_EQ(StoredWindowGeometry(settings), (Rect{-90, 0, 8715, 6465}));
}

} // namespace
} // namespace pantrix
