#include "output/simple_print.h"

#include "platform/ui.h"
#include "text/cp1252.h"
#include "text/fields.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace pantrix {
namespace {

// How a printed line ends: whether an empty line follows it, and how much it adds
// to the page's count. A CR counts its empty line, a lone LF does not; a
// wrapped line and the text's last line have no empty line after them.
struct LineEnd
{
    bool EmptyAfter;
    int Counted;
};
constexpr LineEnd kCarriageReturn{true, 2};
constexpr LineEnd kLineFeed{true, 1};
constexpr LineEnd kPlainLine{false, 1};

// Sends the lines of one text and keeps the page's count. After the first
// failing printer operation nothing more is sent.
class PrintedPages
{
public:
    PrintedPages(Ui& ui, int top, int margin, int limit)
        : m_ui(ui), m_top(top), m_limit(limit), m_margin(std::max(margin, 0), ' '), m_count(top)
    {
    }

    bool Failed() const { return !m_failure.ok(); }

    void OpenPage()
    {
        m_pageOpen = true;
        for (int i = 0; i <= m_top; ++i)
            Send(&Ui::PrintEmptyLine);
    }

    // A line of spaces alone is not printed.
    void Line(const std::string& pending, LineEnd end)
    {
        if (Trim(pending).empty())
            return;
        if (!m_pageOpen)
            OpenPage();
        if (!Failed())
            Keep(m_ui.PrintLine(ToUtf8(m_margin + pending)));
        m_pageHasLine = true;
        if (end.EmptyAfter)
            Send(&Ui::PrintEmptyLine);
        m_count += end.Counted;
    }

    // Only a page with a line on it is ended, and the next page's empty lines wait
    // until a line follows them: a text ending just after a page break leaves no
    // blank sheet, and a limit below the top cannot end blank page after page.
    void CheckPage()
    {
        if (m_count <= m_limit)
            return;
        m_count = m_top;
        if (!m_pageHasLine)
            return;
        Send(&Ui::EndPrintJob);
        m_pageOpen = false;
        m_pageHasLine = false;
    }

    // Ends the job even after a failure, so the next print does not join it.
    Status End()
    {
        if (m_pageOpen)
            Keep(m_ui.EndPrintJob());
        return m_failure;
    }

private:
    void Send(Status (Ui::*operation)())
    {
        if (!Failed())
            Keep((m_ui.*operation)());
    }
    void Keep(const Status& done)
    {
        if (!done && !Failed())
            m_failure = done;
    }

    Ui& m_ui;
    int m_top;
    int m_limit;
    std::string m_margin;
    std::int64_t m_count;
    bool m_pageOpen = false;
    bool m_pageHasLine = false;
    Status m_failure = Status::Ok();
};

} // namespace

Status SimplePrint(Ui& ui, std::string_view text, int top, int margin, int width, int limit)
{
    const auto wrapAt = static_cast<std::size_t>(std::max(width, 0));
    PrintedPages page(ui, top, margin, limit);
    page.OpenPage();
    std::string pending;
    std::size_t column = 0; // counts every character since the last line end
    for (const char c : Trim(text)) {
        if (page.Failed())
            break;
        ++column;
        const bool lineBreak = c == '\r' || c == '\n';
        // From the width on, spaces are dropped, so a word crossing it stays whole.
        if (!lineBreak && (column < wrapAt || c != ' '))
            pending += c;
        if (lineBreak || (c == ' ' && column >= wrapAt)) {
            page.Line(pending, c == '\r' ? kCarriageReturn : c == '\n' ? kLineFeed : kPlainLine);
            pending.clear();
            column = 0;
        }
        page.CheckPage();
    }
    if (!page.Failed())
        page.Line(pending, kPlainLine);
    return page.End();
}

} // namespace pantrix
