// The help viewer as Pantrix! starts it, and the help pages it ships with.
#include "help/help_arguments.h"
#include "help/help_window.h"

#include <QAction>
#include <QDir>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using namespace pantrix;

namespace {

const QString kHelpFolder = QStringLiteral(PANTRIX_SOURCE_DATA "/px_help");

// The arguments as read, on one line.
QString Read(const HelpArguments& read)
{
    QString links;
    for (const WebLink& link : read.Links)
        links += " | " + link.Caption + " " + link.Address.toString();
    return read.Title + " | " + QFile::decodeName(read.Page) + " # " + read.Anchor + links +
           QStringLiteral(" | %1x%2").arg(read.Size.width()).arg(read.Size.height());
}

QStringList AnchorsOf(const QString& page)
{
    QStringList names;
    static const QRegularExpression name(QStringLiteral("<a\\s+name=\"([^\"]*)\""));
    for (const auto& match : name.globalMatch(page))
        names << match.captured(1);
    return names;
}

} // namespace

class HelpViewerTest : public QObject
{
    Q_OBJECT

private slots:
    void ReadsTheEightArgumentsAndFallsBackWhenTheyAreMissingOrNone()
    {
        QTemporaryDir folder;
        const QByteArray dir = QFile::encodeName(folder.path());
        for (const char* name : {"/help.htm", "/notes#1.htm"})
            QFile(folder.path() + name).open(QIODevice::WriteOnly);
        const std::pair<std::vector<QByteArray>, QString> cases[] = {
            {{"-", dir + "/help.htm#Making Web Pages", "Quillfield Website",
              "http://www.quillfield.example/px-in.htm", "-", "-", "550", "640"},
             " | " + folder.path() +
                 "/help.htm # Making Web Pages | Quillfield Website "
                 "http://www.quillfield.example/px-in.htm | 550x640"},
            {{}, " | installed/help.htm #  | 550x640"},
            {{"-", "-", "Website only caption", "-", "-", "-", "wide", "0"},
             " | installed/help.htm #  | 550x640"},
            // A hash that belongs to the file name stays in it.
            {{"-", dir + "/notes#1.htm"}, " | " + folder.path() + "/notes#1.htm #  | 550x640"}};
        for (const auto& [arguments, read] : cases)
            QCOMPARE(Read(ParseHelpArguments(arguments, "installed/help.htm")), read);
    }

    void SaysSoWhenThePageIsMissing()
    {
        QTemporaryDir folder;
        const QByteArray page = QFile::encodeName(folder.filePath(QStringLiteral("gone/help.htm")));
        const HelpArguments read = ParseHelpArguments({"-", page + "#Making Web Pages"}, {});
        HelpWindow window(read, EnterPageFolder(read.Page, read.Anchor));
        QCOMPARE(window.windowTitle(), QStringLiteral("Help page not found"));
        QVERIFY(window.Browser()->toPlainText().contains(QFile::decodeName(page)));
    }

    void OpensTheGuideAtMakingWebPagesAndGoesToContents()
    {
        const HelpArguments read = ParseHelpArguments(
            {"-", QFile::encodeName(kHelpFolder) + "/help.htm#Making Web Pages"}, {});
        HelpWindow window(read, EnterPageFolder(read.Page, read.Anchor));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Pantrix! 3.1 Help"));
        QScrollBar* scroll = window.Browser()->verticalScrollBar();
        QTRY_VERIFY(scroll->value() > 0);
        window.Browser()->setSource(QUrl(QStringLiteral("catalogue.htm#editframe")));
        QVERIFY(window.windowTitle().contains(QStringLiteral("catalogue")));
        window.findChild<QAction*>(QStringLiteral("Contents"))->trigger();
        QCOMPARE(window.windowTitle(), QStringLiteral("Pantrix! 3.1 Help"));
        QTRY_COMPARE(scroll->value(), 0);
    }

    // Every page is plain ASCII (the viewer and any browser read it alike),
    // uses the shared style, and every link between pages finds its page and
    // its place in it.
    void EveryHelpLinkLeadsToAPageAndAPlace()
    {
        const QDir folder(kHelpFolder);
        QHash<QString, QString> pages;
        for (const QString& file : folder.entryList({QStringLiteral("*.htm")}, QDir::Files)) {
            QFile page(folder.filePath(file));
            QVERIFY(page.open(QIODevice::ReadOnly));
            const QByteArray bytes = page.readAll();
            const auto ascii = [](char c) { return static_cast<unsigned char>(c) < 128; };
            QVERIFY2(std::all_of(bytes.begin(), bytes.end(), ascii) &&
                         bytes.contains("href=\"help.css\""),
                     qPrintable(file));
            pages.insert(file, QString::fromLatin1(bytes));
        }
        QVERIFY(AnchorsOf(pages.value(QStringLiteral("help.htm"))).contains("Making Web Pages"));
        static const QRegularExpression link(
            QStringLiteral("<a\\s[^>]*href=\"([^\"#]*)#?([^\"]*)\""));
        for (auto page = pages.cbegin(); page != pages.cend(); ++page)
            for (const auto& match : link.globalMatch(page.value())) {
                const QString target = match.captured(1).isEmpty() ? page.key() : match.captured(1);
                const QString anchor = match.captured(2);
                if (!target.startsWith(QLatin1String("http")))
                    QVERIFY2(pages.contains(target) &&
                                 (anchor.isEmpty() || AnchorsOf(pages[target]).contains(anchor)),
                             qPrintable(page.key() + ": " + match.captured(0)));
            }
    }
};

QTEST_MAIN(HelpViewerTest)
#include "help_viewer_test.moc"
