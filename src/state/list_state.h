// Today's List as the program holds it: the entries with their check marks, the
// current entry and the list file.
#pragma once

#include "platform/files.h"

#include <optional>
#include <string>
#include <vector>

namespace pantrix {

// Byte 176, the degree sign, between an entry's category and its item.
inline constexpr char kCategoryMarker = '\xB0';

struct ListEntry
{
    std::string Text;
    bool Checked = false;
    bool operator==(const ListEntry&) const = default;
};

struct TodaysList
{
    std::vector<ListEntry> Entries;
    std::optional<std::size_t> Current; // the entry the user works on
    std::string TmpEdit;                // the list's edit box
    fs::path File;                      // the list file it is read from and written to
    std::string Name;                   // the file's name without folder and extension (UTF-8)
    bool ReadFailed = false;            // the file could not be read, so it is not written over
    // What the file holds as the list's own format, as last read or written (a
    // deleted file holds nothing); none when not known. A save in the background
    // writes only a list that differs from it.
    std::optional<std::string> FileHolds;
};

} // namespace pantrix
