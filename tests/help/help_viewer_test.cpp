// The help viewer as Pantrix! starts it, and the help pages it ships with.
#include "help/help_arguments.h"
#include "help/help_window.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace pantrix;

namespace {

const QString kHelpFolder = QStringLiteral(PANTRIX_SOURCE_DATA "/px_help");

void WriteFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QSet<QString> AnchorsOf(const QString& page)
{
    QSet<QString> names;
    static const QRegularExpression name(QStringLiteral("<a\\s+name=\"([^\"]*)\""));
    for (const auto& match : name.globalMatch(page))
        names.insert(match.captured(1));
    return names;
}

} // namespace

class HelpViewerTest : public QObject
{
    Q_OBJECT

private slots:
    void ReadsTheEightArgumentsPantrixGives()
    {
        QTemporaryDir folder;
        WriteFile(folder.filePath(QStringLiteral("help.htm")), "<html></html>");
        const QByteArray page = QFile::encodeName(folder.filePath(QStringLiteral("help.htm")));
        const HelpArguments read =
            ParseHelpArguments({"-", page + "#Making Web Pages", "Quillfield Website",
                                "http://www.quillfield.example/px-in.htm", "-", "-", "550", "640"},
                               "unused.htm");
        QVERIFY(read.Title.isEmpty());
        QCOMPARE(read.Page, page);
        QCOMPARE(read.Anchor, QStringLiteral("Making Web Pages"));
        QCOMPARE(read.Links.size(), std::size_t(1));
        QCOMPARE(read.Links[0].Caption, QStringLiteral("Quillfield Website"));
        QCOMPARE(read.Links[0].Address,
                 QUrl(QStringLiteral("http://www.quillfield.example/px-in.htm")));
        QCOMPARE(read.Size, QSize(550, 640));
    }

    void FallsBackWhenArgumentsAreMissingOrNone()
    {
        const HelpArguments none = ParseHelpArguments({}, "installed/help.htm");
        QCOMPARE(none.Page, QByteArray("installed/help.htm"));
        QVERIFY(none.Links.empty());
        QCOMPARE(none.Size, QSize(kDefaultWidth, kDefaultHeight));

        const HelpArguments odd = ParseHelpArguments(
            {"-", "-", "Website only caption", "-", "-", "-", "wide", "0"}, "installed/help.htm");
        QCOMPARE(odd.Page, QByteArray("installed/help.htm"));
        QVERIFY(odd.Links.empty());
        QCOMPARE(odd.Size, QSize(kDefaultWidth, kDefaultHeight));
    }

    void KeepsAHashThatBelongsToTheFileName()
    {
        QTemporaryDir folder;
        const QString named = folder.filePath(QStringLiteral("notes#1.htm"));
        WriteFile(named, "<html></html>");
        const HelpArguments read = ParseHelpArguments({"-", QFile::encodeName(named)}, {});
        QCOMPARE(read.Page, QFile::encodeName(named));
        QVERIFY(read.Anchor.isEmpty());
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
        const QStringList files = folder.entryList({QStringLiteral("*.htm")}, QDir::Files);
        QVERIFY(files.contains(QStringLiteral("help.htm")));
        QHash<QString, QString> pages;
        for (const QString& file : files) {
            QFile page(folder.filePath(file));
            QVERIFY(page.open(QIODevice::ReadOnly));
            const QByteArray bytes = page.readAll();
            for (const char c : bytes)
                QVERIFY2(static_cast<unsigned char>(c) < 128, qPrintable(file));
            pages.insert(file, QString::fromLatin1(bytes));
            QVERIFY2(bytes.contains("href=\"help.css\""), qPrintable(file));
        }
        QVERIFY(AnchorsOf(pages.value(QStringLiteral("help.htm")))
                    .contains(QStringLiteral("Making Web Pages")));

        static const QRegularExpression link(QStringLiteral("<a\\s[^>]*href=\"([^\"]*)\""));
        for (auto page = pages.cbegin(); page != pages.cend(); ++page)
            for (const auto& match : link.globalMatch(page.value())) {
                const QString href = match.captured(1);
                if (href.startsWith(QLatin1String("http")))
                    continue;
                const QString target = href.section(QLatin1Char('#'), 0, 0);
                const QString anchor = href.section(QLatin1Char('#'), 1);
                const QString where = page.key() + QStringLiteral(": ") + href;
                const QString targetPage = target.isEmpty() ? page.key() : target;
                QVERIFY2(pages.contains(targetPage), qPrintable(where));
                if (!anchor.isEmpty())
                    QVERIFY2(AnchorsOf(pages.value(targetPage)).contains(anchor),
                             qPrintable(where));
            }
    }
};

QTEST_MAIN(HelpViewerTest)
#include "help_viewer_test.moc"
