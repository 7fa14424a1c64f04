#include "support/fake_ui.h"

#include "platform/files.h"

namespace pantrix::testing {

// Answers queued but never asked for mean the command asked fewer questions than expected.
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
    Printed.push_back(m_font);
    Printed.back().Text = line;
    return Status::Ok();
}

std::optional<std::filesystem::path> FakeUi::FindProgramFor(const std::filesystem::path& document)
{
    const auto bytes = ReadWholeFile(document);
    LookedUp.push_back(bytes ? std::optional(bytes.value()) : std::nullopt);
    return m_documentProgram;
}

} // namespace pantrix::testing
