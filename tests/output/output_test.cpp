// Today's List and the open recipe, copied and printed; cases and goldens in tests/data/output.
#include "output/list_layout.h"
#include "output/list_output.h"
#include "output/recipe_output.h"
#include "output/simple_print.h"
#include "recipes/recipe_commands.h"
#include "support/data_folder.h"
#include "support/golden.h"

namespace pantrix {
namespace {

using namespace testing;
std::vector<ListEntry> Listed(const std::vector<std::string>& row, std::size_t first)
{
    std::vector<ListEntry> entries;
    for (std::size_t i = first; i < row.size(); ++i)
        entries.push_back({row[i].substr(3), row[i][1] == 'x'});
    return entries;
}

// Today's List "My Pantrix" on 08-16-2002 in normal print, with Soup open, in a fresh folder.
struct Desk : Workspace
{
    Desk()
    {
        s.Settings = DefaultSettings(s.DataPath);
        s.List.Name = "My Pantrix";
        s.Recipes.CurrentRecipe = " Soup ";
        s.Recipes.CurrentBase = folder.File("Soup");
        ui.SetToday({2002, 8, 16});
    }
    std::string Told()
    {
        return TakeTranscript(ui, folder.Path()) +
               "current entry: " + (s.List.Current ? std::to_string(*s.List.Current) : "none") +
               ", page length offset: " + std::to_string(s.Settings.PageLengthOffset) + "\n";
    }
};

TEST(ListLayout, EachLayoutInOneAndTwoColumnsWithItsLineKinds)
{
    std::string shown;
    for (const auto& row : Rows("output/layout_cases.txt"))
        for (const Columns columns : {Columns::One, Columns::Two}) {
            const std::string text = LayoutText(row[1], {2002, 8, 16}, Listed(row, 2), columns);
            shown += "== " + row[0] + "\n" + Replaced(text, "\r\n", "|\n") + "|\nkinds: ";
            for (const LayoutLine& line : LayoutBody(Listed(row, 2), columns))
                shown += "SGCE"[static_cast<int>(line.Kind)];
            shown += "\n";
        }
    ExpectGolden(shown, "output/layouts.txt");
}

TEST(Printing, PagesFontsAndQuestionsFollowTheOptions)
{
    std::string told;
    for (const auto& row : Rows("output/printing_cases.txt")) {
        Desk d;
        d.s.List.Entries = Listed(row, 5);
        d.s.List.Current = d.s.List.Entries.empty() ? std::nullopt : std::optional<std::size_t>(0);
        d.s.Recipes.EditorText = Golden("output/open_recipe.txt");
        const auto has = [&](const char* word) { return row[3].find(word) != std::string::npos; };
        d.s.Options = {.LargePrint = has("large"), .BoldFonts = has("bold")};
        d.s.Settings.PageLengthOffset = static_cast<std::int16_t>(std::stoi(row[4]));
        d.s.Settings.PrintTwoColumns = FlagText(has("two"));
        for (const char a : row[2])
            d.ui.AnswerMessage(static_cast<MessageAnswer>(std::string_view("OCYN").find(a)));
        has("missing") ? d.ui.RemovePrinter()
        : has("fails") ? d.ui.FailPrinterWith("offline")
                       : void();
        (row[1] == "list" ? PrintShoppingList : PrintRecipe)(d.s, d.ui);
        told += "== " + row[0] + "\n" + d.Told();
    }
    ExpectGolden(told, "output/printing.txt");
}

TEST(ListOutput, CopyingTheRecipeNotesAndTodaysListAndChangingThePageLength)
{
    Desk d;
    std::string told;
    // The open recipe's notes: missing, then typed and saved by the copy, then typed
    // for a folder that cannot be written, which copies nothing.
    d.ui.ClipboardSetText("old");
    for (const char* base : {"Soup", "Soup", "gone/Soup"}) {
        d.s.Recipes.CurrentBase = d.folder.File(base);
        d.ui.AnswerMessage(MessageAnswer::Yes);
        CopyRecipeNotesToClipboard(d.s, d.ui);
        told += d.Told() + Listing(d.folder.Path());
        EditRecipeText(d.s, "Stir.");
    }
    d.s.Recipes.CurrentRecipe = "  ";
    PrintRecipe(d.s, d.ui);
    CopyRecipeNotesToClipboard(d.s, d.ui);
    CopyListToClipboard(d.s, d.ui); // nothing to do for any of the three, the clipboard kept
    told += d.Told();
    d.s.List.Entries = {{"Dairy\xB0 Milk", false}};
    d.s.List.Current = 0;
    d.s.List.Name = " My Pantrix";
    for (const std::string answerAndColumns : {"NN", "YN", "YY"}) {
        d.s.Settings.PrintTwoColumns = answerAndColumns.substr(1);
        d.ui.AnswerMessage(answerAndColumns[0] == 'Y' ? MessageAnswer::Yes : MessageAnswer::No);
        CopyListToClipboard(d.s, d.ui);
        told += d.Told();
    }
    for (const char change : std::string_view("++---"))
        (change == '+' ? PrintLongerPage : PrintShorterPage)(d.s, d.ui);
    told += "stored: " + std::to_string(d.folder.Read("px31.cfg")[0]) + "\n";
    d.s.Settings.PageLengthOffset = 32766;
    PrintLongerPage(d.s, d.ui);
    ExpectGolden(told + d.Told(), "output/clipboard.txt");
}

TEST(SimplePrint, BreaksLinesAndPagesByTheCharacterRules)
{
    std::string printed;
    for (const auto& row : Rows("output/simple_print_cases.txt")) {
        FakeUi ui;
        const auto number = [&](int field) { return std::stoi(row[field]); };
        EXPECT_TRUE(SimplePrint(ui, row[4], 2, number(1), number(2), number(3)).ok()) << row[0];
        printed += "== " + row[0] + "\n" + TakeTranscript(ui, "/nowhere");
    }
    ExpectGolden(printed, "output/simple_print.txt");
}

} // namespace
} // namespace pantrix
