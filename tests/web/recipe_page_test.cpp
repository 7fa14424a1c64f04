#include "web/index_page.h"
#include "web/page_names.h"
#include "web/preview.h"
#include "web/recipe_page.h"
#include "web/style_block.h"
#include "web/text_to_html.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace pantrix {
namespace {

std::string Golden(const std::string& name)
{
    std::ifstream in(std::string(PANTRIX_TEST_DATA) + "/web/" + name, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

// The settings as a file holds them: every field padded to its width.
SettingsRecord Stored(const SettingsRecord& record)
{
    return DecodeSettings(EncodeSettings(record), record);
}

SettingsRecord Defaults()
{
    return Stored(DefaultSettings("/home/ann/pantrix/"));
}

const std::string kSoupIngredients = "Dairy\xB0 Milk\r\nDairy\xB0 Butter\r\nProduce\xB0 Onions\r\n";

TEST(RecipePage, SoupInTheDefaultStyleMatchesItsGoldenPage)
{
    EXPECT_EQ(RecipePage(Defaults(), "Soup", "Boil\r\nServe\r\n", kSoupIngredients),
              Golden("soup.htm"));
}

TEST(RecipePage, IndexHeadLinksAndEndMatchTheGoldenIndex)
{
    const SettingsRecord settings = Defaults();
    EXPECT_EQ(IndexHead(settings) + LinkRow("Main Dish - Lasagne") + LinkRow("Soup") +
                  IndexEnd(settings),
              Golden("index.htm"));
}

TEST(RecipePage, PreviewNamesGraphicsWhereTheyLieAndColoursAPlainBackground)
{
    SettingsRecord settings = DefaultSettings("/home/ann/pantrix/");
    settings.PlainBackground = "Y";
    settings.UseSideGraphic = "N";
    settings.PageBackColor = "4227327";
    settings.PageFontColor = "255";
    settings.PageFontSize = "82";
    settings.PageFontName = "Times New Roman";
    settings.PageWidth = "600";
    settings.TopGraphicPath = "/srv/My Pics/Top.GIF";
    EXPECT_EQ(PreviewPage(Stored(settings)), Golden("preview.htm"));
}

TEST(RecipePage, ColoursAreWrittenRedGreenBlue)
{
    const std::pair<std::int64_t, const char*> cases[] = {{0x4080FF, "#FF8040"},  {0xFF, "#FF0000"},
                                                          {16777215, "#FFFFFF"},  {0, "#000000"},
                                                          {0x1000A0B, "#0B0A00"}, {-1, "#FFFFFF"}};
    for (const auto& [colour, hex] : cases)
        EXPECT_EQ(ColorToHex(colour), hex) << colour;
}

TEST(RecipePage, TextLinesEndAsTheirBreaksSay)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"   ", ""},
        {"One", "\r\nOne<br>"},
        {"a\r\nb", "\r\na<br>\r\nb<br>"},
        {"a\r\n\r\nb", "\r\na<br>\r\n<br>\r\nb<br>"},
        {"a\nb", "\r\na<p>\r\nb<br>"},
        {"a\rb", "\r\na<br>\r\nb<br>"},
        {"a\r\n", "\r\na<br>\r\n<br>"},
        {"<i>x</i> & \x81\xE9", "\r\n<i>x</i> & \x81\xE9<br>"}};
    for (const auto& [text, html] : cases)
        EXPECT_EQ(TextToHtml(text), html) << text;
}

TEST(RecipePage, IngredientRowsNameACategoryOncePerRun)
{
    const std::pair<const char*, const char*> cases[] = {
        {"A\xB0 x\r\nA\xB0 y\r\nB\xB0 z\r\nA\xB0 w",
         "<tr><td>A</td><td> x</td></tr>\r\n<tr><td>&nbsp;</td><td> y</td></tr>\r\n"
         "<tr><td>B</td><td> z</td></tr>\r\n<tr><td>A</td><td> w</td></tr>\r\n"},
        {"  A\xB0 x  \r\n\r\n   \r\nA\xB0 y\n",
         "<tr><td>A</td><td> x</td></tr>\r\n<tr><td>&nbsp;</td><td> y</td></tr>\r\n"},
        {"eggs\r\nA\xB0 x\r\nbread",
         "<tr><td>&nbsp;</td><td>eggs</td></tr>\r\n<tr><td>A</td><td> x</td></tr>\r\n"
         "<tr><td></td><td>bread</td></tr>\r\n"},
        {"0123456789012345678901234567890\xB0 late",
         "<tr><td>&nbsp;</td><td>0123456789012345678901234567890\xB0 late</td></tr>\r\n"}};
    for (const auto& [lines, rows] : cases)
        EXPECT_EQ(IngredientRows(lines), rows) << lines;
}

TEST(RecipePage, BodyLineFollowsTheBackgroundSetting)
{
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"N", "/p/Back.GIF", "</head>\r\n<body background=\"back.gif\">\r\n<table"},
        {"Y", "/p/Back.GIF", "background-color:#FFFFFF;"},
        {"Y", "/p/Back.GIF", "</head>\r\n<body>\r\n<table"},
        {"N", "  ", "</head>\r\n<body>\r\n<table"},
        {"?", "/p/Back.GIF", "</head>\r\n<table"}};
    for (const auto& [plain, path, expected] : cases) {
        SettingsRecord settings = Defaults();
        settings.PlainBackground = plain;
        settings.BackGraphicPath = path;
        EXPECT_NE(RecipePage(settings, "R", "", "").find(expected), std::string::npos)
            << plain << path;
    }
}

TEST(RecipePage, WithoutIngredientsOrGraphicsTheRecipeTableClosesTheFrame)
{
    SettingsRecord settings = Defaults();
    settings.IncludeIngredientList = "N";
    settings.UseTopGraphic = "N";
    settings.SideGraphicPath = "";
    const std::string page = RecipePage(settings, "R", "   ", kSoupIngredients);
    EXPECT_EQ(page.find("<img"), std::string::npos);
    EXPECT_NE(page.find("<tr><td></td></tr>\r\n</table>\r\n</td></tr></table>\r\n</body></html>"
                        "\r\n"),
              std::string::npos);
}

TEST(RecipePage, OnlyFileNamesAreLowerCased)
{
    EXPECT_EQ(PageName("Cr\xC8me BR\xDBL\xC9"
                       "E"),
              "cr\xE8me br\xFBl\xE9"
              "e.htm");
    const std::pair<const char*, const char*> cases[] = {{"/My Pics/Top.GIF", "top.gif"},
                                                         {"C:\\Pics\\Side.Jpg  ", "side.jpg"},
                                                         {"Back.GIF", "back.gif"},
                                                         {"", ""}};
    for (const auto& [path, name] : cases)
        EXPECT_EQ(GraphicName(path), name) << path;
}

} // namespace
} // namespace pantrix
