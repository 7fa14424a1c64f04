#include "output/recipe_output.h"

#include "state/main_screen_state.h"
#include "support/data_folder.h"

#include <gtest/gtest.h>

namespace pantrix {
namespace {

using namespace testing;

class RecipeOutput : public ::testing::Test, protected Workspace
{
protected:
    void SetUp() override
    {
        s.Options = {.LargePrint = false, .BoldFonts = false};
        s.Recipes.CurrentRecipe = " Soup ";
        s.Recipes.CurrentBase = folder.File("Soup");
        s.Recipes.EditorText = "Boil.\r\n";
    }
};

TEST_F(RecipeOutput, NothingIsPrintedWithoutAnOpenRecipeOrAfterCancel)
{
    ui.AnswerMessage(MessageAnswer::Cancel);
    PrintRecipe(s, ui);
    const Message& asked = ui.Messages.at(0);
    EXPECT_EQ(asked.Text, " Soup \r\n\r\n...do you want to print your shopping list too?");
    EXPECT_EQ(asked.Title, "Ready to print recipe...");
    EXPECT_EQ(asked.Buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(asked.DefaultButton, MessageAnswer::No);

    s.Recipes.CurrentRecipe = "  ";
    PrintRecipe(s, ui);
    CopyRecipeNotesToClipboard(s, ui);
    EXPECT_EQ(ui.Messages.at(1).Text, "Please select a recipe to print.");
    EXPECT_EQ(ui.Messages.at(2).Text, "Please select a recipe...");
    EXPECT_EQ(ui.Messages[2].Title, "Nothing to do!");
    EXPECT_TRUE(ui.Printed.empty());
    EXPECT_FALSE(ui.Clipboard);
}

TEST_F(RecipeOutput, LargePrintBoldAndTheOffsetSetFontWidthAndPageLimit)
{
    // A wrap point between the widths 60 and 70, then paragraphs counting 2 each.
    const std::string line = "     " + std::string(65, 'a');
    s.Recipes.EditorText = line.substr(5) + " b\r\n";
    for (int i = 0; i < 40; ++i)
        s.Recipes.EditorText += "c\r\n";
    const struct
    {
        bool large, bold;
        std::int16_t offset;
        int points;
        std::size_t firstPage; // lines on the first page
        std::string firstLine;
    } cases[] = {
        {false, false, 0, 10, 65, line + " b"},     {true, true, 0, 12, 56, line},
        {false, true, 4, 10, 69, line + " b"},      {true, false, -2, 12, 54, line},
        {false, false, 32767, 10, 85, line + " b"}, // the limit does not wrap round
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.offset);
        FakeUi ui;
        s.Options = {.LargePrint = c.large, .BoldFonts = c.bold};
        s.Settings.PageLengthOffset = c.offset;
        ui.AnswerMessage(MessageAnswer::No);
        PrintRecipe(s, ui);
        EXPECT_EQ(ui.JobEnds.at(0), c.firstPage);
        EXPECT_EQ(ui.Printed.at(3).Text, c.firstLine);
        EXPECT_EQ(ui.Printed[3].Points, c.points);
        EXPECT_EQ(ui.Printed[3].Bold, c.bold);
    }
}

TEST_F(RecipeOutput, YesPrintsTodaysListAfterTheRecipeAsARunOfItsOwn)
{
    s.List.Name = "My Pantrix";
    ui.AnswerMessage(MessageAnswer::Yes);
    ui.AnswerMessage(MessageAnswer::Yes); // "Include Category Names?"
    PrintRecipe(s, ui);
    EXPECT_EQ(ui.JobEnds, (std::vector<std::size_t>{5, 10}));
    EXPECT_EQ(ui.Printed.at(3).Text, "     Boil.");
    EXPECT_EQ(ui.Printed[3].Face, "Courier New");
    EXPECT_EQ(ui.Printed.at(7).Text, "My Pantrix");
}

TEST_F(RecipeOutput, APrinterFailureIsReportedOnceAndStopsThePrint)
{
    ui.FailPrinterWith("offline");
    ui.AnswerMessage(MessageAnswer::Yes); // the list is not asked for
    PrintRecipe(s, ui);
    ASSERT_EQ(ui.Messages.size(), 2u);
    EXPECT_EQ(ui.Messages[1].Text, "Printer not responding!");
    EXPECT_EQ(ui.Messages[1].Title, "Printer error...");
}

TEST_F(RecipeOutput, CopyTakesTheStoredTextFileAndCreatesAMissingOne)
{
    ui.ClipboardSetText("old");
    ui.AnswerMessage(MessageAnswer::Yes);
    CopyRecipeNotesToClipboard(s, ui);
    EXPECT_EQ(ui.Messages.at(0).Text, "Copy  Soup  to the Windows Clipboard?");
    EXPECT_EQ(ui.Messages[0].Title, "Copy recipe to clipboard");
    EXPECT_EQ(ui.Messages[0].DefaultButton, MessageAnswer::Yes);
    EXPECT_EQ(ui.Clipboard, "");
    EXPECT_EQ(folder.Read("Soup.txt"), "");

    folder.Write("Soup.txt", "Stir.\r\n");
    ui.AnswerMessage(MessageAnswer::Yes);
    CopyRecipeNotesToClipboard(s, ui);
    EXPECT_EQ(ui.Clipboard, "Stir.\r\n");

    s.Recipes.CurrentBase = folder.File("gone") / "Soup"; // cannot be created
    ui.AnswerMessage(MessageAnswer::Yes);
    CopyRecipeNotesToClipboard(s, ui);
    EXPECT_NE(ui.Messages.at(3).Text.find("gone/Soup.txt"), std::string::npos);
    EXPECT_EQ(ui.Clipboard, "Stir.\r\n");
}

} // namespace
} // namespace pantrix
