#include "app/print_preview.h"

#include "app/forwarding_ui.h"
#include "app/save_name.h"
#include "app/text_bridge.h"
#include "output/list_output.h"
#include "output/recipe_output.h"
#include "state/main_screen_state.h"
#include "text/fields.h"

#include <QBoxLayout>
#include <QGraphicsView>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QPushButton>

namespace pantrix {
namespace {

// The window's desktop, but the printer keeps the lines instead of printing them.
// There is always a printer: the preview needs none to show and save its pages.
class RecordingUi final : public ForwardingUi
{
public:
    RecordingUi(Ui& ui, PrintRecording& pages) : ForwardingUi(ui), m_pages(pages) {}

    Status PrinterSetFont(const std::string& face, int points, bool bold) override
    {
        m_pages.SetFont(FromSeam(face), points, bold);
        return Status::Ok();
    }
    Status PrintLine(const std::string& line) override
    {
        m_pages.Line(FromSeam(line));
        return Status::Ok();
    }
    Status PrintEmptyLine() override { return PrintLine(std::string()); }
    Status EndPrintJob() override
    {
        m_pages.EndJob();
        return Status::Ok();
    }

private:
    PrintRecording& m_pages;
};

QString PageCountText(int pages)
{
    return pages == 1 ? QStringLiteral("1 page") : QStringLiteral("%1 pages").arg(pages);
}

QPushButton* Button(const QString& name, const QString& caption, QBoxLayout* row, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

} // namespace

PrintRecording RecordPrint(MainScreenState& s, Ui& ui)
{
    PrintRecording pages;
    RecordingUi recording(ui, pages);
    if (s.CurrentView == View::Recipes)
        PrintRecipe(s, recording);
    else
        PrintShoppingList(s, recording);
    return pages;
}

PrintPreviewWindow::PrintPreviewWindow(PrintRecording pages, Ui& ui, const QString& name,
                                       QWidget* parent)
    : QDialog(parent), m_pages(std::move(pages)), m_ui(ui), m_name(name)
{
    setWindowTitle(QStringLiteral("Print Preview"));
    m_printer.setDocName(QStringLiteral("Pantrix!"));
    m_view = new QPrintPreviewWidget(&m_printer, this);
    // The pages are drawn in a view inside the preview; a screen reader meets that.
    for (QGraphicsView* pages : m_view->findChildren<QGraphicsView*>()) {
        pages->setAccessibleName(QStringLiteral("Pages"));
        pages->viewport()->setAccessibleName(QStringLiteral("Pages"));
    }
    m_view->setViewMode(QPrintPreviewWidget::SinglePageView);
    m_view->fitToWidth();
    connect(m_view, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* printer) { m_pages.WriteTo(*printer); });
    m_view->updatePreview();

    auto* row = new QHBoxLayout;
    m_pageCount = new QLabel(PageCountText(m_view->pageCount()), this);
    row->addWidget(m_pageCount);
    row->addStretch();
    QPushButton* print = Button(QStringLiteral("Print"), QStringLiteral("&Print..."), row, this);
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        print->setEnabled(false);
        print->setToolTip(QStringLiteral("No printer is installed."));
    }
    connect(print, &QPushButton::clicked, this, &PrintPreviewWindow::Print);
    connect(Button(QStringLiteral("SavePdf"), QStringLiteral("Save as P&DF..."), row, this),
            &QPushButton::clicked, this, &PrintPreviewWindow::AskAndSavePdf);
    connect(Button(QStringLiteral("ZoomIn"), QStringLiteral("Zoom &In"), row, this),
            &QPushButton::clicked, this, [this] { Zoom(1.25); });
    connect(Button(QStringLiteral("ZoomOut"), QStringLiteral("Zoom &Out"), row, this),
            &QPushButton::clicked, this, [this] { Zoom(0.8); });
    connect(Button(QStringLiteral("Close"), QStringLiteral("&Close"), row, this),
            &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addLayout(row);
    resize(900, 700);
}

// The pages' view goes first: it paints from the printer, a member that goes
// before the window's children.
PrintPreviewWindow::~PrintPreviewWindow()
{
    delete m_view;
}

void PrintPreviewWindow::Zoom(double factor)
{
    m_view->setZoomMode(QPrintPreviewWidget::CustomZoom);
    m_view->setZoomFactor(m_view->zoomFactor() * factor);
}

// The system's print dialog picks the printer; the pages go to it as one job.
void PrintPreviewWindow::Print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(m_printer.docName());
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!m_pages.WriteTo(printer)) {
        m_ui.ShowMessage({"Printer not responding!", "Printer error...", MessageIcon::Exclamation,
                          MessageButtons::Ok, MessageAnswer::Ok});
        return;
    }
    m_ui.ShowStatus((printer.outputFormat() == QPrinter::PdfFormat
                         ? QStringLiteral("Saved as ") + printer.outputFileName()
                         : QStringLiteral("Sent to printer ") + printer.printerName())
                        .toStdString());
}

void PrintPreviewWindow::AskAndSavePdf()
{
    const QString file =
        AskSaveName(this, QStringLiteral("Save as PDF"), QStandardPaths::DocumentsLocation, m_name,
                    QStringLiteral(".pdf"), QStringLiteral("PDF files (*.pdf)"));
    if (!file.isEmpty())
        SavePdf(file);
}

// The same paper as the preview shows, the default printer's. The name ends in
// ".pdf", which makes the printer write PDF.
void PrintPreviewWindow::SavePdf(const QString& file)
{
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFileName(file);
    pdf.setPageLayout(m_printer.pageLayout());
    pdf.setDocName(m_printer.docName());
    if (!m_pages.WriteTo(pdf)) {
        m_ui.ShowMessage({"The PDF file could not be written:\r\n" + file.toStdString(),
                          "Save as PDF", MessageIcon::Exclamation, MessageButtons::Ok,
                          MessageAnswer::Ok});
        return;
    }
    m_ui.ShowStatus((QStringLiteral("Saved as ") + file).toStdString());
}

void ShowPrintPreview(MainScreenState& s, Ui& ui, QWidget* parent)
{
    PrintRecording pages = RecordPrint(s, ui);
    if (pages.Empty())
        return;
    const std::string name =
        s.CurrentView == View::Recipes ? std::string(Trim(s.Recipes.CurrentRecipe)) : s.List.Name;
    PrintPreviewWindow window(std::move(pages), ui, FromSeam(std::string(Trim(name))), parent);
    window.exec();
}

} // namespace pantrix
