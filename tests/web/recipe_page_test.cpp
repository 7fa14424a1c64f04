#include "web/index_page.h"
#include "web/page_names.h"
#include "web/preview.h"
#include "web/recipe_page.h"
#include "web/style_block.h"
#include "web/text_to_html.h"

#include "web/golden.h"

#include <functional>
#include <gtest/gtest.h>

namespace pantrix {
namespace {

// The settings as a file holds them: every field padded to its width.
SettingsRecord Stored(const SettingsRecord& record)
{
    return DecodeSettings(EncodeSettings(record), record);
}

const SettingsRecord kDefaults = Stored(DefaultSettings("/home/ann/pantrix/"));

TEST(RecipePage, WorkedExamplesMatchTheirGoldenPages)
{
    EXPECT_EQ(RecipePage(kDefaults, "Soup", "Boil\r\nServe\r\n",
                         "Dairy\xB0 Milk\r\nDairy\xB0 Butter\r\nProduce\xB0 Onions\r\n"),
              Golden("soup.htm"));
    EXPECT_EQ(IndexHead(kDefaults) + LinkRow("Main Dish - Lasagne") + LinkRow("Soup") +
                  IndexEnd(kDefaults),
              Golden("index.htm"));
    SettingsRecord plain = DefaultSettings("/home/ann/pantrix/");
    plain.PlainBackground = "Y";
    plain.UseSideGraphic = "N";
    plain.PageBackColor = "4227327";
    plain.PageFontColor = "255";
    plain.PageFontSize = "82";
    plain.PageFontName = "Times New Roman";
    plain.PageWidth = "600";
    plain.TopGraphicPath = "/srv/My Pics/Top.GIF";
    EXPECT_EQ(PreviewPage(Stored(plain)), Golden("preview.htm"));
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

TEST(RecipePage, TheStyleShapesTheFrame)
{
    using Change = std::function<void(SettingsRecord&)>;
    const std::tuple<Change, const char*, bool> cases[] = {
        {[](SettingsRecord& r) { r.BackGraphicPath = "/p/Back.GIF"; },
         "</head>\r\n<body background=\"back.gif\">\r\n<table", true},
        {[](SettingsRecord& r) { r.PlainBackground = "Y"; }, "</head>\r\n<body>\r\n<table", true},
        {[](SettingsRecord& r) { r.PlainBackground = "Y"; }, "background-color:#FFFFFF;", true},
        {[](SettingsRecord& r) { r.BackGraphicPath = "  "; }, "</head>\r\n<body>\r\n<table", true},
        {[](SettingsRecord& r) { r.PlainBackground = "?"; }, "</head>\r\n<table", true},
        {[](SettingsRecord& r) { r.IncludeIngredientList = "N"; },
         "<tr><td></td></tr>\r\n</table>\r\n</td></tr></table>\r\n</td></tr></table>\r\n", true},
        {[](SettingsRecord& r) { r.UseTopGraphic = "N"; }, "topsample", false},
        {[](SettingsRecord& r) { r.SideGraphicPath = ""; }, "<table><tr><td valign", false}};
    for (const auto& [change, fragment, present] : cases) {
        SettingsRecord settings = kDefaults;
        change(settings);
        const std::string page = RecipePage(settings, "R", "   ", "");
        EXPECT_EQ(page.find(fragment) != std::string::npos, present) << fragment;
    }
}

TEST(RecipePage, OnlyFileNamesAreLowerCased)
{
    EXPECT_EQ(PageName("Cr\xC8me BR\xDBL\xC9"), "cr\xE8me br\xFBl\xE9.htm");
    const std::pair<const char*, const char*> cases[] = {{"/My Pics/Top.GIF", "top.gif"},
                                                         {"C:\\Pics\\Side.Jpg  ", "side.jpg"},
                                                         {"Back.GIF", "back.gif"}};
    for (const auto& [path, name] : cases)
        EXPECT_EQ(GraphicName(path), name) << path;
}

} // namespace
} // namespace pantrix
