#include "catalogue/no_illegals.h"

#include "text/fields.h"

namespace pantrix {

std::string NoIllegals(std::string& name)
{
    name = std::string(Trim(name));
    std::string safe = name;
    for (char& c : safe) {
        if (c == '*')
            c = '_';
        else if (std::string_view("/\\|:<>?\"").find(c) != std::string_view::npos)
            c = '-';
    }
    return safe;
}

} // namespace pantrix
