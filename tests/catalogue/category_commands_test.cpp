#include "catalogue/category_commands.h"

#include "catalogue/catalogue_files.h"
#include "catalogue/catalogue_view.h"
#include "state/main_screen_state.h"
#include "support/data_folder.h"
#include "support/fake_ui.h"

#include <gtest/gtest.h>

namespace pantrix {
namespace {

using namespace testing;

class CategoryCommand : public ::testing::Test, protected Workspace
{
protected:
    void SetUp() override
    {
        folder.Write("category.lst", Categories({"Dairy", "Produce"}));
        folder.Write("std_item.lst",
                     Items({{"Dairy", "Milk"}, {"Produce", "Apples"}, {" Dairy ", "Cream"}}));
        LoadCategoryList(s, ui);
    }
    void Pick(std::string_view name)
    {
        const auto& list = s.Catalogue.CatList;
        SelectCategory(
            s, ui,
            static_cast<std::size_t>(std::find(list.begin(), list.end(), CategoryRecord(name)) -
                                     list.begin()));
    }
};

TEST_F(CategoryCommand, ANewNameIsAddedAsTypedAndADuplicateInAnyCaseIsNot)
{
    for (const char* typed : {"DAIRY", "  dairy", "  Bakery"})
        ui.AnswerInput(typed);
    Pick("Produce");
    for (int i = 0; i < 3; ++i)
        NewCategory(s, ui);
    EXPECT_EQ(ui.Inputs[0], (InputRequest{"New category name...\r\n\r\n(maximum length of "
                                          "category limited to 30 characters)",
                                          "New Category", ""}));
    EXPECT_EQ(folder.Read("category.lst"), Categories({"Dairy", "Produce", "  Bakery"}));
    EXPECT_EQ(s.Catalogue.CatEdit, CategoryRecord("Produce"));
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(CategoryCommand, AnAllSpaceNameIsStoredOnceAndAnEmptyAnswerChangesNothing)
{
    ui.AnswerInput("   ");
    ui.AnswerInput("    ");
    ui.AnswerInput("");
    NewCategory(s, ui);
    NewCategory(s, ui);
    NewCategory(s, ui);
    EXPECT_EQ(folder.Read("category.lst"), Categories({"Dairy", "Produce", ""}));
}

TEST_F(CategoryCommand, EditAndDeleteNeedAPickedCategory)
{
    EditCategory(s, ui);
    DeleteCategory(s, ui);
    ASSERT_EQ(ui.Messages.size(), 2u);
    EXPECT_EQ(ui.Messages[0].Text, "Please pick a category to edit.");
    EXPECT_EQ(ui.Messages[1].Text, "Please pick a category to delete.");
    EXPECT_EQ(ui.Messages[1].Title, "Nothing to do!");
    EXPECT_EQ(ui.Messages[1].Icon, MessageIcon::Information);
}

TEST_F(CategoryCommand, RenamingCutsTheNameAndRefilesTheItemsWhichStayVisible)
{
    Pick("Dairy");
    ui.AnswerInput(std::string(40, 'D'));
    EditCategory(s, ui);
    EXPECT_EQ(ui.Inputs[0], (InputRequest{"Change category name...\r\n\r\n(maximum length of "
                                          "category limited to 30 characters)",
                                          "New Category", CategoryRecord("Dairy")}));
    const std::string cut(30, 'D');
    EXPECT_EQ(folder.Read("category.lst"), Categories({cut, "Produce"}));
    EXPECT_EQ(folder.Read("std_item.lst"),
              Items({{cut, "Milk"}, {"Produce", "Apples"}, {cut, "Cream"}}));
    EXPECT_EQ(s.Catalogue.CatEdit, CategoryRecord(cut)); // the current category follows
    EXPECT_TRUE(s.Catalogue.StdList.empty());
    LoadItemList(s, ui);
    EXPECT_EQ(s.Catalogue.StdList.size(), 2u);
}

TEST_F(CategoryCommand, RenamingToAnotherCategorysNameShowsTheItemsOfBoth)
{
    Pick("Produce");
    ui.AnswerInput("Dairy");
    EditCategory(s, ui);
    EXPECT_EQ(ui.Messages.size(), 0u);
    EXPECT_EQ(folder.Read("category.lst"), Categories({"Dairy", "Dairy"}));
    SelectCategory(s, ui, 1);
    EXPECT_EQ(s.Catalogue.StdList, (std::vector{CategoryRecord("Apples"), CategoryRecord("Milk")}));
}

TEST_F(CategoryCommand, DeletingAsksTwiceAndRemovesEveryRecordOfTheName)
{
    folder.Write("category.lst", Categories({"Dairy", "Produce", " Dairy"}));
    LoadCategoryList(s, ui);
    Pick("Dairy");
    ui.AnswerMessage(MessageAnswer::Yes);
    ui.AnswerMessage(MessageAnswer::No);
    DeleteCategory(s, ui);
    EXPECT_EQ(folder.Read("category.lst"), Categories({"Dairy", "Produce", " Dairy"}));
    EXPECT_EQ(ui.Messages[0].Text, "Delete Category: Dairy ?");
    EXPECT_EQ(ui.Messages[0].DefaultButton, MessageAnswer::No);
    EXPECT_EQ(ui.Messages[1].Text,
              "Are you sure you want to delete category: Dairy ?\r\n\r\nIf you do, you will not "
              "be able to see any of the line items for the category anymore!");
    EXPECT_EQ(ui.Messages[1].Icon, MessageIcon::Exclamation);

    ui.AnswerMessage(MessageAnswer::Yes);
    ui.AnswerMessage(MessageAnswer::Yes);
    DeleteCategory(s, ui);
    EXPECT_EQ(folder.Read("category.lst"), Categories({"Produce"}));
    EXPECT_TRUE(s.Catalogue.CatEdit.empty());
    EXPECT_EQ(folder.Read("std_item.lst").size(), 3 * kItemRecordLength); // orphans stay
}

TEST_F(CategoryCommand, ADeletedCategoryAddedAgainShowsItsItemsAgain)
{
    Pick("Dairy");
    ui.AnswerMessage(MessageAnswer::Yes);
    ui.AnswerMessage(MessageAnswer::Yes);
    DeleteCategory(s, ui);
    ui.AnswerInput("Dairy");
    NewCategory(s, ui);
    Pick("Dairy");
    EXPECT_EQ(s.Catalogue.StdList, std::vector{CategoryRecord("Milk")});
}

TEST_F(CategoryCommand, WhenTheCategoryFileCannotBeWrittenTheItemFileIsPutBack)
{
    const std::string items = folder.Read("std_item.lst");
    fs::remove(folder.File("category.lst"));
    fs::create_directory(folder.File("category.lst"));
    fs::create_directory(folder.File("category.lst/in-the-way"));
    EXPECT_FALSE(ReplaceCatalogue(s, "changed items", Categories({"New"})));
    EXPECT_EQ(folder.Read("std_item.lst"), items);
}

} // namespace
} // namespace pantrix
