// The gestures that change Today's List entry by entry. They change the list in
// memory; the file follows when the list is switched or the program ends.
#pragma once

#include <cstddef>

namespace pantrix {

class Ui;
struct MainScreenState;

// Double-click or Enter on a line item: adds "category° item" unless the list
// holds it already, and makes it the current entry either way.
void AddFromCatalogue(MainScreenState& s, Ui& ui);

// "One-Time Item": a "special° " entry of the typed text, never tested for
// duplicates.
void AddOneTimeItem(MainScreenState& s, Ui& ui);

// Double-click or Delete: removes the current entry without asking.
void RemoveCurrentEntry(MainScreenState& s);

// Enter or the right mouse button: replaces the current entry by the typed text,
// unticked and at its sorted place.
void ModifyCurrentEntry(MainScreenState& s, Ui& ui);

void SelectEntry(MainScreenState& s, std::size_t row);
void SetEntryChecked(MainScreenState& s, std::size_t row, bool checked);

} // namespace pantrix
