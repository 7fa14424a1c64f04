#include "lists/list_commands.h"

#include "platform/ui.h"
#include "state/main_screen_state.h"
#include "support/data_folder.h"
#include "support/fake_ui.h"

#include <gtest/gtest.h>

namespace pantrix {
namespace {

using namespace testing;
using Entries = std::vector<ListEntry>;

class ListFiles : public ::testing::Test, protected Workspace
{
protected:
    void SetUp() override
    {
        folder.Write("My Pantrix.pxl", "*Dairy\xB0 Milk\r\nProduce\xB0 Apples\r\n");
        OpenDefaultList(s, ui);
    }
    ChosenFile Chosen(std::string_view name) const
    {
        return {folder.File(name), std::string(name)};
    }
};

TEST_F(ListFiles, TheDefaultListIsReadAtStartAndCounted)
{
    EXPECT_EQ(s.List.Entries, (Entries{{"Dairy\xB0 Milk", true}, {"Produce\xB0 Apples", false}}));
    EXPECT_EQ(s.ListPanel, "2 Items listed for: My Pantrix");
    TestFolder empty;
    MainScreenState fresh = empty.State();
    OpenDefaultList(fresh, ui);
    EXPECT_TRUE(empty.Exists("My Pantrix.pxl"));
    EXPECT_EQ(fresh.ListPanel, "0 Items listed for: My Pantrix");
}

TEST_F(ListFiles, WritingReplacesTheFileAndMakesTheLastEntryCurrent)
{
    s.List.Entries.push_back({"  ", true});
    ASSERT_TRUE(WriteListFile(s));
    EXPECT_EQ(folder.Read("My Pantrix.pxl"), "*Dairy\xB0 Milk\r\nProduce\xB0 Apples\r\n");
    EXPECT_EQ(s.List.Current, 2u);
}

TEST_F(ListFiles, TheSwitchDialogProposesTheDefaultListAndCancelChangesNothing)
{
    ui.AnswerFile(std::nullopt);
    SelectList(s, ui);
    ASSERT_EQ(ui.FileDialogs.size(), 1u);
    EXPECT_EQ(ui.FileDialogs[0].Title, "Select a file...");
    ASSERT_EQ(ui.FileDialogs[0].Filters.size(), 1u);
    EXPECT_EQ(ui.FileDialogs[0].Filters[0].Description, "Pantrix! list files");
    EXPECT_EQ(ui.FileDialogs[0].Filters[0].Pattern, "*.pxl");
    EXPECT_EQ(ui.FileDialogs[0].PresetName, "My Pantrix.pxl");
    EXPECT_EQ(s.List.Name, "My Pantrix");
}

TEST_F(ListFiles, ANameNotEndingInLowerCasePxlIsRefused)
{
    ui.AnswerFile(Chosen("Groceries.PXL"));
    SelectList(s, ui);
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].Text, "Not a valid Pantrix! list file!");
    EXPECT_EQ(ui.Messages[0].Title, "Try again!");
    EXPECT_EQ(ui.Messages[0].Icon, MessageIcon::Information);
    EXPECT_FALSE(folder.Exists("Groceries.PXL"));
    EXPECT_EQ(s.List.Name, "My Pantrix");
}

TEST_F(ListFiles, ANewListIsCreatedAfterTheQuestionAndTheOldOneWritten)
{
    s.List.Entries.push_back({"special\xB0 Candles", false});
    ui.AnswerFile(Chosen("Groceries.pxl"));
    ui.AnswerMessage(MessageAnswer::Yes);
    SelectList(s, ui);
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].Text,
              "Create new list file " + folder.File("Groceries.pxl").string() + " ?");
    EXPECT_EQ(ui.Messages[0].Title, "Create new list?");
    EXPECT_EQ(ui.Messages[0].Buttons, MessageButtons::YesNo);
    EXPECT_EQ(folder.Read("My Pantrix.pxl"),
              "*Dairy\xB0 Milk\r\nProduce\xB0 Apples\r\nspecial\xB0 Candles\r\n");
    EXPECT_TRUE(s.List.Entries.empty());
    EXPECT_EQ(s.List.File, folder.File("Groceries.pxl"));
    EXPECT_EQ(s.ListPanel, "0 Items listed for: Groceries");
}

TEST_F(ListFiles, DecliningToCreateDeletesTheEmptyFileAndKeepsTheList)
{
    folder.Write("Empty.pxl", "");
    ui.AnswerFile(Chosen("Empty.pxl"));
    ui.AnswerMessage(MessageAnswer::No);
    SelectList(s, ui);
    EXPECT_FALSE(folder.Exists("Empty.pxl"));
    EXPECT_EQ(s.List.Entries.size(), 2u);
    EXPECT_EQ(s.List.Name, "My Pantrix");
}

TEST_F(ListFiles, SwitchingToAnExistingListReadsItWithoutAQuestion)
{
    folder.Write("Party.pxl", "Snacks\xB0 Chips\r\n");
    ui.AnswerFile(Chosen("Party.pxl"));
    SelectList(s, ui);
    EXPECT_TRUE(ui.Messages.empty());
    EXPECT_EQ(s.List.Entries, (Entries{{"Snacks\xB0 Chips", false}}));
    EXPECT_EQ(s.ListPanel, "1 Items listed for: Party");
}

TEST_F(ListFiles, AFileNamedOutsideTheCodePageIsReadAndWrittenAtItsOwnPath)
{
    fs::create_directory(folder.File("Łukasz"));
    folder.Write("Łukasz/Список.pxl", "Snacks\xB0 Chips\r\n");
    ui.AnswerFile(Chosen("Łukasz/Список.pxl"));
    SelectList(s, ui);
    EXPECT_TRUE(ui.Messages.empty()); // no offer to create a file
    EXPECT_EQ(s.List.Entries, (Entries{{"Snacks\xB0 Chips", false}}));
    EXPECT_EQ(s.ListPanel, "1 Items listed for: ??????");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.File("Łukasz")), {}), 1);
    s.List.Entries.push_back({"Snacks\xB0 Nuts", true});
    ui.AnswerFile(Chosen("My Pantrix.pxl"));
    SelectList(s, ui);
    EXPECT_EQ(folder.Read("Łukasz/Список.pxl"), "Snacks\xB0 Chips\r\n*Snacks\xB0 Nuts\r\n");
}

TEST_F(ListFiles, ChoosingTheCurrentListKeepsItsUnsavedEntries)
{
    s.List.Entries.push_back({"special\xB0 Candles", false});
    ui.AnswerFile(Chosen("My Pantrix.pxl"));
    SelectList(s, ui);
    EXPECT_EQ(s.List.Entries.size(), 3u);
}

TEST_F(ListFiles, AnOldListThatCannotBeWrittenStopsTheSwitch)
{
    s.List.File = folder.File("gone/My Pantrix.pxl");
    ui.AnswerFile(Chosen("Party.pxl"));
    ui.AnswerMessage(MessageAnswer::Yes);
    SelectList(s, ui);
    ASSERT_EQ(ui.Messages.size(), 2u);
    EXPECT_NE(ui.Messages[1].Text.find("gone/My Pantrix.pxl"), std::string::npos);
    EXPECT_EQ(s.List.Entries.size(), 2u);
    EXPECT_EQ(s.List.File, folder.File("gone/My Pantrix.pxl"));
    EXPECT_FALSE(folder.Exists("Party.pxl"));
}

TEST_F(ListFiles, ClearingAsksFirstThenEmptiesTheListAndDeletesItsFile)
{
    ui.AnswerMessage(MessageAnswer::No);
    ClearList(s, ui);
    EXPECT_EQ(s.List.Entries.size(), 2u);
    const Message& question = ui.Messages[0];
    EXPECT_EQ(question.Text, "Clear My Pantrix and Start Over ?");
    EXPECT_EQ(question.Title, "Confirm");
    EXPECT_EQ(question.Icon, MessageIcon::Question);
    EXPECT_EQ(question.DefaultButton, MessageAnswer::No);

    ui.AnswerMessage(MessageAnswer::Yes);
    ClearList(s, ui);
    EXPECT_TRUE(s.List.Entries.empty());
    EXPECT_FALSE(folder.Exists("My Pantrix.pxl"));
    EXPECT_EQ(s.ListPanel, "0 Items listed for: My Pantrix");
    EXPECT_TRUE(SaveListBeforeLeaving(s, ui));
    EXPECT_EQ(folder.Read("My Pantrix.pxl"), "");
}

TEST(ListFileFailures, AListFileThatCouldNotBeReadIsNeverWrittenOver)
{
    TestFolder folder;
    fs::create_directory(folder.File("My Pantrix.pxl"));
    MainScreenState s = folder.State();
    FakeUi ui;
    OpenDefaultList(s, ui);
    ASSERT_EQ(ui.Messages.size(), 1u);
    s.List.Entries.push_back({"special\xB0 Candles", false});
    EXPECT_FALSE(WriteListFile(s));
    EXPECT_TRUE(fs::is_directory(folder.File("My Pantrix.pxl")));
}

TEST(ListFileFailures, LeavingWithAnUnwritableListAsksWhetherToGoAnyway)
{
    TestFolder folder;
    MainScreenState s = folder.State();
    FakeUi ui;
    s.List.File = folder.File("missing/x.pxl");
    ui.AnswerMessage(MessageAnswer::No);
    EXPECT_FALSE(SaveListBeforeLeaving(s, ui));
    EXPECT_EQ(ui.Messages[0].Title, "Today's List not saved");
    EXPECT_EQ(ui.Messages[0].DefaultButton, MessageAnswer::No);
    ui.AnswerMessage(MessageAnswer::Yes);
    EXPECT_TRUE(SaveListBeforeLeaving(s, ui));
}

} // namespace
} // namespace pantrix
