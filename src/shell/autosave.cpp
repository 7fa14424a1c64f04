#include "shell/autosave.h"

#include "lists/list_commands.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "recipes/recipe_commands.h"
#include "recipes/recipe_files.h"
#include "state/main_screen_state.h"
#include "text/lines.h"

#include <utility>

namespace pantrix {
namespace {

// Told once, not at every save that follows: the next one meets the same fault.
void TellOnce(Ui& ui, const Status& saved, bool& told, const std::string& title,
              const std::string& remedy)
{
    if (saved) {
        told = false;
        return;
    }
    if (std::exchange(told, true))
        return;
    ui.ShowMessage({saved.error() + kCrLf + kCrLf + remedy, title, MessageIcon::Exclamation,
                    MessageButtons::Ok, MessageAnswer::Ok});
}

bool TypedTextWithNoRecipe(const RecipeView& r)
{
    return r.CurrentBase.empty() && r.RecipeChanged && HoldsText(r.EditorText);
}

Status KeepTypedText(MainScreenState& s)
{
    AutosaveState& a = s.Autosave;
    const std::string& text = s.Recipes.EditorText;
    if (a.RecoveryKeptForLater || a.RecoveryHolds == text)
        return Status::Ok();
    Status written = ReplaceFile(s.DataFile(kRecoveryFile), text);
    if (written)
        a.RecoveryHolds = text;
    return written;
}

} // namespace

void AutosaveList(MainScreenState& s, Ui& ui)
{
    if (!ListUnsaved(s))
        return;
    TellOnce(ui, StoreListFile(s), s.Autosave.ListFailureTold, "Today's List not saved",
             "Pantrix! keeps the list as it is and tries again at its next change.");
}

void AutosaveRecipeText(MainScreenState& s, Ui& ui)
{
    TellOnce(ui, StoreRecipeText(s), s.Autosave.TextFailureTold, "Recipe text not saved",
             "The text stays in the box, and Pantrix! tries again at its next change.");
}

Status StoreRecipeText(MainScreenState& s)
{
    if (TypedTextWithNoRecipe(s.Recipes))
        return KeepTypedText(s);
    if (Status stored = StoreChangedRecipeText(s); !stored)
        return stored;
    return DropUnsavedRecipeText(s);
}

void OfferUnsavedRecipeText(MainScreenState& s, Ui& ui)
{
    const fs::path file = s.DataFile(kRecoveryFile);
    std::error_code error;
    if (!fs::exists(file, error) && !error)
        return;
    auto text = ReadWholeFile(file);
    if (!text) {
        s.Autosave.RecoveryKeptForLater = true; // what could not be read is not written over
        return ShowFailure(ui, text.status());
    }
    MessageAnswer answer = MessageAnswer::No;
    if (HoldsText(text.value()))
        answer = ui.ShowMessage(
            {"Pantrix! ended before it had saved the recipe text you typed with no recipe "
             "open." +
                 kCrLf + kCrLf +
                 "Put it back in the recipe text box? No throws it away; Cancel keeps it for "
                 "the next start.",
             "Unsaved recipe text", MessageIcon::Question, MessageButtons::YesNoCancel,
             MessageAnswer::Yes});
    switch (answer) {
    case MessageAnswer::Yes:
        s.Recipes.EditorText = text.value();
        s.Recipes.RecipeChanged = true;
        s.Autosave.RecoveryHolds = std::move(text.value());
        break;
    case MessageAnswer::No:
        if (Status removed = RemoveFile(file); !removed)
            ShowFailure(ui, removed);
        break;
    case MessageAnswer::Cancel:
    case MessageAnswer::Ok: s.Autosave.RecoveryKeptForLater = true; break;
    }
}

Status DropUnsavedRecipeText(MainScreenState& s)
{
    AutosaveState& a = s.Autosave;
    if (a.RecoveryKeptForLater || !a.RecoveryHolds)
        return Status::Ok();
    Status removed = RemoveFile(s.DataFile(kRecoveryFile));
    if (removed)
        a.RecoveryHolds.reset();
    return removed;
}

} // namespace pantrix
