#include "text/fields.h"

#include <algorithm>
#include <array>

namespace pantrix {
namespace {

constexpr unsigned char UpperByte(unsigned char c)
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

// Upper-case letters that sort beside a plain letter: the accented ones, and the
// ligatures and the sharp s beside their first letter (the second is not spelled
// out, so the comparison stays one byte against one byte). Þ is a letter of its
// own and stays after Z.
struct SameLetters
{
    unsigned char First;
    unsigned char Last;
    char Letter;
};
constexpr SameLetters kAccented[] = {
    {0xC0, 0xC6, 'A'}, {0xC7, 0xC7, 'C'}, {0xC8, 0xCB, 'E'}, {0xCC, 0xCF, 'I'}, {0xD0, 0xD0, 'D'},
    {0xD1, 0xD1, 'N'}, {0xD2, 0xD6, 'O'}, {0xD8, 0xD8, 'O'}, {0xD9, 0xDC, 'U'}, {0xDD, 0xDD, 'Y'},
    {0xDF, 0xDF, 'S'}, {0x8A, 0x8A, 'S'}, {0x8C, 0x8C, 'O'}, {0x8E, 0x8E, 'Z'}, {0x9F, 0x9F, 'Y'}};

// Each byte's letter without accent and case; any other byte its upper case.
constexpr std::array<unsigned char, 256> kBaseLetter = [] {
    std::array<unsigned char, 256> base{};
    for (int c = 0; c < 256; ++c)
        base[c] = UpperByte(static_cast<unsigned char>(c));
    for (unsigned char& b : base)
        for (const SameLetters& same : kAccented)
            if (b >= same.First && b <= same.Last)
                b = static_cast<unsigned char>(same.Letter);
    return base;
}();

// -1, 0 or 1 as x is below, equal to or above y.
int Order(unsigned char x, unsigned char y)
{
    return x == y ? 0 : (x < y ? -1 : 1);
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
    // One pass: the first difference of the letters without accent and case
    // decides; failing that, the shorter text; failing that, the first difference
    // without regard to case ("Apfel" before "Äpfel"); failing that, the first
    // difference in the bytes ("Äpfel" before "äpfel").
    int caseOrder = 0;
    int byteOrder = 0;
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (x == y)
            continue;
        if (const int base = Order(kBaseLetter[x], kBaseLetter[y]))
            return base < 0;
        if (caseOrder == 0)
            caseOrder = Order(UpperByte(x), UpperByte(y));
        if (byteOrder == 0)
            byteOrder = Order(x, y);
    }
    if (a.size() != b.size())
        return a.size() < b.size();
    return (caseOrder != 0 ? caseOrder : byteOrder) < 0;
}

} // namespace pantrix
