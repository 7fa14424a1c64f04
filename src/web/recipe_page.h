// One recipe as a web page in the page style: its name as a heading, its text,
// and, when the style includes it, its ingredient list as a table that names
// each category once per run of ingredients.
#pragma once

#include "settings/settings_record.h"

#include <string>
#include <string_view>

namespace pantrix {

// The page's bytes, from the recipe's name and the bytes of its text and
// ingredient files (Windows-1252, CR LF line ends).
std::string RecipePage(const SettingsRecord& settings, std::string_view recipe,
                       std::string_view text, std::string_view ingredients);

// The ingredient table's rows. A line without a category marker near its start
// keeps its whole text in the second cell; blank lines are left out.
std::string IngredientRows(std::string_view ingredients);

} // namespace pantrix
