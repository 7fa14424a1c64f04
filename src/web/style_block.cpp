#include "web/style_block.h"

#include "text/fields.h"
#include "text/lines.h"
#include "text/number.h"

namespace pantrix {
namespace {

std::string TwoHexDigits(std::int64_t byte)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    return {kHex[(byte >> 4) & 0xF], kHex[byte & 0xF]};
}

std::string ColourOf(std::string_view field)
{
    return ColorToHex(LeadingNumber(field));
}

} // namespace

std::string ColorToHex(std::int64_t colour)
{
    return "#" + TwoHexDigits(colour) + TwoHexDigits(colour >> 8) + TwoHexDigits(colour >> 16);
}

std::string BuildStyleBlock(const SettingsRecord& settings)
{
    std::string block =
        "<style type=\"text/css\">" + kCrLf + "<!--" + kCrLf + "table, body" + kCrLf + "{" + kCrLf;
    block += "font-size:" + std::string(Trim(settings.PageFontSize)) + "%;" + kCrLf;
    block += "font-family:\"" + std::string(Trim(settings.PageFontName)) + "\";" + kCrLf;
    block += "color:" + ColourOf(settings.PageFontColor) + ";" + kCrLf;
    if (ReadFlag(settings.PlainBackground) == Flag::Yes)
        block += "background-color:" + ColourOf(settings.PageBackColor) + ";" + kCrLf;
    return block + "}" + kCrLf + "-->" + kCrLf + "</style>";
}

} // namespace pantrix
