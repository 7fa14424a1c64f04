// The seam between the program's commands and the desktop: every dialog, the
// printer, the clipboard, the shell, the mouse pointer and the clock. The window
// implements it with Qt; tests implement it with a scripted fake. All text
// crossing it is UTF-8: commands convert the Windows-1252 text of their files
// with ToUtf8 and FromUtf8 as it crosses.
#pragma once

#include "platform/status.h"

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pantrix {

// The title of messages that belong to no one command.
inline constexpr std::string_view kApplicationTitle = "Pantrix";

enum class MessageIcon
{
    None,
    Information,
    Question,
    Exclamation,
    Critical
};
enum class MessageButtons
{
    Ok,
    OkCancel,
    YesNo,
    YesNoCancel
};
enum class MessageAnswer
{
    Ok,
    Cancel,
    Yes,
    No
};

struct Message
{
    std::string Text;
    std::string Title;
    MessageIcon Icon = MessageIcon::None;
    MessageButtons Buttons = MessageButtons::Ok;
    MessageAnswer DefaultButton = MessageAnswer::Ok;
    bool operator==(const Message&) const = default;
};

// What an input box may take: only the characters a Windows-1252 file can keep
// (catalogue names, list entries), or every letter (names that become file names).
enum class InputCharacters
{
    CodePage,
    Any
};

struct FileFilter
{
    std::string Description; // "Pantrix! lists (*.pxl)"
    std::string Pattern;     // "*.pxl"
};

struct FileDialogRequest
{
    std::string Title;
    std::vector<FileFilter> Filters;
    std::filesystem::path Folder;
    std::string PresetName;
};

struct ChosenFile
{
    std::filesystem::path FullPath;
    std::string FileName; // without the folder
};

struct FontChoice
{
    std::string Face;
    float Points = 0; // a size may have a fraction, 10.5 points
};

struct Date
{
    int Year = 0;
    int Month = 0;
    int Day = 0;
    bool operator==(const Date&) const = default;
};

class Ui
{
public:
    Ui() = default;
    virtual ~Ui() = default;
    Ui(const Ui&) = delete;
    Ui& operator=(const Ui&) = delete;

    // Dialogs.
    virtual MessageAnswer ShowMessage(const Message& message) = 0;
    // The typed text; empty when cancelled. A box with a `maxLength` (0: none)
    // stops taking characters there, so the user sees what will be kept; a box for
    // the code page refuses a character it has no byte for.
    virtual std::string InputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText, std::size_t maxLength = 0,
                                 InputCharacters characters = InputCharacters::CodePage) = 0;
    virtual std::optional<ChosenFile> FileOpenDialog(const FileDialogRequest& request) = 0;
    virtual std::optional<ChosenFile> FileSaveDialog(const FileDialogRequest& request) = 0;
    // Colours are 24-bit numbers with red in the low byte.
    virtual std::optional<long> ColourDialog(long initial) = 0;
    virtual std::optional<FontChoice> FontDialog(const FontChoice& initial) = 0;

    // The default printer. A job begins with the first line after EndPrintJob.
    virtual Status PrinterSetFont(const std::string& face, int points, bool bold) = 0;
    virtual Status PrintLine(const std::string& line) = 0;
    virtual Status PrintEmptyLine() = 0;
    virtual Status EndPrintJob() = 0;

    // The desktop clipboard, plain text: what is set replaces all it held.
    virtual void ClipboardSetText(const std::string& text) = 0;

    // The program the desktop opens a document with, if any: its desktop entry,
    // or a program that passes documents on when the desktop names none.
    virtual std::optional<std::filesystem::path>
    FindProgramFor(const std::filesystem::path& document) = 0;
    // Starts a program without waiting for it; true when it started. A desktop
    // entry is given the parameters as one address, started as its entry says.
    virtual bool StartProgram(const std::filesystem::path& program,
                              const std::string& parameters) = 0;
    // A passing note in the window's status bar.
    virtual void ShowStatus(const std::string& text) = 0;

    virtual void SetBusyPointer(bool busy) = 0;
    virtual Date Today() = 0;
    // Waits while the window goes on handling its events.
    virtual void Wait(std::chrono::milliseconds duration) = 0;
};

// Shows the busy pointer for as long as it lives, so every way out of a command
// brings the normal pointer back.
class BusyPointer
{
public:
    explicit BusyPointer(Ui& ui) : m_ui(ui) { m_ui.SetBusyPointer(true); }
    ~BusyPointer() { m_ui.SetBusyPointer(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    Ui& m_ui;
};

} // namespace pantrix

namespace pantrix {

// Tells the user that file work failed, naming the file and the cause.
void ShowFailure(Ui& ui, const Status& failure);

// The two common kinds of message: an information icon with OK, and a question
// with Yes and No where No, the answer that changes nothing, is the default.
Message Information(std::string text, std::string title);
Message Question(std::string text, std::string title);

// Asks a question; true when the answer is Yes.
bool Confirmed(Ui& ui, const Message& question);

} // namespace pantrix
