// The data folder: where it is, whether it can be used, and the files the program
// brings along (sample graphics, help pages, the starter catalogue).
#pragma once

#include "platform/files.h"

#include <string>

namespace pantrix {

// The folder as the program's text names it: single-byte, ending in "/".
std::string DataPathText(const fs::path& folder);

// Creates the folder when missing and makes sure it can be read and written.
// The failure text names the folder.
Status PrepareDataFolder(const fs::path& folder);

// Copies the installed files that are missing from the data folder; graphics the
// user already has are never written over, the help pages are brought up to date.
Status InstallDataFiles(const fs::path& resourceFolder, const fs::path& folder);

// Into a folder without any catalogue, puts the starter catalogue as new data
// for the start-up merge to take in. Does nothing anywhere else, so it happens
// once.
Status DeliverStarterCatalogue(const fs::path& resourceFolder, const fs::path& folder);

inline constexpr std::string_view kStarterCatalogueFile = "starter_catalogue.txt";

} // namespace pantrix
