// The help viewer as Pantrix! starts it, and its pages: plain ASCII, shared style, whole links.
#include "help/help_window.h"

#include <QAction>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using namespace pantrix;

class HelpViewerTest : public QObject
{
    Q_OBJECT

private slots:
    void theViewerAndItsPages()
    {
        QTemporaryDir folder; // where "#" may be part of a file's name
        QDir::setCurrent(folder.path());
        QFile(QStringLiteral("notes#1.htm")).open(QIODevice::WriteOnly);
        const std::pair<std::vector<QByteArray>, const char*> cases[] = {
            {{"G", "help.htm#Making%20Web%20Pages", "Q", "http://a.x", "", "b.x", "600", "7"},
             "G help.htm Making Web Pages 600 7 G Q http://a.x Website http://b.x "},
            {{"-", "-", "C", "-", "-", "-", "wide", "0"}, " default  550 640 Help page not found "},
            {{"-", "notes#1.htm"}, " notes#1.htm  550 640 Pantrix! Help "}};
        for (const auto& [arguments, expected] : cases) {
            const HelpArguments read = ParseHelpArguments(arguments, "default");
            const HelpWindow window(read, EnterPageFolder(read.Page, read.Anchor));
            QString told;
            QDebug(&told).noquote() << read.Title << read.Page << read.Anchor << read.Size.width()
                                    << read.Size.height() << window.windowTitle();
            for (const WebLink& link : read.Links)
                QDebug(&told).noquote() << link.Caption << link.Address.toString();
            QCOMPARE(told, QString(expected));
        }

        HelpWindow window(
            {}, EnterPageFolder(PANTRIX_SOURCE_DATA "/px_help/catalogue.htm", "editframe"));
        window.show();
        QScrollBar* scroll = window.Browser()->verticalScrollBar();
        QTRY_VERIFY(scroll->value() > 0 && window.windowTitle().contains("catalogue"));
        window.findChild<QAction*>(QStringLiteral("Contents"))->trigger();
        QTRY_VERIFY(scroll->value() == 0 && window.windowTitle() == "Pantrix! 3.1 Help");

        QStringList places, links = {"help.htm#Making Web Pages"}; // where Pantrix! opens it
        static const QRegularExpression anchor("<a\\s[^>]*(name|href)=\"([^\"]*)\"");
        for (const QString& name : QDir().entryList({QStringLiteral("*.htm")})) {
            QFile file(name);
            file.open(QIODevice::ReadOnly); // a page not read lacks the style
            const QString page = QString::fromLatin1(file.readAll());
            QVERIFY2(page.toUtf8() == page.toLatin1() && page.contains("help.css"),
                     name.toLatin1());
            places << name;
            for (const auto& match : anchor.globalMatch(page))
                if (match.captured(1) == "name")
                    places << name + '#' + match.captured(2);
                else
                    links << (match.captured(2).startsWith('#') ? name : "") + match.captured(2);
        }
        for (const QString& link : links)
            QVERIFY2(link.startsWith("http") || places.contains(link), qPrintable(link));
    }
};

QTEST_MAIN(HelpViewerTest)
#include "help_viewer_test.moc"
