#include "text/fields.h"

#include <algorithm>

namespace pantrix {
namespace {

unsigned char UpperByte(unsigned char c)
{
    if (c >= 'a' && c <= 'z')
        return c - 0x20;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) // à..þ except ÷
        return c - 0x20;
    switch (c) {
    case 0x9A: return 0x8A; // š
    case 0x9C: return 0x8C; // œ
    case 0x9E: return 0x8E; // ž
    case 0xFF: return 0x9F; // ÿ
    default: return c;
    }
}

} // namespace

std::string_view Trim(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string FixedField(std::string_view text, std::size_t width)
{
    std::string field(text.substr(0, width));
    field.resize(width, ' ');
    return field;
}

std::string UpperCase(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        c = static_cast<char>(UpperByte(static_cast<unsigned char>(c)));
    return upper;
}

bool ExactFieldEqual(std::string_view a, std::string_view b, std::size_t width)
{
    return FixedField(a, width) == FixedField(b, width);
}

bool TrimmedEqual(std::string_view a, std::string_view b)
{
    return Trim(a) == Trim(b);
}

bool TrimmedEqualAnyCase(std::string_view a, std::string_view b)
{
    return UpperCase(Trim(a)) == UpperCase(Trim(b));
}

bool LessNoCase(std::string_view a, std::string_view b)
{
    // One pass: the first difference without regard to case decides; failing
    // that, the shorter text; failing that, the first difference in the bytes.
    int byteOrder = 0;
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (x == y)
            continue;
        const unsigned char upperX = UpperByte(x);
        const unsigned char upperY = UpperByte(y);
        if (upperX != upperY)
            return upperX < upperY;
        if (byteOrder == 0)
            byteOrder = x < y ? -1 : 1;
    }
    if (a.size() != b.size())
        return a.size() < b.size();
    return byteOrder < 0;
}

} // namespace pantrix
