// Start-up and closing, options, the data folder and its lock, the command line, the
// window's layout, the browser and the help, as stories under tests/data/shell.
#include "catalogue/import_export.h"
#include "lists/entry_commands.h"
#include "lists/list_commands.h"
#include "recipes/recipe_commands.h"
#include "shell/autosave.h"
#include "shell/browser.h"
#include "shell/command_line.h"
#include "shell/data_folder.h"
#include "shell/form_resize.h"
#include "shell/help_commands.h"
#include "shell/instance_lock.h"
#include "shell/options.h"
#include "shell/start_up.h"
#include "support/story.h"
#include "support/transcript.h"

#include <cstdlib>

namespace pantrix {
namespace {

using namespace testing;
const fs::path kShare = PANTRIX_SOURCE_DATA; // the files installed with the program

// A program whose scratch document is gone after every command.
class Shell : public StoryTest
{
protected:
    // A step's outcome, what was told, the Options check marks, the flags, window and font stored.
    auto Shown(std::function<void(std::string)> step)
    {
        return [this, step](std::string argument) {
            step(std::move(argument));
            EXPECT_FALSE(folder.Exists("junk.HTM"));
            const OptionsChecks& o = s.Options;
            std::string shown =
                std::exchange(m_outcome, "") + TakeTranscript(ui, folder.Path()) +
                "checks:" + (o.ToolTips ? " tips" : "") + (s.ToolTipsCleared ? " (gone)" : "") +
                (o.PrintTwoColumns ? " two-columns" : "") + (o.BoldFonts ? " bold" : "") +
                (o.ShowToolbar ? " toolbar" : "") + (o.LargePrint ? " large-print" : "") + "\n";
            if (!fs::is_regular_file(folder.File("px31.cfg")))
                return shown;
            const std::string stored = folder.Read("px31.cfg");
            return shown + "stored: " + stored.substr(150, 6) + " [" + stored.substr(164, 20) +
                   "] " + stored.substr(234, 7) + "\n";
        };
    }
    auto Told(std::function<void()> command)
    {
        return [this, command](auto) { return command(), TakeTranscript(ui, folder.Path()); };
    }
    // A failure with the data folder written as "DATA/", and the files' names.
    std::string Told(const Status& status)
    {
        return (status ? std::string("done") : Portable(status.error(), folder.Path())) + "\n" +
               Listing(folder.Path(), false);
    }
    static std::string Shown(const Rect& r)
    {
        return std::to_string(r.Left) + "," + std::to_string(r.Top) + " " +
               std::to_string(r.Width) + "x" + std::to_string(r.Height) + " ";
    }
    std::string m_outcome;
    std::vector<Result<InstanceLock>> m_locks;
    WindowLayout m_layout;
};

TEST_P(Shell, Story)
{
    Steps steps = {
        {"start", Shown([&](auto) {
             LoadSettings(s, ui), SetHost(s), MergeDeliveredCatalogue(s, ui), FinishStartUp(s, ui);
             m_outcome = s.Caption + "|" + std::to_string(int(s.CurrentView)) + "|" +
                         std::to_string(s.Catalogue.CatList.size()) + "|" +
                         std::to_string(s.RecipeCommandsOn) + "|" + s.Catalogue.CatEdit +
                         s.Catalogue.StdEdit + "|" + Shown(StoredWindowGeometry(s.Settings)) + "\n";
         })},
        {"settings", Quiet([&](auto a) { // "offset|bytes" in a settings file of defaults
             std::string b = EncodeSettings(DefaultSettings("/"));
             folder.Write("px31.cfg", b.replace(std::stoul(a), Fields(a)[1].size(), Fields(a)[1]));
             s = folder.State();
         })},
        {"window", Quiet([&](auto a) {
             std::stringstream(a) >> s.Window.Left >> s.Window.Top >> s.Window.Width >>
                 s.Window.Height;
         })},
        {"unsaved", Quiet([&](auto) { // Today's List and the open recipe's text
             s.List.Entries = {{"Milk", true}},
             s.Recipes = {{}, {}, "Soup", folder.File("Soup"), true, "Boil.", true};
         })},
        {"text", Quiet([&](auto t) { s.Recipes.EditorText = t, s.Recipes.RecipeChanged = true; })},
        {"font", Quiet([&](auto name) { s.Settings.PageFontName = name; })},
        {"places",
         Quiet([&](auto a) { s.ProgramFolder = Fields(a)[0], s.HostWebAddress = Fields(a)[1]; })},
        {"list-read-failed", Quiet([&](auto) { s.List.ReadFailed = true; })},
        {"close", Shown([&](auto) { m_outcome = CloseMainScreen(s, ui) ? "closed\n" : "open\n"; })},
        {"exit", Shown([&](auto) { m_outcome = ExitProgram(s, ui) ? "ended\n" : "open\n"; })},
        {"session-end",
         Shown([&](auto) { m_outcome = std::to_string(EndSession(s).size()) + "\n"; })},
        {"same-as-installed",
         [&](auto a) {
             auto same = folder.Read(Fields(a)[0]) == ReadWholeFile(kShare / Fields(a)[1]).value();
             return a + (same ? ": same\n" : ": differs\n");
         }},
        {"starter",
         [&](auto f) {
             return Told(
                 DeliverStarterCatalogue(f.empty() ? kShare : folder.File(f), folder.Path()));
         }},
        {"install", [&](auto) { return Told(InstallDataFiles(kShare, folder.Path())); }},
        {"prepare", [&](auto path) { return Told(PrepareDataFolder(folder.File(path))); }},
        {"data-path", [&](auto path) { return DataPathText(path) + "\n"; }},
        {"lock",
         [&](auto path) {
             m_locks.push_back(InstanceLock::Take(folder.File(path)));
             return m_locks.back() ? std::string("locked\n") : Told(m_locks.back().status());
         }},
        {"release", Quiet([&](auto) { m_locks.clear(); })},
        {"start-lasting-program", // such as the browser, which may outlive us
         Quiet([&](auto) { EXPECT_EQ(std::system("sleep 2 </dev/null >/dev/null 2>&1 &"), 0); })},
        {"data-dir",
         [&](auto line) {
             const auto words = Fields(line);
             std::vector<const char*> argv(words.size());
             std::ranges::transform(words, argv.begin(), &std::string::c_str);
             return DataDirArgument(int(argv.size()), argv.data()).value_or("(none)") + "\n";
         }},
        {"resize",
         [&](auto a) {
             WindowMeasures m;
             std::stringstream(a) >> m.OuterHeight >> m.ClientWidth >> m.ClientHeight >>
                 m.ToolbarHeight >> m.StatusBarHeight >> m.ToolbarShown >> m.RecipeView;
             Form_Resize(m, m_layout);
             const WindowLayout& l = m_layout;
             return Shown(l.StdList) + Shown(l.CatList) + Shown(l.TmpList) + Shown(l.EditorBox) +
                    Shown(l.MacroFrame) + Shown(l.File1) + Shown(l.MoveBox) + "\n";
         }},
        {"browse", Shown([&](auto address) { RunBrowser(s, ui, address); })},
        {"page", Shown([&](auto page) { RunBrowser(s, ui, fs::path(page)); })},
        {"looked-up",
         [&](auto) { return OneLine(ui.LookedUp.back().value_or("(missing)")) + "\n"; }},
        {"document-program", Quiet([&](auto program) { ui.SetDocumentProgram(program); })},
        {"fail-starts", Quiet([&](auto) { ui.FailProgramStarts(); })},
        {"help-topic", Shown([&](auto topic) { ShowHelpTopic(s, ui, topic); })},
        {"ShowHelpContents", Shown([&](auto) { ShowHelpContents(s, ui); })},
        {"VisitHostWebsite", Shown([&](auto) { VisitHostWebsite(s, ui); })},
        {"VisitMakerWebsite", Shown([&](auto) { VisitMakerWebsite(s, ui); })},
        {"ExportCatalogue", Shown([&](auto) { ExportCatalogue(s, ui); })},
        {"ToggleToolTips", Shown([&](auto) { ToggleToolTips(s, ui); })},
        {"ToggleLargePrint", Shown([&](auto) { ToggleLargePrint(s, ui); })},
        {"TogglePrintTwoColumns", Shown([&](auto) { TogglePrintTwoColumns(s, ui); })},
        {"ToggleBoldFonts", Shown([&](auto) { ToggleBoldFonts(s, ui); })},
        {"ToggleShowToolbar", Shown([&](auto) { ToggleShowToolbar(s, ui); })},
        // Saves in the background, and the commands they must keep step with.
        {"restart", Quiet([&](auto) { s = folder.State(), OpenDefaultList(s, ui); })},
        {"list-file", Quiet([&](auto name) { s.List.File = folder.File(name); })},
        {"files", [&](auto) { return Listing(folder.Path(), false); }},
        {"box",
         [&](auto) {
             return OneLine(s.Recipes.EditorText) + "|" + s.Recipes.CurrentRecipe + "|" +
                    std::to_string(s.Recipes.RecipeChanged) + "\n";
         }},
        {"AddOneTimeItem", Told([&] { AddOneTimeItem(s, ui); })},
        {"ClearList", Told([&] { ClearList(s, ui); })},
        {"SelectList", Told([&] { SelectList(s, ui); })},
        {"OpenRecipe", Told([&] { RefreshRecipeList(s, ui), OpenRecipe(s, ui, 0); })},
        {"AutosaveList", Told([&] { AutosaveList(s, ui); })},
        {"AutosaveRecipeText", Told([&] { AutosaveRecipeText(s, ui); })},
        {"OfferUnsavedRecipeText", Told([&] { OfferUnsavedRecipeText(s, ui); })}};
    Tell("shell", steps);
}

INSTANTIATE_TEST_SUITE_P(Shell, Shell, Stories("shell"), kStoryName);

} // namespace
} // namespace pantrix
