// The style element every generated page carries: font, text colour and, on a
// plain background, the background colour of the page style.
#pragma once

#include "settings/settings_record.h"

#include <cstdint>
#include <string>

namespace pantrix {

// "#RRGGBB" of a colour number that holds red in its low byte. Only the low 24
// bits are a colour; anything above them is left out.
std::string ColorToHex(std::int64_t colour);

// The style element's lines joined by CR LF, without a line end after the last.
std::string BuildStyleBlock(const SettingsRecord& settings);

} // namespace pantrix
