#include "text/cp1252.h"

#include <array>
#include <cstdint>
#include <string>

namespace pantrix {
namespace {

// Code points of bytes 0x80..0x9F; the rest of the page equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodePointOf(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80];
    return byte;
}

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else { // the code page's letters all lie below U+10000
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char ByteOf(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<char>(cp);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == cp)
            return static_cast<char>(0x80 + i);
    return '?';
}

// The smallest code point a sequence of 1 + index extra bytes may carry; a
// smaller one is an overlong form, which could smuggle "/" or NUL past a check.
constexpr std::array<char32_t, 4> kSmallestOfLength = {0, 0x80, 0x800, 0x10000};

constexpr char32_t kMalformed = 0xFFFFFFFF;

// Decodes one UTF-8 sequence at `pos`, advancing it; returns kMalformed for a
// malformed one: broken, overlong, a surrogate half, or beyond the last code point.
char32_t NextCodePoint(std::string_view s, std::size_t& pos)
{
    const auto lead = static_cast<unsigned char>(s[pos++]);
    if (lead < 0x80)
        return lead;
    int extra = 0;
    char32_t cp = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        return kMalformed;
    }
    for (int i = 0; i < extra; ++i) {
        if (pos >= s.size() || (static_cast<unsigned char>(s[pos]) & 0xC0) != 0x80)
            return kMalformed;
        cp = (cp << 6) | (static_cast<unsigned char>(s[pos++]) & 0x3F);
    }
    if (cp < kSmallestOfLength[extra] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF)
        return kMalformed;
    return cp;
}

// Whether the code point has a byte of its own in the code page.
bool InCodePage(char32_t cp)
{
    return cp != kMalformed && (ByteOf(cp) != '?' || cp == '?');
}

} // namespace

std::string ToUtf8(std::string_view cp1252)
{
    std::string out;
    out.reserve(cp1252.size() + cp1252.size() / 4);
    for (const char c : cp1252)
        AppendUtf8(out, CodePointOf(static_cast<unsigned char>(c)));
    return out;
}

std::string FromUtf8(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t cp = NextCodePoint(utf8, pos);
        out += cp == kMalformed ? '?' : ByteOf(cp);
    }
    return out;
}

std::string OutsideCodePage(std::string_view utf8)
{
    std::string found;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t start = pos;
        if (InCodePage(NextCodePoint(utf8, pos)))
            continue;
        const std::string_view character = utf8.substr(start, pos - start);
        if (found.find(character) == std::string::npos)
            found += found.empty() ? std::string(character) : " " + std::string(character);
    }
    return found;
}

std::string ShownName(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t start = pos;
        if (NextCodePoint(bytes, pos) != kMalformed) {
            out += bytes.substr(start, pos - start);
            continue;
        }
        pos = start + 1;
        AppendUtf8(out, CodePointOf(static_cast<unsigned char>(bytes[start])));
    }
    return out;
}

std::string ToPageText(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t cp = NextCodePoint(utf8, pos);
        if (InCodePage(cp))
            out += ByteOf(cp);
        else if (cp != kMalformed)
            out += "&#" + std::to_string(static_cast<std::uint32_t>(cp)) + ";";
    }
    return out;
}

std::string MapCodePage(std::string_view utf8, char (*map)(char))
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t start = pos;
        const char32_t cp = NextCodePoint(utf8, pos);
        if (InCodePage(cp))
            AppendUtf8(out, CodePointOf(static_cast<unsigned char>(map(ByteOf(cp)))));
        else
            out += utf8.substr(start, pos - start);
    }
    return out;
}

} // namespace pantrix
