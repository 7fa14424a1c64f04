#include "shell/data_folder.h"

#include "catalogue/catalogue_records.h"
#include "catalogue/catalogue_text.h"
#include "support/data_folder.h"
#include "text/lines.h"

#include <gtest/gtest.h>
#include <set>

namespace pantrix {
namespace {

using testing::TestFolder;

const fs::path kInstalled = PANTRIX_SOURCE_DATA;

TEST(DataPathText, EndsInExactlyOneSeparator)
{
    EXPECT_EQ(DataPathText("/home/ann/pantrix"), "/home/ann/pantrix/");
    EXPECT_EQ(DataPathText("/home/ann/pantrix/"), "/home/ann/pantrix/");
    EXPECT_EQ(DataPathText("/"), "/");
    EXPECT_EQ(DataPathText("/home/j\xC3\xB3zef"), "/home/j\xF3zef/");
}

TEST(PrepareDataFolder, CreatesAMissingFolderWithItsParents)
{
    TestFolder folder;
    ASSERT_TRUE(PrepareDataFolder(folder.File("a/b/pantrix")));
    EXPECT_TRUE(fs::is_directory(folder.File("a/b/pantrix")));
}

TEST(PrepareDataFolder, AFileInThePlaceOfTheFolderIsRefusedByName)
{
    TestFolder folder;
    folder.Write("notes.txt", "mine");
    for (const fs::path& bad : {folder.File("notes.txt"), folder.File("notes.txt/pantrix")}) {
        const Status ready = PrepareDataFolder(bad);
        ASSERT_FALSE(ready);
        EXPECT_NE(ready.error().find(bad.string()), std::string::npos) << ready.error();
    }
    EXPECT_EQ(folder.Read("notes.txt"), "mine");
}

TEST(InstallDataFiles, CopiesWhatIsMissingKeepsTheUsersGraphicsAndUpdatesTheHelp)
{
    TestFolder folder;
    fs::create_directory(folder.File("graphics"));
    folder.Write("graphics/topsample.gif", "my own banner");
    fs::create_directory(folder.File("px_help"));
    folder.Write("px_help/help.htm", "an older guide");
    ASSERT_TRUE(InstallDataFiles(kInstalled, folder.Path()));
    EXPECT_EQ(folder.Read("graphics/topsample.gif"), "my own banner");
    EXPECT_TRUE(folder.Exists("graphics/backsample.gif"));
    EXPECT_TRUE(folder.Exists("graphics/sidesample.gif"));
    EXPECT_TRUE(folder.Exists("gofore.jpg"));
    EXPECT_NE(folder.Read("px_help/help.htm"), "an older guide");
}

TEST(DeliverStarterCatalogue, GoesOnlyIntoAFolderWithoutAnyCatalogue)
{
    TestFolder fresh;
    ASSERT_TRUE(DeliverStarterCatalogue(kInstalled, fresh.Path()));
    EXPECT_GT(fresh.Read("category.new").size(), 0u);
    EXPECT_GT(fresh.Read("std_item.new").size(), 0u);

    for (const auto name : {"category.lst", "std_item.lst", "std_item.new", "category.new"}) {
        TestFolder used;
        used.Write(name, "");
        ASSERT_TRUE(DeliverStarterCatalogue(kInstalled, used.Path()));
        EXPECT_FALSE(
            used.Exists(name == std::string("std_item.new") ? "category.new" : "std_item.new"))
            << name;
    }
}

TEST(StarterCatalogue, IsWellFormedEverydayShopping)
{
    auto text = ReadWholeFile(kInstalled / "starter_catalogue.txt");
    ASSERT_TRUE(text);
    const CatalogueText starter = ParseCatalogueText(text.value());
    EXPECT_FALSE(starter.FirstLineWithoutCategory);
    const std::size_t categories = starter.CategoryRecords.size() / kCategoryRecordLength;
    const std::size_t items = starter.ItemRecords.size() / kItemRecordLength;
    EXPECT_GE(categories, 12u);
    EXPECT_GE(items, 120u);
    std::set<std::string> seen;
    for (std::size_t i = 0; i < items; ++i)
        EXPECT_TRUE(seen.insert(starter.ItemRecords.substr(i * 60, 60)).second)
            << "repeated item " << starter.ItemRecords.substr(i * 60, 60);
    for (const std::string& line : SplitLines(text.value())) {
        EXPECT_FALSE(line.empty()) << "blank line";
        EXPECT_LE(line.size(), line.starts_with("[!]") ? 33u : 30u) << "name cut: " << line;
    }
}

} // namespace
} // namespace pantrix
