// Every save with each file-system call failing or the process ending there, and in folders
// that refuse it: each file old or new, at once or after the next start, failures told.
#include "catalogue/catalogue_view.h"
#include "catalogue/category_commands.h"
#include "catalogue/import_export.h"
#include "catalogue/item_commands.h"
#include "lists/list_commands.h"
#include "output/list_output.h"
#include "platform/files.h"
#include "recipes/recipe_commands.h"
#include "settings/settings_record.h"
#include "shell/data_folder.h"
#include "shell/instance_lock.h"
#include "shell/options.h"
#include "shell/start_up.h"
#include "support/data_folder.h"
#include "support/faulty_file_system.h"
#include "support/golden.h"
#include "web/web_commands.h"

#include <algorithm>
#include <csignal>
#include <cstring>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>

namespace pantrix {
namespace {

using namespace testing;
using Step = std::function<void(Workspace&)>;
using Files = std::map<std::string, std::optional<std::string>>; // missing: nullopt

void Catalogue(Workspace& w)
{
    w.folder.Write("category.lst", Categories({"Dairy", "Produce"}));
    w.folder.Write("std_item.lst", Items({{"Dairy", "Milk"}, {"Produce", "Apples"}}));
    LoadCategoryList(w.s, w.ui);
    SelectCategory(w.s, w.ui, 0);
    w.folder.Write("import.txt", "[!]Bakery\r\nBread\r\n[!]Dairy\r\nCheese\r\n");
    w.folder.Write("export.txt", "old");
}

void OpenSoup(Workspace& w)
{
    fs::copy(PANTRIX_SOURCE_DATA "/graphics", w.folder.File("graphics"));
    fs::copy(PANTRIX_SOURCE_DATA "/gofore.jpg", w.folder.File("gofore.jpg"));
    w.s.Settings = DefaultSettings(w.s.DataPath);
    w.folder.Write("Soup.rcp", "Dairy\xB0 Milk\r\n");
    w.folder.Write("Soup.txt", "Boil\r\n");
    RefreshRecipeList(w.s, w.ui);
    OpenRecipe(w.s, w.ui, 0);
}

Step Run(void (*command)(MainScreenState&, Ui&), std::vector<std::string> inputs = {},
         int yeses = 0)
{
    return [=](Workspace& w) {
        for (int i = 0; i < yeses; ++i)
            w.ui.AnswerMessage(MessageAnswer::Yes);
        for (const std::string& input : inputs)
            w.ui.AnswerInput(input);
        command(w.s, w.ui);
    };
}

struct SavePath
{
    const char* Name;
    std::vector<std::string> Watched;
    Step Prepare;          // runs on the real file system
    Step Save;             // runs with the faults
    bool Together = false; // the watched files are one thing: all old or all new
};
void PrintTo(const SavePath& path, std::ostream* out) { *out << path.Name; }

// clang-format off
const std::vector<SavePath> kSavePaths = {
    {"settings", {"px31.cfg"}, [](Workspace& w) { w.s.Settings = DefaultSettings("/data/"); ASSERT_TRUE(StoreSettings(w.s)); }, Run(PrintLongerPage)},
    {"category_append", {"category.lst"}, Catalogue, Run(NewCategory, {"Bakery"})},
    {"category_rewrite", {"category.lst"}, Catalogue, Run(DeleteCategory, {}, 2)},
    {"item_append", {"std_item.lst"}, Catalogue, Run(NewItem, {"Cream"})},
    {"rename_category", {"category.lst", "std_item.lst"}, Catalogue, Run(EditCategory, {"Milky"}), true},
    {"import", {"category.lst", "std_item.lst"}, Catalogue, Run(ImportCatalogue, {}, 1), true},
    {"import_taken_whole", {"category.lst", "std_item.lst"}, [](Workspace& w) { Catalogue(w); w.folder.Write("std_item.lst", ""); }, Run(ImportCatalogue, {}, 1), true},
    {"export", {"export.txt"}, Catalogue, Run(ExportCatalogue, {}, 1)},
    {"list_file", {"My Pantrix.pxl"}, [](Workspace& w) { w.folder.Write("My Pantrix.pxl", "milk\r\n"); w.s.List.File = w.folder.File("My Pantrix.pxl"); }, [](Workspace& w) { w.s.List.Entries = {{"milk", false}, {"bread", true}}; if (const Status r = WriteListFile(w.s); !r) ShowFailure(w.ui, r); }},
    {"recipe_text", {"Soup.txt"}, OpenSoup, [](Workspace& w) { EditRecipeText(w.s, "Boil\r\nServe\r\n"); SaveChangedRecipeText(w.s, w.ui); }},
    {"ingredient_file", {"Soup.rcp"}, OpenSoup, [](Workspace& w) { w.s.List.Entries = {{"Dairy\xB0 Butter", false}}; if (const Status r = SaveMac(w.s, w.folder.File("Soup")); !r) ShowFailure(w.ui, r); }},
    {"new_files", {"category.new", "std_item.new"}, [](Workspace&) {}, [](Workspace& w) { if (const Status r = DeliverStarterCatalogue(PANTRIX_SOURCE_DATA, w.folder.Path()); !r) ShowFailure(w.ui, r); }, true},
    {"rename_recipe", {"Soup.rcp", "Soup.txt", "Stew.rcp", "Stew.txt"}, OpenSoup, Run(RenameRecipe, {"Stew"}), true},
    {"web_page", {"soup.htm"}, OpenSoup, [](Workspace& w) { w.ui.SetDocumentProgram("/usr/bin/browser"); w.ui.AnswerFile(ChosenFile{w.folder.File("soup.htm"), "soup.htm"}); MakeSingleWebPage(w.s, w.ui); }},
};
// clang-format on

Files Snapshot(const fs::path& folder, const SavePath& path)
{
    Files files;
    for (const fs::path name : path.Watched)
        files[name] =
            fs::exists(folder / name) ? ReadWholeFile(folder / name).value() : Files::mapped_type();
    return files;
}

auto TwinsIn(const fs::path& folder)
{
    return std::ranges::count_if(fs::directory_iterator(folder), [](const auto& f) {
        return IsTwinName(f.path().filename().native());
    });
}

// A message holding `text` warned of a failure, or when not `failure`, told of a success.
bool Told(const FakeUi& ui, std::string_view text, bool failure = true)
{
    return std::ranges::any_of(ui.Messages, [&](const Message& m) {
        return (m.Icon >= MessageIcon::Exclamation) == failure && m.Icon != MessageIcon::Question &&
               m.Text.find(text) != std::string::npos;
    });
}

// Each file old or new; files that are one thing, all old or all new.
bool OldOrNew(const SavePath& path, const Files& now, const Files& before, const Files& after)
{
    const auto either = [&](const auto& f) {
        return f.second == before.at(f.first) || f.second == after.at(f.first);
    };
    return now == before || now == after || (!path.Together && std::ranges::all_of(now, either));
}

// Whoever starts Pantrix again answers each question with its default button.
struct EnterPressingUi : FakeUi
{
    MessageAnswer ShowMessage(const Message& message) override
    {
        return Messages.push_back(message), message.DefaultButton;
    }
};

// The program's own steps at the next start, in its order; the questions asked.
std::size_t StartAgain(const TestFolder& folder)
{
    FaultyFileSystem counting;
    RemoveStaleTwins(folder.Path());
    (void)DeliverStarterCatalogue(PANTRIX_SOURCE_DATA, folder.Path());
    MainScreenState s = folder.State();
    EnterPressingUi ui;
    MergeDeliveredCatalogue(s, ui);
    return ui.Messages.size();
}

// The files before and after a save without faults, and its file-system calls.
std::tuple<Files, Files, std::size_t> RunWithoutFaults(const SavePath& path, Fault counting)
{
    Workspace w;
    path.Prepare(w);
    const Files before = Snapshot(w.folder.Path(), path);
    FaultyFileSystem counter(0, counting);
    path.Save(w);
    EXPECT_NE(before, Snapshot(w.folder.Path(), path)) << "the save changed nothing";
    return {before, Snapshot(w.folder.Path(), path), counter.Calls()};
}

// Runs `body` in a child process, which tells on stderr what did not hold: its exit code.
int InChild(const std::function<int()>& body)
{
    if (::fork() == 0)
        ::_exit(body());
    int status = 0;
    ::wait(&status);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A mount namespace of the child's own, where the machine allows one.
bool OwnMounts()
{
    return ::unshare(CLONE_NEWNS) == 0 &&
           ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

// Root passes over permission bits; as the folder's owner, no longer root, it meets them.
bool AsOwner(const fs::path& folder)
{
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        (void)!::chown(entry.path().c_str(), 65534, 65534);
    return ::geteuid() != 0 ||
           (!::chown(folder.c_str(), 65534, 65534) && !::setgid(65534) && !::setuid(65534));
}

// clang-format off
enum Hostile { FullDisk, ReadOnlyFolder, ReadOnlyFiles, FolderIsAFile };
const char* const kHostileNames[] = {"FullDisk", "ReadOnlyFolder", "ReadOnlyFiles", "FolderIsAFile"};
// clang-format on

// Makes the folder refuse saves: the error number they meet, or 0 where the machine forbids it.
int Refuse(Hostile hostile, const fs::path& folder, bool smallDisk)
{
    const rlimit noSize{0, 0};
    switch (hostile) {
    case FullDisk:
        if (!smallDisk)
            return std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && !::setrlimit(RLIMIT_FSIZE, &noSize)
                       ? EFBIG
                       : 0;
        for (std::ofstream filler(folder / "filler");
             filler << std::string(4096, 'x') << std::flush;)
            ;
        return ENOSPC;
    case ReadOnlyFolder: // a folder made read-only by mode alone still takes appends
        if (OwnMounts() && !::mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) &&
            !::mount(nullptr, folder.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr))
            return EROFS;
        return ::chmod(folder.c_str(), 0555) == 0 && AsOwner(folder) ? EACCES : 0;
    case ReadOnlyFiles:
        for (const auto& entry : fs::directory_iterator(folder))
            fs::permissions(entry.path(), fs::perms(0444));
        return AsOwner(folder) ? EACCES : 0;
    case FolderIsAFile:
        fs::rename(folder, folder.native() + ".moved");
        std::ofstream(folder) << "a file";
        return ENOTDIR;
    }
    return 0;
}

using SavePaths = ::testing::TestWithParam<SavePath>;

TEST_P(SavePaths, EveryFailureCrashOrRefusingFolderLeavesEachFileOldOrNewAndIsTold)
{
    const SavePath& path = GetParam();
    const auto [before, after, calls] = RunWithoutFaults(path, Fault::NoSpace);
    const std::size_t crashPoints = std::get<2>(RunWithoutFaults(path, Fault::Crash));
    std::string told; // what each input/output error, once or from then on, said word for word
    // Each of the first four faults at each call, once and from then on; then each crash point.
    for (std::size_t run = 0; run < 8 * calls + crashPoints; ++run) {
        const bool crash = run >= 8 * calls, persistent = run % 8 >= 4;
        const std::size_t call = crash ? run - 8 * calls + 1 : run / 8 + 1;
        const Fault fault = crash ? Fault::Crash : Fault(run % 4);
        SCOPED_TRACE(std::to_string(call) + " fault " + std::to_string(int(fault)) + " " +
                     (persistent ? "from then on" : "once"));
        Workspace w;
        path.Prepare(w);
        if (fault == Fault::Crash) {
            const auto crashing = [&] { return FaultyFileSystem(call, fault), path.Save(w), 0; };
            ASSERT_EQ(InChild(crashing), FaultyFileSystem::kCrashed) << "no crash at its point";
        } else {
            FaultyFileSystem faulty(call, fault, persistent);
            path.Save(w);
            if (!faulty.Fired())
                continue;
            const Files now = Snapshot(w.folder.Path(), path);
            // Files may disagree only when the user is told the next start puts them right.
            const bool deferred = Told(w.ui, "next starts");
            EXPECT_TRUE(OldOrNew(path, now, before, after) || deferred);
            EXPECT_TRUE(now == after || (Told(w.ui, "") && !Told(w.ui, "", false)));
            EXPECT_TRUE(now == before || !Told(w.ui, "not changed"));
            // Nor is what was told as not changed taken in at the next start.
            EXPECT_FALSE(Told(w.ui, "not changed") && w.folder.Exists("category.new"));
            EXPECT_TRUE(TwinsIn(w.folder.Path()) == 0 || faulty.RemovalRefused() || deferred);
            if (fault == Fault::InputOutput)
                told += "call " + std::to_string(call) + (persistent ? " on" : " once") + ":\n" +
                        TakeTranscript(w.ui, w.folder.Path());
        }
        EXPECT_EQ(StartAgain(w.folder), 0u) << "a question at the next start";
        EXPECT_TRUE(OldOrNew(path, Snapshot(w.folder.Path(), path), before, after));
        EXPECT_EQ(TwinsIn(w.folder.Path()), 0);
        EXPECT_FALSE(crash && w.folder.Exists("category.new")) << "new categories left for good";
    }
    ExpectGolden(told, "platform/" + std::string(path.Name) + ".txt");
    for (const Hostile hostile : {FullDisk, ReadOnlyFolder, ReadOnlyFiles, FolderIsAFile}) {
        if (hostile == ReadOnlyFiles &&
            std::ranges::any_of(before, [](auto& f) { return !f.second; }))
            continue; // a new file may be made beside read-only ones
        Workspace w;
        const fs::path moved = w.folder.Path().native() + ".moved";
        // Named in the capture, as clang 14 does not capture structured bindings.
        const int code = InChild([&, &before = before, &after = after] {
            const bool smallDisk =
                hostile == FullDisk && OwnMounts() &&
                !::mount("tmpfs", w.folder.Path().c_str(), "tmpfs", 0, "size=256k");
            path.Prepare(w);
            const int refused = Refuse(hostile, w.folder.Path(), smallDisk);
            if (refused == 0)
                return 77;
            path.Save(w);
            const Files now = Snapshot(fs::exists(moved) ? moved : w.folder.Path(), path);
            if (fs::exists(moved))
                fs::remove(w.folder.Path()), fs::rename(moved, w.folder.Path());
            // A record appended into the disk's last free bytes is a save done.
            if ((refused == ENOSPC && now == after && !Told(w.ui, "")) ||
                (now == before && Told(w.ui, std::strerror(refused)) && !Told(w.ui, "", false)))
                return 0;
            std::cerr << "not refused with \"" << std::strerror(refused) << "\"\n";
            return 1;
        });
        if (code == 77)
            std::cout << "[ SKIPPED  ] " << kHostileNames[hostile] << ": the machine refuses it "
                      << "a mount namespace, a file size limit and dropping root's privileges\n";
        EXPECT_TRUE(code == 0 || code == 77) << kHostileNames[hostile];
    }
}

INSTANTIATE_TEST_SUITE_P(Saves, SavePaths, ::testing::ValuesIn(kSavePaths),
                         [](const auto& info) { return std::string(info.param.Name); });

// Leftovers of a stopped run in every combination of: a twin (1), the items replaced with the
// categories still waiting (2), new catalogue files (4, 8), a recipe's ingredient file moved
// and its text not yet (16), over a catalogue merged (32) or not; beside names like a twin's
// that are not. The next start makes the catalogue and the recipe whole, asks only while a
// merge is to be done, removes twins and nothing else.
TEST(StartUp, LeftoversOfAStoppedRunInEveryCombinationAreTidiedUp)
{
    const std::string merged = Items({{"Dairy", "Milk"}, {"Bakery", "Bread"}});
    std::string told;
    for (int bits = 0; bits < 64; ++bits) {
        TestFolder f;
        for (const char* name : {".pantrix.lock", ".px31.cfg.a8Bz0", ".px31.cfg.a8-z0Q", "..abcdef",
                                 "Soup.rcp.abcdef"})
            f.Write(name, "x");
        f.Write("category.lst",
                bits & 32 ? Categories({"Dairy", "Bakery"}) : Categories({"Dairy"}));
        f.Write("std_item.lst", bits & 32 ? merged : Items({{"Dairy", "Milk"}}));
        f.Write(bits & 16 ? "Stew.rcp" : "Soup.rcp", "Dairy Milk\r\n");
        f.Write("Soup.txt", "Boil\r\n");
        if (bits & 1)
            f.Write(".px31.cfg.Ab12Cd", "twin");
        if (bits & 2) {
            f.Write(".std_item.lst.backup", f.Read("std_item.lst"));
            f.Write(".std_item.lst.commit", Categories({"Half"}));
            f.Write("std_item.lst", Items({{"Half", "Way"}}));
        }
        if (bits & 4)
            f.Write("category.new", Categories({"Dairy", "Bakery"}));
        if (bits & 8)
            f.Write("std_item.new", merged);
        if (bits & 16) // the names moving, each old name before its new one
            f.Write(".pantrix.moving", std::string("Soup.rcp\0Stew.rcp\0Soup.txt\0Stew.txt\0", 36));
        const std::size_t asked = StartAgain(f); // before the listing
        told += "## leftovers " + std::to_string(bits) + "\nquestions " + std::to_string(asked) +
                "\n" + Listing(f.Path());
    }
    ExpectGolden(told, "platform/leftovers.txt");
}

// A replaced file keeps its mode, a new one follows the mask, a folder without locks opens,
// and a lock that fails otherwise is told.
TEST(Files, AReplacedFileKeepsItsModeANewOneFollowsTheMaskNoLocksAreNoBarAFailedLockIsTold)
{
    TestFolder folder;
    for (const char* name : {"a", "b"})
        folder.Write(name, "old"), fs::permissions(folder.File(name), fs::perms(0604));
    const mode_t mask = ::umask(027);
    EXPECT_TRUE(ReplaceFile(folder.File("a"), "new") && ReplaceFile(folder.File("c"), "new") &&
                ReplaceFilesTogether(folder.File("a"), "1", folder.File("b"), "2"));
    ::umask(mask);
    for (const auto& [name, mode] : {std::pair{"a", 0604}, {"b", 0604}, {"c", 0640}})
        EXPECT_EQ(fs::status(folder.File(name)).permissions(), fs::perms(mode)) << name;
    FaultyFileSystem noLocks(1, Fault::NoLocks, true);
    EXPECT_TRUE(InstanceLock::Take(folder.Path()));
    FaultyFileSystem broken(1, Fault::InputOutput);
    EXPECT_EQ(Portable(InstanceLock::Take(folder.Path()).status().error(), folder.Path()),
              "Could not lock \"DATA/.pantrix.lock\": Input/output error");
}

} // namespace
} // namespace pantrix
