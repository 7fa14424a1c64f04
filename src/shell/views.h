// The main window's two views: the catalogue with Today's List, and the recipe
// collection with the recipe text beside a shortened Today's List.
#pragma once

#include "state/main_screen_state.h"

namespace pantrix {

class Ui;

// "Show Recipe Collection": the recipe commands on, the item commands off, the
// recipe list read afresh from the data folder.
void ShowRecipeCollection(MainScreenState& s, Ui& ui);

// "Show Item Lists": the open recipe's changed text is written first; the recipe
// commands off, the item commands on.
void ShowItemLists(MainScreenState& s, Ui& ui);

} // namespace pantrix
