// "New Category", "Edit Category" and "Delete Category".
#pragma once

namespace pantrix {

class Ui;
struct MainScreenState;

// Adds the typed name unless a category of that name exists in any letter case.
void NewCategory(MainScreenState& s, Ui& ui);

// Renames the current category and re-files its line items under the new name;
// the new name becomes the current category.
void EditCategory(MainScreenState& s, Ui& ui);

// After two confirmations, removes every record of the current category. Its
// line items stay in their file, hidden, until a category of that name returns.
void DeleteCategory(MainScreenState& s, Ui& ui);

} // namespace pantrix
