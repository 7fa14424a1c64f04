// Today's List: the shopping list being built, kept sorted by text without regard
// to case, so the entries of one category stand together.
#pragma once

#include "state/list_state.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pantrix {

// "Dairy° Milk" from the category and the item as the catalogue holds them: the
// category trimmed, the item as it stands (padded to 30).
std::string CatalogueEntryText(std::string_view category, std::string_view item);
// "special° " and the item cut to 30 characters.
std::string OneTimeEntryText(std::string_view item);

// Adds an entry at its sorted place and returns its index.
std::size_t InsertSorted(TodaysList& list, ListEntry entry);

// Whether an entry's trimmed text equals the trimmed text, case significant.
bool CheckForDuplicate(const TodaysList& list, std::string_view text);

// Makes the first entry equal to the text (both trimmed) current; with none
// equal, the last entry.
void CenterOn(TodaysList& list, std::string_view text);

// "12 Items listed for: My Pantrix"
std::string ListCountText(const TodaysList& list);

// The list's name from its file: without folder and without the last four
// characters. Both "/" and "\" end a folder.
std::string ListNameFromPath(std::string_view path);

} // namespace pantrix
