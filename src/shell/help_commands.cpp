#include "shell/help_commands.h"

#include "platform/ui.h"
#include "shell/browser.h"
#include "state/main_screen_state.h"
#include "text/lines.h"

namespace pantrix {
namespace {

std::string Quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

} // namespace

std::string HelpViewerArguments(const MainScreenState& s, std::string_view anchor)
{
    std::string page = s.DataPath + "px_help/help.htm";
    if (!anchor.empty())
        page += "#" + std::string(anchor);
    // The viewer offers the maker's site as its link; the two dashes leave its
    // other options as they are, and the last two give its height and width.
    return Quoted("-") + " " + Quoted(page) + " " + Quoted("Quillfield Website") + " " +
           Quoted(kMakerPage) + " " + Quoted("-") + " " + Quoted("-") + " " + Quoted("550") + " " +
           Quoted("640");
}

void ShowHelpContents(MainScreenState& s, Ui& ui)
{
    ShowHelpTopic(s, ui, "");
}

void ShowHelpTopic(MainScreenState& s, Ui& ui, std::string_view anchor)
{
    const fs::path viewer = s.ProgramFolder / std::string(kHelpViewerName);
    if (!ui.StartProgram(viewer, HelpViewerArguments(s, anchor)))
        ui.ShowMessage({"The help viewer \"" + ShownPath(viewer) + "\" could not be started.",
                        "Help Not Shown", MessageIcon::Exclamation, MessageButtons::Ok,
                        MessageAnswer::Ok});
}

void ShowAbout(MainScreenState&, Ui& ui)
{
    ui.ShowMessage(Information(
        "Pantrix! 3.1" + kCrLf + kCrLf +
            "Keeps the catalogue of what you buy, builds today's shopping list from it, and "
            "keeps your recipes with their ingredients. Prints lists and recipes, and makes web "
            "pages of your recipes." +
            kCrLf + kCrLf + "Made by " + std::string(kMakerName) + kCrLf + std::string(kMakerPage),
        "About Pantrix!"));
}

void VisitMakerWebsite(MainScreenState& s, Ui& ui)
{
    RunBrowser(s, ui, std::string(kMakerPage));
}

void VisitHostWebsite(MainScreenState& s, Ui& ui)
{
    Message question =
        Information("Please make sure your internet connection is active!" + kCrLf + "Continue?",
                    "Visit Our Website");
    question.Buttons = MessageButtons::YesNo;
    question.DefaultButton = MessageAnswer::Yes;
    if (Confirmed(ui, question))
        RunBrowser(s, ui, s.HostWebAddress);
}

} // namespace pantrix
