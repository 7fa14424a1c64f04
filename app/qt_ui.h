// The desktop behind the program's Ui seam: Qt dialogs, the default printer, the
// clipboard, started programs, the mouse pointer and the clock.
#pragma once

#include "platform/ui.h"

#include <QPointer>
#include <QWidget>
#include <memory>

class QPrinter;

namespace pantrix {

class PageWriter;

class QtUi final : public Ui
{
public:
    QtUi();
    ~QtUi() override;

    // The window that owns the dialogs.
    void SetParent(QWidget* parent) { m_parent = parent; }
    // Print into PDF files instead of the default printer: "%1" in the name is
    // replaced by the number of the print job (an empty name prints to the
    // printer again).
    void SetPrintFile(const QString& pdfFile) { m_printFile = pdfFile; }

    MessageAnswer ShowMessage(const Message& message) override;
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText, std::size_t maxLength = 0,
                         InputCharacters characters = InputCharacters::CodePage) override;
    std::optional<ChosenFile> FileOpenDialog(const FileDialogRequest& request) override;
    std::optional<ChosenFile> FileSaveDialog(const FileDialogRequest& request) override;
    std::optional<long> ColourDialog(long initial) override;
    std::optional<FontChoice> FontDialog(const FontChoice& initial) override;

    Status PrinterSetFont(const std::string& face, int points, bool bold) override;
    Status PrintLine(const std::string& line) override;
    Status PrintEmptyLine() override;
    Status EndPrintJob() override;

    void ClipboardSetText(const std::string& text) override;

    std::optional<std::filesystem::path>
    FindProgramFor(const std::filesystem::path& document) override;
    bool StartProgram(const std::filesystem::path& program, const std::string& parameters) override;
    void ShowStatus(const std::string& text) override;

    void SetBusyPointer(bool busy) override;
    Date Today() override;
    void Wait(std::chrono::milliseconds duration) override;

private:
    std::optional<ChosenFile> FileDialog(const FileDialogRequest& request, bool save);
    Status BeginJobIfNeeded();

    QPointer<QWidget> m_parent;
    QString m_printFile;
    QString m_fontFace = QStringLiteral("Courier New");
    int m_fontPoints = 10;
    bool m_fontBold = false;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<PageWriter> m_painter;
    int m_jobs = 0;
};

} // namespace pantrix
