// The style preview: a sample page in the current page style, written into the
// data folder with the graphics named where they lie, shown in the browser.
#pragma once

#include "settings/settings_record.h"

#include <string>
#include <string_view>

namespace pantrix {

class Ui;
struct MainScreenState;

inline constexpr std::string_view kPreviewName = "preview.htm";

std::string PreviewPage(const SettingsRecord& settings);

// Writes "preview.htm" from the settings in memory and opens it in the browser.
void ShowStylePreview(MainScreenState& s, Ui& ui);

} // namespace pantrix
