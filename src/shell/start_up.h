// The program's own steps of start-up and shutdown. The window runs them in
// order around what only it can do: placing itself and showing the splash.
#pragma once

#include "platform/status.h"
#include "state/main_screen_state.h"

#include <vector>

namespace pantrix {

class Ui;

// Sets DataFolder and DataPath.
void SetDataFolder(MainScreenState& s, const fs::path& folder);

// Reads "px31.cfg", writing the defaults into a new or empty one. With tooltips
// switched off in the settings, they are cleared for this run.
void LoadSettings(MainScreenState& s, Ui& ui);

// The window's frame as stored. A size that is not positive (a damaged field
// reads as 0) falls back to the size of a new settings file, so the window is
// never lost for good.
Rect StoredWindowGeometry(const SettingsRecord& settings);

// The maker's name in the caption.
void SetHost(MainScreenState& s);

// Empties the category list and takes in catalogue data that came with an
// installation.
void MergeDeliveredCatalogue(MainScreenState& s, Ui& ui);

// After the splash: categories loaded, Today's List read from "My Pantrix.pxl",
// edit boxes emptied, Options check marks from the settings, recipe commands
// off, the item view current; recipe text left unsaved by a crash is offered back.
void FinishStartUp(MainScreenState& s, Ui& ui);

// Closing the main window stores its geometry with the settings and writes the
// open recipe's changed text and Today's List. Returns false when the user keeps
// the window open because something could not be written.
bool CloseMainScreen(MainScreenState& s, Ui& ui);

// The desktop session ends, or the program is told to stop: the settings, the
// recipe text and Today's List are stored as at closing, without a question, since no one may be
// there to answer; text typed with no recipe open goes to the recovery file, to be
// offered back at the next start. Returns what could not be stored.
std::vector<Status> EndSession(MainScreenState& s);

// "Exit" writes the recipe text and Today's List, not the window's geometry;
// returns whether to end the program.
bool ExitProgram(MainScreenState& s, Ui& ui);

} // namespace pantrix
