// The desktop printer behind the Ui seam, printing into PDF files that
// poppler's tools read back.
#include "app/qt_ui.h"

#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace pantrix;

namespace {

// The text of a printed file, its pages ended by form feeds.
QString Printed(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class QtPrinterTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QFAIL("pdftotext (poppler-utils) is needed to read the printed pages back");
    }

    void eachJobIsAFileAndLongJobsGoOnToNewPages()
    {
        QTemporaryDir folder;
        QtUi ui;
        ui.SetPrintFile(folder.filePath(QStringLiteral("job-%1.pdf")));
        QVERIFY(ui.PrinterSetFont("Courier New", 10, true).ok());
        for (int i = 1; i <= 120; ++i)
            QVERIFY(ui.PrintLine("Line " + std::to_string(i) + " Caf\xE9").ok());
        QVERIFY(ui.EndPrintJob().ok());
        QVERIFY(ui.PrintEmptyLine().ok());
        QVERIFY(ui.PrintLine("Second job").ok());
        QVERIFY(ui.EndPrintJob().ok());

        const QString first = Printed(folder.filePath(QStringLiteral("job-1.pdf")));
        QCOMPARE(first.count(QLatin1Char('\f')), 2);
        QVERIFY(first.contains(QStringLiteral("Line 1 Caf\u00E9")));
        QVERIFY(first.contains(QStringLiteral("Line 120 Caf\u00E9")));
        const QString second = Printed(folder.filePath(QStringLiteral("job-2.pdf")));
        QCOMPARE(second.count(QLatin1Char('\f')), 1);
        QVERIFY(second.contains(QStringLiteral("Second job")));
    }

    void withoutAPrinterNothingIsPrinted()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a printer");
        QtUi ui;
        const Status ready = ui.PrinterSetFont("Courier New", 10, false);
        QVERIFY(!ready.ok());
        QCOMPARE(ready.error(), std::string("No printer is installed."));
    }
};

QTEST_MAIN(QtPrinterTest)
#include "qt_printer_test.moc"
