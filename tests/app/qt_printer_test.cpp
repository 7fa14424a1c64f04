// The desktop printer behind the Ui seam, printing into PDF files that
// poppler's tools read back.
#include "app/qt_ui.h"

#include <QDir>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace pantrix;

namespace {

QString Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

int Pages(const QString& pdf)
{
    const QString info = Run(QStringLiteral("pdfinfo"), {pdf});
    for (const QString& line : info.split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("Pages:")))
            return line.mid(6).trimmed().toInt();
    return -1;
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

        const QString first = folder.filePath(QStringLiteral("job-1.pdf"));
        const QString second = folder.filePath(QStringLiteral("job-2.pdf"));
        QCOMPARE(Pages(first), 2);
        QCOMPARE(Pages(second), 1);
        const QString text = Run(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-layout"), first, QStringLiteral("-")});
        QVERIFY(text.contains(QStringLiteral("Line 1 Caf\u00E9")));
        QVERIFY(text.contains(QStringLiteral("Line 120 Caf\u00E9")));
        QVERIFY(Run(QStringLiteral("pdftotext"), {second, QStringLiteral("-")})
                    .contains(QStringLiteral("Second job")));
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
