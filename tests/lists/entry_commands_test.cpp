#include "lists/entry_commands.h"

#include "catalogue/catalogue_records.h"
#include "catalogue/catalogue_view.h"
#include "lists/list_commands.h"
#include "state/main_screen_state.h"
#include "support/data_folder.h"
#include "support/fake_ui.h"

#include <gtest/gtest.h>

namespace pantrix {
namespace {

using namespace testing;
using Entries = std::vector<ListEntry>;

class Entry : public ::testing::Test, protected Workspace
{
protected:
    void SetUp() override
    {
        folder.Write("category.lst", Categories({"Dairy", "Produce"}));
        folder.Write("std_item.lst", Items({{"Dairy", "Milk"}, {"Produce", "Milk"}}));
        LoadCategoryList(s, ui);
        OpenDefaultList(s, ui);
    }
    void DoubleClick(std::size_t category, std::size_t item)
    {
        SelectCategory(s, ui, category);
        SelectItem(s, item);
        AddFromCatalogue(s, ui);
    }

    const std::string milk = "Milk" + std::string(26, ' ');
};

TEST_F(Entry, AddingTheSameItemTwiceKeepsOneEntryAndMakesItCurrent)
{
    DoubleClick(0, 0);
    DoubleClick(0, 0);
    EXPECT_EQ(s.List.Entries, (Entries{{"Dairy\xB0 " + milk, false}}));
    EXPECT_EQ(s.List.Current, 0u);
    EXPECT_EQ(s.ListPanel, "1 Items listed for: My Pantrix");
    EXPECT_TRUE(s.Catalogue.StdEdit.empty());
}

TEST_F(Entry, TheSameItemInTwoCategoriesGivesTwoEntries)
{
    DoubleClick(1, 0);
    DoubleClick(0, 0);
    EXPECT_EQ(s.List.Entries,
              (Entries{{"Dairy\xB0 " + milk, false}, {"Produce\xB0 " + milk, false}}));
    EXPECT_EQ(s.List.Current, 0u);
}

TEST_F(Entry, EnterWithoutACurrentItemAddsTheCategoryPartAlone)
{
    SelectCategory(s, ui, 0);
    AddFromCatalogue(s, ui);
    EXPECT_EQ(s.List.Entries, (Entries{{"Dairy\xB0 ", false}}));

    MainScreenState nothing = folder.State();
    AddFromCatalogue(nothing, ui);
    EXPECT_TRUE(nothing.List.Entries.empty());
}

TEST_F(Entry, AOneTimeItemIsCutToThirtyAndMayStandTwice)
{
    ui.AnswerInput(std::string(40, 'c'));
    ui.AnswerInput(std::string(40, 'c'));
    AddOneTimeItem(s, ui);
    AddOneTimeItem(s, ui);
    EXPECT_EQ(
        ui.Inputs[0],
        (InputRequest{"Special item...\r\n\r\n(maximum length of item limited to 30 characters)",
                      "One-time item", ""}));
    const ListEntry candles{"special\xB0 " + std::string(30, 'c'), false};
    EXPECT_EQ(s.List.Entries, (Entries{candles, candles}));
    EXPECT_EQ(s.ListPanel, "2 Items listed for: My Pantrix");

    ui.AnswerInput("");
    AddOneTimeItem(s, ui);
    EXPECT_EQ(s.List.Entries.size(), 2u);
}

TEST_F(Entry, RemovingTheLastEntryLeavesACountOfZero)
{
    DoubleClick(0, 0);
    RemoveCurrentEntry(s);
    EXPECT_TRUE(s.List.Entries.empty());
    EXPECT_EQ(s.ListPanel, "0 Items listed for: My Pantrix");
    RemoveCurrentEntry(s); // nothing current: nothing happens
    EXPECT_TRUE(s.List.Entries.empty());
}

TEST_F(Entry, AModifiedEntryIsCutUntickedAndFiledByItsText)
{
    s.List.Entries = {{"Apples", false}, {"Milk", true}, {"Zucchini", false}};
    SelectEntry(s, 1);
    ui.AnswerInput("Bread " + std::string(70, 'b'));
    ModifyCurrentEntry(s, ui);
    EXPECT_EQ(ui.Inputs[0], (InputRequest{"Modify item...", "Make changes", "Milk"}));
    const std::string bread = ("Bread " + std::string(70, 'b')).substr(0, 62);
    EXPECT_EQ(s.List.Entries, (Entries{{"Apples", false}, {bread, false}, {"Zucchini", false}}));
    EXPECT_EQ(s.List.Current, 1u);

    SelectEntry(s, 2);
    ui.AnswerInput("Apples"); // no duplicate test when modifying
    ModifyCurrentEntry(s, ui);
    EXPECT_EQ(s.List.Entries.size(), 3u);
    EXPECT_EQ(s.List.Entries[1].Text, "Apples");
}

TEST_F(Entry, ModifyingWithoutACurrentEntryOrWithNoAnswerChangesNothing)
{
    s.List.Entries = {{"Milk", true}};
    ModifyCurrentEntry(s, ui); // no question is asked
    SelectEntry(s, 0);
    ui.AnswerInput("");
    ModifyCurrentEntry(s, ui);
    EXPECT_EQ(s.List.Entries, (Entries{{"Milk", true}}));
}

TEST_F(Entry, ATickChangesOnlyThatEntry)
{
    s.List.Entries = {{"a", false}, {"b", false}};
    SetEntryChecked(s, 1, true);
    SetEntryChecked(s, 7, true);
    EXPECT_EQ(s.List.Entries, (Entries{{"a", false}, {"b", true}}));
}

} // namespace
} // namespace pantrix
