#include "shell/views.h"

#include "recipes/recipe_commands.h"

namespace pantrix {

void ShowRecipeCollection(MainScreenState& s, Ui& ui)
{
    s.CurrentView = View::Recipes;
    s.RecipeCommandsOn = true;
    RefreshRecipeList(s, ui);
}

// A text that could not be written stays in the box, marked changed, so the
// next switch or the closing of the window tries again.
void ShowItemLists(MainScreenState& s, Ui& ui)
{
    SaveChangedRecipeText(s, ui);
    s.CurrentView = View::Items;
    s.RecipeCommandsOn = false;
}

} // namespace pantrix
