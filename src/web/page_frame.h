// The frame shared by recipe pages, the index and the style preview: head with
// the style block, body, a centred table of the page width, and the optional top
// and side graphics around an inner full-width table.
#pragma once

#include "settings/settings_record.h"

#include <string>
#include <string_view>

namespace pantrix {

// How the three graphics are named inside the page: by the names of their copies
// beside the pages, or by their paths where they lie.
struct FrameGraphics
{
    std::string Back;
    std::string Top;
    std::string Side;
};
FrameGraphics CopiedGraphics(const SettingsRecord& settings);
FrameGraphics GraphicsWhereTheyLie(const SettingsRecord& settings);

// Whether the page shows the top or the side graphic.
bool ShowsTopGraphic(const SettingsRecord& settings);
bool ShowsSideGraphic(const SettingsRecord& settings);

// The lines up to the opening of the inner table, each ended by CR LF. The top
// graphic's line ends with `afterTop`: "<p>" on pages, "<br>" on the index.
std::string FrameHead(const SettingsRecord& settings, const FrameGraphics& graphics,
                      std::string_view afterTop);
// The closing of the side and outer tables and of the page, after the inner
// table's own closing.
std::string FrameEnd(const SettingsRecord& settings);

// Opens a table of the page's full width; also the ingredient table.
inline constexpr std::string_view kFullWidthTable = "<table border=0 cellspacing=0 width=\"100%\">";

} // namespace pantrix
