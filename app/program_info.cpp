#include "app/program_info.h"

#include <string_view>

namespace pantrix {

InfoRequest RequestedInfo(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--")
            break;
        if (argument == "--help" || argument == "-h")
            return InfoRequest::Help;
        if (argument == "--version" || argument == "-v")
            return InfoRequest::Version;
        if (argument == "--data-dir" || argument == "--print-to-pdf")
            ++i;
    }
    return InfoRequest::None;
}

std::string UsageText()
{
    return "Usage: pantrix [OPTION]...\n"
           "Pantrix! " PANTRIX_VERSION ": shopping lists and recipes.\n"
           "\n"
           "Options:\n"
           "  --data-dir DIR       keep the catalogue, lists, recipes and settings in DIR\n"
           "                       (default: ~/.local/share/pantrix)\n"
           "  --print-to-pdf FILE  print into PDF files named FILE instead of on the\n"
           "                       printer; %1 in the name becomes the number of the job\n"
           "  -h, --help           show this text and end\n"
           "  -v, --version        show the version and end\n"
           "\n"
           "Qt's own options, such as -platform and -style, are taken as well.\n";
}

std::string VersionText()
{
    return "pantrix " PANTRIX_VERSION "\n";
}

} // namespace pantrix
