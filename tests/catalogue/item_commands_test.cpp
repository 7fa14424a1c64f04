#include "catalogue/item_commands.h"

#include "catalogue/catalogue_records.h"
#include "catalogue/catalogue_view.h"
#include "state/main_screen_state.h"
#include "support/data_folder.h"
#include "support/fake_ui.h"

#include <gtest/gtest.h>

namespace pantrix {
namespace {

using namespace testing;

class ItemCommand : public ::testing::Test, protected Workspace
{
protected:
    void SetUp() override
    {
        folder.Write("category.lst", Categories({"Dairy", "Produce"}));
        folder.Write("std_item.lst", Items({{"Produce", "Milk"},
                                            {"Dairy", "Milk"},
                                            {"Dairy", "Butter"},
                                            {"Dairy ", "Milk"},
                                            {"Produce", "Apples"}}));
        LoadCategoryList(s, ui);
        SelectCategory(s, ui, 0); // Dairy: Butter, Milk, Milk
    }
};

TEST_F(ItemCommand, NewItemsAreAddedUnlessTheSameRecordExists)
{
    for (const char* typed : {"Milk", "milk", " Milk", "   "})
        ui.AnswerInput(typed);
    s.List.Current = 0;
    for (int i = 0; i < 4; ++i)
        NewItem(s, ui);
    EXPECT_EQ(ui.Inputs[0],
              (InputRequest{"New item for category: Dairy                         \r\n\r\n"
                            "(maximum length of item limited to 30 characters)",
                            "New item", ""}));
    EXPECT_EQ(folder.Read("std_item.lst").substr(5 * kItemRecordLength),
              Items({{"Dairy", "milk"}, {"Dairy", " Milk"}}));
    EXPECT_FALSE(s.List.Current);
    EXPECT_EQ(s.Catalogue.StdList.size(), 5u);
}

TEST_F(ItemCommand, NewItemNeedsAPickedCategory)
{
    MainScreenState fresh = folder.State();
    NewItem(fresh, ui);
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].Text, "Please pick a category, then add an item to it.");
}

TEST_F(ItemCommand, EditOpensTheFrameOnTheSelectedItemOnly)
{
    EditItem(s);
    EXPECT_FALSE(s.Catalogue.MoveBoxShowing);
    SelectItem(s, 0);
    EditItem(s);
    EXPECT_TRUE(s.Catalogue.MoveBoxShowing);
    EXPECT_EQ(s.Catalogue.MoveEd, "Butter");
}

TEST_F(ItemCommand, ChangeNameRenamesTheFirstRecordInTheCurrentCategory)
{
    SelectItem(s, 1); // Milk
    EditItem(s);
    ui.AnswerInput("");
    ChangeItemName(s, ui);
    EXPECT_TRUE(s.Catalogue.MoveBoxShowing); // cancelled: the frame stays
    ui.AnswerInput("  Oat milk ");
    ChangeItemName(s, ui);
    EXPECT_EQ(ui.Inputs[1], (InputRequest{"Change item name...\r\n\r\n(maximum length of item "
                                          "limited to 30 characters)",
                                          "Change Name", "Milk"}));
    EXPECT_EQ(folder.Read("std_item.lst"), Items({{"Produce", "Milk"},
                                                  {"Dairy", "Oat milk"},
                                                  {"Dairy", "Butter"},
                                                  {"Dairy ", "Milk"},
                                                  {"Produce", "Apples"}}));
    EXPECT_FALSE(s.Catalogue.MoveBoxShowing);
}

TEST_F(ItemCommand, AMoveTakesTheFirstRecordOfThatNameInFileOrder)
{
    SelectItem(s, 1); // Milk of Dairy
    EditItem(s);
    SelectCategory(s, ui, 1); // the double-click on Produce
    MoveItem(s, ui);
    // The first "Milk" in the file was Produce's own; it is written back unchanged.
    EXPECT_EQ(folder.Read("std_item.lst").substr(0, 2 * kItemRecordLength),
              Items({{"Produce", "Milk"}, {"Dairy", "Milk"}}));
    EXPECT_FALSE(s.Catalogue.MoveBoxShowing);
    MoveItem(s, ui); // with the frame closed a double-click moves nothing
}

TEST_F(ItemCommand, DeleteRemovesEveryRecordOfTheCategoryAndName)
{
    SelectItem(s, 1);
    ui.AnswerMessage(MessageAnswer::Yes);
    DeleteItem(s, ui);
    EXPECT_EQ(ui.Messages[0].Text, "Delete Item: Dairy Milk ?");
    EXPECT_EQ(folder.Read("std_item.lst"),
              Items({{"Produce", "Milk"}, {"Dairy", "Butter"}, {"Produce", "Apples"}}));
    EXPECT_TRUE(s.Catalogue.StdEdit.empty());
    DeleteItem(s, ui);
    EXPECT_EQ(ui.Messages[1].Text, "Please pick an item (on the left) to delete.");
}

TEST_F(ItemCommand, AfterClickingAnotherCategoryDeleteNamesTheOldItemUnderTheNewCategory)
{
    SelectItem(s, 0); // Butter
    SelectCategory(s, ui, 1);
    const std::string before = folder.Read("std_item.lst");
    ui.AnswerMessage(MessageAnswer::Yes);
    DeleteItem(s, ui);
    EXPECT_EQ(ui.Messages[0].Text, "Delete Item: Produce Butter ?");
    EXPECT_EQ(folder.Read("std_item.lst"), before);
}

TEST_F(ItemCommand, TheFramesDeleteClosesItWhateverTheAnswer)
{
    SelectItem(s, 0);
    EditItem(s);
    ui.AnswerMessage(MessageAnswer::No);
    DeleteEditedItem(s, ui);
    EXPECT_FALSE(s.Catalogue.MoveBoxShowing);
    EXPECT_EQ(folder.Read("std_item.lst").size(), 5 * kItemRecordLength);
}

} // namespace
} // namespace pantrix
