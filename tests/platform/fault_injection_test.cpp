// Every save the program makes, run with each file-system call failing in turn,
// once and from then on, for each kind of fault: each file ends as its old or
// its complete new version, a failure is reported whenever the new version is
// not in place, and no twin is left behind.
#include "catalogue/catalogue_view.h"
#include "catalogue/category_commands.h"
#include "catalogue/import_export.h"
#include "catalogue/item_commands.h"
#include "lists/list_commands.h"
#include "output/list_output.h"
#include "recipes/recipe_commands.h"
#include "settings/settings_record.h"
#include "shell/data_folder.h"
#include "shell/options.h"
#include "support/data_folder.h"
#include "support/faulty_file_system.h"
#include "web/web_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iostream>
#include <map>

namespace pantrix {
namespace {

using namespace testing;

using Step = std::function<void(Workspace&)>;
using Files = std::map<std::string, std::optional<std::string>>; // missing: nullopt

struct SavePath
{
    const char* Name;
    std::vector<std::string> Watched;
    Step Prepare;          // runs on the real file system
    Step Save;             // runs with the faults
    bool Together = false; // the watched files are one thing: all old or all new
};

void Report(Workspace& w, const Status& status)
{
    if (!status)
        ShowFailure(w.ui, status);
}

void Catalogue(Workspace& w)
{
    w.folder.Write("category.lst", Categories({"Dairy", "Produce"}));
    w.folder.Write("std_item.lst", Items({{"Dairy", "Milk"}, {"Produce", "Apples"}}));
    LoadCategoryList(w.s, w.ui);
}

void OpenSoup(Workspace& w)
{
    w.folder.Write("Soup.rcp", "Dairy\xB0 Milk\r\n");
    w.folder.Write("Soup.txt", "Boil\r\n");
    RefreshRecipeList(w.s, w.ui);
    OpenRecipe(w.s, w.ui, 0);
}

const std::vector<SavePath> kSavePaths = {
    {"settings",
     {"px31.cfg"},
     [](Workspace& w) {
         w.s.Settings = DefaultSettings("/data/"); // the same bytes in every fresh folder
         ASSERT_TRUE(StoreSettings(w.s));
     },
     [](Workspace& w) { PrintLongerPage(w.s, w.ui); }},
    {"category append",
     {"category.lst"},
     Catalogue,
     [](Workspace& w) {
         w.ui.AnswerInput("Bakery");
         NewCategory(w.s, w.ui);
     }},
    {"category rewrite",
     {"category.lst"},
     Catalogue,
     [](Workspace& w) {
         w.s.Catalogue.CatEdit = "Dairy";
         w.ui.AnswerMessage(MessageAnswer::Yes);
         w.ui.AnswerMessage(MessageAnswer::Yes);
         DeleteCategory(w.s, w.ui);
     }},
    {"item append",
     {"std_item.lst"},
     Catalogue,
     [](Workspace& w) {
         w.s.Catalogue.CatEdit = "Dairy";
         w.ui.AnswerInput("Cream");
         NewItem(w.s, w.ui);
     }},
    {"rename category",
     {"category.lst", "std_item.lst"},
     [](Workspace& w) {
         Catalogue(w);
         SelectCategory(w.s, w.ui, 0);
     },
     [](Workspace& w) {
         w.ui.AnswerInput("Milky");
         EditCategory(w.s, w.ui);
     },
     true},
    {"import",
     {"category.lst", "std_item.lst"},
     [](Workspace& w) {
         Catalogue(w);
         w.folder.Write("import.txt", "[!]Bakery\r\nBread\r\n[!]Dairy\r\nCheese\r\n");
     },
     [](Workspace& w) {
         w.ui.AnswerMessage(MessageAnswer::Yes);
         ImportCatalogue(w.s, w.ui);
     },
     true},
    {"export",
     {"export.txt"},
     [](Workspace& w) {
         Catalogue(w);
         w.folder.Write("export.txt", "old");
     },
     [](Workspace& w) {
         w.ui.AnswerMessage(MessageAnswer::Yes);
         ExportCatalogue(w.s, w.ui);
     }},
    {"list file",
     {"My Pantrix.pxl"},
     [](Workspace& w) {
         w.folder.Write("My Pantrix.pxl", "milk\r\n");
         w.s.List.File = w.folder.File("My Pantrix.pxl");
         w.s.List.Entries = {{"milk", false}, {"bread", true}};
     },
     [](Workspace& w) { Report(w, WriteListFile(w.s)); }},
    {"recipe text",
     {"Soup.txt"},
     [](Workspace& w) {
         OpenSoup(w);
         EditRecipeText(w.s, "Boil\r\nServe\r\n");
     },
     [](Workspace& w) { SaveChangedRecipeText(w.s, w.ui); }},
    {"ingredient file",
     {"Soup.rcp"},
     [](Workspace& w) {
         OpenSoup(w);
         w.s.List.Entries = {{"Dairy\xB0 Butter", false}};
     },
     [](Workspace& w) { Report(w, SaveMac(w.s, w.folder.File("Soup"))); }},
    {"new files",
     {"category.new", "std_item.new"},
     [](Workspace&) {},
     [](Workspace& w) { Report(w, DeliverStarterCatalogue(PANTRIX_SOURCE_DATA, w.folder.Path())); },
     true},
    {"rename recipe",
     {"Soup.rcp", "Soup.txt", "Stew.rcp", "Stew.txt"},
     OpenSoup,
     [](Workspace& w) {
         w.ui.AnswerInput("Stew");
         RenameRecipe(w.s, w.ui);
     },
     true},
    {"web page",
     {"soup.htm"},
     [](Workspace& w) {
         fs::copy(PANTRIX_SOURCE_DATA "/graphics", w.folder.File("graphics"));
         fs::copy(PANTRIX_SOURCE_DATA "/gofore.jpg", w.folder.File("gofore.jpg"));
         w.s.Settings = DefaultSettings(w.s.DataPath);
         OpenSoup(w);
         w.ui.SetDocumentProgram("/usr/bin/browser");
     },
     [](Workspace& w) {
         w.ui.AnswerFile(ChosenFile{w.folder.File("soup.htm"), "soup.htm"});
         MakeSingleWebPage(w.s, w.ui);
     }},
};

Files Snapshot(const Workspace& w, const SavePath& path)
{
    Files files;
    for (const std::string& name : path.Watched)
        files[name] = w.folder.Exists(name) ? std::optional(w.folder.Read(name)) : std::nullopt;
    return files;
}

std::size_t TwinsIn(const fs::path& folder)
{
    return static_cast<std::size_t>(
        std::ranges::count_if(fs::directory_iterator(folder), fs::directory_iterator(),
                              [](const fs::directory_entry& entry) {
                                  return IsTwinName(entry.path().filename().native());
                              }));
}

std::string Shown(const Files& files)
{
    std::string text;
    for (const auto& [name, bytes] : files)
        text += "\n" + name + ": " + bytes.value_or("(missing)");
    return text;
}

// A failure message holding `text` was shown; or, when not `failure`, a message
// that says something was done.
bool Told(const FakeUi& ui, std::string_view text, bool failure = true)
{
    return std::ranges::any_of(ui.Messages, [&](const Message& m) {
        const bool warns = m.Icon == MessageIcon::Exclamation || m.Icon == MessageIcon::Critical;
        const bool done = m.Icon == MessageIcon::Information || m.Icon == MessageIcon::None;
        return (failure ? warns : done) && m.Text.find(text) != std::string::npos;
    });
}

// Each file old or new; files that are one thing, all old or all new.
bool OldOrNew(const SavePath& path, const Files& now, const Files& before, const Files& after)
{
    if (path.Together)
        return now == before || now == after;
    for (const auto& [name, bytes] : now)
        if (bytes != before.at(name) && bytes != after.at(name))
            return false;
    return true;
}

void PrintTo(const SavePath& path, std::ostream* out)
{
    *out << path.Name;
}

class FaultInjection : public ::testing::TestWithParam<SavePath>
{
};

TEST_P(FaultInjection, EveryFileEndsOldOrNewAndEveryFailureIsReported)
{
    const SavePath& path = GetParam();
    Workspace reference;
    path.Prepare(reference);
    const Files before = Snapshot(reference, path);
    std::size_t calls = 0;
    {
        FaultyFileSystem counting;
        path.Save(reference);
        calls = counting.Calls();
    }
    const Files after = Snapshot(reference, path);
    ASSERT_NE(before, after) << "the save changed nothing";
    std::size_t points = 0;
    std::size_t leftTwins = 0;
    for (std::size_t call = 1; call <= calls; ++call)
        for (const Fault fault :
             {Fault::NoSpace, Fault::InputOutput, Fault::Denied, Fault::ShortWrite})
            for (const bool persistent : {false, true}) {
                Workspace w;
                path.Prepare(w);
                FaultyFileSystem faulty(call, fault, persistent);
                path.Save(w);
                UseFileSystem(nullptr);
                if (!faulty.Fired())
                    continue;
                ++points;
                const std::string where = std::string(path.Name) + " call " + std::to_string(call) +
                                          " fault " + std::to_string(int(fault)) +
                                          (persistent ? " from then on" : " once");
                const Files now = Snapshot(w, path);
                // Only when even putting the first file back fails may the files
                // disagree, and then the user is told which holds what.
                EXPECT_TRUE(OldOrNew(path, now, before, after) ||
                            (persistent && Told(w.ui, "could not be put back")))
                    << where << Shown(now);
                EXPECT_TRUE(now == after || (Told(w.ui, "") && !Told(w.ui, "", false))) << where;
                EXPECT_TRUE(now == before || !Told(w.ui, "not changed")) << where;
                const std::size_t twins = TwinsIn(w.folder.Path());
                EXPECT_TRUE(twins == 0 || faulty.RemovalRefused() || Told(w.ui, "next starts"))
                    << where;
                leftTwins += twins;
                RemoveStaleTwins(w.folder.Path()); // as the next start does
                EXPECT_EQ(TwinsIn(w.folder.Path()), 0u) << where;
                EXPECT_TRUE(OldOrNew(path, Snapshot(w, path), before, after) ||
                            !Told(w.ui, "next starts"))
                    << where;
            }
    std::cout << "[ fault points ] " << path.Name << ": " << calls << " calls, " << points
              << " fault points, " << leftTwins << " twins left for start-up\n";
    EXPECT_GT(points, 0u);
}

INSTANTIATE_TEST_SUITE_P(SavePaths, FaultInjection, ::testing::ValuesIn(kSavePaths),
                         [](const auto& info) {
                             std::string name = info.param.Name;
                             std::erase(name, ' ');
                             return name;
                         });

} // namespace
} // namespace pantrix
