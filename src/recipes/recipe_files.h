// The files of a recipe and the collection of them. A recipe is a pair of files
// in the data folder sharing one base: "<base>.rcp", its ingredient list, and
// "<base>.txt", its free text.
#pragma once

#include "platform/files.h"
#include "state/list_state.h"
#include "state/recipe_state.h"

#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace pantrix {

inline constexpr std::string_view kIngredientExtension = ".rcp";
inline constexpr std::string_view kTextExtension = ".txt";

fs::path IngredientFile(const fs::path& base);
fs::path TextFile(const fs::path& base);

// The base of a listed recipe: its own ".rcp" path without the extension, so a
// file named outside the code page keeps its bytes.
fs::path BaseOf(const RecipeEntry& entry);
// The base of a name typed in the program (UTF-8, made safe by NoIllegals): a
// file name in the folder.
fs::path TypedBase(const fs::path& folder, std::string_view name);

enum class NameFault
{
    None,
    NotAFileName, // only dots ("." and ".." name folders), or a NUL, which ends a path
    TooLong,      // the file name, or the twin a save writes beside it, would not fit
};
NameFault CheckRecipeName(std::string_view name);

// One line per entry: its text trimmed of spaces, empty entries left out.
std::string FormatIngredients(const std::vector<ListEntry>& entries);
// Every line as it stands, a blank one too.
std::vector<std::string> ParseIngredients(std::string_view bytes);

// The text trimmed of spaces, followed by one CR LF that ends the file.
std::string FormatRecipeText(std::string_view text);
// The text of a file's bytes: all but the one line break that ends the file, so
// that text saved unchanged is the same bytes and is not given a line more at
// every save.
std::string ParseRecipeText(std::string bytes);
// Whether a text file's bytes hold more than spaces and line breaks; an emptied
// text box is saved as a lone CR LF.
bool HoldsText(std::string_view bytes);

// Moves both files of a recipe to another base. The text file is created first
// when missing; when it cannot be moved, the ingredient file is put back, at once
// or at the next start, so the recipe is whole under one name.
Status MoveRecipe(const fs::path& from, const fs::path& to);

// The "*.rcp" files of the folder, alphabetical without regard to case. An
// unreadable folder lists nothing and sets `error`.
std::vector<RecipeEntry> ListRecipes(const fs::path& folder, std::error_code& error);
std::vector<RecipeEntry> ListRecipes(const fs::path& folder);

} // namespace pantrix
