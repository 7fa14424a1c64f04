// The catalogue: its lists, the category and item commands, import and export,
// maintenance and merges. Each story's every message, dialog, list and file is
// held in its golden file under tests/data/catalogue.
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
#include "support/golden.h"
#include "support/transcript.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <ranges>

namespace pantrix {
namespace {

using namespace testing;

// Records from "Dairy|Produce" or, for items, "Dairy/Milk|Produce/Apples".
std::string Records(std::string_view list, bool items = false)
{
    std::string records;
    for (const auto part : std::views::split(list, '|')) {
        const std::string_view name(part.begin(), part.end());
        const std::size_t slash = name.find('/');
        records += items ? ItemRecord(name.substr(0, slash), name.substr(slash + 1))
                         : CategoryRecord(name);
    }
    return list.empty() ? "" : records;
}

void Given(Workspace& w, std::string_view categories, std::string_view items)
{
    w.folder.Write("category.lst", Records(categories));
    w.folder.Write("std_item.lst", Records(items, true));
    LoadCategoryList(w.s, w.ui);
}

constexpr MessageAnswer Yes = MessageAnswer::Yes, No = MessageAnswer::No;
using Command = void (*)(MainScreenState&, Ui&);

class Catalogue : public ::testing::Test, protected Workspace
{
protected:
    // Clicks the first row that shows the name.
    static std::size_t Row(const std::vector<std::string>& list, std::string_view name)
    {
        return static_cast<std::size_t>(std::ranges::find(list, CategoryRecord(name)) -
                                        list.begin());
    }
    void Pick(std::string_view name) { SelectCategory(s, ui, Row(s.Catalogue.CatList, name)); }
    void PickItem(std::string_view item) { SelectItem(s, Row(s.Catalogue.StdList, item)); }
    // Runs the command with what the user types and answers, and tells the step.
    void Run(std::string_view what, Command command, std::vector<std::string> typed = {},
             std::vector<MessageAnswer> answers = {})
    {
        for (std::string& text : typed)
            ui.AnswerInput(std::move(text));
        for (const MessageAnswer answer : answers)
            ui.AnswerMessage(answer);
        command(s, ui);
        Step(what);
    }
    void Import(std::string_view what, std::string_view text)
    {
        folder.Write("import.txt", text);
        Run(what, ImportCatalogue, {}, {Yes});
    }
    // What the step showed and asked, the lists and edit boxes, and the files.
    void Step(std::string_view what, Workspace& w)
    {
        const CatalogueView& c = w.s.Catalogue;
        std::string view;
        for (const auto* list : {&c.CatList, &c.StdList}) {
            for (const std::string& name : *list)
                view += "[" + name + "]";
            view += "\n";
        }
        view += "edit boxes [" + c.CatEdit + "] [" + c.StdEdit + "], clicked [" +
                c.SelectedCategory + "] [" + c.SelectedItem + "]" +
                (c.MoveBoxShowing ? ", editing [" + c.MoveEd + "]\n" : "\n");
        m_story += "## " + std::string(what) + "\n" + TakeTranscript(w.ui, w.folder.Path()) +
                   (c.CatList.empty() ? "" : view) + Listing(w.folder.Path()) + "\n";
    }
    void Step(std::string_view what) { Step(what, *this); }
    void TearDown() override
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        if (!m_story.empty())
            ExpectGolden(m_story, "catalogue/" + std::string(test->name()) + ".txt");
    }
    std::string m_story;
};

TEST_F(Catalogue, TheListsShowTheFilesSortedAndAClickTheItemsFiledExactlyUnderIt)
{
    Given(*this, "produce|Dairy|Bakery|dairy|Dairy| Dairy|Empty",
          "Dairy/Milk|DAIRY/Shouted milk| Dairy/Spaced milk|Dairy   /butter|Produce/Apples|Dairy/" +
              std::string(35, 'C'));
    Pick("Dairy");
    PickItem("Milk");
    SelectItem(s, 99); // a stale row changes nothing
    Step("Dairy and its Milk clicked");
    s.Catalogue.CatEdit.clear();
    Run("without a current category the items stay", LoadItemList);
    Pick(" Dairy");
    Step(" Dairy clicked");
    Pick("Empty");
    Step("Empty clicked");
    folder.Write("category.lst", Records("A|B|C") + "DDDDD");
    Run("a record cut short", LoadCategoryList);
    fs::remove(folder.File("category.lst"));
    Run("a missing category file is made", LoadCategoryList);
    fs::remove(folder.File("category.lst"));
    fs::create_directory(folder.File("category.lst"));
    Run("a category file that cannot be read", LoadCategoryList);
}

TEST_F(Catalogue, CategoriesAreAddedDeletedAndRenamedWithTheirItems)
{
    Given(*this, "Dairy|Produce| Dairy", "Dairy/Milk|Produce/Apples| Dairy /Cream");
    Run("edit with none picked", EditCategory);
    Run("delete with none picked", DeleteCategory);
    Pick("Produce");
    for (const char* typed : {"DAIRY", "  dairy", "  Bakery", "   ", "    ", ""})
        Run("new: a name once in any case, as typed", NewCategory, {typed});
    Pick("Dairy");
    Run("delete answered No the second time", DeleteCategory, {}, {Yes, No});
    Run("deleted: every record of the name; its items stay", DeleteCategory, {}, {Yes, Yes});
    Run("added again", NewCategory, {"Dairy"});
    Pick("Dairy");
    Step("its items show again");
    Run("renamed: cut, its items refiled, the current category follows", EditCategory,
        {std::string(40, 'D')});
    Run("its items show again", LoadItemList);
    Pick("Produce");
    Run("renamed to another's name", EditCategory, {std::string(30, 'D')});
    Pick(std::string(30, 'D'));
    Step("the items of both show");
}

TEST_F(Catalogue, ItemsAreAddedRenamedMovedAndDeleted)
{
    const Command editItem = [](MainScreenState& s, Ui&) { EditItem(s); };
    Given(*this, "Dairy|Produce",
          "Produce/Milk|Dairy/Milk|Dairy/Butter|Dairy /Milk|Produce/Apples|Dairy/Milk");
    Run("new item with no category picked", NewItem);
    Pick("Dairy");
    s.List.Current = 0;
    for (const char* typed : {"Milk", "milk", " Milk", "   "})
        Run("new items: only records not there yet", NewItem, {typed});
    EXPECT_FALSE(s.List.Current);
    Run("no frame without a clicked item", editItem);
    PickItem("Butter");
    Run("the frame opens on the clicked item", editItem);
    Run("its delete closes it, whatever the answer", DeleteEditedItem, {}, {No});
    PickItem("Milk");
    Run("the frame opens on Milk", editItem);
    Run("change name cancelled: the frame stays", ChangeItemName, {""});
    Run("changed: the first record of the name in the category", ChangeItemName, {"  Oat milk "});
    PickItem("Milk");
    Run("the frame opens on Milk", editItem);
    Pick("Produce");
    Run("moved: the first record of the name in the file, here Produce's own", MoveItem);
    Run("with the frame closed a double-click moves nothing", MoveItem);
    PickItem("Apples");
    Pick("Dairy");
    Run("delete after another category's click: Apples under Dairy", DeleteItem, {}, {Yes});
    PickItem("Milk");
    Run("deleted: every record of category and name", DeleteItem, {}, {Yes});
    Run("none picked", DeleteItem);
}

TEST_F(Catalogue, TheCatalogueIsExportedAndImportedAsText)
{
    Given(*this, "Dairy| Bakery |Dairy|Empty",
          "Dairy/ Milk |Gone/Orphan| Bakery /Bread|Dairy/Butter");
    Run("exported: categories in order with their items, trimmed", ExportCatalogue, {}, {Yes});
    Given(*this, "Dairy|Bakery", "Dairy/Milk|Bakery/Bread");
    Run("exported", ExportCatalogue, {}, {Yes});
    Import("an export imported again adds nothing", folder.Read("export.txt"));
    Import("imported without a question: what is new, names cut at 30",
           "  [!]Dairy  \nMilk\r\n\r\n   \r" + std::string(31, 'i') +
               "\r[I]Milk\r\nCream [!]\r\n[!]  Spaced\r\n[!]" + std::string(35, 'c') +
               "\nX\r\n[!]");
    Import("an item before any category is refused by its line",
           "\r\nMilk\r\nEggs\r\n[!]Bakery\r\nBread\r\n");
    fs::remove(folder.File("import.txt"));
    Run("no import file", ImportCatalogue, {}, {Yes});
    EXPECT_EQ(ui.BusyDepth, 0);
    for (const char* name : {"IMPORT.TXT", "Import.txt", "import.txt"})
        folder.Write(name, "[!]" + std::string(name) + "\r\nMilk");
    Run("the exact name first", ImportCatalogue, {}, {Yes});
    fs::remove(folder.File("import.txt"));
    fs::remove(folder.File("Import.txt"));
    Run("the import file in any case", ImportCatalogue, {}, {Yes});
    fs::remove(folder.File("IMPORT.TXT"));
    fs::create_directory(folder.File("import.txt"));
    Run("a folder named import.txt is no import file", ImportCatalogue, {}, {Yes});
    fs::remove(folder.File("import.txt"));
    Given(*this, "Old", "");
    Import("into an empty item file the import is the catalogue", "[!]Dairy\r\nMilk\r\n");

    Import("an empty import file adds nothing", "");
}

// Each file-system call of an import failing in turn: what is told as not
// changed is not, and no new file is left for the next start to take in.
TEST_F(Catalogue, AFailedImportPutsTheCatalogueBack)
{
    std::size_t failures = 0;
    for (std::size_t call = 0, calls = 0; call <= calls; ++call) {
        SCOPED_TRACE(call);
        Workspace w;
        Given(w, "Dairy", "Dairy/Milk");
        const std::string before = Listing(w.folder.Path());
        w.folder.Write("import.txt", "[!]Bakery\r\nBread\r\n[!]Dairy\r\nCheese\r\n");
        w.ui.AnswerMessage(Yes);
        {
            FaultyFileSystem faulty(call, Fault::InputOutput);
            ImportCatalogue(w.s, w.ui);
            if (call == 0) // no failure: counts the calls to fail in turn
                calls = faulty.Calls();
        }
        fs::remove(w.folder.File("import.txt"));
        if (w.ui.Messages.back().Text.ends_with("The catalogue was not changed.")) {
            ++failures;
            EXPECT_EQ(Listing(w.folder.Path()), before);
        }
    }
    EXPECT_GT(failures, 0u);
}

TEST_F(Catalogue, PurgeDropsOrphansAndBlankItemsAndDataInformationCountsThem)
{
    Given(*this, "Produce|Dairy",
          "Dairy/Milk|Gone/Orphan|Produce/Apples|Dairy/   | Dairy/Cream|Dairy/Butter");
    Run("purge answered No", PurgeOrphans, {}, {No});
    Run("purged: grouped by category", PurgeOrphans, {}, {Yes});
    Given(*this, "Dairy", "Dairy/Milk|Dairy/Milk|Gone/X");
    folder.Write("category.lst", folder.Read("category.lst") + "part");
    Run("data information: records counted, orphans and repeats too", ShowDataInformation);
    Given(*this, "Dairy|Dairy", "Dairy/Milk");
    Run("a category listed twice takes its items once", PurgeOrphans, {}, {Yes});
}

// Catalogue files: "category.lst", "std_item.lst", "category.new", "std_item.new";
// "-" for a file that is not there.
using Folder = std::array<std::string, 4>;
const std::array<std::string_view, 4> kFiles = {"category.lst", "std_item.lst", "category.new",
                                                "std_item.new"};

void LayDown(const TestFolder& folder, const Folder& files)
{
    for (std::size_t i = 0; i < kFiles.size(); ++i)
        if (files[i] != "-")
            folder.Write(kFiles[i], files[i]);
}

const std::string kOld = Records("Dairy|Bakery"),
                  kOldItems = Records("Dairy/Milk|Bakery/Bread", true);
const std::string kNew = Records("Dairy|Produce"),
                  kNewItems = Records("Produce/Apples|Dairy/Milk", true);
const std::string kMerged = Records("Dairy|Bakery|Produce");
const std::string kMergedItems = Records("Dairy/Milk|Bakery/Bread|Produce/Apples", true);

TEST_F(Catalogue, AMergeTakesWhatTheOldCatalogueLacksOrTheNewFilesWhole)
{
    const Folder both = {kOld, kOldItems + "part", Records("Dairy|Produce|dairy"),
                         Records("Dairy/Milk|Produce/Apples|Produce/Apples|Dairy/ Milk", true)};
    // The folder, the mode, and the answer to the question at start-up.
    const std::tuple<std::string, Folder, MergeMode, std::optional<MessageAnswer>> cases[] = {
        {"nothing old or new", {"-", "-", "-", "-"}, MergeMode::StartUp, std::nullopt},
        {"items, no new items", {"-", kOldItems, kNew, ""}, MergeMode::StartUp, std::nullopt},
        {"no item file", {kOld, "-", kNew, kNewItems}, MergeMode::StartUp, std::nullopt},
        {"no new category file", {kOld, "-", "-", kNewItems}, MergeMode::StartUp, std::nullopt},
        {"both, at start-up", both, MergeMode::StartUp, Yes},
        {"both, declined at start-up", both, MergeMode::StartUp, No},
        {"both, imported", both, MergeMode::Import, std::nullopt},
        {"same catalogue", {kOld, kOldItems, kOld, kOldItems}, MergeMode::Import, std::nullopt}};
    for (const auto& [name, files, mode, answer] : cases) {
        Workspace w;
        LayDown(w.folder, files);
        if (answer)
            w.ui.AnswerMessage(*answer);
        MergeNewCatalogue(w.folder.Path(), w.ui, mode);
        if (answer == No)
            MergeNewCatalogue(w.folder.Path(), w.ui, mode); // nothing is asked again
        Step(name, w);
    }
}

// A start finishes what a stopped merge left: both catalogues merged (or the new
// one taken), no ".new" file and no twin left.
void StartAndExpectTheCatalogueWhole(const TestFolder& folder, bool merged)
{
    FakeUi ui;
    RemoveStaleTwins(folder.Path());
    // A merge whose files are in place already is finished unasked.
    if (merged && folder.Exists("category.new") && folder.Read("std_item.lst") != kMergedItems)
        ui.AnswerMessage(Yes);
    MainScreenState s = folder.State();
    MergeDeliveredCatalogue(s, ui);
    EXPECT_EQ(folder.Read("category.lst"), merged ? kMerged : kNew);
    EXPECT_EQ(folder.Read("std_item.lst"), merged ? kMergedItems : kNewItems);
    for (const auto& file : fs::directory_iterator(folder.Path()))
        EXPECT_EQ(file.path().extension(), ".lst") << file.path();
}

// The folder as a merge stopped after each of its steps leaves it: the user had
// both catalogues merged, or the new files were taken.
const std::pair<Folder, bool> kStops[] = {{{kOld, kOldItems, kNew, kNewItems}, true},
                                          {{kMerged, kOldItems, kNew, kNewItems}, true},
                                          {{kMerged, kOldItems + "Prod", kNew, kNewItems}, true},
                                          {{kMerged, kMergedItems, kNew, kNewItems}, true},
                                          {{kMerged, kMergedItems, "-", kNewItems}, true},
                                          {{kOld, "", kNew, kNewItems}, false},
                                          {{kNew, "", kNew, kNewItems}, false},
                                          {{kNew, kNewItems, kNew, "-"}, false}};

// A merge stopped after any step, or at any file-system call failing once or from
// then on: the failure is told, a merge with nothing told is done, and the next
// start finishes the merge.
TEST_F(Catalogue, AMergeStoppedAfterAnyStepOrAtAnyCallIsFinishedAtTheNextStart)
{
    for (std::size_t stop = 0; stop < std::size(kStops); ++stop) {
        SCOPED_TRACE("stopped after step " + std::to_string(stop));
        TestFolder stopped;
        LayDown(stopped, kStops[stop].first);
        StartAndExpectTheCatalogueWhole(stopped, kStops[stop].second);
    }
    const std::pair<Fault, bool> faults[] = {{Fault::NoSpace, true}, {Fault::InputOutput, false}};
    for (const auto& [files, merged] : {kStops[0], kStops[5]})
        for (const auto& [fault, persistent] : faults)
            for (std::size_t call = 0, calls = 0; call <= calls; ++call) {
                SCOPED_TRACE(std::to_string(merged) + " call " + std::to_string(call));
                TestFolder stopped;
                LayDown(stopped, files);
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
                if (told.Messages.empty()) { // nothing told: the merge is done
                    EXPECT_FALSE(stopped.Exists("std_item.new"));
                }
                StartAndExpectTheCatalogueWhole(stopped, merged);
            }
}

} // namespace
} // namespace pantrix
