// The main window's menu tree and toolbar buttons, as tables: captions, names,
// shortcut keys, tooltips, and the window's handler each one runs.
#pragma once

#include <span>

namespace pantrix {

class MainScreen;
using Handler = void (MainScreen::*)();

// Which entries a view switches off.
enum class EntryGroup
{
    Always,
    ItemEditing,
    Recipe,
    RecipeNotes, // on once a recipe is open
    Toggle
};

struct MenuEntry
{
    const char* Name;     // nullptr for a separator
    const char* Caption;  // "&" before the letter that picks it from the keyboard
    const char* Shortcut; // "" for none
    Handler Run;
    EntryGroup Group = EntryGroup::Always;
};

struct MenuDefinition
{
    const char* Name;
    const char* Caption;
    std::span<const MenuEntry> Entries;
};

struct ToolbarButton
{
    const char* Key; // nullptr for a separator
    const char* Caption;
    const char* ToolTip;
    // The menu entry whose command it runs in each view; nullptr where the view
    // turns the button off.
    const char* ItemViewEntry;
    const char* RecipeViewEntry;
};

std::span<const MenuDefinition> MainMenus();

// In order; separators count in the numbering, so "Recipes" is at position 15
// and "Items" at 16 (from 1).
std::span<const ToolbarButton> ToolbarButtons();

} // namespace pantrix
