#include "catalogue/catalogue_text.h"

#include "support/data_folder.h"

#include <gtest/gtest.h>

namespace pantrix {
namespace {

using namespace testing;

TEST(CatalogueText, ReadsCategoriesAndTheItemsBelowThem)
{
    const CatalogueText parsed =
        ParseCatalogueText("[!]Dairy\r\nMilk\r\nButter\r\n[!]Bakery\r\nBread\r\n");
    EXPECT_EQ(parsed.CategoryRecords, Categories({"Dairy", "Bakery"}));
    EXPECT_EQ(parsed.ItemRecords,
              Items({{"Dairy", "Milk"}, {"Dairy", "Butter"}, {"Bakery", "Bread"}}));
    EXPECT_FALSE(parsed.FirstLineWithoutCategory);
}

TEST(CatalogueText, StripsLinesSkipsBlankOnesAndAcceptsAnyLineEnd)
{
    const CatalogueText parsed = ParseCatalogueText("  [!]Dairy  \n\n   \r  Milk \rCream");
    EXPECT_EQ(parsed.CategoryRecords, Categories({"Dairy"}));
    EXPECT_EQ(parsed.ItemRecords, Items({{"Dairy", "Milk"}, {"Dairy", "Cream"}}));
}

TEST(CatalogueText, CutsNamesAtThirtyAndKeepsSpacesAfterTheMark)
{
    const std::string longName(35, 'n');
    const CatalogueText parsed = ParseCatalogueText(
        "[!]" + longName + "\r\n" + std::string(31, 'i') + "\r\n[!]  Spaced\r\n[!]");
    EXPECT_EQ(parsed.CategoryRecords, Categories({std::string(30, 'n'), "  Spaced", ""}));
    EXPECT_EQ(parsed.ItemRecords, Items({{std::string(30, 'n'), std::string(30, 'i')}}));
}

TEST(CatalogueText, AMarkInAnotherCaseOrPlaceIsAnItem)
{
    const CatalogueText parsed = ParseCatalogueText("[!]Dairy\r\n[I]Milk\r\nCream [!]");
    EXPECT_EQ(parsed.ItemRecords, Items({{"Dairy", "[I]Milk"}, {"Dairy", "Cream [!]"}}));
}

TEST(CatalogueText, ItemsBeforeTheFirstCategoryAreLeftOutAndTheirLineNamed)
{
    const CatalogueText parsed = ParseCatalogueText("\r\nMilk\r\nEggs\r\n[!]Dairy\r\nButter\r\n");
    EXPECT_EQ(parsed.FirstLineWithoutCategory, 2u);
    EXPECT_EQ(parsed.ItemRecords, Items({{"Dairy", "Butter"}}));
}

} // namespace
} // namespace pantrix
