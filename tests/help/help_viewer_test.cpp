// The help viewer at a page's anchor, at the contents and home again, its text larger, smaller
// and closed by its keys, and the pages: plain ASCII, shared style, whole links. (Its windows as
// Pantrix! starts it are in the windows test.)
#include "help/help_window.h"

#include <QAction>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>

using namespace pantrix;

class HelpViewerTest : public QObject
{
    Q_OBJECT

private slots:
    void theViewerAndItsPages()
    {
        HelpWindow window(
            {}, EnterPageFolder(PANTRIX_SOURCE_DATA "/px_help/catalogue.htm", "editframe"));
        window.show();
        QScrollBar* scroll = window.Browser()->verticalScrollBar();
        QTRY_VERIFY(scroll->value() > 0 && window.windowTitle() == "Pantrix! Help - The catalogue");
        window.findChild<QAction*>(QStringLiteral("Contents"))->trigger();
        QTRY_VERIFY(scroll->value() == 0 && window.windowTitle() == "Pantrix! 3.1 Help");
        window.findChild<QAction*>(QStringLiteral("Home"))->trigger(); // the page it opened with
        QTRY_VERIFY(window.windowTitle() == "Pantrix! Help - The catalogue");
        QList<qreal> sizes{window.Browser()->font().pointSizeF()}; // and the keys without buttons
        for (const QString step : {"Larger Text", "Smaller Text", "Smaller Text", "Close"}) {
            for (QAction* action : window.actions())
                if (action->text() == step)
                    action->trigger();
            sizes << window.Browser()->font().pointSizeF() - sizes.front();
        }
        QCOMPARE(sizes.mid(1), (QList<qreal>{1, 0, -1, -1}));
        QVERIFY(!window.isVisible());

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
