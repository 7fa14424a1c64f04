// The desktop printer behind the Ui seam, and the print preview, printing into
// PDF files that poppler's pdftotext reads back, their pages ended by form feeds.
#include "app/forwarding_ui.h"
#include "app/print_preview.h"
#include "app/qt_ui.h"
#include "output/list_output.h"
#include "output/recipe_output.h"
#include "support/data_folder.h"

#include <QDir>
#include <QMainWindow>
#include <QPrinterInfo>
#include <QProcess>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

using namespace pantrix;
using namespace pantrix::testing;

namespace {

// Each page as poppler's pdftotext reads it, ended by a form feed.
QStringList PdfPages(const QString& file)
{
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", file, "-"});
    if (!pdftotext.waitForFinished(30000))
        qFatal("pdftotext (poppler-utils) reads the pages back");
    QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split('\f');
    pages.removeLast(); // after the last page's form feed
    return pages;
}

// Questions answered from the script, lines printed by the desktop's printer.
class ScriptedQuestions final : public ForwardingUi
{
public:
    ScriptedQuestions(Ui& questions, Ui& printer) : ForwardingUi(questions), m_printer(printer) {}
    Status PrinterSetFont(const std::string& face, int points, bool bold) override
    {
        return m_printer.PrinterSetFont(face, points, bold);
    }
    Status PrintLine(const std::string& line) override { return m_printer.PrintLine(line); }
    Status PrintEmptyLine() override { return m_printer.PrintEmptyLine(); }
    Status EndPrintJob() override { return m_printer.EndPrintJob(); }

private:
    Ui& m_printer;
};

} // namespace

class QtPrinterTest : public QObject
{
    Q_OBJECT

private slots:
    // The list on pages of its own and a recipe followed by the list, in large
    // print: the preview's PDF holds the pages the printer got, job after job, and
    // the status bar names where the last job went.
    void thePreviewShowsAndSavesThePagesAPrintGives()
    {
        for (const View view : {View::Items, View::Recipes}) {
            Workspace w;
            for (int i = 0; i < 70; ++i)
                w.s.List.Entries.push_back({"Dairy\xB0 Cr\xE8me " + std::to_string(i), i % 3 == 0});
            w.s.List.Name = "My Pantrix";
            w.s.Recipes.CurrentRecipe = "Soup";
            for (int i = 0; i < 40; ++i)
                w.s.Recipes.EditorText += "Stir the soup gently for a long while, then taste it "
                                          "and stir again. Step " +
                                          std::to_string(i) + "\r\n";
            w.s.Options.LargePrint = view == View::Recipes;
            w.s.CurrentView = view;
            w.ui.SetToday({2026, 12, 7});
            const auto answer = [&] {
                if (view == View::Recipes)
                    w.ui.AnswerMessage(MessageAnswer::Yes); // the list too
                w.ui.AnswerMessage(MessageAnswer::Yes);     // with its category names
            };

            QTemporaryDir folder;
            QMainWindow window;
            QtUi printer;
            printer.SetParent(&window);
            printer.SetPrintFile(folder.filePath("job-%1.pdf"));
            ScriptedQuestions printing(w.ui, printer);
            answer();
            (view == View::Recipes ? PrintRecipe : PrintShoppingList)(w.s, printing);
            QStringList printed;
            const int jobs = QDir(folder.path()).entryList({"job-*.pdf"}).size();
            for (int job = 1; job <= jobs; ++job)
                printed += PdfPages(folder.filePath(QString("job-%1.pdf").arg(job)));
            QCOMPARE(window.statusBar()->currentMessage(),
                     "Saved as " + folder.filePath(QString("job-%1.pdf").arg(jobs)));

            answer();
            PrintPreviewWindow preview(RecordPrint(w.s, w.ui), w.ui, "Soup", nullptr);
            QVERIFY(preview.SavePdf(folder.filePath("preview.pdf")));
            const QStringList previewed = PdfPages(folder.filePath("preview.pdf"));
            QList<qsizetype> lines; // on each page, as many as the paper holds
            for (const QString& page : printed)
                lines << page.count('\n');
            QCOMPARE(lines, (view == View::Recipes ? QList<qsizetype>{52, 52, 14, 52, 23}
                                                   : QList<qsizetype>{62, 13}));
            QCOMPARE(printed.back().trimmed().split('\n').back(), "* Crème 69");
            QCOMPARE(previewed, printed);
        }
    }

    void withoutAPrinterNothingIsPrinted()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a printer");
        const Status ready = QtUi().PrinterSetFont("Courier New", 10, false);
        QVERIFY(!ready.ok());
        QCOMPARE(ready.error(), std::string("No printer is installed."));
    }
};

// The same paper, so the same pages, in any place the tests run.
int main(int argc, char* argv[])
{
    qputenv("LC_ALL", "C.UTF-8");
    QApplication app(argc, argv);
    QtPrinterTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "qt_printer_test.moc"
