// The settings record: window geometry, display and print options, page length
// and web page style, stored as one 2357-byte record in "px31.cfg".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pantrix {

inline constexpr std::size_t kSettingsRecordLength = 2357;
inline constexpr std::string_view kSettingsFileName = "px31.cfg";
// The bytes a folder or picture field holds.
inline constexpr std::size_t kPathFieldWidth = 200;

// Text fields hold their bytes as read (padding included) or as last set; the
// codec fits each to its width on writing. Numbers are decimal text. Reserved
// areas are carried along untouched so that other writers' bytes survive.
struct SettingsRecord
{
    std::int16_t PageLengthOffset = 0;
    std::string Reserved2;  // 8 bytes
    std::string Reserved10; // 40
    std::string Reserved50; // 100
    std::string ToolTips;
    std::string PrintTwoColumns;
    std::string BoldFonts;
    std::string ShowToolbar;
    std::string LargePrint;
    std::string Reserved155; // 1
    std::string Reserved156; // 8
    std::string WindowTop;
    std::string WindowLeft;
    std::string WindowHeight;
    std::string WindowWidth;
    std::string PageBackColor;
    std::string PageWidth;
    std::string Reserved209; // 1
    std::string PageFontColor;
    std::string PageFontSize;
    std::string IncludeIngredientList;
    std::string PageFontName;
    std::string Reserved434; // 20
    std::string Reserved454; // 200
    std::string Reserved654; // 200
    std::string BackGraphicPath;
    std::string TopGraphicPath;
    std::string SideGraphicPath;
    std::string PlainBackground;
    std::string UseTopGraphic;
    std::string UseSideGraphic;
    std::string WebPagesFolder;
    std::string GraphicsFolder;
    std::string Reserved1857; // 500
};

// The record of a new settings file; paths are built from the data folder as it
// is now (with its trailing separator).
SettingsRecord DefaultSettings(std::string_view dataPath);

std::string EncodeSettings(const SettingsRecord& record);

// Decodes record 1 from the start of `bytes`. Bytes missing at the end of a short
// file are taken from `fallback`, so a cut-off file never yields empty fields.
SettingsRecord DecodeSettings(std::string_view bytes, const SettingsRecord& fallback);

// Whether a flag field holds "Y" or "N"; anything else is neither.
enum class Flag
{
    Yes,
    No,
    Neither
};
Flag ReadFlag(std::string_view field);
inline std::string FlagText(bool on)
{
    return on ? "Y" : "N";
}

} // namespace pantrix
