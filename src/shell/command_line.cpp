#include "shell/command_line.h"

#include <string_view>

namespace pantrix {

std::optional<std::string> DataDirArgument(int argc, const char* const* argv)
{
    constexpr std::string_view kOption = "--data-dir";
    constexpr std::string_view kJoined = "--data-dir=";
    std::optional<std::string> value;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--")
            break;
        if (argument == kOption && i + 1 < argc)
            value = argv[++i];
        else if (argument.starts_with(kJoined))
            value = argument.substr(kJoined.size());
    }
    return value;
}

} // namespace pantrix
