#include "text/number.h"

#include <limits>

namespace pantrix {

std::int64_t LeadingNumber(std::string_view text)
{
    std::size_t pos = text.find_first_not_of(" \t");
    if (pos == std::string_view::npos)
        return 0;
    bool negative = false;
    if (text[pos] == '-' || text[pos] == '+')
        negative = text[pos++] == '-';
    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    std::int64_t value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        const int digit = text[pos] - '0';
        if (value > (kMax - digit) / 10)
            return negative ? -kMax : kMax;
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

std::string NumberText(std::int64_t value)
{
    return std::to_string(value);
}

} // namespace pantrix
