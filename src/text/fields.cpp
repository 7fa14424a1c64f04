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
    const auto upperLess = [](char x, char y) {
        return UpperByte(static_cast<unsigned char>(x)) < UpperByte(static_cast<unsigned char>(y));
    };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), upperLess))
        return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), upperLess))
        return false;
    return a < b;
}

} // namespace pantrix
