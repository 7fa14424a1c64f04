#include "catalogue/catalogue_view.h"

#include "catalogue/catalogue_records.h"
#include "state/main_screen_state.h"
#include "support/data_folder.h"
#include "support/fake_ui.h"

#include <gtest/gtest.h>

namespace pantrix {
namespace {

using namespace testing;
using Names = std::vector<std::string>;

Names Padded(std::initializer_list<std::string_view> names)
{
    Names padded;
    for (auto name : names)
        padded.push_back(CategoryRecord(name));
    return padded;
}

TEST(LoadCategoryList, ShowsEveryRecordInAlphabeticalOrderWithoutRegardToCase)
{
    TestFolder folder;
    folder.Write("category.lst", Categories({"produce", "Dairy", "Bakery", "dairy", "Dairy"}));
    MainScreenState s = folder.State();
    FakeUi ui;
    LoadCategoryList(s, ui);
    EXPECT_EQ(s.Catalogue.CatList, Padded({"Bakery", "Dairy", "Dairy", "dairy", "produce"}));
}

TEST(LoadCategoryList, ANinetyFiveByteFileGivesThreeCategoriesAndAMissingOneNone)
{
    TestFolder folder;
    folder.Write("category.lst", Categories({"A", "B", "C"}) + "DDDDD");
    MainScreenState s = folder.State();
    FakeUi ui;
    LoadCategoryList(s, ui);
    EXPECT_EQ(s.Catalogue.CatList.size(), 3u);

    TestFolder empty;
    MainScreenState t = empty.State();
    LoadCategoryList(t, ui);
    EXPECT_TRUE(t.Catalogue.CatList.empty());
    EXPECT_TRUE(empty.Exists("category.lst"));
}

TEST(LoadCategoryList, AnUnreadableFileIsReportedByName)
{
    TestFolder folder;
    fs::create_directory(folder.File("category.lst"));
    MainScreenState s = folder.State();
    FakeUi ui;
    LoadCategoryList(s, ui);
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_NE(ui.Messages[0].Text.find("category.lst"), std::string::npos);
}

class CategoryClick : public ::testing::Test, protected Workspace
{
protected:
    void SetUp() override
    {
        folder.Write("category.lst", Categories({"Dairy", " Dairy", "Empty"}));
        folder.Write("std_item.lst", Items({{"Dairy", "Milk"},
                                            {"DAIRY", "Shouted milk"},
                                            {" Dairy", "Spaced milk"},
                                            {"Dairy   ", "butter"},
                                            {"Produce", "Apples"},
                                            {"Dairy", std::string(35, 'C')}}));
        LoadCategoryList(s, ui);
    }
    std::size_t Row(std::string_view name)
    {
        const auto& list = s.Catalogue.CatList;
        return static_cast<std::size_t>(std::find(list.begin(), list.end(), CategoryRecord(name)) -
                                        list.begin());
    }
};

TEST_F(CategoryClick, ShowsTheItemsWhoseCategoryFieldMatchesExactly)
{
    SelectCategory(s, ui, Row("Dairy"));
    EXPECT_EQ(s.Catalogue.CatEdit, CategoryRecord("Dairy"));
    EXPECT_EQ(s.Catalogue.SelectedCategory, CategoryRecord("Dairy"));
    EXPECT_EQ(s.Catalogue.StdList, Padded({"butter", std::string(30, 'C'), "Milk"}));

    SelectCategory(s, ui, Row(" Dairy"));
    EXPECT_EQ(s.Catalogue.StdList, Padded({"Spaced milk"}));
}

TEST_F(CategoryClick, ACategoryWithoutItemsShowsNone)
{
    SelectCategory(s, ui, Row("Dairy"));
    SelectCategory(s, ui, Row("Empty"));
    EXPECT_TRUE(s.Catalogue.StdList.empty());
}

TEST_F(CategoryClick, WithoutACurrentCategoryTheItemListStaysAsItIs)
{
    SelectCategory(s, ui, Row("Dairy"));
    s.Catalogue.CatEdit.clear();
    LoadItemList(s, ui);
    EXPECT_EQ(s.Catalogue.StdList.size(), 3u);
}

TEST_F(CategoryClick, AnItemClickMakesItTheCurrentItem)
{
    SelectCategory(s, ui, Row("Dairy"));
    SelectItem(s, 2);
    EXPECT_EQ(s.Catalogue.SelectedItem, CategoryRecord("Milk"));
    EXPECT_EQ(s.Catalogue.StdEdit, CategoryRecord("Milk"));
    SelectItem(s, 99); // a stale row changes nothing
    EXPECT_EQ(s.Catalogue.StdEdit, CategoryRecord("Milk"));
}

} // namespace
} // namespace pantrix
