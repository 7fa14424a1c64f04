// Text files are lines ended by CR LF. Files written elsewhere may end lines with
// a lone LF or a lone CR, or leave the last line unended; all read the same.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pantrix {

// The line break of every text the program writes and shows.
inline const std::string kCrLf = "\r\n";

std::vector<std::string> SplitLines(std::string_view text);

// Each line followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

} // namespace pantrix
