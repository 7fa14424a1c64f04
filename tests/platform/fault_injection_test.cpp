// Every save the program makes, run with each file-system call failing in turn,
// with the process ending at each call, and in folders that refuse it: each file
// ends as its old or its complete new version, at once or after the next start;
// a failure is reported whenever the new version is not in place, and no twin
// is left behind.
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
#include "shell/start_up.h"
#include "support/data_folder.h"
#include "support/faulty_file_system.h"
#include "web/web_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <fstream>
#include <functional>
#include <iostream>
#include <linux/capability.h>
#include <map>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>

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

// Answers the scripted questions, then runs the command.
Step Answering(std::vector<MessageAnswer> answers, std::vector<std::string> inputs,
               void (*command)(MainScreenState&, Ui&))
{
    return [=](Workspace& w) {
        for (const MessageAnswer answer : answers)
            w.ui.AnswerMessage(answer);
        for (const std::string& input : inputs)
            w.ui.AnswerInput(input);
        command(w.s, w.ui);
    };
}

const MessageAnswer Yes = MessageAnswer::Yes;

void Settings(Workspace& w)
{
    w.s.Settings = DefaultSettings("/data/"); // the same bytes in every fresh folder
    ASSERT_TRUE(StoreSettings(w.s));
}

void ListFile(Workspace& w)
{
    w.folder.Write("My Pantrix.pxl", "milk\r\n");
    w.s.List.File = w.folder.File("My Pantrix.pxl");
}

const std::vector<std::string> kPair = {"category.lst", "std_item.lst"};

// clang-format off
const std::vector<SavePath> kSavePaths = {
    {"settings", {"px31.cfg"}, Settings, Answering({}, {}, PrintLongerPage)},
    {"category append", {"category.lst"}, Catalogue, Answering({}, {"Bakery"}, NewCategory)},
    {"category rewrite", {"category.lst"}, Catalogue, Answering({Yes, Yes}, {}, DeleteCategory)},
    {"item append", {"std_item.lst"}, Catalogue, Answering({}, {"Cream"}, NewItem)},
    {"rename category", kPair, Catalogue, Answering({}, {"Milky"}, EditCategory), true},
    {"import", kPair, Catalogue, Answering({Yes}, {}, ImportCatalogue), true},
    {"export", {"export.txt"}, Catalogue, Answering({Yes}, {}, ExportCatalogue)},
    {"list file", {"My Pantrix.pxl"}, ListFile, [](Workspace& w) {
         w.s.List.Entries = {{"milk", false}, {"bread", true}};
         Report(w, WriteListFile(w.s)); }},
    {"recipe text", {"Soup.txt"}, OpenSoup, [](Workspace& w) {
         EditRecipeText(w.s, "Boil\r\nServe\r\n");
         SaveChangedRecipeText(w.s, w.ui); }},
    {"ingredient file", {"Soup.rcp"}, OpenSoup, [](Workspace& w) {
         w.s.List.Entries = {{"Dairy\xB0 Butter", false}};
         Report(w, SaveMac(w.s, w.folder.File("Soup"))); }},
    {"new files", {"category.new", "std_item.new"}, [](Workspace&) {}, [](Workspace& w) {
         Report(w, DeliverStarterCatalogue(PANTRIX_SOURCE_DATA, w.folder.Path())); }, true},
    {"rename recipe", {"Soup.rcp", "Soup.txt", "Stew.rcp", "Stew.txt"}, OpenSoup,
     Answering({}, {"Stew"}, RenameRecipe), true},
    {"web page", {"soup.htm"}, OpenSoup, [](Workspace& w) {
         w.ui.SetDocumentProgram("/usr/bin/browser");
         w.ui.AnswerFile(ChosenFile{w.folder.File("soup.htm"), "soup.htm"});
         MakeSingleWebPage(w.s, w.ui); }},
};
// clang-format on

Files Snapshot(const fs::path& folder, const SavePath& path)
{
    Files files;
    for (const std::string& name : path.Watched) {
        std::ifstream in(folder / name, std::ios::binary);
        files[name] =
            in ? std::optional(std::string(std::istreambuf_iterator<char>(in), {})) : std::nullopt;
    }
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
    return std::ranges::all_of(now, [&](const auto& file) {
        return file.second == before.at(file.first) || file.second == after.at(file.first);
    });
}

// Whoever starts Pantrix again answers each question with its default button.
class EnterPressingUi : public FakeUi
{
public:
    MessageAnswer ShowMessage(const Message& message) override
    {
        Messages.push_back(message);
        return message.DefaultButton;
    }
};

// The program's own steps at the next start, in its order; the questions asked.
std::size_t StartAgain(const TestFolder& folder)
{
    FaultyFileSystem counting; // without syncs, which only a power cut needs
    RemoveStaleTwins(folder.Path());
    (void)DeliverStarterCatalogue(PANTRIX_SOURCE_DATA, folder.Path());
    MainScreenState s = folder.State();
    EnterPressingUi ui;
    MergeDeliveredCatalogue(s, ui);
    return ui.Messages.size();
}

// The file-system calls of a save without faults, with the files before and after.
struct Reference
{
    Files Before, After;
    std::size_t Calls = 0;
};

Reference RunWithoutFaults(const SavePath& path, Fault counting)
{
    Workspace w;
    path.Prepare(w);
    Reference reference{Snapshot(w.folder.Path(), path), {}, 0};
    {
        FaultyFileSystem counter(0, counting);
        path.Save(w);
        reference.Calls = counter.Calls();
    }
    reference.After = Snapshot(w.folder.Path(), path);
    EXPECT_NE(reference.Before, reference.After) << "the save changed nothing";
    return reference;
}

// Runs `body` in a child process and returns its exit code and what it said:
// nothing when every promise held.
std::pair<int, std::string> InChild(const std::function<std::string()>& body)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return {-1, "no pipe"};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        const std::string said = body();
        (void)!::write(channel[1], said.data(), said.size());
        ::_exit(said.empty() ? 0 : 1);
    }
    ::close(channel[1]);
    std::string said;
    char buffer[512];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        said.append(buffer, static_cast<std::size_t>(got));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, said};
}

void PrintTo(const SavePath& path, std::ostream* out)
{
    *out << path.Name;
}

class SavePaths : public ::testing::TestWithParam<SavePath>
{
};

// Each call failing in turn with each fault, once and from then on, and the
// process ending at each call.
TEST_P(SavePaths, EveryFailureOrCrashLeavesEachFileOldOrNewAndIsTold)
{
    const SavePath& path = GetParam();
    const Reference reference = RunWithoutFaults(path, Fault::NoSpace);
    std::vector<std::tuple<std::size_t, Fault, bool>> runs;
    for (std::size_t call = 1; call <= reference.Calls; ++call)
        for (const Fault fault :
             {Fault::NoSpace, Fault::InputOutput, Fault::Denied, Fault::ShortWrite})
            for (const bool persistent : {false, true})
                runs.emplace_back(call, fault, persistent);
    const std::size_t crashPoints = RunWithoutFaults(path, Fault::Crash).Calls;
    for (std::size_t point = 1; point <= crashPoints; ++point)
        runs.emplace_back(point, Fault::Crash, false);
    std::size_t points = 0;
    for (const auto& [call, fault, persistent] : runs) {
        SCOPED_TRACE(std::string(path.Name) + " call " + std::to_string(call) + " fault " +
                     std::to_string(int(fault)) + (persistent ? " from then on" : " once"));
        Workspace w;
        path.Prepare(w);
        if (fault == Fault::Crash) {
            const auto [code, said] = InChild([&] {
                FaultyFileSystem crashing(call, fault);
                path.Save(w);
                return std::string("the save ended before its crash point");
            });
            ASSERT_EQ(code, FaultyFileSystem::kCrashed) << said;
        } else {
            FaultyFileSystem faulty(call, fault, persistent);
            path.Save(w);
            UseFileSystem(nullptr);
            if (!faulty.Fired())
                continue;
            const Files now = Snapshot(w.folder.Path(), path);
            // Only when even putting the first file back fails may the files
            // disagree, and then the user is told that the next start does it.
            const bool deferred = Told(w.ui, "next starts");
            EXPECT_TRUE(OldOrNew(path, now, reference.Before, reference.After) || deferred)
                << Shown(now);
            EXPECT_TRUE(now == reference.After || (Told(w.ui, "") && !Told(w.ui, "", false)));
            EXPECT_TRUE(now == reference.Before || !Told(w.ui, "not changed"));
            EXPECT_TRUE(TwinsIn(w.folder.Path()) == 0 || faulty.RemovalRefused() || deferred);
        }
        ++points;
        StartAgain(w.folder);
        const Files now = Snapshot(w.folder.Path(), path);
        EXPECT_TRUE(OldOrNew(path, now, reference.Before, reference.After)) << Shown(now);
        EXPECT_EQ(TwinsIn(w.folder.Path()), 0u);
    }
    std::cout << "[ fault points ] " << path.Name << ": " << reference.Calls << " calls, "
              << points - crashPoints << " fault points, " << crashPoints << " crash points\n";
    EXPECT_GT(points, crashPoints);
}

INSTANTIATE_TEST_SUITE_P(Saves, SavePaths, ::testing::ValuesIn(kSavePaths), [](const auto& info) {
    std::string name = info.param.Name;
    std::erase(name, ' ');
    return name;
});

bool WriteTo(const char* file, const std::string& text)
{
    return bool(std::ofstream(file) << text << std::flush);
}

// A mount namespace of the child's own: as root directly, otherwise inside a
// user namespace in which the user is root.
bool OwnMounts()
{
    const auto uid = std::to_string(::getuid()), gid = std::to_string(::getgid());
    if (::unshare(CLONE_NEWNS) != 0 &&
        (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0 || !WriteTo("/proc/self/setgroups", "deny") ||
         !WriteTo("/proc/self/uid_map", "0 " + uid + " 1") ||
         !WriteTo("/proc/self/gid_map", "0 " + gid + " 1")))
        return false;
    return ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

// Root passes over permission bits; without these it meets them as users do.
bool DropFileCapabilities()
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (::syscall(SYS_capget, &header, data) != 0)
        return false;
    for (const int capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
        for (auto* set : {&data[0].effective, &data[0].permitted})
            *set &= ~(1u << capability);
    return ::syscall(SYS_capset, &header, data) == 0;
}

enum class Hostile
{
    FullDisk,
    ReadOnlyFolder,
    ReadOnlyFiles,
    FolderIsAFile
};

// Makes the folder, its files laid down, refuse saves; answers the error number
// the saves then meet, or 0 where the machine does not allow it. A full disk is
// a small one of the child's own where it may mount one, else a file size limit.
int Refuse(Hostile hostile, const fs::path& folder, bool smallDisk)
{
    const rlimit noSize{0, 0};
    switch (hostile) {
    case Hostile::FullDisk:
        if (!smallDisk)
            return std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && !::setrlimit(RLIMIT_FSIZE, &noSize)
                       ? EFBIG
                       : 0;
        for (std::ofstream filler(folder / "filler");
             filler << std::string(4096, 'x') << std::flush;)
            ;
        return ENOSPC;
    case Hostile::ReadOnlyFolder:
        if (OwnMounts() && !::mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) &&
            !::mount(nullptr, folder.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr))
            return EROFS;
        return ::chmod(folder.c_str(), 0555) == 0 && DropFileCapabilities() ? EACCES : 0;
    case Hostile::ReadOnlyFiles:
        for (const auto& entry : fs::directory_iterator(folder))
            fs::permissions(entry.path(), fs::perms(0444));
        return ::geteuid() != 0 || DropFileCapabilities() ? EACCES : 0;
    case Hostile::FolderIsAFile:
        fs::rename(folder, folder.native() + ".moved");
        std::ofstream(folder) << "a file";
        return ENOTDIR;
    }
    return 0;
}

class HostileFolders : public ::testing::TestWithParam<Hostile>
{
};

TEST_P(HostileFolders, EverySaveRefusedTellsItsCauseAndLeavesTheOldFiles)
{
    const Hostile hostile = GetParam();
    for (const SavePath& path : kSavePaths) {
        const Files after = RunWithoutFaults(path, Fault::NoSpace).After;
        Workspace w;
        const fs::path moved = w.folder.Path().native() + ".moved";
        const auto [code, said] = InChild([&]() -> std::string {
            const bool smallDisk =
                hostile == Hostile::FullDisk && OwnMounts() &&
                !::mount("tmpfs", w.folder.Path().c_str(), "tmpfs", 0, "size=256k");
            path.Prepare(w);
            const Files before = Snapshot(w.folder.Path(), path);
            if (hostile == Hostile::ReadOnlyFiles &&
                std::ranges::any_of(before, [](const auto& f) { return !f.second.has_value(); }))
                return ""; // a new file may be made beside read-only ones
            const int refused = Refuse(hostile, w.folder.Path(), smallDisk);
            if (refused == 0)
                return "skip: this machine refuses a mount namespace of the test's own and, in "
                       "its place, a file size limit or dropping root's file capabilities";
            path.Save(w);
            const bool isFile = fs::exists(moved);
            const Files now = Snapshot(isFile ? moved : w.folder.Path(), path);
            if (isFile)
                fs::remove(w.folder.Path()), fs::rename(moved, w.folder.Path());
            // A record appended into the disk's last free bytes is a save done.
            if (refused == ENOSPC && now == after && !Told(w.ui, ""))
                return "";
            if (now != before || !Told(w.ui, std::strerror(refused)) || Told(w.ui, "", false))
                return std::string(path.Name) + ": not refused with \"" + std::strerror(refused) +
                       "\" and the old files:" + Shown(now) + "\n";
            return "";
        });
        if (said.starts_with("skip: "))
            GTEST_SKIP() << said;
        EXPECT_EQ(code, 0) << said;
    }
}

const char* const kHostileNames[] = {"FullDisk", "ReadOnlyFolder", "ReadOnlyFiles",
                                     "FolderIsAFile"};

INSTANTIATE_TEST_SUITE_P(Saves, HostileFolders,
                         ::testing::Values(Hostile::FullDisk, Hostile::ReadOnlyFolder,
                                           Hostile::ReadOnlyFiles, Hostile::FolderIsAFile),
                         [](const auto& info) { return kHostileNames[int(info.param)]; });

// Leftovers of a stopped run in every combination, over a catalogue merged or
// not: the next start leaves it whole, asks only while the merge is still to be
// done, leaves the recipe under one name, and no twin.
TEST(StartUp, LeftoversOfAStoppedRunInEveryCombinationAreTidiedUp)
{
    const std::string oldCategories = Categories({"Dairy"}), oldItems = Items({{"Dairy", "Milk"}});
    const std::string mergedCategories = oldCategories + Categories({"Bakery"});
    const std::string mergedItems = oldItems + Items({{"Bakery", "Bread"}});
    for (unsigned mask = 0; mask < 64; ++mask) {
        SCOPED_TRACE("leftovers " + std::to_string(mask));
        const bool merged = mask & 32;
        TestFolder folder;
        folder.Write("category.lst", merged ? mergedCategories : oldCategories);
        folder.Write("std_item.lst", merged ? mergedItems : oldItems);
        folder.Write("Soup.rcp", "Dairy\xB0 Milk\r\n");
        folder.Write("Soup.txt", "Boil\r\n");
        if (mask & 1)
            folder.Write(".px31.cfg.Ab12Cd", "twin");
        if (mask & 2) { // the items replaced, the categories still waiting
            fs::rename(folder.File("std_item.lst"), folder.File(".std_item.lst.backup"));
            folder.Write(".std_item.lst.commit", Categories({"Half"}));
            folder.Write("std_item.lst", Items({{"Half", "Way"}}));
        }
        if (mask & 4)
            folder.Write("category.new", mergedCategories);
        if (mask & 8)
            folder.Write("std_item.new", mergedItems);
        if (mask & 16) { // the ingredient file moved, the text not yet
            fs::rename(folder.File("Soup.rcp"), folder.File("Stew.rcp"));
            folder.Write(".pantrix.moving",
                         std::string("Soup.rcp\0Stew.rcp\0Soup.txt\0Stew.txt\0", 36));
        }
        const bool ask = (mask & 12) == 12 && !merged;
        EXPECT_EQ(StartAgain(folder), ask ? 1u : 0u);
        EXPECT_EQ(folder.Read("category.lst"), merged || ask ? mergedCategories : oldCategories);
        EXPECT_EQ(folder.Read("std_item.lst"), merged || ask ? mergedItems : oldItems);
        EXPECT_FALSE(folder.Exists("std_item.new"));
        EXPECT_TRUE(folder.Exists("Soup.rcp") && folder.Exists("Soup.txt"));
        EXPECT_FALSE(folder.Exists("Stew.rcp") || folder.Exists(".pantrix.moving"));
        EXPECT_EQ(TwinsIn(folder.Path()), 0u);
    }
}

} // namespace
} // namespace pantrix
