// A Ui that hands every call on to another, for a desktop that changes one part
// of it: the print preview keeps the printed lines and leaves every question,
// dialog and pointer to the window's own.
#pragma once

#include "platform/ui.h"

namespace pantrix {

class ForwardingUi : public Ui
{
public:
    explicit ForwardingUi(Ui& to) : m_to(to) {}

    MessageAnswer ShowMessage(const Message& message) override { return m_to.ShowMessage(message); }
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText, std::size_t maxLength = 0,
                         InputCharacters characters = InputCharacters::CodePage) override
    {
        return m_to.InputBox(prompt, title, defaultText, maxLength, characters);
    }
    std::optional<ChosenFile> FileOpenDialog(const FileDialogRequest& request) override
    {
        return m_to.FileOpenDialog(request);
    }
    std::optional<ChosenFile> FileSaveDialog(const FileDialogRequest& request) override
    {
        return m_to.FileSaveDialog(request);
    }
    std::optional<long> ColourDialog(long initial) override { return m_to.ColourDialog(initial); }
    std::optional<FontChoice> FontDialog(const FontChoice& initial) override
    {
        return m_to.FontDialog(initial);
    }

    Status PrinterSetFont(const std::string& face, int points, bool bold) override
    {
        return m_to.PrinterSetFont(face, points, bold);
    }
    Status PrintLine(const std::string& line) override { return m_to.PrintLine(line); }
    Status PrintEmptyLine() override { return m_to.PrintEmptyLine(); }
    Status EndPrintJob() override { return m_to.EndPrintJob(); }

    void ClipboardSetText(const std::string& text) override { m_to.ClipboardSetText(text); }

    std::optional<std::filesystem::path>
    FindProgramFor(const std::filesystem::path& document) override
    {
        return m_to.FindProgramFor(document);
    }
    bool StartProgram(const std::filesystem::path& program, const std::string& parameters) override
    {
        return m_to.StartProgram(program, parameters);
    }
    void ShowStatus(const std::string& text) override { m_to.ShowStatus(text); }

    void SetBusyPointer(bool busy) override { m_to.SetBusyPointer(busy); }
    Date Today() override { return m_to.Today(); }
    void Wait(std::chrono::milliseconds duration) override { m_to.Wait(duration); }

private:
    Ui& m_to;
};

} // namespace pantrix
