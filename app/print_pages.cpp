#include "app/print_pages.h"

#include <QPrinter>

namespace pantrix {

QFont PrintFont(const QString& face, int points, bool bold)
{
    QFont font(face, points);
    font.setBold(bold);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

bool PageWriter::Begin()
{
    m_y = 0;
    return m_painter.begin(&m_printer);
}

bool PageWriter::Line(const QString& text)
{
    const QFontMetrics metrics(m_painter.font(), &m_printer);
    const int pageHeight = m_printer.pageLayout().paintRectPixels(m_printer.resolution()).height();
    if (m_y + metrics.height() > pageHeight && !NewPage())
        return false;
    m_painter.drawText(0, m_y + metrics.ascent(), text);
    m_y += metrics.height();
    return true;
}

bool PageWriter::NewPage()
{
    m_y = 0;
    return m_printer.newPage();
}

void PrintRecording::SetFont(const QString& face, int points, bool bold)
{
    m_font = PrintFont(face, points, bold);
}

// A job begins with its first line, as on the default printer.
void PrintRecording::Line(const QString& text)
{
    m_steps.push_back({!m_jobOpen, text, m_font});
    m_jobOpen = true;
}

bool PrintRecording::WriteTo(QPrinter& printer) const
{
    PageWriter writer(printer);
    if (!writer.Begin())
        return false;
    bool written = true;
    for (std::size_t i = 0; i < m_steps.size(); ++i) {
        const Step& step = m_steps[i];
        if (step.NewJob && i > 0)
            written = writer.NewPage() && written;
        writer.SetFont(step.Font);
        written = writer.Line(step.Text) && written;
    }
    return writer.End() && written;
}

} // namespace pantrix
