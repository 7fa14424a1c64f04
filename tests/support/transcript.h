// What the scripted desktop was asked and shown, written out as text, so that a
// story's every message, dialog and printed line can be held in one golden file.
#pragma once

#include "support/fake_ui.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace pantrix::testing {

// A line for each message, dialog, printed line, job end and started program, in
// kinds of event, and the clipboard while it holds a text; the data folder is
// written "DATA". The events are then forgotten, so the next call tells what came after.
std::string TakeTranscript(FakeUi& ui, const std::filesystem::path& dataFolder);

// The files under a folder, sorted, each with its bytes unless told not to; a folder as "name/".
std::string Listing(const std::filesystem::path& folder, bool withBytes = true);

std::string Replaced(std::string text, std::string_view from, std::string_view to);

// The text with the data folder's path written as "DATA".
std::string Portable(std::string text, const std::filesystem::path& dataFolder);

// CR and LF written as "\r" and "\n", so that a text keeps to one line.
std::string OneLine(std::string text);

// A line of a story or table under tests/data with "\r", "\n" and "\xHH" read as the
// bytes they stand for, and a backslash before any other character as that character.
std::string Unescaped(std::string_view text);

} // namespace pantrix::testing
