// The desktop printer behind the Ui seam, printing into PDF files that
// poppler's pdftotext reads back, their pages ended by form feeds.
#include "app/qt_ui.h"

#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace pantrix;

class QtPrinterTest : public QObject
{
    Q_OBJECT

private slots:
    void eachJobIsAFileAndLongJobsGoOnToNewPages()
    {
        QTemporaryDir folder;
        QtUi ui;
        ui.SetPrintFile(folder.filePath(QStringLiteral("job-%1.pdf")));
        QVERIFY(ui.PrinterSetFont("Courier New", 10, true).ok());
        for (int i = 1; i <= 120; ++i)
            QVERIFY(ui.PrintLine("Line " + std::to_string(i) + " Café Борщ").ok());
        QVERIFY(ui.EndPrintJob().ok() && ui.PrintEmptyLine().ok() &&
                ui.PrintLine("Second job").ok() && ui.EndPrintJob().ok());
        QString printed;
        for (const char* job : {"job-1.pdf", "job-2.pdf"}) {
            QProcess pdftotext;
            pdftotext.start("pdftotext", {"-layout", folder.filePath(job), "-"});
            QVERIFY2(pdftotext.waitForFinished(30000),
                     "pdftotext (poppler-utils) reads the pages back");
            printed += QString::fromUtf8(pdftotext.readAllStandardOutput());
        }
        QCOMPARE(printed.count('\f'), 3); // the long job takes two pages
        for (const char* line : {"Line 1 Café Борщ", "Line 120 Café Борщ", "Second job"})
            QVERIFY2(printed.contains(line), qPrintable(line));
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

QTEST_MAIN(QtPrinterTest)
#include "qt_printer_test.moc"
