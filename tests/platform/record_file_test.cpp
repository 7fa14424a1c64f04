#include "platform/record_file.h"

#include "support/data_folder.h"

#include <gtest/gtest.h>

namespace pantrix {
namespace {

using testing::TestFolder;

TEST(RecordFile, CountsWholeRecordsAndIgnoresATrailingPart)
{
    TestFolder folder;
    folder.Write("category.lst", std::string(95, 'x'));
    RecordFile file(folder.File("category.lst"), 30);
    EXPECT_EQ(file.Count().value(), 3u);
    auto block = file.ReadAll();
    ASSERT_TRUE(block);
    EXPECT_EQ(block.value().Count(), 3u);
    EXPECT_EQ(block.value().At(2), std::string(30, 'x'));
    EXPECT_EQ(block.value().WholeRecords().size(), 90u);
}

TEST(RecordFile, AppendGoesAfterTheLastWholeRecord)
{
    TestFolder folder;
    folder.Write("r", "aaabbbcc");
    RecordFile file(folder.File("r"), 3);
    ASSERT_TRUE(file.Append("dddeee"));
    EXPECT_EQ(folder.Read("r"), "aaabbbdddeee");
}

TEST(RecordFile, WriteRecordKeepsEveryOtherByte)
{
    TestFolder folder;
    folder.Write("r", "aaabbbccc-tail");
    RecordFile file(folder.File("r"), 3);
    ASSERT_TRUE(file.WriteRecord(2, "XYZ"));
    EXPECT_EQ(folder.Read("r"), "aaaXYZccc-tail");
    ASSERT_TRUE(RecordFile(folder.File("short"), 4).WriteRecord(2, "abcd"));
    EXPECT_EQ(folder.Read("short"), std::string(4, '\0') + "abcd");
}

} // namespace
} // namespace pantrix
