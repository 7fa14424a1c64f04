// Showing web content in the user's own browser: the program the desktop opens
// ".HTM" documents with is started directly with the address.
#pragma once

#include "platform/files.h"

#include <string>

namespace pantrix {

class Ui;
struct MainScreenState;

// `address` is a web address or a local path, as the program's text holds it. A
// browser that cannot be found or started is reported to the user.
void RunBrowser(MainScreenState& s, Ui& ui, const std::string& address);
// A local page, named as the file system names it.
void RunBrowser(MainScreenState& s, Ui& ui, const fs::path& page);
// A literal is a web address.
inline void RunBrowser(MainScreenState& s, Ui& ui, const char* address)
{
    RunBrowser(s, ui, std::string(address));
}

// What the browser is given for a local page: the path as shown when that names
// the same file, otherwise a file address whose other bytes are escaped, since a
// folder name outside the code page would not survive as text.
std::string BrowserAddress(const fs::path& page);

} // namespace pantrix
