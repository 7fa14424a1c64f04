// The catalogue's lists, commands, import and export, maintenance and merges, as stories
// under tests/data/catalogue whose steps show what was told, the lists and the files.
#include "catalogue/catalogue_files.h"
#include "catalogue/catalogue_records.h"
#include "catalogue/catalogue_view.h"
#include "catalogue/category_commands.h"
#include "catalogue/import_export.h"
#include "catalogue/item_commands.h"
#include "catalogue/maintenance.h"
#include "catalogue/merge.h"
#include "shell/start_up.h"
#include "support/data_folder.h"
#include "support/faulty_file_system.h"
#include "support/story.h"
#include "support/transcript.h"

#include <algorithm>

namespace pantrix {
namespace {

using namespace testing;

// Records from "Dairy|Produce" or, for items, "Dairy/Milk|Produce/Apples".
std::string Records(std::string_view list, bool items = false)
{
    std::string records;
    for (std::size_t start = 0, end = 0; !list.empty() && end != list.npos; start = end + 1) {
        end = list.find('|', start);
        const std::string_view name = list.substr(start, end - start),
                               category = name.substr(0, name.find('/'));
        records +=
            items ? ItemRecord(category, name.substr(category.size() + 1)) : CategoryRecord(name);
    }
    return records;
}

class Catalogue : public ::testing::TestWithParam<std::string>, protected Workspace
{
protected:
    // Runs a step and shows what it left.
    auto Shown(std::function<void(std::string)> step)
    {
        return [this, step](std::string argument) {
            step(std::move(argument));
            const CatalogueView& c = s.Catalogue;
            std::string view;
            for (const auto* list : {&c.CatList, &c.StdList}) {
                for (const std::string& name : *list)
                    view += "[" + name + "]";
                view += "\n";
            }
            view += "edit boxes [" + c.CatEdit + "] [" + c.StdEdit + "], clicked [" +
                    c.SelectedCategory + "] [" + c.SelectedItem + "]" +
                    (c.MoveBoxShowing ? ", editing [" + c.MoveEd + "]\n" : "\n");
            return TakeTranscript(ui, folder.Path()) + (c.CatList.empty() ? "" : view) +
                   Listing(folder.Path()) + "\n";
        };
    }
    auto Command(void (*command)(MainScreenState&, Ui&))
    {
        return Shown([this, command](auto) { command(s, ui); });
    }
};

TEST_P(Catalogue, Story)
{
    const auto row = [](const std::vector<std::string>& list, std::string name) {
        return std::size_t(std::ranges::find(list, CategoryRecord(name)) - list.begin());
    };
    ExpectStory(
        "catalogue/" + GetParam() + ".txt",
        WithCommonSteps(
            *this,
            {{"records", Quiet([&](auto a) { // "file|records", of items if the file's name says so
                  const std::string file = a.substr(0, a.find('|'));
                  folder.Write(file,
                               Records(a.substr(file.size() + 1), file.starts_with("std_item")));
              })},
             {"pick",
              Quiet([&](auto name) { SelectCategory(s, ui, row(s.Catalogue.CatList, name)); })},
             {"pick-item",
              Quiet([&](auto name) { SelectItem(s, row(s.Catalogue.StdList, name)); })},
             {"item-row", Quiet([&](auto row) { SelectItem(s, std::stoul(row)); })},
             {"category-box", Quiet([&](auto text) { s.Catalogue.CatEdit = text; })},
             {"list-current", Quiet([&](auto row) { s.List.Current = std::stoul(row); })},
             {"list-current?",
              [&](auto) { return s.List.Current ? "current: one\n" : "current: none\n"; }},
             {"busy?", [&](auto) { return "busy: " + std::to_string(ui.BusyDepth) + "\n"; }},
             {"show", Shown([](auto) {})},
             {"merge", Shown([&](auto mode) {
                  MergeNewCatalogue(folder.Path(), ui,
                                    mode == "imported" ? MergeMode::Import : MergeMode::StartUp);
              })},
             {"start-again", Shown([&](auto) {
                  RemoveStaleTwins(folder.Path()), MergeDeliveredCatalogue(s, ui);
              })},
             {"LoadCategoryList", Command(LoadCategoryList)},
             {"LoadItemList", Command(LoadItemList)},
             {"NewCategory", Command(NewCategory)},
             {"EditCategory", Command(EditCategory)},
             {"DeleteCategory", Command(DeleteCategory)},
             {"NewItem", Command(NewItem)},
             {"EditItem", Command([](MainScreenState& s, Ui&) { EditItem(s); })},
             {"ChangeItemName", Command(ChangeItemName)},
             {"MoveItem", Command(MoveItem)},
             {"DeleteEditedItem", Command(DeleteEditedItem)},
             {"DeleteItem", Command(DeleteItem)},
             {"ExportCatalogue", Command(ExportCatalogue)},
             {"ImportCatalogue", Command(ImportCatalogue)},
             {"PurgeOrphans", Command(PurgeOrphans)},
             {"ShowDataInformation", Command(ShowDataInformation)}}));
}

INSTANTIATE_TEST_SUITE_P(Catalogue, Catalogue, ::testing::ValuesIn(Stories("catalogue")),
                         [](const auto& story) { return story.param; });

const std::string kOld = Records("Dairy|Bakery"), kOldItems = Records("Dairy/Milk|Bakery/Bread", 1),
                  kNew = Records("Dairy|Produce"),
                  kNewItems = Records("Produce/Apples|Dairy/Milk", 1),
                  kMerged = Records("Dairy|Bakery|Produce"),
                  kMergedItems = Records("Dairy/Milk|Bakery/Bread|Produce/Apples", true);

// A start finishes what a stopped merge left: both catalogues merged (or the new
// one taken), no ".new" file and no twin left.
void StartAndExpectTheCatalogueWhole(const TestFolder& folder, bool merged)
{
    FakeUi ui;
    RemoveStaleTwins(folder.Path());
    // A merge whose files are in place already is finished unasked.
    if (merged && folder.Exists("category.new") && folder.Read("std_item.lst") != kMergedItems)
        ui.AnswerMessage(MessageAnswer::Yes);
    MainScreenState s = folder.State();
    MergeDeliveredCatalogue(s, ui);
    EXPECT_EQ(folder.Read("category.lst"), merged ? kMerged : kNew);
    EXPECT_EQ(folder.Read("std_item.lst"), merged ? kMergedItems : kNewItems);
    for (const auto& file : fs::directory_iterator(folder.Path()))
        EXPECT_EQ(file.path().extension(), ".lst") << file.path();
}

// A merge, or a take of the new files, stopped at any file-system call failing once or
// from then on: the failure is told, a merge with nothing told is done, and the next
// start finishes the merge. A merge stopped after each step is a story.
TEST(CatalogueMerge, AMergeStoppedAtAnyCallIsFinishedAtTheNextStart)
{
    const char* const kNames[] = {"category.lst", "std_item.lst", "category.new", "std_item.new"};
    const std::pair<Fault, bool> faults[] = {{Fault::NoSpace, true}, {Fault::InputOutput, false}};
    // The old and the new catalogue files, and whether a merge or a take was asked for.
    const std::pair<std::array<std::string, 4>, bool> stops[] = {
        {{kOld, kOldItems, kNew, kNewItems}, true}, {{kOld, "", kNew, kNewItems}, false}};
    for (const auto& [files, merged] : stops)
        for (const auto& [fault, persistent] : faults)
            for (std::size_t call = 0, calls = 0; call <= calls; ++call) {
                SCOPED_TRACE(std::to_string(merged) + " call " + std::to_string(call));
                TestFolder stopped;
                for (std::size_t i = 0; i < files.size(); ++i)
                    stopped.Write(kNames[i], files[i]);
                FakeUi told;
                {
                    FaultyFileSystem faulty(call, fault, persistent);
                    MergeNewCatalogue(stopped.Path(), told, MergeMode::Import);
                    if (call == 0) // no failure: counts the calls to fail in turn
                        calls = faulty.Calls();
                    // A refused removal of a twin leaves it for start-up, untold.
                    EXPECT_LE(told.Messages.size(), faulty.Fired() ? 1u : 0u);
                    EXPECT_TRUE(!told.Messages.empty() || !faulty.Fired() ||
                                faulty.RemovalRefused());
                }
                // Nothing told: the merge is done.
                EXPECT_TRUE(!told.Messages.empty() || !stopped.Exists("std_item.new"));
                StartAndExpectTheCatalogueWhole(stopped, merged);
            }
}

} // namespace
} // namespace pantrix
