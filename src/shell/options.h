// The Options menu toggles and the whole-record settings write they share with
// closing the window.
#pragma once

#include "state/main_screen_state.h"

namespace pantrix {

class Ui;

// Stores the window's current frame in the settings and writes the whole record;
// SaveConfig tells the user when that failed.
Status StoreSettings(MainScreenState& s);
void SaveConfig(MainScreenState& s, Ui& ui);

// Each inverts its check mark and stores the setting. Tool Tips, Large Print and
// Print 2 Columns first read the settings file back; Bold Fonts and Show Toolbar
// write the whole record with the window's geometry.
void ToggleToolTips(MainScreenState& s, Ui& ui);
void ToggleLargePrint(MainScreenState& s, Ui& ui);
void TogglePrintTwoColumns(MainScreenState& s, Ui& ui);
void ToggleBoldFonts(MainScreenState& s, Ui& ui);
void ToggleShowToolbar(MainScreenState& s, Ui& ui);

} // namespace pantrix
