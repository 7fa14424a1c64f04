// Recipe pages, the index and the style preview: their parts, the style window's
// commands and the page-making commands, against the pages under tests/data/web.
#include "recipes/recipe_commands.h"
#include "shell/data_folder.h"
#include "shell/start_up.h"
#include "support/data_folder.h"
#include "support/golden.h"
#include "support/transcript.h"
#include "text/fields.h"
#include "web/page_names.h"
#include "web/page_style.h"
#include "web/preview.h"
#include "web/recipe_page.h"
#include "web/style_block.h"
#include "web/text_to_html.h"
#include "web/web_commands.h"

namespace pantrix {
namespace {

using namespace testing;

// The settings as a file holds them: every field padded to its width.
SettingsRecord Stored(const SettingsRecord& record)
{
    return DecodeSettings(EncodeSettings(record), record);
}

const SettingsRecord kDefaults = Stored(DefaultSettings("/home/ann/pantrix/"));

// The recipe page and the index are held by WebPages below.
TEST(RecipePage, ThePreviewInAStyleOfItsOwnMatchesItsGoldenPage)
{
    SettingsRecord plain = DefaultSettings("/home/ann/pantrix/");
    plain.PlainBackground = "Y";
    plain.UseSideGraphic = "N";
    plain.PageBackColor = "4227327";
    plain.PageFontColor = "255";
    plain.PageFontSize = "82";
    plain.PageFontName = "Times New Roman";
    plain.PageWidth = "600";
    plain.TopGraphicPath = "/srv/My Pics/Top.GIF";
    EXPECT_EQ(PreviewPage(Stored(plain)), Golden("web/preview.htm"));
}

// Colours, text lines, ingredient rows, file names, and a page for each style.
TEST(RecipePage, PartsOfAPageAndThePageInEachStyle)
{
    std::string shown;
    for (const std::int64_t colour : {0x4080FF, 0xFF, 0xFFFFFF, 0, 0x1000A0B, -1})
        shown += "colour " + std::to_string(colour) + ": " + ColorToHex(colour) + "\n";
    for (const char* text :
         {"", "   ", "a\r\nb", "a\r\n\r\nb", "a\nb", "a\rb", "a\r\n", "<i>x</i> & \x81\xE9"})
        shown += "text " + OneLine(text) + ": " + OneLine(TextToHtml(text)) + "\n";
    for (const char* lines :
         {"A\xB0 x\r\nA\xB0 y\r\nB\xB0 z\r\nA\xB0 w", "  A\xB0 x  \r\n\r\n   \r\nA\xB0 y\n",
          "eggs\r\nA\xB0 x\r\nbread", "0123456789012345678901234567890\xB0 late"})
        shown += "rows " + OneLine(lines) + ":\n" + IngredientRows(lines);
    shown += "page " + PageName("Cr\xC8me BR\xDBL\xC9") + "\n";
    for (const char* path : {"/My Pics/Top.GIF", "C:\\Pics\\Side.Jpg  ", "Back.GIF"})
        shown += "graphic " + GraphicName(path) + "\n";
    using Change = void (*)(SettingsRecord&);
    const std::pair<const char*, Change> styles[] = {
        {"a back graphic", [](SettingsRecord& r) { r.BackGraphicPath = "/p/Back.GIF"; }},
        {"a plain background", [](SettingsRecord& r) { r.PlainBackground = "Y"; }},
        {"no back graphic", [](SettingsRecord& r) { r.BackGraphicPath = "  "; }},
        {"neither plain nor not", [](SettingsRecord& r) { r.PlainBackground = "?"; }},
        {"no ingredient list", [](SettingsRecord& r) { r.IncludeIngredientList = "N"; }},
        {"no top graphic", [](SettingsRecord& r) { r.UseTopGraphic = "N"; }},
        {"a top graphic neither on nor off", [](SettingsRecord& r) { r.UseTopGraphic = "?"; }},
        {"no side graphic path", [](SettingsRecord& r) { r.SideGraphicPath = ""; }}};
    for (const auto& [name, change] : styles) {
        SettingsRecord settings = kDefaults;
        change(settings);
        shown += std::string("== ") + name + "\n" + RecipePage(settings, "R", "   ", "");
    }
    ExpectGolden(shown, "web/parts.txt");
}

class PageStyle : public ::testing::Test, protected Workspace
{
protected:
    void SetUp() override
    {
        LoadSettings(s, ui);
        view = OpenPageStyle(s.Settings);
    }
    // The window as it shows, the settings it changes in memory and on disk.
    std::string Shown()
    {
        const SettingsRecord& r = s.Settings;
        const StyleSample& sample = view.Sample;
        return TakeTranscript(ui, folder.Path()) + "sample " + std::to_string(sample.BackColor) +
               " " + std::to_string(sample.FontColor) + " " + sample.Face + " " +
               std::to_string(sample.Points) + " \"" + sample.Caption + "\", checks " +
               FlagText(view.UseBackGraphic) + FlagText(view.UseTopGraphic) +
               FlagText(view.UseSideGraphic) + FlagText(view.IncludeList) + ", width " +
               view.PageWidth + "\nsettings " + r.PageBackColor + " " + r.PageFontColor + " " +
               r.PageFontName + " " + r.PageFontSize + " " + r.UseTopGraphic +
               r.IncludeIngredientList + " " + r.PageWidth + "|\nstored " +
               folder.Read("px31.cfg").substr(184, 40) + "|\n";
    }
    PageStyleView view;
};

TEST_F(PageStyle, PicksFontsAndWidthsAndEachWayOutKeepsItsShare)
{
    std::string told = "== opened\n" + Shown();
    for (const float points : {8.0f, 14.0f, 72.0f, 6.0f, 80.0f, 30.5f, 12.5f}) {
        s.Settings.PageFontSize = "99";
        ui.AnswerFont(FontChoice{"Verdana", points});
        PickFont(s, ui, view);
        told += "== font " + std::to_string(points) + "\n" + Shown();
    }
    for (const auto& [less, more] : {std::pair{0, 3}, {2, 2}, {70, 0}}) {
        view.PageWidth = "640";
        for (int i = 0; i < less + more; ++i)
            (i < less ? NarrowPage : WidenPage)(view);
        told += "== " + std::to_string(less) + " narrower, " + std::to_string(more) +
                " wider: " + view.PageWidth + "\n";
    }
    EXPECT_TRUE(SavePageStyle(s, ui, view));
    told += "== saved as shown\n" + Shown();
    // Picks are kept in memory at once; check boxes and width only by Preview or Save.
    for (const char* out : {"quit", "preview", "save"}) {
        LoadSettings(s, ui);
        view = OpenPageStyle(s.Settings);
        ui.AnswerColour(0x4080FF);
        PickBackColor(s, ui, view);
        view.UseTopGraphic = view.IncludeList = false;
        NarrowPage(view);
        if (out == std::string("preview"))
            PreviewPageStyle(s, ui, view);
        EXPECT_TRUE(out != std::string("save") || SavePageStyle(s, ui, view));
        told += "== a colour, two checks, narrower, then " + std::string(out) + "\n" + Shown();
    }
    ExpectGolden(told, "web/page_style.txt");
}

TEST_F(PageStyle, CancelledDialogsChangeNothingAndGraphicsFollowTheLastFolder)
{
    const SettingsRecord before = s.Settings;
    ui.AnswerColour(std::nullopt);
    ui.AnswerColour(std::nullopt);
    ui.AnswerFont(std::nullopt);
    ui.AnswerFile(std::nullopt);
    PickBackColor(s, ui, view);
    PickFontColor(s, ui, view);
    PickFont(s, ui, view);
    EXPECT_FALSE(PickGraphic(s, ui, PageGraphic::Top));
    EXPECT_EQ(EncodeSettings(s.Settings), EncodeSettings(before));
    std::string told = Shown();
    ui.AnswerFile(ChosenFile{"/pics/a/Top.GIF", "Top.GIF"});
    ui.AnswerFile(ChosenFile{"/pics/b c/side.jpg", "side.jpg"});
    ui.AnswerFile(std::nullopt);
    EXPECT_TRUE(PickGraphic(s, ui, PageGraphic::Top) && PickGraphic(s, ui, PageGraphic::Side));
    EXPECT_FALSE(PickGraphic(s, ui, PageGraphic::Back));
    for (const auto graphic : {PageGraphic::Top, PageGraphic::Side, PageGraphic::Back})
        told += GraphicPath(s.Settings, graphic) + "\n";
    ExpectGolden(Portable(told + TakeTranscript(ui, folder.Path()), folder.Path()),
                 "web/page_style_dialogs.txt");
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
    void TearDown() override
    {
        ExpectGolden(
            Portable(told, folder.Path()),
            "web/" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                ".txt");
    }
    void Run(void (*command)(MainScreenState&, Ui&), const std::string& chosen = "index.htm")
    {
        const fs::path file = web / chosen;
        ui.AnswerFile(ChosenFile{file, file.filename().string()});
        command(s, ui);
    }
    void Step(std::string_view name)
    {
        told += "== " + std::string(name) + "\n" + TakeTranscript(ui, folder.Path()) +
                "open: " + s.Recipes.CurrentRecipe + ", pages in " +
                std::string(Trim(s.Settings.WebPagesFolder)) + "\n" + Listing(web, false);
    }
    std::string Page(const std::string& name) const { return folder.Read("Web Pages/" + name); }
    const fs::path web = folder.File("Web Pages");
    std::string told;
};

TEST_F(WebPages, AllPagesMakesEveryPageTheIndexAndThePicturesThenShowsTheIndex)
{
    Run(MakeAllPages, "Anything.htm");
    Step("all pages");
    EXPECT_EQ(Page("soup.htm"), Golden("web/soup.htm"));
    EXPECT_EQ(Page("index.htm"), Golden("web/index.htm"));
}

TEST_F(WebPages, IndexVariantsListAndRestyleOnlyThePagesThatExist)
{
    ui.AnswerFile(std::nullopt);
    MakeAllPages(s, ui);
    Run(MakeIndex);
    Step("cancel all pages, then an index of no pages");
    told += Page("index.htm") + "\n";
    Run(MakeAllPages);
    folder.Write("Web Pages/main dish - lasagne.htm", "old");
    fs::remove(web / "soup.htm");
    Run(MakeIndex);
    Step("all pages, then an index after soup.htm is removed");
    told += Page("index.htm") + "\n" + Page("main dish - lasagne.htm") + "\n";
    Run(MakeIndexApplyStyle);
    Step("index, applying the style");
    EXPECT_NE(Page("main dish - lasagne.htm"), "old");
}

TEST_F(WebPages, PagesFromTheOpenRecipeAndThePreview)
{
    MakeSingleWebPage(s, ui);
    OpenRecipe(s, ui, 1);
    EditRecipeText(s, "Stir");
    Run(MakeAllPages);
    Step("no recipe open for one page; Soup's changed text is saved before all pages");
    told += folder.Read("Soup.txt") + "\n" + Page("soup.htm") + "\n";
    fs::remove_all(web);
    fs::create_directory(web);
    OpenRecipe(s, ui, 0);
    Run(MakeSingleWebPage, "Other.HTM");
    Step("one page, named after the open recipe whatever name is typed");
    ShowStylePreview(s, ui);
    Step("the preview");
    told += folder.Read("preview.htm");
}

TEST_F(WebPages, FaultsAreToldAndPagesStillOpenWhenOnlyPicturesFail)
{
    folder.Write("not a folder", "");
    ui.AnswerFile(ChosenFile{folder.File("not a folder") / "index.htm", "index.htm"});
    MakeAllPages(s, ui);
    Step("a folder that cannot be written: nothing shown");
    s.Settings.TopGraphicPath = s.DataPath + "graphics/Gone.gif";
    s.Settings.SideGraphicPath = "side.gif";
    folder.Write("graphics/backsample.gif", "not a picture");
    Run(MakeAllPages);
    Step("pictures that will not show");
}

} // namespace
} // namespace pantrix
