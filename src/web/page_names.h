// The names generated pages and their graphics go by. Only these file names are
// lower-cased; the folder they are put in keeps the case it was chosen with, as
// this file system tells the two spellings apart.
#pragma once

#include "platform/files.h"

#include <string>
#include <string_view>

namespace pantrix {

// Lower case of a UTF-8 name for the letters of Windows-1252, accented ones
// included; other letters keep their case, as pages made before named them.
std::string LowerCase(std::string_view text);

// A recipe's page: its name (UTF-8) in lower case and ".htm", as links name it.
std::string PageName(std::string_view recipe);
fs::path PageFile(const fs::path& folder, std::string_view recipe);

// A file name as a link in a page names it: "%", "#", "?" and a double quote
// would end or change the link there, and bytes outside printable ASCII (names
// are UTF-8) may reach the browser as other letters, so each is written as "%"
// and two hexadecimal digits.
std::string LinkTarget(std::string_view fileName);

// A graphic as pages beside their copies name it (UTF-8): the lower-cased text
// after the last "/" or "\" of its trimmed settings field, or the whole text
// without a separator.
std::string GraphicName(std::string_view path);
// Whether the path names a file in a folder, so that a copy can be made of it.
bool HasFolder(std::string_view path);

} // namespace pantrix
