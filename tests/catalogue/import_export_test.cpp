#include "catalogue/import_export.h"

#include "catalogue/catalogue_records.h"
#include "state/main_screen_state.h"
#include "support/data_folder.h"
#include "support/fake_ui.h"
#include "text/fields.h"

#include <gtest/gtest.h>

namespace pantrix {
namespace {

using namespace testing;

class ImportExport : public ::testing::Test, protected Workspace
{
protected:
    void Export()
    {
        ui.AnswerMessage(MessageAnswer::Yes);
        ExportCatalogue(s, ui);
    }
    void Import(std::string_view text)
    {
        folder.Write("import.txt", text);
        ui.AnswerMessage(MessageAnswer::Yes);
        ImportCatalogue(s, ui);
    }
};

TEST_F(ImportExport, ExportWritesCategoriesInOrderWithTheirItemsTrimmed)
{
    folder.Write("category.lst", Categories({"Dairy", " Bakery ", "Dairy", "Empty"}));
    folder.Write(
        "std_item.lst",
        Items(
            {{"Dairy", " Milk "}, {"Gone", "Orphan"}, {" Bakery ", "Bread"}, {"Dairy", "Butter"}}));
    Export();
    EXPECT_EQ(folder.Read("export.txt"),
              "[!]Dairy\r\nMilk\r\nButter\r\n[!]Bakery\r\nBread\r\n[!]Dairy\r\nMilk\r\nButter\r\n"
              "[!]Empty\r\n");
    EXPECT_EQ(ui.Messages[0].Title, "Ready to export...");
    EXPECT_EQ(ui.Messages[1].Title, "Export complete!");
    EXPECT_EQ(ui.Messages[1].Icon, MessageIcon::None);
    EXPECT_EQ(ui.BusyShown, 1);
}

TEST_F(ImportExport, AnExportImportedAgainAddsNothing)
{
    const std::string categories = Categories({"Dairy", "Bakery"});
    const std::string items = Items({{"Dairy", "Milk"}, {"Bakery", "Bread"}, {"Dairy", "Eggs"}});
    folder.Write("category.lst", categories);
    folder.Write("std_item.lst", items);
    Export();
    Import(folder.Read("export.txt"));
    EXPECT_EQ(folder.Read("category.lst"), categories);
    EXPECT_EQ(folder.Read("std_item.lst"), items);
    EXPECT_FALSE(folder.Exists("category.new"));
    EXPECT_FALSE(folder.Exists("std_item.new"));
    EXPECT_EQ(s.Catalogue.CatList.size(), 2u);
}

TEST_F(ImportExport, ImportAddsWhatIsNewWithoutAskingAndCutsLongNames)
{
    folder.Write("category.lst", Categories({"Dairy"}));
    folder.Write("std_item.lst", Items({{"Dairy", "Milk"}}));
    Import("[!]Dairy\nMilk\r\n\r\n   \r" + std::string(31, 'i') + "\r[!]" + std::string(35, 'c') +
           "\nX");
    EXPECT_EQ(ui.Messages.size(), 1u); // only the "Ready to import..." question
    EXPECT_EQ(folder.Read("category.lst"), Categories({"Dairy", std::string(30, 'c')}));
    EXPECT_EQ(
        folder.Read("std_item.lst"),
        Items({{"Dairy", "Milk"}, {"Dairy", std::string(30, 'i')}, {std::string(30, 'c'), "X"}}));
}

TEST_F(ImportExport, IntoAnEmptyItemFileTheImportReplacesTheCatalogue)
{
    folder.Write("category.lst", Categories({"Old"}));
    Import("[!]Dairy\r\nMilk\r\n");
    EXPECT_EQ(folder.Read("category.lst"), Categories({"Dairy"}));
    EXPECT_EQ(folder.Read("std_item.lst"), Items({{"Dairy", "Milk"}}));
}

TEST_F(ImportExport, AMissingImportFileIsReportedAndNothingChanges)
{
    folder.Write("category.lst", Categories({"Dairy"}));
    ui.AnswerMessage(MessageAnswer::Yes);
    ImportCatalogue(s, ui);
    ASSERT_EQ(ui.Messages.size(), 2u);
    EXPECT_EQ(ui.Messages[1].Title, "Import failed!");
    EXPECT_EQ(ui.Messages[1].Text, "Can't find file IMPORT.TXT - Please press F1 to run help, and "
                                   "review the import procedure.");
    EXPECT_EQ(ui.Messages[1].Icon, MessageIcon::Exclamation);
    EXPECT_EQ(folder.Read("category.lst"), Categories({"Dairy"}));
    EXPECT_EQ(ui.BusyDepth, 0);
}

TEST(ImportFile, IsFoundWhateverTheCaseOfItsNamePreferringTheExactName)
{
    // Each file holds the category of its own name; "/" marks a folder.
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"import.txt"}, "import.txt"},
        {{"IMPORT.TXT"}, "IMPORT.TXT"},
        {{"Import.txt", "import.txt", "IMPORT.TXT"}, "import.txt"},
        {{"import.txt/"}, ""},
    };
    for (const auto& [files, imported] : cases) {
        SCOPED_TRACE(files.front());
        Workspace w;
        for (const std::string& name : files)
            name.ends_with('/') ? (void)fs::create_directory(w.folder.File(name))
                                : w.folder.Write(name, "[!]" + name + "\r\nMilk");
        w.ui.AnswerMessage(MessageAnswer::Yes);
        ImportCatalogue(w.s, w.ui);
        const auto& shown = w.s.Catalogue.CatList;
        EXPECT_EQ(shown.empty() ? "" : Trim(shown[0]), imported);
        EXPECT_EQ(w.ui.Messages.back().Text.starts_with("Can't find file"), imported.empty());
    }
}

TEST_F(ImportExport, ItemsBeforeAnyCategoryRefuseTheImportNamingTheLine)
{
    folder.Write("category.lst", Categories({"Dairy"}));
    Import("\r\nMilk\r\n[!]Bakery\r\nBread\r\n");
    EXPECT_NE(ui.Messages[1].Text.find("Line 2 of IMPORT.TXT"), std::string::npos);
    EXPECT_EQ(folder.Read("category.lst"), Categories({"Dairy"}));
    EXPECT_FALSE(folder.Exists("std_item.new"));
}

TEST_F(ImportExport, BinaryAndEmptyImportFilesDoNoHarm)
{
    folder.Write("category.lst", Categories({"Dairy"}));
    folder.Write("std_item.lst", Items({{"Dairy", "Milk"}}));
    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary += static_cast<char>(i * 7);
    Import("[!]Odd\r\n" + binary);
    Import("");
    EXPECT_EQ(folder.Read("std_item.lst").substr(0, kItemRecordLength), Items({{"Dairy", "Milk"}}));
    EXPECT_EQ(folder.Read("std_item.lst").size() % kItemRecordLength, 0u);
}

} // namespace
} // namespace pantrix
