#include "catalogue/maintenance.h"

#include "state/main_screen_state.h"
#include "support/data_folder.h"
#include "support/fake_ui.h"

#include <gtest/gtest.h>

namespace pantrix {
namespace {

using namespace testing;

class Purge : public ::testing::Test, protected Workspace
{
protected:
    void Run()
    {
        ui.AnswerMessage(MessageAnswer::Yes);
        PurgeOrphans(s, ui);
    }
};

TEST_F(Purge, GroupsItemsByCategoryAndDropsOrphansAndBlankItems)
{
    folder.Write("category.lst", Categories({"Produce", "Dairy"}));
    folder.Write("std_item.lst", Items({{"Dairy", "Milk"},
                                        {"Gone", "Orphan"},
                                        {"Produce", "Apples"},
                                        {"Dairy", "   "},
                                        {" Dairy", "Cream"},
                                        {"Dairy", "Butter"}}));
    Run();
    EXPECT_EQ(
        folder.Read("std_item.lst"),
        Items(
            {{"Produce", "Apples"}, {"Dairy", "Milk"}, {" Dairy", "Cream"}, {"Dairy", "Butter"}}));
    EXPECT_EQ(ui.Messages[0].Title, "Confirm");
    EXPECT_EQ(ui.Messages[1].Title, "Complete");
    EXPECT_EQ(ui.Messages[1].Text, "2 items have been permanently removed.\r\n\r\n"
                                   "Your item file contains 4 unique items.");
    EXPECT_EQ(ui.BusyShown, 1);
}

TEST_F(Purge, ACategoryWithTwoRecordsTakesItsItemsTwice)
{
    folder.Write("category.lst", Categories({"Dairy", "Dairy"}));
    folder.Write("std_item.lst", Items({{"Dairy", "Milk"}}));
    Run();
    EXPECT_EQ(folder.Read("std_item.lst"), Items({{"Dairy", "Milk"}, {"Dairy", "Milk"}}));
    EXPECT_EQ(ui.Messages[1].Text.substr(0, 3), "-1 ");
}

TEST_F(Purge, AnsweringNoChangesNothing)
{
    folder.Write("std_item.lst", Items({{"Gone", "Orphan"}}));
    ui.AnswerMessage(MessageAnswer::No);
    PurgeOrphans(s, ui);
    EXPECT_EQ(folder.Read("std_item.lst"), Items({{"Gone", "Orphan"}}));
}

TEST(DataInformation, CountsRecordsOrphansAndDuplicatesIncludedAndNamesTheFolder)
{
    TestFolder folder;
    folder.Write("category.lst", Categories({"Dairy"}) + "part");
    folder.Write("std_item.lst", Items({{"Dairy", "Milk"}, {"Dairy", "Milk"}, {"Gone", "X"}}));
    MainScreenState s = folder.State();
    FakeUi ui;
    ShowDataInformation(s, ui);
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].Title, "Your Pantrix Data...");
    EXPECT_EQ(ui.Messages[0].Text, "You have 1 categories with a total of 3 unique line items!"
                                   "\r\n\r\nThe data files are in folder " +
                                       s.DataPath);
}

} // namespace
} // namespace pantrix
