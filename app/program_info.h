// What `pantrix --help` and `pantrix --version` print. Both are answered before
// Qt starts, so they work where there is no display, in a terminal or a script.
#pragma once

#include <string>

namespace pantrix {

enum class InfoRequest
{
    None,
    Help,
    Version
};

// The first of --help (-h) and --version (-v) on the command line. The value of
// an option that takes one is not an option, nor is anything after "--".
InfoRequest RequestedInfo(int argc, const char* const* argv);

std::string UsageText();
std::string VersionText();

} // namespace pantrix
