// The program's own reading of its command line, where the bytes matter: a folder
// named on the command line is used exactly as the system passed it.
#pragma once

#include <optional>
#include <string>

namespace pantrix {

// The value of "--data-dir DIR" or "--data-dir=DIR", the last one when given
// several times; none when absent or when "--data-dir" ends the line. Arguments
// after "--" are not options.
std::optional<std::string> DataDirArgument(int argc, const char* const* argv);

} // namespace pantrix
