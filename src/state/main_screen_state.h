// The program-wide state owned by the main window. Commands change it; the window
// shows it. Text kept in files is single-byte (Windows-1252); names that are file
// names (recipes, lists) and the panels and caption that show them are UTF-8.
#pragma once

#include "platform/files.h"
#include "settings/settings_record.h"
#include "state/autosave_state.h"
#include "state/catalogue_state.h"
#include "state/list_state.h"
#include "state/recipe_state.h"
#include "state/rect.h"

#include <string>

namespace pantrix {

inline constexpr std::string_view kMakerName = "Quillfield";
inline constexpr std::string_view kMakerPage = "http://www.quillfield.example/px-in.htm";

// Check marks of the Options menu, starting as the menu was designed.
struct OptionsChecks
{
    bool LargePrint = true;
    bool PrintTwoColumns = false;
    bool ToolTips = true;
    bool BoldFonts = true;
    bool ShowToolbar = true;
};

enum class View
{
    Items,
    Recipes
};

struct MainScreenState
{
    fs::path DataFolder;    // where the files are, as the file system names it
    std::string DataPath;   // the folder's own bytes, ending in "/", as settings fields hold it
    fs::path ProgramFolder; // where the program and its help viewer are installed
    SettingsRecord Settings;
    CatalogueView Catalogue;
    TodaysList List;
    RecipeView Recipes;
    AutosaveState Autosave;
    fs::path WebFolder; // the folder the last web pages went to, as the file system names it

    OptionsChecks Options;
    bool ToolTipsCleared = false; // once cleared, tooltips stay empty for this run
    View CurrentView = View::Items;
    bool RecipeCommandsOn = true; // as designed; start-up switches them off
    Rect Window;                  // the window's frame, kept current by the window

    std::string HostName = std::string(kMakerName);
    std::string HostWebAddress = std::string(kMakerPage);
    std::string Caption;
    std::string RecipePanel = "(No Recipe Selected)";
    std::string ListPanel = "Today's List";

    fs::path DataFile(std::string_view name) const { return DataFolder / std::string(name); }
};

} // namespace pantrix
