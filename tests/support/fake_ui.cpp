#include "support/fake_ui.h"

#include "platform/files.h"
#include "support/test_failure.h"

namespace pantrix::testing {

namespace {

// The next scripted answer; with none left the test fails, naming what was asked.
template <typename Answer> Answer Next(std::deque<Answer>& answers, const std::string& asked)
{
    if (answers.empty()) {
        FailTest("unexpected " + asked);
        return {};
    }
    Answer answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

} // namespace

// Answers queued but never asked for mean the command asked fewer questions than
// the test expected.
FakeUi::~FakeUi()
{
    const std::pair<std::size_t, const char*> unused[] = {
        {m_messageAnswers.size(), "message"},
        {m_inputAnswers.size(), "input"},
        {m_fileAnswers.size(), "file"},
        {m_colourAnswers.size() + m_fontAnswers.size(), "colour or font"}};
    for (const auto& [count, kind] : unused)
        if (count != 0)
            FailTest(std::to_string(count) + " " + kind + " answers unused");
    if (BusyDepth != 0)
        FailTest("the busy pointer was left on");
}

MessageAnswer FakeUi::ShowMessage(const Message& message)
{
    Messages.push_back(message);
    if (message.Buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return Next(m_messageAnswers, "question: " + message.Title + " / " + message.Text);
}

std::string FakeUi::InputBox(const std::string& prompt, const std::string& title,
                             const std::string& defaultText, std::size_t maxLength)
{
    Inputs.push_back({prompt, title, defaultText});
    InputLimits.push_back(maxLength);
    return Next(m_inputAnswers, "input box: " + prompt);
}

std::optional<ChosenFile> FakeUi::FileOpenDialog(const FileDialogRequest& request)
{
    FileDialogs.push_back(request);
    return Next(m_fileAnswers, "file dialog: " + request.Title);
}

std::optional<long> FakeUi::ColourDialog(long initial)
{
    ColourDialogs.push_back(initial);
    return Next(m_colourAnswers, "colour dialog");
}

std::optional<FontChoice> FakeUi::FontDialog(const FontChoice& initial)
{
    FontDialogs.push_back(initial);
    return Next(m_fontAnswers, "font dialog");
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

std::optional<std::filesystem::path> FakeUi::FindProgramFor(const std::filesystem::path& document)
{
    const auto bytes = ReadWholeFile(document);
    LookedUp.push_back(bytes ? std::optional(bytes.value()) : std::nullopt);
    return m_documentProgram;
}

} // namespace pantrix::testing
