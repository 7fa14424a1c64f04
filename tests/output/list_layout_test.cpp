#include "output/list_layout.h"

#include <gtest/gtest.h>

namespace pantrix {
namespace {

using Entries = std::vector<ListEntry>;

const Date kDay{2002, 8, 16};

// The example list: Dairy/Milk, Dairy/Butter (ticked), Dairy/Eggs, Produce/Apples,
// special/Birthday candles (ticked), with the padding catalogue entries carry.
const Entries kExample = {{"Dairy\xB0 Milk" + std::string(26, ' '), false},
                          {"Dairy\xB0 Butter", true},
                          {"Dairy\xB0 Eggs", false},
                          {"Produce\xB0 Apples", false},
                          {"special\xB0 Birthday candles", true}};

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text += (i ? "\r\n" : "") + lines[i];
    return text;
}

TEST(ListLayout, OneColumnMatchesTheExampleLineForLine)
{
    EXPECT_EQ(LayoutText("My Pantrix", kDay, kExample, Columns::One),
              Joined({"My Pantrix", "Printed: 08-16-2002", "",
                      "   Dairy --------------------------", "     Milk", "   * Butter",
                      "     Eggs", "", "   Produce ------------------------", "     Apples", "",
                      "   special ------------------------", "   * Birthday candles"}));
}

TEST(ListLayout, TwoColumnsMatchTheExampleSpaceForSpace)
{
    EXPECT_EQ(
        LayoutText("My Pantrix", kDay, kExample, Columns::Two),
        Joined({"My Pantrix", "Printed: 08-16-2002", std::string(33, ' '), "",
                "   Dairy " + std::string(58, '-'),
                "     Milk" + std::string(26, ' ') + "* Butter" + std::string(24, ' '),
                "     Eggs" + std::string(26, ' '), "", "   Produce " + std::string(56, '-'),
                "     Apples" + std::string(24, ' '), "", "   special " + std::string(56, '-'),
                "   * Birthday candles" + std::string(14, ' ')}));
}

TEST(ListLayout, OneEntryGivesFiveLinesInOneColumnAndSixInTwo)
{
    const Entries milk = {{"Dairy\xB0 Milk", false}};
    EXPECT_EQ(LayoutText("  My Pantrix ", kDay, milk, Columns::One),
              Joined({"My Pantrix", "Printed: 08-16-2002", "", "   Dairy " + std::string(26, '-'),
                      "     Milk"}));
    EXPECT_EQ(LayoutText("My Pantrix", kDay, milk, Columns::Two),
              Joined({"My Pantrix", "Printed: 08-16-2002", std::string(33, ' '), "",
                      "   Dairy " + std::string(58, '-'), "     Milk" + std::string(26, ' ')}));
}

TEST(ListLayout, ALongCategoryGetsOneHyphenAndLongItemsAreCutOnlyInCells)
{
    const std::string category(30, 'C');
    const std::string item(40, 'i');
    const Entries entries = {{category + "\xB0 " + item, false}};
    const auto one = LayoutBody(entries, Columns::One);
    EXPECT_EQ(one[1].Text, "   " + category + " -");
    EXPECT_EQ(one[2].Text, "     " + item);
    const auto two = LayoutBody(entries, Columns::Two);
    EXPECT_EQ(two[2].Text, "   " + category + " " + std::string(33, '-'));
    EXPECT_EQ(two[3].Text, "     " + std::string(30, 'i'));
}

TEST(ListLayout, GroupsNeverShareALine)
{
    const Entries entries = {{"A\xB0 1", false},
                             {"A\xB0 2", false},
                             {"A\xB0 3", false},
                             {"B\xB0 4", false},
                             {"A\xB0 5", false}};
    std::vector<LineKind> kinds;
    for (const auto& line : LayoutBody(entries, Columns::Two))
        kinds.push_back(line.Kind);
    using K = LineKind;
    EXPECT_EQ(kinds, (std::vector{K::Spacer, K::GroupStart, K::Category, K::Entries, K::Entries,
                                  K::GroupStart, K::Category, K::Entries, K::GroupStart,
                                  K::Category, K::Entries}));
}

TEST(ListLayout, AFirstEntryWithAnEmptyCategoryOpensNoGroupButALaterOneDoes)
{
    const Entries entries = {{"\xB0 Note", false}, {"A\xB0 Milk", false}, {"\xB0 Late", true}};
    EXPECT_EQ(LayoutText("L", kDay, entries, Columns::One),
              Joined({"L", "Printed: 08-16-2002", "     Note", "", "   A " + std::string(30, '-'),
                      "     Milk", "", "    " + std::string(31, '-'), "   * Late"}));
    EXPECT_EQ(LayoutBody(entries, Columns::Two)[1].Text, "     Note" + std::string(26, ' '));
}

TEST(SplitEntry, ReadsCategoryAndItemAndCopesWithHandEditedEntries)
{
    EXPECT_EQ(SplitEntry("Dairy\xB0 Milk   ").Item, "Milk");
    EXPECT_EQ(SplitEntry("Dairy\xB0 Milk").Category, "Dairy");
    const EntryParts plain = SplitEntry("  just a note  ");
    EXPECT_EQ(plain.Category, "");
    EXPECT_EQ(plain.Item, "just a note");
    const EntryParts spaced = SplitEntry("  Dairy\xB0 Milk");
    EXPECT_EQ(spaced.Category, "Dairy");
    EXPECT_EQ(spaced.Item, "Milk");
    EXPECT_EQ(SplitEntry(std::string(31, 'x') + "\xB0 late").Category, "");
    EXPECT_EQ(SplitEntry("Dairy\xB0Milk").Item, "Milk");
}

} // namespace
} // namespace pantrix
