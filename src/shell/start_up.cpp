#include "shell/start_up.h"

#include "catalogue/catalogue_view.h"
#include "catalogue/merge.h"
#include "lists/list_commands.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "recipes/recipe_commands.h"
#include "settings/settings_file.h"
#include "shell/autosave.h"
#include "shell/data_folder.h"
#include "shell/options.h"
#include "text/fields.h"
#include "text/lines.h"
#include "text/number.h"

namespace pantrix {
namespace {

// "Y" sets a check, "N" clears it, anything else leaves it as designed.
void SetCheckFromFlag(bool& check, std::string_view flag)
{
    switch (ReadFlag(flag)) {
    case Flag::Yes: check = true; break;
    case Flag::No: check = false; break;
    case Flag::Neither: break;
    }
}

long PositiveOr(long value, long fallback)
{
    return value > 0 ? value : fallback;
}

// The open recipe's text is written on the way out too, or it would be lost
// whenever the user leaves without first switching views.
bool SaveRecipeTextBeforeLeaving(MainScreenState& s, Ui& ui)
{
    SaveChangedRecipeText(s, ui);
    const RecipeView& recipes = s.Recipes;
    if (!recipes.RecipeChanged ||
        (recipes.CurrentRecipe.empty() && Trim(recipes.EditorText).empty()))
        return true;
    return Confirmed(ui, Question("The recipe text you typed has not been saved and will be lost." +
                                      kCrLf + "Close Pantrix! anyway?",
                                  "Recipe text not saved"));
}

} // namespace

void SetDataFolder(MainScreenState& s, const fs::path& folder)
{
    s.DataFolder = folder;
    s.DataPath = DataPathText(folder);
}

void LoadSettings(MainScreenState& s, Ui& ui)
{
    LoadedSettings loaded = ReadSettingsFile(s.DataFile(kSettingsFileName), s.DataPath);
    s.Settings = std::move(loaded.Record);
    if (!loaded.Outcome)
        ShowFailure(ui, loaded.Outcome);
    if (ReadFlag(s.Settings.ToolTips) == Flag::No)
        s.ToolTipsCleared = true;
}

Rect StoredWindowGeometry(const SettingsRecord& settings)
{
    const SettingsRecord defaults = DefaultSettings("");
    const auto number = [](const std::string& field) {
        return static_cast<long>(LeadingNumber(field));
    };
    return {number(settings.WindowLeft), number(settings.WindowTop),
            PositiveOr(number(settings.WindowWidth), number(defaults.WindowWidth)),
            PositiveOr(number(settings.WindowHeight), number(defaults.WindowHeight))};
}

void SetHost(MainScreenState& s)
{
    s.Caption = s.HostName + " presents - Pantrix! 3.1";
}

void MergeDeliveredCatalogue(MainScreenState& s, Ui& ui)
{
    s.Catalogue.CatList.clear();
    RemoveStaleTwins(s.DataFolder);
    MergeNewCatalogue(s.DataFolder, ui, MergeMode::StartUp);
}

void FinishStartUp(MainScreenState& s, Ui& ui)
{
    LoadCategoryList(s, ui);
    OpenDefaultList(s, ui);
    s.Catalogue.CatEdit.clear();
    s.Catalogue.StdEdit.clear();
    SetCheckFromFlag(s.Options.ToolTips, s.Settings.ToolTips);
    SetCheckFromFlag(s.Options.PrintTwoColumns, s.Settings.PrintTwoColumns);
    SetCheckFromFlag(s.Options.BoldFonts, s.Settings.BoldFonts);
    SetCheckFromFlag(s.Options.ShowToolbar, s.Settings.ShowToolbar);
    SetCheckFromFlag(s.Options.LargePrint, s.Settings.LargePrint);
    s.RecipeCommandsOn = false;
    s.CurrentView = View::Items;
    OfferUnsavedRecipeText(s, ui);
}

bool CloseMainScreen(MainScreenState& s, Ui& ui)
{
    SaveConfig(s, ui);
    return ExitProgram(s, ui);
}

std::vector<Status> EndSession(MainScreenState& s)
{
    std::vector<Status> failures;
    for (Status stored : {StoreSettings(s), StoreRecipeText(s), WriteListFile(s)})
        if (!stored)
            failures.push_back(std::move(stored));
    return failures;
}

// Typed text the user agreed to lose is not offered again at the next start.
bool ExitProgram(MainScreenState& s, Ui& ui)
{
    if (!SaveRecipeTextBeforeLeaving(s, ui) || !SaveListBeforeLeaving(s, ui))
        return false;
    if (Status dropped = DropUnsavedRecipeText(s); !dropped)
        ShowFailure(ui, dropped);
    return true;
}

} // namespace pantrix
