#include "lists/todays_list.h"

#include <gtest/gtest.h>

namespace pantrix {
namespace {

TodaysList ListOf(std::initializer_list<std::string_view> texts)
{
    TodaysList list;
    for (auto text : texts)
        InsertSorted(list, {std::string(text), false});
    return list;
}

std::vector<std::string> Texts(const TodaysList& list)
{
    std::vector<std::string> texts;
    for (const auto& entry : list.Entries)
        texts.push_back(entry.Text);
    return texts;
}

TEST(EntryText, JoinsTheTrimmedCategoryTheMarkerAndThePaddedItem)
{
    EXPECT_EQ(CatalogueEntryText("Dairy   ", "Milk" + std::string(26, ' ')),
              "Dairy\xB0 Milk" + std::string(26, ' '));
    EXPECT_EQ(CatalogueEntryText(" Dairy", ""), "Dairy\xB0 ");
    EXPECT_EQ(OneTimeEntryText(std::string(40, 'x')), "special\xB0 " + std::string(30, 'x'));
}

TEST(InsertSorted, KeepsTheListInAlphabeticalOrderWithoutRegardToCase)
{
    TodaysList list = ListOf({"produce\xB0 Apples", "Dairy\xB0 Milk", "bakery\xB0 Bread"});
    EXPECT_EQ(InsertSorted(list, {"Dairy\xB0 Eggs", false}), 1u);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"bakery\xB0 Bread", "Dairy\xB0 Eggs",
                                                     "Dairy\xB0 Milk", "produce\xB0 Apples"}));
}

TEST(CheckForDuplicate, ComparesTrimmedTextsWithCaseSignificant)
{
    const TodaysList list = ListOf({"Dairy\xB0 Milk    "});
    EXPECT_TRUE(CheckForDuplicate(list, " Dairy\xB0 Milk"));
    EXPECT_FALSE(CheckForDuplicate(list, "dairy\xB0 milk"));
    EXPECT_FALSE(CheckForDuplicate(TodaysList{}, "anything"));
}

TEST(CenterOn, MakesTheFirstEqualEntryCurrentOrElseTheLast)
{
    TodaysList list = ListOf({"a", "b  ", "b", "c"});
    CenterOn(list, " b");
    EXPECT_EQ(list.Current, 1u);
    CenterOn(list, "zzz");
    EXPECT_EQ(list.Current, 3u);
    TodaysList empty;
    CenterOn(empty, "a");
    EXPECT_FALSE(empty.Current);
}

TEST(ListNames, ComeFromTheFileNameAndShowWithTheCount)
{
    EXPECT_EQ(ListNameFromPath("/home/ann/My Pantrix.pxl"), "My Pantrix");
    EXPECT_EQ(ListNameFromPath("C:\\lists\\Party.pxl"), "Party");
    EXPECT_EQ(ListNameFromPath(".pxl"), "");
    TodaysList list = ListOf({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l"});
    list.Name = "My Pantrix";
    EXPECT_EQ(ListCountText(list), "12 Items listed for: My Pantrix");
}

} // namespace
} // namespace pantrix
