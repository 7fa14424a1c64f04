// The recipe collection's commands: listing, opening, making, renaming and
// deleting recipes, keeping the open recipe's text, and moving ingredients
// between a recipe and Today's List.
#pragma once

#include "platform/files.h"
#include "platform/status.h"

#include <cstddef>
#include <string>

namespace pantrix {

class Ui;
struct MainScreenState;

// File1 from the data folder; the open recipe's entry stays selected if listed.
void RefreshRecipeList(MainScreenState& s, Ui& ui);

// A click on File1's row: the changed text of the open recipe is saved first,
// then the clicked recipe opens. Text typed while no recipe was open becomes the
// clicked recipe's text, after a question when that recipe has text of its own;
// cancelling it opens nothing and keeps the typed text.
void OpenRecipe(MainScreenState& s, Ui& ui, std::size_t row);

// "New Recipe": Today's List becomes the new recipe's ingredients and the
// recipe opens. A name that exists already opens that recipe unchanged.
void NewRecipe(MainScreenState& s, Ui& ui);

// "Re-Name a Recipe" and "Delete Recipe" act on the open recipe.
void RenameRecipe(MainScreenState& s, Ui& ui);
void DeleteRecipe(MainScreenState& s, Ui& ui);

// "Get Ingredient List" and "Save Ingredient List", after the user's consent.
void GetIngredientList(MainScreenState& s, Ui& ui);
void SaveIngredientList(MainScreenState& s, Ui& ui);

// The user changed the text box (CR LF breaks).
void EditRecipeText(MainScreenState& s, std::string text);

// The open recipe's changed text is written (view switch, closing, Exit); false
// when that failed (the user was told). With no recipe open the text stays in
// memory.
bool SaveChangedRecipeText(MainScreenState& s, Ui& ui);
// The same without telling anyone, for the end of the desktop session.
Status StoreChangedRecipeText(MainScreenState& s);

// Today's List as the ingredient file of the recipe at `base`; the list's last
// entry becomes current. A failure leaves the old file whole.
Status SaveMac(MainScreenState& s, const fs::path& base);
// Adds the ingredient lines Today's List does not hold yet, each at its sorted
// place, and shows the new count. A missing file is created empty.
void ReadMac(MainScreenState& s, Ui& ui, const fs::path& base);

} // namespace pantrix
