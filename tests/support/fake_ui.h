// A scripted stand-in for the desktop: answers come from a queue the test fills,
// and every message, prompt, printed line, clipboard text and started program is
// recorded. A dialog with no answer queued fails the test.
#pragma once

#include "platform/ui.h"
#include "support/test_failure.h"
#include "text/cp1252.h"

#include <deque>

namespace pantrix::testing {

struct PrintedLine
{
    std::string Text, Face;
    int Points = 0;
    bool Bold = false;
};

struct InputRequest
{
    std::string Prompt, Title, DefaultText;
    std::size_t Limit = 0; // where the box stops typing; 0: nowhere, shown as (0)
};

// The next scripted answer; with none left the test fails, naming what was asked.
template <typename Answer> Answer Next(std::deque<Answer>& answers, const std::string& asked)
{
    if (answers.empty())
        return FailTest("unexpected " + asked), Answer();
    Answer answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

class FakeUi : public Ui
{
public:
    ~FakeUi() override;

    // The next answers, in the order the dialogs come.
    void AnswerMessage(MessageAnswer answer) { m_messageAnswers.push_back(answer); }
    void AnswerInput(std::string text) { m_inputAnswers.push_back(std::move(text)); }
    void AnswerFile(std::optional<ChosenFile> file) { m_fileAnswers.push_back(std::move(file)); }
    void AnswerColour(std::optional<long> colour) { m_colourAnswers.push_back(colour); }
    void AnswerFont(std::optional<FontChoice> font) { m_fontAnswers.push_back(std::move(font)); }
    void SetToday(Date today) { m_today = today; }
    void FailPrinterWith(std::string error) { m_printerError = std::move(error); }
    void RemovePrinter() { m_noPrinter = true; }
    // The program the desktop opens documents with; without one, none is found.
    void SetDocumentProgram(std::filesystem::path program) { m_documentProgram = program; }
    void FailProgramStarts() { m_programStartsFail = true; }

    std::vector<Message> Messages;
    std::vector<InputRequest> Inputs;
    std::vector<FileDialogRequest> FileDialogs;
    std::vector<long> ColourDialogs;     // the colour each one started from
    std::vector<FontChoice> FontDialogs; // the font each one started from
    std::vector<PrintedLine> Printed;    // an empty line has empty text
    std::vector<std::size_t> JobEnds;    // the number of lines printed when each job ended
    std::optional<std::string> Clipboard;
    // What each document asked about held at that moment; missing when it did not exist.
    std::vector<std::optional<std::string>> LookedUp;
    std::vector<std::pair<std::filesystem::path, std::string>> Started; // program, parameters
    std::vector<std::string> StatusNotes;
    int BusyDepth = 0;
    int BusyShown = 0;

    MessageAnswer ShowMessage(const Message& message) override
    {
        Messages.push_back(message);
        return message.Buttons == MessageButtons::Ok
                   ? MessageAnswer::Ok
                   : Next(m_messageAnswers, "question: " + message.Title + " / " + message.Text);
    }
    // A box for the code page never hands over a character it has no byte for:
    // the window refuses it, so a script that types one is wrong.
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText, std::size_t maxLength = 0,
                         InputCharacters characters = InputCharacters::CodePage) override
    {
        Inputs.push_back({prompt, title, defaultText, maxLength});
        std::string answer = Next(m_inputAnswers, "input box: " + prompt);
        if (characters == InputCharacters::CodePage && !OutsideCodePage(answer).empty())
            FailTest("a box for the code page was given " + answer);
        return answer;
    }
    std::optional<ChosenFile> FileOpenDialog(const FileDialogRequest& request) override
    {
        FileDialogs.push_back(request);
        return Next(m_fileAnswers, "file dialog: " + request.Title);
    }
    std::optional<ChosenFile> FileSaveDialog(const FileDialogRequest& request) override
    {
        return FileOpenDialog(request);
    }
    std::optional<long> ColourDialog(long initial) override
    {
        ColourDialogs.push_back(initial);
        return Next(m_colourAnswers, "colour dialog");
    }
    std::optional<FontChoice> FontDialog(const FontChoice& initial) override
    {
        FontDialogs.push_back(initial);
        return Next(m_fontAnswers, "font dialog");
    }
    Status PrinterSetFont(const std::string& face, int points, bool bold) override;
    Status PrintLine(const std::string& line) override;
    Status PrintEmptyLine() override { return PrintLine(""); }
    Status EndPrintJob() override { return JobEnds.push_back(Printed.size()), Status::Ok(); }
    void ClipboardSetText(const std::string& text) override { Clipboard = text; }
    std::optional<std::filesystem::path>
    FindProgramFor(const std::filesystem::path& document) override;
    bool StartProgram(const std::filesystem::path& program, const std::string& parameters) override
    {
        return Started.emplace_back(program, parameters), !m_programStartsFail;
    }
    void ShowStatus(const std::string& text) override { StatusNotes.push_back(text); }
    void SetBusyPointer(bool busy) override { BusyDepth += busy ? 1 : -1, BusyShown += busy; }
    Date Today() override { return m_today; }
    void Wait(std::chrono::milliseconds) override {}

private:
    std::deque<MessageAnswer> m_messageAnswers;
    std::deque<std::string> m_inputAnswers;
    std::deque<std::optional<ChosenFile>> m_fileAnswers;
    std::deque<std::optional<long>> m_colourAnswers;
    std::deque<std::optional<FontChoice>> m_fontAnswers;
    Date m_today{2026, 3, 14};
    std::optional<std::string> m_printerError;
    bool m_noPrinter = false;
    std::optional<std::filesystem::path> m_documentProgram;
    bool m_programStartsFail = false;
    PrintedLine m_font{"", "Courier New", 10, false};
};

} // namespace pantrix::testing
