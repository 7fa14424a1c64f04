// Today's List and its files: reading and writing the current list file,
// switching to another one, clearing the list.
#pragma once

#include "platform/status.h"

namespace pantrix {

class Ui;
struct MainScreenState;

inline constexpr std::string_view kDefaultListFile = "My Pantrix.pxl";

// The list "My Pantrix", read from its file, as every start begins.
void OpenDefaultList(MainScreenState& s, Ui& ui);

// Replaces the current list file by the list. A list whose file could not be
// read is not written over it, so the file's entries are not lost.
Status WriteListFile(MainScreenState& s);
// The same save, leaving the current entry where it is: the one made in the
// background a moment after the list changes.
Status StoreListFile(MainScreenState& s);
// Whether the list differs from what its file was last known to hold.
bool ListUnsaved(const MainScreenState& s);

// Writes the list before the program ends. When that fails, the user is told
// and decides whether to leave anyway; returns whether to go on leaving.
bool SaveListBeforeLeaving(MainScreenState& s, Ui& ui);

// "Select / Create New List": writes the list to its file, then reads the chosen
// one. Nothing changes when the old list cannot be written.
void SelectList(MainScreenState& s, Ui& ui);

// "Clear List and Start Over": after the question, empties the list and deletes
// its file.
void ClearList(MainScreenState& s, Ui& ui);

void ClearEditBoxes(MainScreenState& s);
void RefreshListCount(MainScreenState& s);

} // namespace pantrix
