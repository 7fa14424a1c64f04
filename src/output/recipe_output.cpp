#include "output/recipe_output.h"

#include "output/list_output.h"
#include "output/output_dialogue.h"
#include "output/simple_print.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "recipes/recipe_commands.h"
#include "state/main_screen_state.h"
#include "text/cp1252.h"
#include "text/fields.h"

namespace pantrix {
namespace {

bool RecipeIsOpen(const MainScreenState& s, Ui& ui, const char* nothingToDo)
{
    if (!Trim(s.Recipes.CurrentRecipe).empty())
        return true;
    ui.ShowMessage(Information(nothingToDo, "Nothing to do!"));
    return false;
}

// The recipe's lines, a page at a time; false when the printer failed, which
// the user has then been told of as with the shopping list. The pointer is busy
// only while lines are sent, so no message or question shows under it.
bool PrintRecipeText(const MainScreenState& s, Ui& ui)
{
    const bool large = s.Options.LargePrint;
    const int limit = s.Settings.PageLengthOffset + (large ? 53 : 63);
    Status printed = Status::Ok();
    {
        BusyPointer busy(ui);
        printed = SimplePrint(ui, s.Recipes.EditorText, 2, 5, large ? 60 : 70, limit);
    }
    if (!printed)
        ShowPrinterError(ui);
    return printed.ok();
}

} // namespace

void PrintRecipe(MainScreenState& s, Ui& ui)
{
    if (!RecipeIsOpen(s, ui, "Please select a recipe to print."))
        return;
    const MessageAnswer answer = ui.ShowMessage(
        {s.Recipes.CurrentRecipe + "\r\n\r\n...do you want to print your shopping list too?",
         "Ready to print recipe...", MessageIcon::Question, MessageButtons::YesNoCancel,
         MessageAnswer::No});
    if (answer == MessageAnswer::Cancel)
        return;
    if (Status ready =
            ui.PrinterSetFont("Courier New", s.Options.LargePrint ? 12 : 10, s.Options.BoldFonts);
        !ready)
        return ShowFailure(ui, ready);
    // The list is a print run of its own, with its own question and pointer.
    if (PrintRecipeText(s, ui) && answer == MessageAnswer::Yes)
        PrintTempList(s, ui);
}

void CopyRecipeNotesToClipboard(MainScreenState& s, Ui& ui)
{
    if (!RecipeIsOpen(s, ui, "Please select a recipe..."))
        return;
    // The clipboard is to hold what the box shows, so changed text is saved first.
    if (!ConfirmClipboardCopy(ui, s.Recipes.CurrentRecipe, "Copy recipe to clipboard") ||
        !SaveChangedRecipeText(s, ui))
        return;
    // A recipe whose text file went missing copies as an empty text, and the
    // file is made again, as opening the recipe would.
    const Result<std::string> text =
        ReadOrCreateFile(fs::path(s.Recipes.CurrentBase.native() + ".txt"));
    if (!text)
        return ShowFailure(ui, text.status());
    ui.ClipboardSetText(ToUtf8(text.value()));
}

} // namespace pantrix
