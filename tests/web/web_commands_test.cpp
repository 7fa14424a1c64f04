#include "web/web_commands.h"

#include "recipes/recipe_commands.h"
#include "shell/data_folder.h"
#include "support/data_folder.h"
#include "text/fields.h"
#include "web/golden.h"
#include "web/preview.h"

#include <gtest/gtest.h>

namespace pantrix {
namespace {

using namespace testing;
using Command = void (*)(MainScreenState&, Ui&);

// A data folder as installed, holding Soup and a lasagne, and a folder for pages
// whose name has capitals.
class WebPages : public ::testing::Test, protected Workspace
{
protected:
    void SetUp() override
    {
        fs::copy(PANTRIX_SOURCE_DATA "/graphics", folder.File("graphics"));
        fs::copy(PANTRIX_SOURCE_DATA "/gofore.jpg", folder.File("gofore.jpg"));
        s.Settings = DefaultSettings(s.DataPath);
        folder.Write("Soup.rcp", "Dairy\xB0 Milk\r\nDairy\xB0 Butter\r\nProduce\xB0 Onions\r\n");
        folder.Write("Soup.txt", "Boil\r\nServe\r\n");
        folder.Write("Main Dish - Lasagne.rcp", "");
        RefreshRecipeList(s, ui);
        ui.SetDocumentProgram("/usr/bin/browser");
        fs::create_directory(web);
    }
    void Run(Command command, const fs::path& chosen = {})
    {
        const fs::path file = chosen.empty() ? web / "index.htm" : chosen;
        ui.AnswerFile(ChosenFile{file, file.filename().string()});
        command(s, ui);
    }
    std::string Page(const std::string& name) const { return folder.Read("Web Pages/" + name); }
    bool Made(const std::string& name) const { return folder.Exists("Web Pages/" + name); }
    const fs::path web = folder.File("Web Pages");
};

TEST_F(WebPages, AllPagesMakesEveryPageTheIndexAndThePicturesThenShowsTheIndex)
{
    Run(MakeAllPages, web / "Anything.htm");
    EXPECT_EQ(Page("soup.htm"), Golden("soup.htm"));
    EXPECT_EQ(Page("index.htm"), Golden("index.htm"));
    for (const char* name : {"main dish - lasagne.htm", "gofore.jpg", "backsample.gif",
                             "topsample.gif", "sidesample.gif"})
        EXPECT_TRUE(Made(name)) << name;
    EXPECT_EQ(Trim(s.Settings.WebPagesFolder), DataPathText(web));
    EXPECT_EQ(s.Recipes.CurrentRecipe, "Soup");
    EXPECT_EQ(ui.Started.at(0).second, (web / "index.htm").string());
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(WebPages, IndexVariantsListAndRestyleOnlyThePagesThatExist)
{
    ui.AnswerFile(std::nullopt);
    MakeAllPages(s, ui);
    Run(MakeIndex);
    EXPECT_EQ(Page("index.htm").find("Lasagne"), std::string::npos);
    Run(MakeAllPages);
    folder.Write("Web Pages/main dish - lasagne.htm", "old");
    fs::remove(web / "soup.htm");
    Run(MakeIndex);
    EXPECT_EQ(ui.FileDialogs.back().Folder, web);
    EXPECT_EQ(Page("main dish - lasagne.htm"), "old");
    EXPECT_EQ(Page("index.htm").find("Soup"), std::string::npos);
    EXPECT_NE(Page("index.htm").find("Lasagne"), std::string::npos);
    Run(MakeIndexApplyStyle);
    EXPECT_NE(Page("main dish - lasagne.htm"), "old");
    EXPECT_FALSE(Made("soup.htm"));
}

TEST_F(WebPages, TheWalkSavesTheOpenRecipesChangedTextFirst)
{
    OpenRecipe(s, ui, 1);
    EditRecipeText(s, "Stir");
    Run(MakeAllPages);
    EXPECT_EQ(folder.Read("Soup.txt"), "Stir\r\n");
    EXPECT_NE(Page("soup.htm").find("<tr><td>\r\nStir<br>\r\n<br></td></tr>"), std::string::npos);
}

TEST_F(WebPages, ASinglePageIsNamedAfterTheOpenRecipeWhateverNameIsTyped)
{
    MakeSingleWebPage(s, ui);
    EXPECT_EQ(ui.Messages.at(0).Text, "Please pick a recipe.");
    OpenRecipe(s, ui, 0);
    Run(MakeSingleWebPage, web / "Other.HTM");
    EXPECT_EQ(ui.FileDialogs.at(0).PresetName, "Main Dish - Lasagne.htm");
    EXPECT_NE(Page("main dish - lasagne.htm").find("<b>Main Dish - Lasagne</b>"),
              std::string::npos);
    EXPECT_FALSE(Made("index.htm"));
}

TEST_F(WebPages, AFolderThatCannotBeWrittenIsReportedAndNothingShown)
{
    folder.Write("not a folder", "");
    Run(MakeAllPages, folder.File("not a folder") / "index.htm");
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_NE(ui.Messages[0].Text.find("not a folder"), std::string::npos);
    EXPECT_TRUE(ui.Started.empty());
}

TEST_F(WebPages, PicturesThatWillNotShowAreNamedAndThePagesStillOpen)
{
    s.Settings.TopGraphicPath = s.DataPath + "graphics/Gone.gif";
    s.Settings.SideGraphicPath = "side.gif";
    folder.Write("graphics/backsample.gif", "not a picture");
    Run(MakeAllPages);
    EXPECT_EQ(ui.Messages.at(0).Text,
              "The pages are made, but these pictures will not show on them:\r\n\r\n"
              "backsample.gif: not a picture\r\nside.gif: not found\r\ngone.gif: not found");
    EXPECT_EQ(ui.Started.size(), 1u);
}

TEST_F(WebPages, PreviewIsWrittenInTheDataFolderAndShown)
{
    ShowStylePreview(s, ui);
    EXPECT_NE(folder.Read("preview.htm").find("<img src=\"" + s.DataPath + "graphics/top"),
              std::string::npos);
    EXPECT_EQ(ui.Started.at(0).second, folder.File("preview.htm").string());
}

} // namespace
} // namespace pantrix
