// Lines of text on a printer's pages, as the print commands send them: a
// fixed-pitch font, each line below the one before, and a line that would fall
// below the paper going on to a new page. The default printer and the print
// preview write their pages with it, so both give the same pages.
#pragma once

#include <QFont>
#include <QPainter>
#include <QString>
#include <vector>

class QPrinter;

namespace pantrix {

QFont PrintFont(const QString& face, int points, bool bold);

class PageWriter
{
public:
    explicit PageWriter(QPrinter& printer) : m_printer(printer) {}

    bool Begin();
    void SetFont(const QFont& font) { m_painter.setFont(font); }
    bool Line(const QString& text);
    bool NewPage();
    bool End() { return m_painter.end(); }

private:
    QPrinter& m_printer;
    QPainter m_painter;
    int m_y = 0;
};

// The printer operations of print commands, kept to be written onto the pages of
// any printer later: the preview's, a PDF file's, the one chosen to print on.
class PrintRecording
{
public:
    void SetFont(const QString& face, int points, bool bold);
    void Line(const QString& text);
    void EndJob() { m_jobOpen = false; }

    bool Empty() const { return m_steps.empty(); }
    // Every job of the recording, each from a new page; false when the printer
    // failed.
    bool WriteTo(QPrinter& printer) const;

private:
    struct Step
    {
        bool NewJob = false;
        QString Text;
        QFont Font;
    };
    std::vector<Step> m_steps;
    QFont m_font = PrintFont(QStringLiteral("Courier New"), 10, false);
    bool m_jobOpen = false;
};

} // namespace pantrix
