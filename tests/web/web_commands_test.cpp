#include "web/web_commands.h"

#include "recipes/recipe_commands.h"
#include "settings/settings_record.h"
#include "shell/data_folder.h"
#include "support/data_folder.h"
#include "text/fields.h"
#include "web/preview.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace pantrix {
namespace {

using namespace testing;
using Command = void (*)(MainScreenState&, Ui&);

std::string Golden(const std::string& name)
{
    std::ifstream in(std::string(PANTRIX_TEST_DATA) + "/web/" + name, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

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
    void Run(Command command, const fs::path& chosen)
    {
        ui.AnswerFile(ChosenFile{chosen, chosen.filename().string()});
        command(s, ui);
    }
    std::string Page(const std::string& name) const { return folder.Read("Web Pages/" + name); }
    const fs::path web = folder.File("Web Pages");
};

TEST_F(WebPages, AllPagesMakesEveryPageTheIndexAndThePicturesThenShowsTheIndex)
{
    Run(MakeAllPages, web / "Anything.htm");
    EXPECT_EQ(Page("soup.htm"), Golden("soup.htm"));
    EXPECT_EQ(Page("index.htm"), Golden("index.htm"));
    for (const char* name : {"main dish - lasagne.htm", "gofore.jpg", "backsample.gif",
                             "topsample.gif", "sidesample.gif"})
        EXPECT_TRUE(folder.Exists("Web Pages/" + std::string(name))) << name;
    EXPECT_EQ(ui.FileDialogs[0].Title, "Save As...");
    EXPECT_EQ(ui.FileDialogs[0].PresetName, "index.htm");
    EXPECT_EQ(Trim(s.Settings.WebPagesFolder), DataPathText(web));
    EXPECT_EQ(s.Recipes.CurrentRecipe, "Soup");
    EXPECT_EQ(ui.Started, (std::vector<std::pair<fs::path, std::string>>{
                              {"/usr/bin/browser", (web / "index.htm").string()}}));
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(WebPages, IndexVariantsListAndRestyleOnlyThePagesThatExist)
{
    Run(MakeAllPages, web / "index.htm");
    folder.Write("Web Pages/main dish - lasagne.htm", "old");
    fs::remove(web / "soup.htm");
    Run(MakeIndex, web / "index.htm");
    EXPECT_EQ(ui.FileDialogs[1].Folder, web);
    EXPECT_EQ(Page("main dish - lasagne.htm"), "old");
    EXPECT_EQ(Page("index.htm").find("Soup"), std::string::npos);
    EXPECT_NE(Page("index.htm").find("Lasagne"), std::string::npos);
    Run(MakeIndexApplyStyle, web / "index.htm");
    EXPECT_NE(Page("main dish - lasagne.htm"), "old");
    EXPECT_FALSE(folder.Exists("Web Pages/soup.htm"));
}

TEST_F(WebPages, MakingThePagesAgainRewritesOnlyWhatChanged)
{
    Run(MakeAllPages, web / "index.htm");
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(24);
    for (const char* name : {"soup.htm", "index.htm"})
        fs::last_write_time(web / name, old);
    folder.Write("Soup.txt", "Boil\r\n");
    Run(MakeAllPages, web / "index.htm");
    EXPECT_EQ(fs::last_write_time(web / "index.htm"), old);
    EXPECT_NE(fs::last_write_time(web / "soup.htm"), old);
}

TEST_F(WebPages, ACancelledDialogWritesNothing)
{
    ui.AnswerFile(std::nullopt);
    MakeAllPages(s, ui);
    EXPECT_TRUE(fs::is_empty(web));
    EXPECT_TRUE(ui.Started.empty());
}

TEST_F(WebPages, TheWalkSavesTheOpenRecipesChangedTextFirst)
{
    OpenRecipe(s, ui, 1);
    EditRecipeText(s, "Stir");
    Run(MakeAllPages, web / "index.htm");
    EXPECT_EQ(folder.Read("Soup.txt"), "Stir\r\n");
    EXPECT_NE(Page("soup.htm").find("<tr><td>\r\nStir<br>\r\n<br></td></tr>"), std::string::npos);
}

TEST_F(WebPages, ASinglePageIsNamedAfterTheRecipeWhateverNameIsTyped)
{
    MakeSingleWebPage(s, ui);
    EXPECT_EQ(ui.Messages.at(0).Text, "Please pick a recipe.");
    EXPECT_TRUE(ui.FileDialogs.empty());
    OpenRecipe(s, ui, 0);
    Run(MakeSingleWebPage, web / "Other.HTM");
    EXPECT_EQ(ui.FileDialogs[0].PresetName, "Main Dish - Lasagne.htm");
    EXPECT_NE(Page("main dish - lasagne.htm").find("<b>Main Dish - Lasagne</b>"),
              std::string::npos);
    EXPECT_FALSE(folder.Exists("Web Pages/index.htm"));
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
    Run(MakeAllPages, web / "index.htm");
    EXPECT_EQ(ui.Messages.at(0).Text,
              "The pages are made, but these pictures will not show on them:\r\n\r\n"
              "backsample.gif: not a picture\r\nside.gif: not found\r\ngone.gif: not found");
    EXPECT_EQ(ui.Started.size(), 1u);
}

TEST_F(WebPages, PreviewIsWrittenInTheDataFolderAndShown)
{
    s.Settings.UseTopGraphic = "N";
    ShowStylePreview(s, ui);
    EXPECT_EQ(folder.Read("preview.htm").find("topsample"), std::string::npos);
    EXPECT_NE(folder.Read("preview.htm").find("<img src=\"" + s.DataPath + "graphics/side"),
              std::string::npos);
    EXPECT_EQ(ui.Started.at(0).second, folder.File("preview.htm").string());
    EXPECT_TRUE(ui.Messages.empty());
}

} // namespace
} // namespace pantrix
