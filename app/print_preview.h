// File > "Print Preview...": the pages "Print Shopping List" or, in the recipe
// view, "Print Recipe" would print, shown before any paper is used; from there
// they go to a printer the user picks or into a PDF file.
#pragma once

#include "app/print_pages.h"

#include <QDialog>
#include <QPrinter>

class QLabel;
class QPrintPreviewWidget;
class QPushButton;

namespace pantrix {

struct MainScreenState;
class Ui;

// Runs the view's print command, questions and all, keeping the lines it prints;
// empty when the user cancelled or there was nothing to print.
PrintRecording RecordPrint(MainScreenState& s, Ui& ui);

class PrintPreviewWindow final : public QDialog
{
    Q_OBJECT

public:
    // `name` proposes the PDF file's name.
    PrintPreviewWindow(PrintRecording pages, Ui& ui, const QString& name, QWidget* parent);
    ~PrintPreviewWindow() override;

private:
    void Print();
    void AskAndSavePdf();
    // The pages as a PDF file; the user is told when it could not be written.
    void SavePdf(const QString& file);
    void Zoom(double factor);

    PrintRecording m_pages;
    Ui& m_ui;
    QString m_name;
    QPrinter m_printer{QPrinter::HighResolution};
    QPrintPreviewWidget* m_view = nullptr;
    QLabel* m_pageCount = nullptr;
};

// Opens the preview of the view's print command, if it printed anything.
void ShowPrintPreview(MainScreenState& s, Ui& ui, QWidget* parent);

} // namespace pantrix
