#include "app/qt_ui.h"

#include "app/code_page_guard.h"
#include "app/desktop_entries.h"
#include "app/print_pages.h"
#include "app/text_bridge.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDate>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>
#include <algorithm>

namespace pantrix {
namespace {

QMessageBox::Icon QtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons QtButtons(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::Ok: break;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton QtButton(MessageAnswer answer)
{
    switch (answer) {
    case MessageAnswer::Cancel: return QMessageBox::Cancel;
    case MessageAnswer::Yes: return QMessageBox::Yes;
    case MessageAnswer::No: return QMessageBox::No;
    case MessageAnswer::Ok: break;
    }
    return QMessageBox::Ok;
}

MessageAnswer AnswerOf(int button)
{
    switch (button) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Ok: return MessageAnswer::Ok;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    default: break;
    }
    // Closed without a button, as by the session's end: the answer that changes
    // nothing, which for a Yes or No question is neither, since No may throw away
    // what the question offered.
    return MessageAnswer::Cancel;
}

// The program keeps CR LF line breaks in its texts.
QString DisplayText(const std::string& text)
{
    return FromSeam(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString FilterText(const std::vector<FileFilter>& filters)
{
    QStringList parts;
    // Patterns of one entry are parted by ";" in the program, by spaces in Qt.
    for (const auto& filter : filters)
        parts << FromSeam(filter.Description) + QStringLiteral(" (") +
                     FromSeam(filter.Pattern).replace(QLatin1Char(';'), QLatin1Char(' ')) +
                     QStringLiteral(")");
    return parts.join(QStringLiteral(";;"));
}

// A parameter text made only of double-quoted parts gives one argument per part;
// any other text is one argument whole, so an address with spaces stays whole.
QStringList Arguments(const std::string& parameters)
{
    const QString text = FromSeam(parameters).trimmed();
    if (text.isEmpty())
        return {};
    static const QRegularExpression quotedParts(QStringLiteral("^(\"[^\"]*\"\\s*)+$"));
    if (!quotedParts.match(text).hasMatch())
        return {text};
    QStringList arguments;
    static const QRegularExpression part(QStringLiteral("\"([^\"]*)\""));
    for (auto match = part.globalMatch(text); match.hasNext();)
        arguments << match.next().captured(1);
    return arguments;
}

// What a desktop entry is given: a local page as a file address, an address as
// it is.
std::string EntryAddress(const std::string& parameters)
{
    const QString address = FromSeam(parameters).trimmed();
    const QUrl url = address.startsWith(QLatin1Char('/')) ? QUrl::fromLocalFile(address)
                                                          : QUrl(address, QUrl::TolerantMode);
    return url.toEncoded().toStdString();
}

// A list entry, the longest text a box asks for: category, marker, space, item.
constexpr int kLongestEntry = 62;

// Wide enough to show `characters` capitals whole, within the screen.
void FitWidth(QLineEdit* edit, int characters)
{
    const QFontMetrics metrics = edit->fontMetrics();
    // The box's frame and margins: its own width for 17 "x" less their text.
    const int chrome = edit->sizeHint().width() - metrics.horizontalAdvance(QLatin1Char('x')) * 17;
    int width = chrome + metrics.horizontalAdvance(QString(characters, QLatin1Char('M')));
    if (const QScreen* screen = edit->screen())
        width = std::min(width, screen->availableGeometry().width() * 9 / 10);
    edit->setMinimumWidth(width);
}

// A question asked while the busy pointer shows gets the normal pointer, so the
// dialog does not look as if it could not be answered yet.
class NormalPointerWhileAsking
{
public:
    NormalPointerWhileAsking() : m_busy(QApplication::overrideCursor() != nullptr)
    {
        if (m_busy)
            QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~NormalPointerWhileAsking()
    {
        if (m_busy)
            QApplication::restoreOverrideCursor();
    }
    NormalPointerWhileAsking(const NormalPointerWhileAsking&) = delete;
    NormalPointerWhileAsking& operator=(const NormalPointerWhileAsking&) = delete;

private:
    bool m_busy;
};

} // namespace

QtUi::QtUi() = default;
QtUi::~QtUi()
{
    if (m_painter)
        m_painter->End();
}

MessageAnswer QtUi::ShowMessage(const Message& message)
{
    QMessageBox box(QtIcon(message.Icon), FromSeam(message.Title), DisplayText(message.Text),
                    QtButtons(message.Buttons), m_parent);
    box.setDefaultButton(QtButton(message.DefaultButton));
    // A question asked while only the splash shows must not end up behind it.
    if (!m_parent || !m_parent->isVisible())
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    const NormalPointerWhileAsking pointer;
    return AnswerOf(box.exec());
}

// A box for the code page takes only characters of one byte each, so the box's
// limit is the program's.
std::string QtUi::InputBox(const std::string& prompt, const std::string& title,
                           const std::string& defaultText, std::size_t maxLength,
                           InputCharacters characters)
{
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(FromSeam(title));
    dialog.setLabelText(DisplayText(prompt));
    dialog.setTextValue(FromSeam(defaultText));
    auto* edit = dialog.findChild<QLineEdit*>();
    if (edit) {
        const int limit = static_cast<int>(std::min<std::size_t>(maxLength, 32767));
        if (limit > 0)
            edit->setMaxLength(limit);
        FitWidth(edit, limit > 0 ? limit : kLongestEntry);
        if (characters == InputCharacters::CodePage)
            CodePageGuard::Guard(edit);
    }
    const NormalPointerWhileAsking pointer;
    if (dialog.exec() != QDialog::Accepted)
        return {};
    // The box's own text: after a paste the guard put right, the dialog hears
    // the pasted text last, as the box tells of the paste itself.
    return (edit ? edit->text() : dialog.textValue()).toStdString();
}

std::optional<ChosenFile> QtUi::FileDialog(const FileDialogRequest& request, bool save)
{
    // A folder that is gone opens the dialog in the nearest one still there.
    std::filesystem::path folder = request.Folder;
    std::error_code ignored;
    while (!folder.empty() && !std::filesystem::is_directory(folder, ignored) &&
           folder != folder.parent_path())
        folder = folder.parent_path();
    QFileDialog dialog(m_parent, FromSeam(request.Title), QFile::decodeName(folder.c_str()),
                       FilterText(request.Filters));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // A name that does not exist yet may be typed; the command decides what it means.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(FromSeam(request.PresetName));
    const NormalPointerWhileAsking pointer;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    // The path keeps the file system's own bytes; only the name is shown.
    const std::filesystem::path chosen(
        QFile::encodeName(dialog.selectedFiles().first()).toStdString());
    return ChosenFile{chosen, chosen.filename().native()};
}

std::optional<ChosenFile> QtUi::FileOpenDialog(const FileDialogRequest& request)
{
    return FileDialog(request, false);
}

std::optional<ChosenFile> QtUi::FileSaveDialog(const FileDialogRequest& request)
{
    return FileDialog(request, true);
}

std::optional<long> QtUi::ColourDialog(long initial)
{
    const QColor start(initial & 0xFF, (initial >> 8) & 0xFF, (initial >> 16) & 0xFF);
    const NormalPointerWhileAsking pointer;
    const QColor chosen = QColorDialog::getColor(start, m_parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen.red() | (chosen.green() << 8) | (chosen.blue() << 16);
}

std::optional<FontChoice> QtUi::FontDialog(const FontChoice& initial)
{
    QFont start(FromSeam(initial.Face));
    if (initial.Points > 0)
        start.setPointSizeF(initial.Points);
    bool accepted = false;
    const NormalPointerWhileAsking pointer;
    const QFont font = QFontDialog::getFont(&accepted, start, m_parent);
    if (!accepted)
        return std::nullopt;
    return FontChoice{font.family().toStdString(), static_cast<float>(font.pointSizeF())};
}

Status QtUi::PrinterSetFont(const std::string& face, int points, bool bold)
{
    if (!m_painter && m_printFile.isEmpty() && QPrinterInfo::defaultPrinter().isNull())
        return Status::Failure("No printer is installed.");
    m_fontFace = FromSeam(face);
    m_fontPoints = points;
    m_fontBold = bold;
    if (m_painter)
        m_painter->SetFont(PrintFont(m_fontFace, m_fontPoints, m_fontBold));
    return Status::Ok();
}

Status QtUi::BeginJobIfNeeded()
{
    if (m_painter)
        return Status::Ok();
    if (m_printFile.isEmpty() && QPrinterInfo::defaultPrinter().isNull())
        return Status::Failure("No printer is installed.");
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    ++m_jobs;
    if (!m_printFile.isEmpty()) {
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setOutputFileName(
            m_printFile.contains(QLatin1String("%1")) ? m_printFile.arg(m_jobs) : m_printFile);
    }
    m_printer->setDocName(QStringLiteral("Pantrix!"));
    m_painter = std::make_unique<PageWriter>(*m_printer);
    if (!m_painter->Begin()) {
        m_painter.reset();
        m_printer.reset();
        return Status::Failure("The printer could not be started.");
    }
    return PrinterSetFont(m_fontFace.toStdString(), m_fontPoints, m_fontBold);
}

Status QtUi::PrintLine(const std::string& line)
{
    if (Status started = BeginJobIfNeeded(); !started)
        return started;
    if (!m_painter->Line(FromSeam(line)))
        return Status::Failure("The printer did not take a new page.");
    return Status::Ok();
}

Status QtUi::PrintEmptyLine()
{
    return PrintLine(std::string());
}

// The job is the printer's now; the status bar says which printer has it.
Status QtUi::EndPrintJob()
{
    if (!m_painter)
        return Status::Ok();
    const bool ended = m_painter->End();
    m_painter.reset();
    const QString where = m_printer->outputFormat() == QPrinter::PdfFormat
                              ? QStringLiteral("Saved as ") + m_printer->outputFileName()
                              : QStringLiteral("Sent to printer ") + m_printer->printerName();
    m_printer.reset();
    if (!ended)
        return Status::Failure("The print job could not be finished.");
    ShowStatus(where.toStdString());
    return Status::Ok();
}

void QtUi::ClipboardSetText(const std::string& text)
{
    QGuiApplication::clipboard()->setText(FromSeam(text));
}

std::optional<std::filesystem::path> QtUi::FindProgramFor(const std::filesystem::path& document)
{
    if (auto entry = DefaultEntryFor(document))
        return entry;
    const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (program.isEmpty())
        return std::nullopt;
    return std::filesystem::path(QFile::encodeName(program).toStdString());
}

bool QtUi::StartProgram(const std::filesystem::path& program, const std::string& parameters)
{
    if (IsDesktopEntry(program))
        return LaunchEntry(program, EntryAddress(parameters));
    return QProcess::startDetached(QFile::decodeName(program.c_str()), Arguments(parameters));
}

// The work that follows keeps the event loop waiting, so the windows are drawn
// now: a menu or question just closed leaves no hole in them meanwhile. Only
// painting is done here; handling other events could start a second command
// in the middle of this one.
void QtUi::ShowStatus(const std::string& text)
{
    // Long enough to be read after the browser has come up in front.
    constexpr int kShownFor = 30000;
    if (auto* window = qobject_cast<QMainWindow*>(m_parent.data()))
        window->statusBar()->showMessage(FromSeam(text), kShownFor);
}

void QtUi::SetBusyPointer(bool busy)
{
    if (!busy)
        return QApplication::restoreOverrideCursor();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            window->repaint();
}

Date QtUi::Today()
{
    const QDate today = QDate::currentDate();
    return {today.year(), today.month(), today.day()};
}

void QtUi::Wait(std::chrono::milliseconds duration)
{
    QEventLoop loop;
    QTimer::singleShot(duration, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace pantrix
