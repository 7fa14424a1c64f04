// Today's List and the open recipe on the clipboard and the printer. Each story's
// messages, printed lines, fonts and job ends are held in a golden file.
#include "output/list_layout.h"
#include "output/list_output.h"
#include "output/recipe_output.h"
#include "output/simple_print.h"
#include "support/data_folder.h"
#include "support/golden.h"
#include "support/transcript.h"

namespace pantrix {
namespace {

using namespace testing;
using Entries = std::vector<ListEntry>;

Entries OneCategory(int count)
{
    Entries entries;
    for (int i = 1; i <= count; ++i)
        entries.push_back({"Dairy\xB0 Item " + std::string(i < 10 ? "0" : "") + std::to_string(i)});
    return entries;
}

// A list named "My Pantrix" printed on 08-16-2002 in normal print, with the
// recipe Soup open, in a fresh folder.
struct Desk : Workspace
{
    Desk()
    {
        s.Settings = DefaultSettings(s.DataPath);
        s.Options = {.LargePrint = false, .BoldFonts = false};
        s.List.Name = "My Pantrix";
        s.Recipes.CurrentRecipe = " Soup ";
        s.Recipes.CurrentBase = folder.File("Soup");
        ui.SetToday({2002, 8, 16});
    }
    std::string Told()
    {
        const auto current = s.List.Current ? std::to_string(*s.List.Current) : "none";
        return TakeTranscript(ui, folder.Path()) + "current entry: " + current +
               ", page length offset: " + std::to_string(s.Settings.PageLengthOffset) + "\n";
    }
};

TEST(ListLayout, EachLayoutInOneAndTwoColumnsWithItsLineKinds)
{
    const std::string longCategory(30, 'C');
    const std::tuple<const char*, const char*, Entries> cases[] = {
        {"the example",
         "My Pantrix",
         {{"Dairy\xB0 Milk" + std::string(26, ' '), false},
          {"Dairy\xB0 Butter", true},
          {"Dairy\xB0 Eggs", false},
          {"Produce\xB0 Apples", false},
          {"special\xB0 Birthday candles", true}}},
        {"one entry", "  My Pantrix ", {{"Dairy\xB0 Milk", false}}},
        {"long names", "L", {{longCategory + "\xB0 " + std::string(40, 'i'), false}}},
        {"groups never share a line",
         "L",
         {{"A\xB0 1"}, {"A\xB0 2"}, {"A\xB0 3"}, {"B\xB0 4"}, {"A\xB0 5"}}},
        {"an empty category opens a group only later",
         "L",
         {{"\xB0 Note", false}, {"A\xB0 Milk", false}, {"\xB0 Late", true}}},
        {"hand-edited entries",
         "L",
         {{"  just a note  "},
          {"  Dairy\xB0 Milk"},
          {"Dairy\xB0"
           "Butter"},
          {std::string(31, 'x') + "\xB0 late"}}},
    };
    std::string shown;
    for (const auto& [name, listName, entries] : cases)
        for (const Columns columns : {Columns::One, Columns::Two}) {
            std::string text = LayoutText(listName, {2002, 8, 16}, entries, columns);
            for (auto at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
                text.replace(at, 2, "|\n");
            shown += std::string("== ") + name + "\n" + text + "|\nkinds: ";
            for (const LayoutLine& line : LayoutBody(entries, columns))
                shown += "SGCE"[static_cast<int>(line.Kind)];
            shown += "\n";
        }
    ExpectGolden(shown, "output/layouts.txt");
}

// Today's List and the open recipe on the printer. The options are words: large,
// bold, two (columns), fails (the printer), missing (no printer).
TEST(Printing, PagesFontsAndQuestionsFollowTheOptions)
{
    using enum MessageAnswer;
    const auto list = PrintShoppingList;
    const auto recipe = PrintRecipe;
    const std::tuple<const char*, void (*)(MainScreenState&, Ui&), Entries,
                     std::vector<MessageAnswer>, std::string, std::int16_t>
        cases[] = {
            {"an empty list prints nothing", list, {}, {}, "", 0},
            {"normal print ends the first page at entry 57", list, OneCategory(70), {Yes}, "", 0},
            {"large print ends it at 47", list, OneCategory(70), {Yes}, "large bold", 0},
            {"an offset of 4 ends it at 61", list, OneCategory(70), {Yes}, "", 4},
            {"an offset of -60 prints one entry a page and no blank sheet",
             list,
             {{"A\xB0 1"}, {"A\xB0 2"}, {"B\xB0 3"}},
             {Yes},
             "",
             -60},
            {"No leaves out category lines",
             list,
             {{"Dairy\xB0 Milk", true}, {"Produce\xB0 Apples"}},
             {No},
             "",
             0},
            {"Cancel prints nothing", list, OneCategory(3), {Cancel}, "", 0},
            {"two columns", list, OneCategory(3), {Yes}, "two", 0},
            {"a failing printer is told at each step", list, OneCategory(1), {Yes}, "fails", 0},
            {"no printer", list, OneCategory(1), {Yes}, "missing", 0},
            {"recipe: Cancel prints nothing", recipe, {}, {Cancel}, "", 0},
            {"recipe: normal", recipe, {}, {No}, "", 0},
            {"recipe: large and bold", recipe, {}, {No}, "large bold", 0},
            {"recipe: bold, 4 longer", recipe, {}, {No}, "bold", 4},
            {"recipe: large, 2 shorter", recipe, {}, {No}, "large", -2},
            {"recipe: the longest page does not wrap round", recipe, {}, {No}, "", 32767},
            {"recipe: Yes prints Today's List after it", recipe, {}, {Yes, Yes}, "", 0},
            {"recipe: a failing printer is told once", recipe, {}, {Yes}, "fails", 0},
        };
    std::string told;
    for (const auto& [name, print, entries, answers, options, offset] : cases) {
        Desk d;
        d.s.List.Entries = entries;
        d.s.List.Current = entries.empty() ? std::nullopt : std::optional<std::size_t>(0);
        // A wrap point between the widths 60 and 70, then paragraphs counting 2 each.
        d.s.Recipes.EditorText = std::string(65, 'a') + " b\r\n";
        for (int i = 0; i < 40; ++i)
            d.s.Recipes.EditorText += "c\r\n";
        const auto has = [&](const char* word) { return options.find(word) != std::string::npos; };
        d.s.Options = {.LargePrint = has("large"), .BoldFonts = has("bold")};
        d.s.Settings.PageLengthOffset = offset;
        d.s.Settings.PrintTwoColumns = FlagText(has("two"));
        for (const MessageAnswer answer : answers)
            d.ui.AnswerMessage(answer);
        if (has("fails"))
            d.ui.FailPrinterWith("offline");
        if (has("missing"))
            d.ui.RemovePrinter();
        print(d.s, d.ui);
        told += std::string("== ") + name + "\n" + d.Told();
    }
    ExpectGolden(told, "output/printing.txt");
}

TEST(ListOutput, CopyingTodaysListAndChangingThePageLength)
{
    Desk d;
    d.ui.ClipboardSetText("kept");
    CopyListToClipboard(d.s, d.ui); // an empty list: nothing to do
    std::string told = d.Told();
    d.s.List.Entries = {{"Dairy\xB0 Milk", false}};
    d.s.List.Current = 0;
    d.s.List.Name = " My Pantrix";
    for (const auto& [answer, twoColumns] : {std::pair{MessageAnswer::No, "N"},
                                             {MessageAnswer::Yes, "N"},
                                             {MessageAnswer::Yes, "Y"}}) {
        d.s.Settings.PrintTwoColumns = twoColumns;
        d.ui.AnswerMessage(answer);
        CopyListToClipboard(d.s, d.ui);
        told += d.Told();
    }
    for (const auto change :
         {PrintLongerPage, PrintLongerPage, PrintShorterPage, PrintShorterPage, PrintShorterPage})
        change(d.s, d.ui);
    told += "stored: " + std::to_string(d.folder.Read("px31.cfg")[0]) + "\n";
    d.s.Settings.PageLengthOffset = 32766;
    PrintLongerPage(d.s, d.ui);
    ExpectGolden(told + d.Told(), "output/list_copy.txt");
}

TEST(RecipeOutput, CopyingTheRecipeNotesTakesTheStoredTextFile)
{
    Desk d;
    std::string told;
    d.ui.ClipboardSetText("old");
    // Missing, then stored, then one that cannot be created.
    for (const char* base : {"Soup", "Soup", "gone/Soup"}) {
        d.s.Recipes.CurrentBase = d.folder.File(base);
        d.ui.AnswerMessage(MessageAnswer::Yes);
        CopyRecipeNotesToClipboard(d.s, d.ui);
        told += d.Told() + Listing(d.folder.Path());
        d.folder.Write("Soup.txt", "Stir.\r\n");
    }
    d.s.Recipes.CurrentRecipe = "  ";
    PrintRecipe(d.s, d.ui);
    CopyRecipeNotesToClipboard(d.s, d.ui);
    ExpectGolden(told + d.Told(), "output/recipe_copy.txt");
}

TEST(SimplePrint, BreaksLinesAndPagesByTheCharacterRules)
{
    const std::string a69(69, 'a');
    const std::tuple<const char*, std::string, int, int, int> cases[] = {
        // name, text, margin, width, limit; the top is 2
        {"the worked example", Golden("output/worked_example.txt"), 5, 40, 63},
        {"a last line without a break prints", "ab\r\ncd", 2, 70, 63},
        {"trimmed; empty lines print nothing; inner spaces stay",
         "  ab\r\n\r\n   \r\n\r\n x \r\n  ", 2, 70, 63},
        {"a space at column 70 ends a line", a69 + " more words", 2, 70, 63},
        {"a word from column 65 to 80 stays whole",
         std::string(63, 'a') + " " + std::string(16, 'b') + " next", 2, 70, 63},
        {"a CR counts its empty line", "ab\rcd\ref\rgh", 2, 70, 4},
        {"a lone LF does not", "ab\ncd\nef\ngh", 2, 70, 4},
        {"a wrapped line counts one", "aa bb cc dd", 2, 3, 4},
        {"a text ending at a page end leaves no blank sheet", "ab\rcd\r\n", 2, 70, 4},
        {"a limit below the top puts a line on each page", "ab\rcd", 2, 70, 0},
        {"an empty text prints the top and ends the job", "   ", 2, 70, 63},
    };
    std::string printed;
    for (const auto& [name, text, margin, width, limit] : cases) {
        Desk d;
        EXPECT_TRUE(SimplePrint(d.ui, text, 2, margin, width, limit).ok()) << name;
        printed += std::string("== ") + name + "\n" + TakeTranscript(d.ui, "/");
    }
    ExpectGolden(printed, "output/simple_print.txt");
}

} // namespace
} // namespace pantrix
