#include "support/fake_ui.h"

#include "support/test_failure.h"

#include <fstream>
#include <iterator>

namespace pantrix::testing {

FakeUi::FakeUi() = default;

// Answers queued but never asked for mean the command asked fewer questions than
// the test expected.
FakeUi::~FakeUi()
{
    if (!m_messageAnswers.empty())
        FailTest(std::to_string(m_messageAnswers.size()) + " message answers unused");
    if (!m_inputAnswers.empty())
        FailTest(std::to_string(m_inputAnswers.size()) + " input answers unused");
    if (!m_fileAnswers.empty())
        FailTest(std::to_string(m_fileAnswers.size()) + " file answers unused");
    if (!m_colourAnswers.empty() || !m_fontAnswers.empty())
        FailTest("colour or font answers unused");
    if (BusyDepth != 0)
        FailTest("the busy pointer was left on");
}

MessageAnswer FakeUi::ShowMessage(const Message& message)
{
    Messages.push_back(message);
    if (message.Buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    if (m_messageAnswers.empty()) {
        FailTest("unexpected question: " + message.Title + " / " + message.Text);
        return message.DefaultButton;
    }
    const MessageAnswer answer = m_messageAnswers.front();
    m_messageAnswers.pop_front();
    return answer;
}

std::string FakeUi::InputBox(const std::string& prompt, const std::string& title,
                             const std::string& defaultText, std::size_t maxLength)
{
    Inputs.push_back({prompt, title, defaultText});
    InputLimits.push_back(maxLength);
    if (m_inputAnswers.empty()) {
        FailTest("unexpected input box: " + prompt);
        return {};
    }
    std::string answer = std::move(m_inputAnswers.front());
    m_inputAnswers.pop_front();
    return answer;
}

std::optional<ChosenFile> FakeUi::FileOpenDialog(const FileDialogRequest& request)
{
    FileDialogs.push_back(request);
    if (m_fileAnswers.empty()) {
        FailTest("unexpected file dialog: " + request.Title);
        return std::nullopt;
    }
    auto answer = std::move(m_fileAnswers.front());
    m_fileAnswers.pop_front();
    return answer;
}

std::optional<ChosenFile> FakeUi::FileSaveDialog(const FileDialogRequest& request)
{
    return FileOpenDialog(request);
}

namespace {

template <typename T>
std::optional<T> NextAnswer(std::deque<std::optional<T>>& answers, const char* dialog)
{
    if (answers.empty()) {
        FailTest(std::string("unexpected ") + dialog);
        return std::nullopt;
    }
    auto answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

} // namespace

std::optional<long> FakeUi::ColourDialog(long initial)
{
    ColourDialogs.push_back(initial);
    return NextAnswer(m_colourAnswers, "colour dialog");
}

std::optional<FontChoice> FakeUi::FontDialog(const FontChoice& initial)
{
    FontDialogs.push_back(initial);
    return NextAnswer(m_fontAnswers, "font dialog");
}

Status FakeUi::PrinterSetFont(const std::string& face, int points, bool bold)
{
    if (m_noPrinter)
        return Status::Failure("No printer is installed.");
    m_font = {"", face, points, bold};
    return Status::Ok();
}

Status FakeUi::PrintLine(const std::string& line)
{
    if (m_printerError)
        return Status::Failure(*m_printerError);
    PrintedLine printed = m_font;
    printed.Text = line;
    Printed.push_back(printed);
    return Status::Ok();
}

Status FakeUi::PrintEmptyLine()
{
    return PrintLine("");
}

Status FakeUi::EndPrintJob()
{
    JobEnds.push_back(Printed.size());
    return Status::Ok();
}

void FakeUi::ClipboardClear()
{
    Clipboard.reset();
}

void FakeUi::ClipboardSetText(const std::string& text)
{
    Clipboard = text;
}

std::optional<std::filesystem::path>
FakeUi::FindProgramFor(const std::filesystem::path& document)
{
    std::ifstream in(document, std::ios::binary);
    LookedUp.push_back(in ? std::optional(std::string(std::istreambuf_iterator<char>(in), {}))
                          : std::nullopt);
    return m_documentProgram;
}

bool FakeUi::StartProgram(const std::filesystem::path& program, const std::string& parameters)
{
    Started.emplace_back(program, parameters);
    return !m_programStartsFail;
}

void FakeUi::SetBusyPointer(bool busy)
{
    BusyDepth += busy ? 1 : -1;
    BusyShown += busy ? 1 : 0;
}

Date FakeUi::Today()
{
    return m_today;
}

void FakeUi::Wait(std::chrono::milliseconds) {}

} // namespace pantrix::testing
