#include "web/page_names.h"

#include "text/cp1252.h"
#include "text/fields.h"

namespace pantrix {
namespace {

char LowerByte(char byte)
{
    const auto c = static_cast<unsigned char>(byte);
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) // À..Þ except ×
        return static_cast<char>(c + 0x20);
    switch (c) {
    case 0x8A: return '\x9A'; // Š
    case 0x8C: return '\x9C'; // Œ
    case 0x8E: return '\x9E'; // Ž
    case 0x9F: return '\xFF'; // Ÿ
    default: return byte;
    }
}

std::size_t LastSeparator(std::string_view path)
{
    return path.find_last_of("/\\");
}

} // namespace

std::string LowerCase(std::string_view text)
{
    return MapCodePage(text, LowerByte);
}

std::string PageName(std::string_view recipe)
{
    return LowerCase(recipe) + ".htm";
}

fs::path PageFile(const fs::path& folder, std::string_view recipe)
{
    return folder / PageName(recipe);
}

std::string LinkTarget(std::string_view fileName)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string target;
    for (const char byte : fileName) {
        const auto c = static_cast<unsigned char>(byte);
        if (c >= 0x20 && c < 0x7F && c != '%' && c != '#' && c != '?' && c != '"') {
            target += byte;
            continue;
        }
        target += '%';
        target += kHex[c >> 4];
        target += kHex[c & 0xF];
    }
    return target;
}

std::string GraphicName(std::string_view path)
{
    const std::string shown = ShownName(Trim(path));
    const std::size_t separator = LastSeparator(shown);
    return LowerCase(separator == std::string::npos ? shown : shown.substr(separator + 1));
}

bool HasFolder(std::string_view path)
{
    return LastSeparator(Trim(path)) != std::string_view::npos;
}

} // namespace pantrix
