#include "catalogue/merge.h"

#include "shell/start_up.h"

#include "support/data_folder.h"
#include "support/fake_ui.h"
#include "support/faulty_file_system.h"

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

const std::string kOldCategories = Categories({"Dairy", "Bakery"});
const std::string kOldItems = Items({{"Dairy", "Milk"}, {"Bakery", "Bread"}});
const std::string kNewCategories = Categories({"Dairy", "Produce"});
const std::string kNewItems = Items({{"Produce", "Apples"}, {"Dairy", "Milk"}});
const std::string kMergedCategories = Categories({"Dairy", "Bakery", "Produce"});
const std::string kMergedItems =
    Items({{"Dairy", "Milk"}, {"Bakery", "Bread"}, {"Produce", "Apples"}});

// The folder as a merge stopped after one of its steps leaves it. Both: the
// user had both catalogues merged; otherwise the new files were taken.
struct Stopped
{
    std::string_view name;
    std::string categories, items;
    bool categoryNew, itemNew, both;

    void LayDown(const TestFolder& folder) const
    {
        folder.Write("category.lst", categories);
        folder.Write("std_item.lst", items);
        if (categoryNew)
            folder.Write("category.new", kNewCategories);
        if (itemNew)
            folder.Write("std_item.new", kNewItems);
    }
    friend void PrintTo(const Stopped& stop, std::ostream* out) { *out << stop.name; }
};

const Stopped kStops[] = {
    {"BothBeforeAnyStep", kOldCategories, kOldItems, true, true, true},
    {"BothAfterTheCategories", kMergedCategories, kOldItems, true, true, true},
    {"BothInsideTheItemAppend", kMergedCategories, kOldItems + "Prod", true, true, true},
    {"BothAfterTheItems", kMergedCategories, kMergedItems, true, true, true},
    {"BothAfterRemovingTheNewCategories", kMergedCategories, kMergedItems, false, true, true},
    {"TakeBeforeAnyStep", kOldCategories, "", true, true, false},
    {"TakeAfterCopyingTheCategories", kNewCategories, "", true, true, false},
    {"TakeAfterMovingTheItems", kNewCategories, kNewItems, true, false, false}};

// A start finishes what a stopped merge left: both files merged (or taken), no
// ".new" file and no twin left.
void StartAndExpectTheCatalogueWhole(const TestFolder& folder, bool both)
{
    FakeUi ui;
    if (both && folder.Exists("std_item.new"))
        ui.AnswerMessage(MessageAnswer::Yes);
    MainScreenState s = folder.State();
    MergeDeliveredCatalogue(s, ui);
    EXPECT_EQ(folder.Read("category.lst"), both ? kMergedCategories : kNewCategories);
    EXPECT_EQ(folder.Read("std_item.lst"), both ? kMergedItems : kNewItems);
    for (const auto& file : fs::directory_iterator(folder.Path()))
        EXPECT_EQ(file.path().extension(), ".lst") << file.path();
}

class StoppedMerge : public ::testing::TestWithParam<Stopped>
{
};

TEST_P(StoppedMerge, TheNextStartFinishesIt)
{
    TestFolder folder;
    GetParam().LayDown(folder);
    StartAndExpectTheCatalogueWhole(folder, GetParam().both);
}

INSTANTIATE_TEST_SUITE_P(Merge, StoppedMerge, ::testing::ValuesIn(kStops),
                         [](const auto& info) { return std::string(info.param.name); });

// Each file-system call of a merge failing in turn, once or from then on: the
// failure is told, a merge with nothing told is done, and the next start
// finishes the merge.
TEST(MergeFaults, AMergeStoppedAtAnyCallIsFinishedAtTheNextStart)
{
    const std::pair<Fault, bool> faults[] = {{Fault::NoSpace, true}, {Fault::InputOutput, false}};
    for (const Stopped& start : {kStops[0], kStops[5]})
        for (const auto& [fault, persistent] : faults)
            for (std::size_t call = 0, calls = 0; call <= calls; ++call) {
                SCOPED_TRACE(std::string(start.name) + " call " + std::to_string(call));
                TestFolder folder;
                start.LayDown(folder);
                FakeUi ui;
                {
                    FaultyFileSystem faulty(call, fault, persistent);
                    MergeNewCatalogue(folder.Path(), ui, MergeMode::Import);
                    if (call == 0) // no failure: counts the calls to fail in turn
                        calls = faulty.Calls();
                    EXPECT_EQ(ui.Messages.size(), faulty.Fired() ? 1u : 0u);
                }
                if (ui.Messages.empty()) { // nothing told: the merge is done
                    EXPECT_FALSE(folder.Exists("std_item.new"));
                }
                StartAndExpectTheCatalogueWhole(folder, start.both);
            }
}

} // namespace
} // namespace pantrix
