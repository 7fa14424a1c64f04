// List files (".pxl"): one entry a line, CR LF, "*" before a ticked entry.
#pragma once

#include "lists/todays_list.h"

#include <string>
#include <string_view>
#include <vector>

namespace pantrix {

// Every line is an entry: a leading "*" ticks it and is taken off; any other
// line, an empty one too, is an entry of exactly that text. The entries come
// back sorted as the list shows them.
std::vector<ListEntry> ParseListFile(std::string_view bytes);

// Entries trimmed, empty ones left out, "*" before ticked ones, and a space
// before an unticked one that begins with "*", so that each reads back as itself.
// A line break inside an entry is written as a space, to keep it one entry.
std::string FormatListFile(const std::vector<ListEntry>& entries);

} // namespace pantrix
