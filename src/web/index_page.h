// The index page: the page frame around one row per recipe page, each row a link
// image to the page followed by the recipe's name.
#pragma once

#include "settings/settings_record.h"

#include <string>
#include <string_view>

namespace pantrix {

inline constexpr std::string_view kIndexName = "index.htm";
inline constexpr std::string_view kLinkImageName = "gofore.jpg";

std::string IndexHead(const SettingsRecord& settings);
// One line, ended by CR LF.
std::string LinkRow(std::string_view recipe);
std::string IndexEnd(const SettingsRecord& settings);

} // namespace pantrix
