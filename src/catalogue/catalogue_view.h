// Loading the catalogue's two lists from their files, and the clicks that pick a
// category and a line item.
#pragma once

#include "state/catalogue_state.h"

#include <cstddef>

namespace pantrix {

class Ui;
struct MainScreenState;

// Every record of "category.lst", in sorted order.
void LoadCategoryList(MainScreenState& s, Ui& ui);

// The items whose category field equals the current category byte for byte.
// With no current category, the shown items stay as they are.
void LoadItemList(MainScreenState& s, Ui& ui);

// A click on a row of the category list and of the line-item list.
void SelectCategory(MainScreenState& s, Ui& ui, std::size_t row);
void SelectItem(MainScreenState& s, std::size_t row);

} // namespace pantrix
