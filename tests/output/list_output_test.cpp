#include "output/list_output.h"

#include "settings/settings_file.h"
#include "state/main_screen_state.h"
#include "support/data_folder.h"
#include "support/fake_ui.h"

#include <cstdio>
#include <gtest/gtest.h>

namespace pantrix {
namespace {

using namespace testing;

class ListOutput : public ::testing::Test, protected Workspace
{
protected:
    void SetUp() override
    {
        s.Settings = DefaultSettings(s.DataPath);
        s.Options.LargePrint = false;
        s.Options.BoldFonts = false;
        s.List.Name = "My Pantrix";
        ui.SetToday({2002, 8, 16});
    }
    void FillOneCategory(int count)
    {
        for (int i = 1; i <= count; ++i) {
            char item[32];
            std::snprintf(item, sizeof item, "Dairy\xB0 Item %02d", i);
            s.List.Entries.push_back({item, false});
        }
    }
    std::vector<std::string> Lines(std::size_t from, std::size_t to) const
    {
        std::vector<std::string> lines;
        for (std::size_t i = from; i < to; ++i)
            lines.push_back(ui.Printed[i].Text);
        return lines;
    }
    void Print(MessageAnswer categories)
    {
        ui.AnswerMessage(categories);
        PrintShoppingList(s, ui);
    }
};

TEST_F(ListOutput, AnEmptyListIsNeitherCopiedNorPrinted)
{
    ui.ClipboardSetText("kept");
    CopyListToClipboard(s, ui);
    PrintShoppingList(s, ui);
    ASSERT_EQ(ui.Messages.size(), 2u);
    EXPECT_EQ(ui.Messages[0].Text, "Please build a list to print.");
    EXPECT_EQ(ui.Messages[1].Title, "Nothing to do!");
    EXPECT_EQ(ui.Clipboard, "kept");
    EXPECT_TRUE(ui.Printed.empty());
}

TEST_F(ListOutput, TheClipboardGetsTheLayoutTheSettingsChooseAfterTheQuestion)
{
    s.List.Name = " My Pantrix";
    s.List.Entries = {{"Dairy\xB0 Milk", false}};
    s.List.Current = 0;
    ui.AnswerMessage(MessageAnswer::No);
    CopyListToClipboard(s, ui);
    EXPECT_FALSE(ui.Clipboard);
    EXPECT_EQ(ui.Messages[0].Text, "Copy  My Pantrix to the Windows Clipboard?");
    EXPECT_EQ(ui.Messages[0].DefaultButton, MessageAnswer::Yes);

    ui.AnswerMessage(MessageAnswer::Yes);
    CopyListToClipboard(s, ui);
    EXPECT_EQ(ui.Clipboard, "My Pantrix\r\nPrinted: 08-16-2002\r\n\r\n   Dairy " +
                                std::string(26, '-') + "\r\n     Milk");
    EXPECT_FALSE(s.List.Current);

    s.Settings.PrintTwoColumns = "Y";
    ui.AnswerMessage(MessageAnswer::Yes);
    CopyListToClipboard(s, ui);
    EXPECT_NE(ui.Clipboard->find(std::string(33, ' ')), std::string::npos);
}

TEST_F(ListOutput, TheFirstPageEndsAtTheFiftySeventhEntryInNormalPrint)
{
    FillOneCategory(70);
    Print(MessageAnswer::Yes);
    ASSERT_EQ(ui.JobEnds.size(), 2u);
    EXPECT_EQ(ui.JobEnds[0], 5u + 2u + 57u);
    EXPECT_EQ(Lines(0, 7), (std::vector<std::string>{"", "", "My Pantrix", "Printed: 08-16-2002",
                                                     "", "", "   Dairy " + std::string(26, '-')}));
    EXPECT_EQ(Lines(63, 68),
              (std::vector<std::string>{"     Item 57", "", "", "", "     Item 58"}));
    EXPECT_EQ(ui.JobEnds[1], ui.Printed.size());
    EXPECT_EQ(ui.Printed[0].Face, "Courier New");
    EXPECT_EQ(ui.Printed[0].Points, 10);
    EXPECT_EQ(ui.BusyShown, 1);
}

TEST_F(ListOutput, LargePrintEndsTheFirstPageAtTheFortySeventhEntry)
{
    FillOneCategory(70);
    s.Options.LargePrint = true;
    s.Options.BoldFonts = true;
    Print(MessageAnswer::Yes);
    EXPECT_EQ(ui.JobEnds[0], 5u + 2u + 47u);
    EXPECT_EQ(ui.Printed[0].Points, 12);
    EXPECT_TRUE(ui.Printed[0].Bold);
}

TEST_F(ListOutput, TheOffsetMovesThePageEnd)
{
    FillOneCategory(70);
    s.Settings.PageLengthOffset = 4;
    Print(MessageAnswer::Yes);
    EXPECT_EQ(ui.JobEnds[0], 5u + 2u + 61u);
}

TEST_F(ListOutput, AnOffsetOfMinusSixtyPutsOneEntryOnEachLaterPageAndNoBlankSheetAtTheEnd)
{
    s.List.Entries = {{"A\xB0 1", false}, {"A\xB0 2", false}, {"B\xB0 3", false}};
    s.Settings.PageLengthOffset = -60;
    Print(MessageAnswer::Yes);
    EXPECT_EQ(ui.JobEnds, (std::vector<std::size_t>{5, 11, 15, 21}));
    EXPECT_EQ(ui.Printed.size(), 21u);
    EXPECT_EQ(Lines(15, 21),
              (std::vector<std::string>{"", "", "", "", "   B " + std::string(30, '-'), "     3"}));
}

TEST_F(ListOutput, AnsweringNoLeavesOutCategoryLinesButNotTheEmptyLines)
{
    s.List.Entries = {{"Dairy\xB0 Milk", true}, {"Produce\xB0 Apples", false}};
    Print(MessageAnswer::No);
    EXPECT_EQ(Lines(5, ui.Printed.size()),
              (std::vector<std::string>{"", "   * Milk", "", "     Apples"}));
}

TEST_F(ListOutput, CancelPrintsNothing)
{
    FillOneCategory(3);
    s.List.Current = 1;
    Print(MessageAnswer::Cancel);
    EXPECT_TRUE(ui.Printed.empty());
    EXPECT_EQ(ui.BusyShown, 0);
    EXPECT_EQ(s.List.Current, 1u);
}

TEST_F(ListOutput, TwoColumnsAskOnceAndCountTheSpacerLine)
{
    FillOneCategory(3);
    s.Settings.PrintTwoColumns = "Y";
    Print(MessageAnswer::Yes);
    EXPECT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(Lines(5, ui.Printed.size()),
              (std::vector<std::string>{
                  std::string(33, ' '), "", "   Dairy " + std::string(58, '-'),
                  "     Item 01" + std::string(23, ' ') + "  Item 02" + std::string(23, ' '),
                  "     Item 03" + std::string(23, ' ')}));
}

TEST_F(ListOutput, APrinterThatFailsIsReportedAtEachStepAndTheRunGoesOn)
{
    FillOneCategory(1);
    ui.FailPrinterWith("offline");
    Print(MessageAnswer::Yes);
    // Five header lines, the group's empty and category lines, one entry.
    ASSERT_EQ(ui.Messages.size(), 1u + 8u);
    EXPECT_EQ(ui.Messages[1].Text, "Printer not responding!");
    EXPECT_EQ(ui.Messages[1].Title, "Printer error...");
    EXPECT_EQ(ui.JobEnds.size(), 1u);
    EXPECT_EQ(ui.BusyDepth, 0);
}

TEST_F(ListOutput, WithoutAPrinterTheUserIsToldAndNothingIsPrinted)
{
    FillOneCategory(1);
    ui.RemovePrinter();
    Print(MessageAnswer::Yes);
    ASSERT_EQ(ui.Messages.size(), 2u);
    EXPECT_EQ(ui.Messages[1].Text, "No printer is installed.");
    EXPECT_TRUE(ui.JobEnds.empty());
}

TEST_F(ListOutput, PageLengthChangesAreStoredAndAnnounced)
{
    PrintLongerPage(s, ui);
    PrintLongerPage(s, ui);
    EXPECT_EQ(ui.Messages[1].Text, "Page length is offset from default by 4 lines.");
    EXPECT_EQ(ui.Messages[1].Title, "Page Length Increased");
    EXPECT_EQ(folder.Read("px31.cfg").substr(0, 2), std::string("\x04\x00", 2));
    PrintShorterPage(s, ui);
    PrintShorterPage(s, ui);
    PrintShorterPage(s, ui);
    EXPECT_EQ(ui.Messages[4].Text, "Page length is offset from default by -2 lines.");
    EXPECT_EQ(ui.Messages[4].Title, "Page Length Decreased");

    s.Settings.PageLengthOffset = 32766;
    PrintLongerPage(s, ui);
    EXPECT_EQ(s.Settings.PageLengthOffset, 32767);
}

} // namespace
} // namespace pantrix
