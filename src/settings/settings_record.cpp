#include "settings/settings_record.h"

#include "text/fields.h"

#include <array>

namespace pantrix {
namespace {

struct TextField
{
    std::size_t Offset;
    std::size_t Width;
    std::string SettingsRecord::*Member;
};

// Every field after the two-byte page length offset, in file order.
constexpr std::array<TextField, 33> kTextFields = {{
    {2, 8, &SettingsRecord::Reserved2},
    {10, 40, &SettingsRecord::Reserved10},
    {50, 100, &SettingsRecord::Reserved50},
    {150, 1, &SettingsRecord::ToolTips},
    {151, 1, &SettingsRecord::PrintTwoColumns},
    {152, 1, &SettingsRecord::BoldFonts},
    {153, 1, &SettingsRecord::ShowToolbar},
    {154, 1, &SettingsRecord::LargePrint},
    {155, 1, &SettingsRecord::Reserved155},
    {156, 8, &SettingsRecord::Reserved156},
    {164, 5, &SettingsRecord::WindowTop},
    {169, 5, &SettingsRecord::WindowLeft},
    {174, 5, &SettingsRecord::WindowHeight},
    {179, 5, &SettingsRecord::WindowWidth},
    {184, 20, &SettingsRecord::PageBackColor},
    {204, 5, &SettingsRecord::PageWidth},
    {209, 1, &SettingsRecord::Reserved209},
    {210, 20, &SettingsRecord::PageFontColor},
    {230, 3, &SettingsRecord::PageFontSize},
    {233, 1, &SettingsRecord::IncludeIngredientList},
    {234, 200, &SettingsRecord::PageFontName},
    {434, 20, &SettingsRecord::Reserved434},
    {454, 200, &SettingsRecord::Reserved454},
    {654, 200, &SettingsRecord::Reserved654},
    {854, 200, &SettingsRecord::BackGraphicPath},
    {1054, 200, &SettingsRecord::TopGraphicPath},
    {1254, 200, &SettingsRecord::SideGraphicPath},
    {1454, 1, &SettingsRecord::PlainBackground},
    {1455, 1, &SettingsRecord::UseTopGraphic},
    {1456, 1, &SettingsRecord::UseSideGraphic},
    {1457, 200, &SettingsRecord::WebPagesFolder},
    {1657, 200, &SettingsRecord::GraphicsFolder},
    {1857, 500, &SettingsRecord::Reserved1857},
}};

static_assert(kTextFields.back().Offset + kTextFields.back().Width == kSettingsRecordLength);

constexpr bool FieldsAreContiguous()
{
    for (std::size_t i = 1; i < kTextFields.size(); ++i)
        if (kTextFields[i - 1].Offset + kTextFields[i - 1].Width != kTextFields[i].Offset)
            return false;
    return kTextFields.front().Offset == 2;
}
static_assert(FieldsAreContiguous());

} // namespace

SettingsRecord DefaultSettings(std::string_view dataPath)
{
    const std::string path(dataPath);
    SettingsRecord r;
    r.PageLengthOffset = 0;
    r.Reserved2 = std::string(8, '\0');
    r.Reserved10 = std::string(40, ' ');
    r.Reserved50 = std::string(100, ' ');
    r.ToolTips = "Y";
    r.PrintTwoColumns = "N";
    r.BoldFonts = "N";
    r.ShowToolbar = "Y";
    r.LargePrint = "N";
    r.Reserved155 = "Y";
    r.Reserved156 = std::string(8, '\0');
    r.WindowTop = "1";
    r.WindowLeft = "1";
    r.WindowHeight = "6465";
    r.WindowWidth = "8715";
    r.PageBackColor = "16777215";
    r.PageWidth = "640";
    r.Reserved209 = "N";
    r.PageFontColor = "0";
    r.PageFontSize = "100";
    r.IncludeIngredientList = "Y";
    r.PageFontName = "Arial";
    r.Reserved434 = std::string(20, ' ');
    r.Reserved454 = std::string(200, ' ');
    r.Reserved654 = std::string(200, ' ');
    r.BackGraphicPath = path + "graphics/backsample.gif";
    r.TopGraphicPath = path + "graphics/topsample.gif";
    r.SideGraphicPath = path + "graphics/sidesample.gif";
    r.PlainBackground = "N";
    r.UseTopGraphic = "Y";
    r.UseSideGraphic = "Y";
    r.WebPagesFolder = path + "webpages/";
    r.GraphicsFolder = path + "graphics/";
    r.Reserved1857 = std::string(500, ' ');
    return r;
}

std::string EncodeSettings(const SettingsRecord& record)
{
    std::string bytes;
    bytes.reserve(kSettingsRecordLength);
    const auto offset = static_cast<std::uint16_t>(record.PageLengthOffset);
    bytes += static_cast<char>(offset & 0xFF);
    bytes += static_cast<char>(offset >> 8);
    for (const auto& field : kTextFields)
        bytes += FixedField(record.*field.Member, field.Width);
    return bytes;
}

SettingsRecord DecodeSettings(std::string_view bytes, const SettingsRecord& fallback)
{
    std::string whole(bytes.substr(0, kSettingsRecordLength));
    if (whole.size() < kSettingsRecordLength)
        whole += EncodeSettings(fallback).substr(whole.size());
    SettingsRecord record;
    const auto low = static_cast<unsigned char>(whole[0]);
    const auto high = static_cast<unsigned char>(whole[1]);
    record.PageLengthOffset =
        static_cast<std::int16_t>(static_cast<std::uint16_t>(low | high << 8));
    for (const auto& field : kTextFields)
        record.*field.Member = whole.substr(field.Offset, field.Width);
    return record;
}

Flag ReadFlag(std::string_view field)
{
    if (field == "Y")
        return Flag::Yes;
    if (field == "N")
        return Flag::No;
    return Flag::Neither;
}

} // namespace pantrix
