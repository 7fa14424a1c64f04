#include "catalogue/merge.h"

#include "support/data_folder.h"
#include "support/fake_ui.h"

#include <gtest/gtest.h>

namespace pantrix {
namespace {

using namespace testing;

class Merge : public ::testing::Test
{
protected:
    TestFolder folder;
    FakeUi ui;
};

TEST_F(Merge, ItemsPresentAndNoneNewDropsOnlyTheNewItemFile)
{
    folder.Write("std_item.lst", Items({{"Dairy", "Milk"}}));
    folder.Write("std_item.new", "");
    folder.Write("category.new", Categories({"Bakery"}));
    MergeNewCatalogue(folder.Path(), ui, MergeMode::StartUp);
    EXPECT_FALSE(folder.Exists("std_item.new"));
    EXPECT_TRUE(folder.Exists("category.new"));
    EXPECT_EQ(folder.Read("std_item.lst"), Items({{"Dairy", "Milk"}}));
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(Merge, WithNoItemFileTheNewFilesBecomeTheCatalogueWithoutAQuestion)
{
    folder.Write("category.lst", Categories({"Old"}));
    folder.Write("category.new", Categories({"Dairy"}));
    folder.Write("std_item.new", Items({{"Dairy", "Milk"}}));
    MergeNewCatalogue(folder.Path(), ui, MergeMode::StartUp);
    EXPECT_EQ(folder.Read("category.lst"), Categories({"Dairy"}));
    EXPECT_EQ(folder.Read("std_item.lst"), Items({{"Dairy", "Milk"}}));
    EXPECT_FALSE(folder.Exists("category.new"));
    EXPECT_FALSE(folder.Exists("std_item.new"));
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(Merge, AMissingNewCategoryFileIsReportedAndTheOldOneKept)
{
    folder.Write("category.lst", Categories({"Old"}));
    folder.Write("std_item.new", Items({{"Dairy", "Milk"}}));
    MergeNewCatalogue(folder.Path(), ui, MergeMode::StartUp);
    EXPECT_EQ(folder.Read("category.lst"), Categories({"Old"}));
    EXPECT_EQ(folder.Read("std_item.lst"), Items({{"Dairy", "Milk"}}));
    ASSERT_EQ(ui.Messages.size(), 1u);
    const Message& failure = ui.Messages[0];
    EXPECT_EQ(failure.Title, "Pantrix");
    EXPECT_EQ(failure.Icon, MessageIcon::None);
    EXPECT_EQ(failure.Text.substr(0, 3), "2\r\n"); // the error number, then its description
    EXPECT_NE(failure.Text.find("category.new"), std::string::npos);
}

TEST_F(Merge, NothingOldAndNothingNewDoesNothing)
{
    MergeNewCatalogue(folder.Path(), ui, MergeMode::StartUp);
    EXPECT_FALSE(folder.Exists("std_item.lst"));
    EXPECT_FALSE(folder.Exists("std_item.new"));
    EXPECT_TRUE(ui.Messages.empty());
}

class BothPresent : public Merge
{
protected:
    void SetUp() override
    {
        folder.Write("category.lst", Categories({"Dairy", "Bakery"}));
        folder.Write("std_item.lst", Items({{"Dairy", "Milk"}, {"Bakery", "Bread"}}) + "part");
        folder.Write("category.new", Categories({"Dairy", "Produce", "dairy"}));
        folder.Write("std_item.new", Items({{"Dairy", "Milk"},
                                            {"Produce", "Apples"},
                                            {"Produce", "Apples"},
                                            {"Dairy", " Milk"}}));
    }
};

TEST_F(BothPresent, AtStartUpTheUserIsAskedWithYesAsTheDefault)
{
    ui.AnswerMessage(MessageAnswer::Yes);
    MergeNewCatalogue(folder.Path(), ui, MergeMode::StartUp);
    ASSERT_EQ(ui.Messages.size(), 1u);
    const Message& question = ui.Messages[0];
    EXPECT_EQ(question.Title, "Upgrade Installation");
    EXPECT_EQ(question.Text,
              "It looks like you are installing a new version over an older version.\r\n"
              "Would you like to merge together your existing category and item\r\n"
              "lists with the new data that came with this version?");
    EXPECT_EQ(question.Icon, MessageIcon::Question);
    EXPECT_EQ(question.Buttons, MessageButtons::YesNo);
    EXPECT_EQ(question.DefaultButton, MessageAnswer::Yes);
}

TEST_F(BothPresent, MergingAddsWhatTheOldRecordsLackAndKeepsRepeatsWithinTheNewFile)
{
    MergeNewCatalogue(folder.Path(), ui, MergeMode::Import);
    EXPECT_TRUE(ui.Messages.empty());
    EXPECT_EQ(folder.Read("std_item.lst"), Items({{"Dairy", "Milk"},
                                                  {"Bakery", "Bread"},
                                                  {"Produce", "Apples"},
                                                  {"Produce", "Apples"},
                                                  {"Dairy", " Milk"}}));
    EXPECT_EQ(folder.Read("category.lst"), Categories({"Dairy", "Bakery", "Produce", "dairy"}));
    EXPECT_FALSE(folder.Exists("std_item.new"));
    EXPECT_FALSE(folder.Exists("category.new"));
}

TEST_F(BothPresent, AnsweringNoDropsBothNewFilesSoTheQuestionDoesNotComeAgain)
{
    ui.AnswerMessage(MessageAnswer::No);
    MergeNewCatalogue(folder.Path(), ui, MergeMode::StartUp);
    EXPECT_FALSE(folder.Exists("std_item.new"));
    EXPECT_FALSE(folder.Exists("category.new"));
    EXPECT_EQ(folder.Read("category.lst"), Categories({"Dairy", "Bakery"}));
    MergeNewCatalogue(folder.Path(), ui, MergeMode::StartUp);
    EXPECT_EQ(ui.Messages.size(), 1u);
}

TEST_F(Merge, MergingAFileEqualToTheCatalogueAddsNothing)
{
    const std::string items = Items({{"Dairy", "Milk"}, {"Dairy", "Butter"}});
    folder.Write("std_item.lst", items);
    folder.Write("std_item.new", items);
    folder.Write("category.lst", Categories({"Dairy"}));
    folder.Write("category.new", Categories({"Dairy"}));
    MergeNewCatalogue(folder.Path(), ui, MergeMode::Import);
    EXPECT_EQ(folder.Read("std_item.lst"), items);
    EXPECT_EQ(folder.Read("category.lst"), Categories({"Dairy"}));
}

} // namespace
} // namespace pantrix
