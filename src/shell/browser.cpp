#include "shell/browser.h"

#include "platform/ui.h"
#include "text/cp1252.h"

namespace pantrix {
namespace {

constexpr std::string_view kScratchName = "junk.HTM";

// The desktop is asked which program opens a document of this kind, so one
// must exist while it is asked.
fs::path ScratchFile()
{
    std::error_code error;
    fs::path folder = fs::temp_directory_path(error);
    if (error)
        folder = "/tmp";
    return folder / std::string(kScratchName);
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
    return ToUtf8(shown) == page.native() ? shown : FileAddress(page);
}

void RunBrowser(MainScreenState&, Ui& ui, const std::string& address)
{
    const fs::path scratch = ScratchFile();
    // A scratch file that cannot be written still leaves the lookup to try, as
    // the desktop may go by the name alone.
    (void)ReplaceFile(scratch, "\"<HTML> <\\HTML>\"\r\n", Durability::Replaceable);
    const auto browser = ui.FindProgramFor(scratch);
    if (!browser)
        ui.ShowMessage({"Could not find your Browser", "Browser Not Found",
                        MessageIcon::Exclamation, MessageButtons::Ok, MessageAnswer::Ok});
    else if (!ui.StartProgram(*browser, address))
        ui.ShowMessage({"Web Page not Opened", "URL Failed", MessageIcon::Exclamation,
                        MessageButtons::Ok, MessageAnswer::Ok});
    (void)RemoveFile(scratch);
}

void RunBrowser(MainScreenState& s, Ui& ui, const fs::path& page)
{
    RunBrowser(s, ui, BrowserAddress(page));
}

} // namespace pantrix
