#include "platform/files.h"

#include "support/data_folder.h"

#include <gtest/gtest.h>

namespace pantrix {
namespace {

using testing::TestFolder;

std::size_t FilesIn(const fs::path& folder)
{
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(ReplaceFile, WritesANewFileAndReplacesAnOldOneWithoutLeavingATwin)
{
    TestFolder folder;
    ASSERT_TRUE(ReplaceFile(folder.File("a.lst"), "first"));
    ASSERT_TRUE(ReplaceFile(folder.File("a.lst"), "second", Durability::Replaceable));
    EXPECT_EQ(folder.Read("a.lst"), "second");
    EXPECT_EQ(FilesIn(folder.Path()), 1u);
}

TEST(ReplaceFile, AFailedWriteLeavesTheOldFileWholeAndSaysWhich)
{
    TestFolder folder;
    fs::create_directory(folder.File("px31.cfg")); // something in the way that cannot be replaced
    const Status written = ReplaceFile(folder.File("px31.cfg"), "new");
    ASSERT_FALSE(written);
    EXPECT_NE(written.error().find("px31.cfg"), std::string::npos);
    EXPECT_NE(written.number(), 0);
    EXPECT_TRUE(fs::is_directory(folder.File("px31.cfg")));
    EXPECT_EQ(FilesIn(folder.Path()), 1u);

    const Status noFolder = ReplaceFile(folder.File("missing/a.lst"), "x");
    EXPECT_FALSE(noFolder);
}

TEST(ReadFiles, AMissingFileReadsEmptyAndIsCreatedOnlyWhenAsked)
{
    TestFolder folder;
    auto plain = ReadWholeFile(folder.File("a.lst"));
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain.value(), "");
    EXPECT_FALSE(folder.Exists("a.lst"));

    auto created = ReadOrCreateFile(folder.File("a.lst"));
    ASSERT_TRUE(created);
    EXPECT_TRUE(folder.Exists("a.lst"));
    EXPECT_EQ(FileLength(folder.File("b.lst")).value(), 0u);
}

TEST(ReadFiles, AFolderWhereAFileShouldBeIsAFailureNotEmptyData)
{
    TestFolder folder;
    fs::create_directory(folder.File("category.lst"));
    EXPECT_FALSE(ReadWholeFile(folder.File("category.lst")));
    EXPECT_FALSE(ReadOrCreateFile(folder.File("category.lst")));
    EXPECT_FALSE(FileLength(folder.File("category.lst")));
}

TEST(WriteTail, AppendsAtTheEndAndWritesOverAPartialTail)
{
    TestFolder folder;
    folder.Write("a.lst", "abcXY");
    ASSERT_TRUE(WriteTail(folder.File("a.lst"), 5, "def"));
    EXPECT_EQ(folder.Read("a.lst"), "abcXYdef");
    ASSERT_TRUE(WriteTail(folder.File("a.lst"), 3, "123"));
    EXPECT_EQ(folder.Read("a.lst"), "abc123");
}

TEST(MoveAndRemove, MoveReplacesTheTargetAndRemovingAMissingFileIsNoFailure)
{
    TestFolder folder;
    folder.Write("std_item.new", "new");
    folder.Write("std_item.lst", "old");
    ASSERT_TRUE(MoveFile(folder.File("std_item.new"), folder.File("std_item.lst")));
    EXPECT_EQ(folder.Read("std_item.lst"), "new");
    EXPECT_FALSE(folder.Exists("std_item.new"));
    EXPECT_FALSE(MoveFile(folder.File("category.new"), folder.File("category.lst")));
    EXPECT_TRUE(RemoveFile(folder.File("nothing.here")));
}

TEST(StaleTwins, OnlyHiddenTwinsAreRemoved)
{
    TestFolder folder;
    const std::vector<std::pair<std::string, bool>> names = {
        {".px31.cfg.a8Bz0Q", true}, {".category.lst.backup", true}, {"px31.cfg", false},
        {".pantrix.lock", false},   {".px31.cfg.a8Bz0", false},     {".px31.cfg.a8-z0Q", false},
        {"..abcdef", false},        {"Soup.rcp.abcdef", false}};
    for (const auto& [name, twin] : names)
        folder.Write(name, "x");
    RemoveStaleTwins(folder.Path());
    for (const auto& [name, twin] : names)
        EXPECT_EQ(folder.Exists(name), !twin) << name;
}

TEST(ReplaceFilesTogether, BothAreReplacedAndNoTwinIsLeft)
{
    TestFolder folder;
    folder.Write("std_item.lst", "old items");
    ASSERT_TRUE(ReplaceFilesTogether(folder.File("std_item.lst"), "new items",
                                     folder.File("category.lst"), "new categories"));
    EXPECT_EQ(folder.Read("std_item.lst"), "new items");
    EXPECT_EQ(folder.Read("category.lst"), "new categories");
    EXPECT_EQ(FilesIn(folder.Path()), 2u);
}

} // namespace
} // namespace pantrix
