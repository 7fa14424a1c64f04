// Today's List as fixed-width text, in one column or two, grouped under the
// category names read out of the entries. The clipboard takes the lines as they
// are; printing adds blank lines, may leave out category lines and breaks pages.
#pragma once

#include "lists/todays_list.h"
#include "platform/ui.h"

#include <string>
#include <string_view>
#include <vector>

namespace pantrix {

struct EntryParts
{
    std::string Category;
    std::string Item;
};

// The category is the text before the marker (searched in the first 31
// characters); the item the text after the marker and its space, trimmed. An
// entry without a marker has no category and its whole text as the item.
EntryParts SplitEntry(std::string_view text);

// "mm-dd-yyyy"
std::string DateText(const Date& date);

// The list name trimmed, then "Printed: " and the date.
std::vector<std::string> HeaderLines(std::string_view listName, const Date& date);

enum class LineKind
{
    Spacer,     // the 33-space line of the two-column layout
    GroupStart, // the empty line before a group
    Category,   // the group's category line
    Entries,    // one entry, or one or two cells in two columns
};

struct LayoutLine
{
    LineKind Kind;
    std::string Text;
};

enum class Columns
{
    One,
    Two
};

// The lines after the header, in order.
std::vector<LayoutLine> LayoutBody(const std::vector<ListEntry>& entries, Columns columns);

// Header and body joined by CR LF, with no line end after the last line, as UTF-8
// for the clipboard.
std::string LayoutText(std::string_view listName, const Date& date,
                       const std::vector<ListEntry>& entries, Columns columns);

} // namespace pantrix
