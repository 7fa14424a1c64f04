// Today's List as the text of QR codes a phone camera reads: the one-column
// layout in UTF-8, split into several numbered codes when it is long.
#pragma once

#include "lists/todays_list.h"
#include "platform/ui.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pantrix {

struct MainScreenState;

// A code of this many bytes at error correction level M (version 23, 109 modules
// a side) is still read at once by a phone held at arm's length from a screen.
inline constexpr std::size_t kQrCodeBytes = 800;

// The one-column layout, lines ended by LF (the line end of every phone) and
// without trailing spaces. A text longer than `codeBytes` is split between entries
// into codes of at most that size, each opened by its number ("2/3") on a line of
// its own; a code that begins within a group repeats the group's category line.
std::vector<std::string> QrCodeTexts(std::string_view listName, const Date& date,
                                     const std::vector<ListEntry>& entries,
                                     std::size_t codeBytes = kQrCodeBytes);

// "Show List as QR Code": the texts of Today's List's codes; none, after telling
// the user, when the list is empty.
std::vector<std::string> ListQrTexts(const MainScreenState& s, Ui& ui);

} // namespace pantrix
