// The recipe collection as the window shows it: the recipes of the data folder,
// the open recipe, and the recipe text being edited.
#pragma once

#include "platform/files.h"

#include <optional>
#include <string>
#include <vector>

namespace pantrix {

// One recipe of the collection: its ingredient file "<name>.rcp" as the file
// system names it, and the name shown for it.
struct RecipeEntry
{
    fs::path File;    // the ".rcp" file, full path, the file system's own bytes
    std::string Name; // the file name without ".rcp", as shown (UTF-8)
    bool operator==(const RecipeEntry&) const = default;
};

struct RecipeView
{
    // The "*.rcp" files of the data folder, in the order the list shows them;
    // a row number of the window's list is an index here.
    std::vector<RecipeEntry> Files;
    std::optional<std::size_t> Selected; // the row of the open recipe, if listed

    std::string CurrentRecipe;  // the open recipe's name as shown (UTF-8); empty when none is open
    fs::path CurrentBase;       // its files without extension: CurrentBase + ".rcp" / ".txt"
    bool RecipeChanged = false; // the text was edited since it was loaded or saved
    std::string EditorText;     // the recipe text box, line breaks CR LF
    bool ClipNotesOn = false;   // "Copy Current Recipe Notes to Clipboard" is enabled
};

} // namespace pantrix
