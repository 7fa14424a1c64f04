#include "lists/list_file.h"

#include "text/fields.h"

#include <gtest/gtest.h>

namespace pantrix {
namespace {

using Entries = std::vector<ListEntry>;

TEST(ListFile, TicksAndOrderSurviveAWriteAndARead)
{
    const Entries list = {{"Dairy\xB0 Milk" + std::string(26, ' '), true},
                          {"Produce\xB0 Apples", false}};
    const std::string bytes = FormatListFile(list);
    EXPECT_EQ(bytes, "*Dairy\xB0 Milk\r\nProduce\xB0 Apples\r\n");
    EXPECT_EQ(ParseListFile(bytes),
              (Entries{{"Dairy\xB0 Milk", true}, {"Produce\xB0 Apples", false}}));
}

TEST(ListFile, EveryEntryReadsBackAsItselfTickedOrNot)
{
    for (const std::string text : {"*", " *", " *milk", "**", "* *", "*Sale\xB0 Milk   ", "milk",
                                   "  milk  ", "x*", "\t*tab"})
        for (const bool checked : {false, true}) {
            const Entries read = ParseListFile(FormatListFile({{text, checked}}));
            ASSERT_EQ(read.size(), 1u) << text;
            EXPECT_EQ(Trim(read[0].Text), Trim(text)) << text;
            EXPECT_EQ(read[0].Checked, checked) << text;
        }
    EXPECT_EQ(FormatListFile({{"*milk", false}}), " *milk\r\n");
    EXPECT_EQ(ParseListFile(FormatListFile({{"Milk\r*x\n", false}})),
              (Entries{{"Milk *x ", false}}));
}

TEST(ListFile, EmptyEntriesAreNotWritten)
{
    EXPECT_EQ(FormatListFile({{"    ", true}, {"", false}, {"  a  ", false}}), "a\r\n");
    EXPECT_EQ(FormatListFile({}), "");
}

TEST(ListFile, EveryLineIsAnEntryOfExactlyItsText)
{
    EXPECT_EQ(ParseListFile("*\r\n\r\n  spaced  \r\n**two\r\n"),
              (Entries{{"", true}, {"", false}, {"  spaced  ", false}, {"*two", true}}));
    EXPECT_EQ(ParseListFile(""), Entries{});
}

TEST(ListFile, ReadsAnyLineEndNulBytesAndLongLines)
{
    EXPECT_EQ(ParseListFile("b\na\rc"), (Entries{{"a", false}, {"b", false}, {"c", false}}));
    const std::string nul("x\0y", 3);
    EXPECT_EQ(ParseListFile(nul), (Entries{{nul, false}}));
    const std::string longLine(100000, 'q');
    EXPECT_EQ(ParseListFile(longLine + "\r\n")[0].Text.size(), 100000u);
}

TEST(ListFile, ReadsSeveralMegabytesOfText)
{
    std::string bytes;
    for (int i = 0; i < 200000; ++i)
        bytes += "Category " + std::to_string(i % 97) + "\xB0 Item " + std::to_string(i) + "\r\n";
    const Entries entries = ParseListFile(bytes);
    ASSERT_EQ(entries.size(), 200000u);
    EXPECT_EQ(FormatListFile(entries).size(), bytes.size());
}

} // namespace
} // namespace pantrix
