// Recipe pages, the index, the style window and its preview, as stories under tests/data/web.
#include "recipes/recipe_commands.h"
#include "shell/start_up.h"
#include "support/data_folder.h"
#include "support/story.h"
#include "text/fields.h"
#include "web/index_page.h"
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

using Web = StoryTest;

TEST_P(Web, Story)
{
#define FIELD(name) std::make_pair(std::string(#name), &SettingsRecord::name)
    const std::map<std::string, std::string SettingsRecord::*> fields = {
        FIELD(PlainBackground), FIELD(UseSideGraphic),  FIELD(UseTopGraphic),
        FIELD(PageBackColor),   FIELD(PageFontColor),   FIELD(PageFontSize),
        FIELD(PageFontName),    FIELD(PageWidth),       FIELD(TopGraphicPath),
        FIELD(SideGraphicPath), FIELD(BackGraphicPath), FIELD(IncludeIngredientList)};
    const std::map<std::string, PageGraphic> graphics = {
        {"top", PageGraphic::Top}, {"side", PageGraphic::Side}, {"back", PageGraphic::Back}};
    PageStyleView view;
    // The settings as a file holds them: every field padded to its width.
    const auto stored = [](const auto& r) { return DecodeSettings(EncodeSettings(r), r); };
    const auto pick = [&](void (*command)(MainScreenState&, Ui&, PageStyleView&)) {
        return Quiet([&, command](auto) { command(s, ui, view); });
    };
    const auto times = [&](void (*change)(PageStyleView&)) {
        return Quiet([&, change](auto n) {
            for (int i = std::stoi(n); i > 0; --i)
                change(view);
        });
    };
    const auto shown = [&](std::function<std::string(std::string)> part) {
        return [&, part](auto a) { return Portable(part(a), folder.Path()) + "\n"; };
    };
    const auto make = [&](void (*command)(MainScreenState&, Ui&)) {
        return shown([&, command](auto) {
            command(s, ui);
            return TakeTranscript(ui, folder.Path()) + "open: " + s.Recipes.CurrentRecipe +
                   ", pages in " + std::string(Trim(s.Settings.WebPagesFolder)) + "\n" +
                   Listing(folder.File("Web Pages"), false);
        });
    };
    // The installed pictures, a browser, the recipes Soup and Main Dish - Lasagne listed
    // and an empty folder for their pages.
    Tell("web",
         {{"install-with-recipes", Quiet([&](auto) {
               fs::copy(PANTRIX_SOURCE_DATA "/graphics", folder.File("graphics"));
               fs::copy(PANTRIX_SOURCE_DATA "/gofore.jpg", folder.File("gofore.jpg"));
               s.Settings = DefaultSettings(s.DataPath);
               ui.SetDocumentProgram("/usr/bin/browser");
               folder.Write("Soup.rcp",
                            "Dairy\xB0 Milk\r\nDairy\xB0 Butter\r\nProduce\xB0 Onions\r\n");
               folder.Write("Soup.txt", "Boil\r\nServe\r\n");
               folder.Write("Main Dish - Lasagne.rcp", "");
               fs::create_directory(folder.File("Web Pages"));
               RefreshRecipeList(s, ui);
           })},
          {"defaults",
           Quiet([&](auto) { s.Settings = stored(DefaultSettings("/home/ann/pantrix/")); })},
          {"set", Quiet([&](auto a) {
               const std::size_t space = a.find(' ');
               s.Settings.*fields.at(a.substr(0, space)) =
                   a.substr(std::min(space, a.size() - 1) + 1);
           })},
          {"load", Quiet([&](auto) { LoadSettings(s, ui), view = OpenPageStyle(s.Settings); })},
          {"age", Quiet([&](auto name) { // every file in the folder an hour old
               for (const auto& file : fs::directory_iterator(folder.File(name)))
                   fs::last_write_time(file, file.last_write_time() - std::chrono::hours(1));
           })},
          {"choose", Quiet([&](auto p) {
               ui.AnswerFile(ChosenFile{folder.File(p), fs::path(p).filename()});
           })},
          {"colour", Quiet([&](auto colour) { ui.AnswerColour(std::stol(colour)); })},
          {"no-colour", Quiet([&](auto) { ui.AnswerColour(std::nullopt); })},
          {"font", Quiet([&](auto p) { // "points" or "points|face"
               ui.AnswerFont(FontChoice{Fields(p + "|Verdana")[1], std::stof(p)});
           })},
          {"no-font", Quiet([&](auto) { ui.AnswerFont(std::nullopt); })},
          {"refresh", Quiet([&](auto) { RefreshRecipeList(s, ui); })},
          {"open", Quiet([&](auto row) { OpenRecipe(s, ui, std::stoul(row)); })},
          {"edit", Quiet([&](auto text) { EditRecipeText(s, text); })},
          {"single-page", make(MakeSingleWebPage)},
          {"index", make(MakeIndex)},
          {"index-style", make(MakeIndexApplyStyle)},
          {"all-pages", make(MakeAllPages)},
          {"preview", make(ShowStylePreview)},
          {"pick-back-colour", pick(PickBackColor)},
          {"pick-font-colour", pick(PickFontColor)},
          {"pick-font", pick(PickFont)},
          {"pick-graphic", shown([&](auto graphic) {
               return PickGraphic(s, ui, graphics.at(graphic)) ? "picked" : "not picked";
           })},
          {"narrower", times(NarrowPage)},
          {"wider", times(WidenPage)},
          {"width", Quiet([&](auto width) { view.PageWidth = width; })},
          {"uncheck", Quiet([&](auto) { view.UseTopGraphic = view.IncludeList = false; })},
          {"save-style",
           shown([&](auto) { return SavePageStyle(s, ui, view) ? "saved" : "not saved"; })},
          {"preview-style", Quiet([&](auto) { PreviewPageStyle(s, ui, view); })},
          {"window",
           [&](auto) {
               const SettingsRecord& r = s.Settings;
               const StyleSample& sample = view.Sample;
               return TakeTranscript(ui, folder.Path()) + "sample " +
                      std::to_string(sample.BackColor) + " " + std::to_string(sample.FontColor) +
                      " " + sample.Face + " " + std::to_string(sample.Points) + " \"" +
                      sample.Caption + "\", checks " + FlagText(view.UseBackGraphic) +
                      FlagText(view.UseTopGraphic) + FlagText(view.UseSideGraphic) +
                      FlagText(view.IncludeList) + ", width " + view.PageWidth + "\nsettings " +
                      r.PageBackColor + " " + r.PageFontColor + " " + r.PageFontName + " " +
                      r.PageFontSize + " " + r.UseTopGraphic + r.IncludeIngredientList + " " +
                      r.PageWidth + "|\nstored " + folder.Read("px31.cfg").substr(184, 40) + "|" +
                      (EncodeSettings(r) == folder.Read("px31.cfg") ? "" : " memory differs") +
                      "\n";
           }},
          {"read", shown([&](auto name) { return folder.Read(name); })},
          {"graphic-path", shown([&](auto graphic) {
               return ShownPath(GraphicPath(s.Settings, graphics.at(graphic)));
           })},
          {"page-width", shown([&](auto) { return view.PageWidth; })},
          {"hex", shown([&](auto colour) { return ColorToHex(std::stoll(colour)); })},
          {"html", shown([&](auto text) { return OneLine(TextToHtml(text)); })},
          {"rows", shown([&](auto lines) { return IngredientRows(lines); })},
          {"link-row", shown([&](auto recipe) { return OneLine(LinkRow(recipe)); })},
          {"graphic-name", shown([&](auto path) { return GraphicName(path); })},
          {"recipe-page", shown([&](auto) { return RecipePage(s.Settings, "R", "   ", ""); })}});
}

INSTANTIATE_TEST_SUITE_P(Web, Web, Stories("web"), kStoryName);

} // namespace
} // namespace pantrix
