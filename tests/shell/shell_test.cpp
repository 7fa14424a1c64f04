// The program around the commands: start-up and closing, options, the data folder
// and its lock, the command line, the window's layout, the browser and the help.
#include "catalogue/catalogue_view.h"
#include "catalogue/import_export.h"
#include "settings/settings_file.h"
#include "shell/browser.h"
#include "shell/command_line.h"
#include "shell/data_folder.h"
#include "shell/form_resize.h"
#include "shell/help_commands.h"
#include "shell/instance_lock.h"
#include "shell/options.h"
#include "shell/start_up.h"
#include "support/data_folder.h"
#include "support/golden.h"
#include "support/transcript.h"

#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>

namespace pantrix {
namespace {

using namespace testing;
using namespace std::string_literals;
constexpr MessageAnswer Yes = MessageAnswer::Yes, No = MessageAnswer::No;
const fs::path kInstalled = PANTRIX_SOURCE_DATA;

// The program's own start-up steps, in their order.
void StartUp(MainScreenState& s, Ui& ui)
{
    LoadSettings(s, ui);
    SetHost(s);
    MergeDeliveredCatalogue(s, ui);
    FinishStartUp(s, ui);
}

// A started program whose scratch document goes to this test's own temporary
// folder, and is gone after every command. Its story is held in the golden file
// under tests/data/shell.
class Shell : public ::testing::Test, protected Workspace
{
protected:
    void SetUp() override
    {
        if (const char* tmp = std::getenv("TMPDIR"))
            m_tmp = tmp;
        ::setenv("TMPDIR", folder.Path().c_str(), 1);
        StartUp(s, ui);
        s.Window = {450, 300, 8715, 6465};
    }
    void TearDown() override
    {
        m_tmp ? ::setenv("TMPDIR", m_tmp->c_str(), 1) : ::unsetenv("TMPDIR");
        EXPECT_FALSE(folder.Exists("junk.HTM"));
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        ExpectGolden(m_story, "shell/" + std::string(test->name()) + ".txt");
    }
    // Runs the command with the user's answers and tells the step: what was shown
    // and asked, the Options check marks, and the flags, window and font stored.
    void Run(std::string_view what, const std::function<void(MainScreenState&, Ui&)>& command,
             std::vector<MessageAnswer> answers = {})
    {
        for (const MessageAnswer answer : answers)
            ui.AnswerMessage(answer);
        command(s, ui);
        const OptionsChecks& o = s.Options;
        m_story += "## " + std::string(what) + "\n" + TakeTranscript(ui, folder.Path()) +
                   "checks:" + (o.ToolTips ? " tips" : "") + (s.ToolTipsCleared ? " (gone)" : "") +
                   (o.PrintTwoColumns ? " two-columns" : "") + (o.BoldFonts ? " bold" : "") +
                   (o.ShowToolbar ? " toolbar" : "") + (o.LargePrint ? " large-print" : "") + "\n";
        if (fs::is_regular_file(folder.File("px31.cfg"))) {
            const std::string stored = folder.Read("px31.cfg");
            m_story += "stored: " + stored.substr(150, 6) + " [" + stored.substr(164, 20) + "] " +
                       stored.substr(234, 7) + "\n";
        }
    }
    std::optional<std::string> m_tmp;
    std::string m_story;
};

TEST(StartUp, AFirstRunWritesTheDefaultsAndStartsInTheItemViewWithNothingPicked)
{
    Workspace w;
    w.s.Catalogue.CatEdit = w.s.Catalogue.StdEdit = "stale";
    StartUp(w.s, w.ui);
    EXPECT_EQ(w.folder.Read("px31.cfg"), EncodeSettings(DefaultSettings(w.s.DataPath)));
    EXPECT_EQ(StoredWindowGeometry(w.s.Settings), (Rect{1, 1, 8715, 6465}));
    EXPECT_EQ(w.s.Caption, "Quillfield presents - Pantrix! 3.1");
    EXPECT_TRUE(w.s.Catalogue.CatList.empty() && w.ui.Messages.empty() && !w.s.RecipeCommandsOn);
    EXPECT_EQ(w.s.Catalogue.CatEdit + w.s.Catalogue.StdEdit, "");
    EXPECT_EQ(w.s.CurrentView, View::Items);
    SettingsRecord garbage = DefaultSettings("/");
    garbage.WindowTop = "abc";
    garbage.WindowLeft = "-90";
    garbage.WindowHeight = "xyz";
    garbage.WindowWidth = "-5";
    EXPECT_EQ(StoredWindowGeometry(garbage), (Rect{-90, 0, 8715, 6465}));
}

// Taken in as it is, the starter catalogue exports as itself: no blank line, no
// name cut or padded, each category once.
TEST(StartUp, TheStarterCatalogueArrivesOnceWithoutAQuestion)
{
    Workspace w;
    ASSERT_TRUE(DeliverStarterCatalogue(kInstalled, w.folder.Path()));
    StartUp(w.s, w.ui);
    EXPECT_FALSE(w.folder.Exists("std_item.new"));
    EXPECT_GE(w.s.Catalogue.CatList.size(), 12u);
    EXPECT_GE(w.folder.Read("std_item.lst").size(), 120u * 60);
    w.ui.AnswerMessage(MessageAnswer::Yes);
    ExportCatalogue(w.s, w.ui);
    EXPECT_EQ(w.folder.Read("export.txt"),
              ReadWholeFile(kInstalled / kStarterCatalogueFile).value());
    EXPECT_EQ(w.ui.Messages.size(), 2u); // the export's own
    // Any catalogue file, old or new, keeps the starter catalogue away.
    for (const auto name : {"category.lst", "std_item.lst", "std_item.new", "category.new"}) {
        TestFolder used;
        used.Write(name, "");
        ASSERT_TRUE(DeliverStarterCatalogue(kInstalled, used.Path()));
        EXPECT_EQ(Listing(used.Path(), false), name + "\n"s);
    }
    // Without its installed files the program says so and delivers nothing.
    TestFolder empty;
    const Status missing = DeliverStarterCatalogue(empty.Path() / "none", empty.Path());
    EXPECT_NE(missing.error().find("starter_catalogue.txt\" is missing"), std::string::npos);
    EXPECT_EQ(Listing(empty.Path(), false), "");
}

TEST(StartUp, EachOptionFollowsYAndNAndOtherwiseStaysAsDesigned)
{
    const std::tuple<std::string SettingsRecord::*, bool OptionsChecks::*, bool> options[] = {
        {&SettingsRecord::ToolTips, &OptionsChecks::ToolTips, true},
        {&SettingsRecord::PrintTwoColumns, &OptionsChecks::PrintTwoColumns, false},
        {&SettingsRecord::BoldFonts, &OptionsChecks::BoldFonts, true},
        {&SettingsRecord::ShowToolbar, &OptionsChecks::ShowToolbar, true},
        {&SettingsRecord::LargePrint, &OptionsChecks::LargePrint, true}};
    for (const auto& [flag, check, designed] : options)
        for (const std::string& value : {"Y"s, "N"s, "?"s, "n"s, "y"s, "\0"s}) {
            SCOPED_TRACE(std::to_string(designed) + " " + value);
            Workspace w;
            SettingsRecord settings = DefaultSettings("/");
            settings.*flag = value;
            w.folder.Write("px31.cfg", EncodeSettings(settings));
            StartUp(w.s, w.ui);
            EXPECT_EQ(w.s.Options.*check, value == "Y" || (value != "N" && designed));
            EXPECT_EQ(w.s.ToolTipsCleared, flag == &SettingsRecord::ToolTips && value == "N");
        }
}

TEST_F(Shell, ClosingStoresTheSettingsAndTheSessionEndEverythingWithoutAQuestion)
{
    s.Window = {-20, -12345, 9000, 100000}; // five digits keep the sign and four of them
    s.Recipes.EditorText = "Boil.";
    s.Recipes.RecipeChanged = true; // typed with no recipe open
    Run("closing kept open", [](auto& s, Ui& ui) { EXPECT_FALSE(CloseMainScreen(s, ui)); }, {No});
    Run("exit", [](auto& s, Ui& ui) { EXPECT_TRUE(ExitProgram(s, ui)); }, {Yes});
    s.Window = {15, 30, 9000, 7005};
    s.List.Entries = {{"Milk", true}};
    s.Recipes = {{}, {}, "Soup", folder.Path() / "Soup", true, "Boil.", true};
    Run("session end", [](auto& s, Ui&) { EXPECT_TRUE(EndSession(s).empty()); });
    EXPECT_EQ(folder.Read("My Pantrix.pxl") + folder.Read("Soup.txt"), "*Milk\r\nBoil.\r\n");
    s.List.ReadFailed = true;
    EXPECT_EQ(EndSession(s).size(), 1u);
}

TEST_F(Shell, OptionsAreStoredAtOnceTheRereadingOnesWithNothingElse)
{
    Run("tool tips off: gone at once", ToggleToolTips);
    Run("tool tips on: back at the next start", ToggleToolTips);
    s.Settings.PageFontName = "Verdana"; // given up by the rereading ones
    Run("large print", ToggleLargePrint);
    Run("two columns", TogglePrintTwoColumns);
    s.Settings.PageFontName = "Verdana";
    Run("bold fonts", ToggleBoldFonts);
    Run("no toolbar", ToggleShowToolbar);
    fs::remove(folder.File("px31.cfg"));
    fs::create_directory(folder.File("px31.cfg"));
    Run("bold fonts not stored", ToggleBoldFonts);
    Run("large print not stored", ToggleLargePrint);
}

TEST_F(Shell, TheBrowserGetsTheAddressUnchangedAndTheHelpViewerItsEightArguments)
{
    const auto browse = [](std::string address) {
        return [address](auto& s, Ui& ui) { RunBrowser(s, ui, address); };
    };
    Run("no browser", browse("/home/ann/My Pages/soup.htm"));
    EXPECT_EQ(ui.LookedUp, std::vector<std::optional<std::string>>{"\"<HTML> <\\HTML>\"\r\n"});
    ui.SetDocumentProgram("/usr/bin/firefox");
    Run("a page", browse("/home/ann/My Pages/Soup.htm"));
    s.ProgramFolder = "/opt/pantrix/bin";
    Run("help contents", ShowHelpContents);
    Run("help topic", [](auto& s, Ui& ui) { ShowHelpTopic(s, ui, "Making Web Pages"); });
    s.HostWebAddress = "http://host.example/";
    Run("host site, not online", VisitHostWebsite, {No});
    Run("host site", VisitHostWebsite, {Yes});
    Run("maker's site", VisitMakerWebsite);
    ui.FailProgramStarts();
    Run("a page outside the code page, failing",
        [](auto& s, Ui& ui) { RunBrowser(s, ui, fs::path("/home/ann/\xFF\xFE Pages/soup.htm")); });
}

TEST(DataFolder, IsNamedWithOneSeparatorCreatedWhenMissingAndRefusedWhenAFile)
{
    EXPECT_EQ(DataPathText("/home/ann/pantrix") + DataPathText("/home/ann/pantrix/") +
                  DataPathText("/") + DataPathText("/home/j\xC3\xB3zef"),
              "/home/ann/pantrix//home/ann/pantrix///home/j\xF3zef/");
    TestFolder folder;
    ASSERT_TRUE(PrepareDataFolder(folder.File("a/b/pantrix")));
    EXPECT_TRUE(fs::is_directory(folder.File("a/b/pantrix")));
    folder.Write("notes.txt", "mine");
    for (const fs::path& bad : {folder.File("notes.txt"), folder.File("notes.txt/pantrix")}) {
        const Status ready = PrepareDataFolder(bad);
        ASSERT_FALSE(ready);
        EXPECT_NE(ready.error().find(bad.string()), std::string::npos) << ready.error();
    }
    EXPECT_EQ(folder.Read("notes.txt"), "mine");
    // Installed files fill the gaps, keep the user's graphics and update the help.
    fs::create_directories(folder.File("graphics"));
    fs::create_directories(folder.File("px_help"));
    folder.Write("graphics/topsample.gif", "my own banner");
    folder.Write("px_help/help.htm", "an older guide");
    ASSERT_TRUE(InstallDataFiles(kInstalled, folder.Path()));
    EXPECT_EQ(folder.Read("graphics/topsample.gif"), "my own banner");
    for (const auto name : {"graphics/backsample.gif", "graphics/sidesample.gif", "gofore.jpg"})
        EXPECT_TRUE(folder.Exists(name)) << name;
    EXPECT_EQ(folder.Read("px_help/help.htm"),
              ReadWholeFile(kInstalled / "px_help/help.htm").value());
}

// That a second Pantrix is refused is a test of its own among the file tests.
TEST(DataFolder, TheLockIsHeldUntilItEndsHoweverTheFolderIsNamedAndNamesItsFailure)
{
    TestFolder folder;
    {
        auto first = InstanceLock::Take(folder.Path());
        ASSERT_TRUE(first);
        EXPECT_FALSE(InstanceLock::Take(folder.Path() / "."));
    }
    EXPECT_TRUE(InstanceLock::Take(folder.Path()));
    fs::create_directories(folder.File("a/.pantrix.lock"));
    auto lock = InstanceLock::Take(folder.File("a"));
    ASSERT_FALSE(lock);
    EXPECT_NE(lock.error().find(".pantrix.lock\": Is a directory"), std::string::npos);
}

TEST(DataDirArgument, TakesTheLastValueByteForByteInEitherForm)
{
    using Line = std::vector<const char*>;
    const std::pair<Line, std::optional<std::string>> cases[] = {
        {{"pantrix"}, std::nullopt},
        {{"pantrix", "--data-dir", "/srv/\xff\xfe"}, "/srv/\xff\xfe"},
        {{"pantrix", "--data-dir=/srv/\xff\xfe data"}, "/srv/\xff\xfe data"},
        {{"pantrix", "--data-dir=a", "--print-to-pdf", "x", "--data-dir", "b"}, "b"},
        {{"pantrix", "--data-dir", "--data-dir=c"}, "--data-dir=c"},
        {{"pantrix", "--data-dir"}, std::nullopt},
        {{"pantrix", "--data-directory", "d", "--", "--data-dir=e"}, std::nullopt}};
    for (const auto& [line, value] : cases)
        EXPECT_EQ(DataDirArgument(static_cast<int>(line.size()), line.data()), value)
            << line.back();
}

TEST(Form_Resize, LaysOutTheListsInTheHeightLeftByTheToolbarAndTheStatusBar)
{
    WindowMeasures m;
    m.OuterHeight = 5001;
    m.ClientWidth = 8600;
    m.ClientHeight = 4401;
    m.ToolbarHeight = 600;
    m.StatusBarHeight = 300;
    WindowLayout layout;
    Form_Resize(m, layout); // 4401 - 600 - 300 = 3501 twips for the lists
    EXPECT_EQ(layout.StdList, (Rect{0, 600, 3735, 1750}));
    EXPECT_EQ(layout.CatList, (Rect{0, 2350, 3735, 1750}));
    EXPECT_EQ(layout.TmpList, (Rect{3720, 600, 4865, 3501}));
    EXPECT_EQ(layout.EditorBox, (Rect{0, 2350, 8600, 1750}));
    EXPECT_EQ(layout.MoveBox, layout.StdList);
    EXPECT_EQ(layout.MacroFrame, layout.StdList);
    EXPECT_EQ(layout.File1.Height + layout.File1.Top, 1750);
    EXPECT_EQ(layout.File1.Width, 3735);
    m.ToolbarShown = false;
    m.RecipeView = true; // Today's List at half height
    Form_Resize(m, layout);
    EXPECT_EQ(layout.StdList, (Rect{0, 0, 3735, 2050}));
    EXPECT_EQ(layout.TmpList, (Rect{3720, 0, 4865, 2050}));
    const WindowLayout before = layout;
    m.OuterHeight = 5000;
    m.RecipeView = false;
    Form_Resize(m, layout);
    EXPECT_EQ(layout, before);
}

} // namespace
} // namespace pantrix
