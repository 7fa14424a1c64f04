// Any text on the printer as plain lines: a left margin, word wrap at a width,
// and pages ended by line count.
#pragma once

#include "platform/status.h"

#include <string_view>

namespace pantrix {

class Ui;

// Prints the text, trimmed of spaces, character by character. Each page starts
// with top + 1 empty lines and its count at top, and ends as one print job once
// the count passes `limit`. A line ends at CR or LF (both followed by an empty
// line) or at the first space at or after column `width`; empty lines of the
// text print nothing. Stops at the first failing printer operation and returns it.
Status SimplePrint(Ui& ui, std::string_view text, int top, int margin, int width, int limit);

} // namespace pantrix
