// The programs of the desktop as its desktop entries describe them: the one it
// opens a kind of document with, and how such a program is started, found and
// run through GIO as every desktop does (the mimeapps.list files, Exec lines
// with their wrappers, field codes and quoting).
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace pantrix {

// The desktop entry of the program the desktop opens the document's kind with
// (by its name), or none.
std::optional<std::filesystem::path> DefaultEntryFor(const std::filesystem::path& document);

bool IsDesktopEntry(const std::filesystem::path& program);

// Starts the entry's program with the address (a URI) without waiting for it;
// true when it started.
bool LaunchEntry(const std::filesystem::path& entry, const std::string& uri);

} // namespace pantrix
