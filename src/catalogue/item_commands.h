// "New Item", "Edit Item", "Delete Item", and the item edit frame's "Change Name",
// "Delete", "Cancel" and the move by double-clicking a category.
#pragma once

namespace pantrix {

class Ui;
struct MainScreenState;

// Adds the typed item to the current category unless it is there already.
void NewItem(MainScreenState& s, Ui& ui);

// Opens the edit frame on the selected line item; nothing when none is selected.
void EditItem(MainScreenState& s);

// Renames the first record of the edited item in the current category.
void ChangeItemName(MainScreenState& s, Ui& ui);

// With the edit frame open, files the first record of the edited item's name
// under the category just double-clicked.
void MoveItem(MainScreenState& s, Ui& ui);

// After the confirmation, removes every record of the current category with the
// name of the item clicked last.
void DeleteItem(MainScreenState& s, Ui& ui);

// The frame's "Delete": Delete Item, then the frame closes whatever the answer.
void DeleteEditedItem(MainScreenState& s, Ui& ui);

void CancelItemEdit(MainScreenState& s);

} // namespace pantrix
