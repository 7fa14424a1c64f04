#include "shell/browser.h"

#include "platform/ui.h"
#include "state/main_screen_state.h"
#include "text/lines.h"

namespace pantrix {
namespace {

constexpr std::string_view kScratchName = "junk.HTM";

// Told with a failure to show a page, so the user can still open it himself.
std::string WherePageIs(const std::optional<fs::path>& page)
{
    return page ? kCrLf + kCrLf + "The page is " + ShownPath(*page) : std::string();
}

// The desktop is asked which program opens a document of this kind, so one
// must exist while it is asked. It lies in the data folder: in a folder shared
// with other users, a link or pipe of that name would redirect or stop the write.
void ShowInBrowser(MainScreenState& s, Ui& ui, const std::string& address,
                   const std::optional<fs::path>& page)
{
    const fs::path scratch = s.DataFile(kScratchName);
    // A scratch file that cannot be written still leaves the lookup to try, as
    // the desktop may go by the name alone.
    WriteScratchFile(scratch, "\"<HTML> <\\HTML>\"\r\n");
    const auto browser = ui.FindProgramFor(scratch);
    (void)RemoveFile(scratch);
    if (!browser)
        ui.ShowMessage({"Could not find your Browser" + WherePageIs(page), "Browser Not Found",
                        MessageIcon::Exclamation, MessageButtons::Ok, MessageAnswer::Ok});
    else if (!ui.StartProgram(*browser, address))
        ui.ShowMessage({"Web Page not Opened" + WherePageIs(page), "URL Failed",
                        MessageIcon::Exclamation, MessageButtons::Ok, MessageAnswer::Ok});
    // A program that passes pages on may find no window to show them in.
    else if (page)
        ui.ShowStatus("Page written to " + ShownPath(*page));
}

bool Unreserved(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '/' ||
           c == '-' || c == '.' || c == '_' || c == '~';
}

std::string FileAddress(const fs::path& page)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string address = "file://";
    const fs::path whole = fs::absolute(page);
    for (const unsigned char c : whole.native()) {
        if (Unreserved(c)) {
            address += static_cast<char>(c);
            continue;
        }
        address += '%';
        address += kHex[c >> 4];
        address += kHex[c & 0xF];
    }
    return address;
}

} // namespace

std::string BrowserAddress(const fs::path& page)
{
    const std::string shown = ShownPath(page);
    return shown == page.native() ? shown : FileAddress(page);
}

void RunBrowser(MainScreenState& s, Ui& ui, const std::string& address)
{
    ShowInBrowser(s, ui, address, std::nullopt);
}

void RunBrowser(MainScreenState& s, Ui& ui, const fs::path& page)
{
    ShowInBrowser(s, ui, BrowserAddress(page), page);
}

} // namespace pantrix
