// The help viewer's window: a help page with Back, Forward, Home and Contents,
// and buttons that open the Pantrix! website in the user's web browser.
#pragma once

#include "help/help_arguments.h"

#include <QMainWindow>
#include <QTextBrowser>

namespace pantrix {

// Shows help pages, and a page of its own that says so when one is missing or
// cannot be read, instead of an empty window.
class HelpBrowser final : public QTextBrowser
{
    Q_OBJECT

public:
    explicit HelpBrowser(QWidget* parent);

    QVariant loadResource(int type, const QUrl& name) override;
};

class HelpWindow final : public QMainWindow
{
    Q_OBJECT

public:
    // `startPage` is the page to show first, with its anchor; empty when there
    // is no help page to show at all.
    HelpWindow(const HelpArguments& arguments, const QUrl& startPage);

    HelpBrowser* Browser() const { return m_browser; }

private:
    void AddNavigation();
    void AddLinks(const std::vector<WebLink>& links);
    void OpenLink(const QUrl& url);
    void OpenInBrowser(const QUrl& url);
    void GoHome();
    void GoToContents();
    void ShowPageTitle();

    HelpBrowser* m_browser;
    QString m_fixedTitle;
    QUrl m_home;
    QUrl m_contents;
};

// Makes the page's folder the working folder and returns the page relative to
// it, with the anchor. Qt names files by text, which cannot carry every byte a
// folder name may have; relative names keep the folder's bytes out of Qt, and
// the pages a help page links to are found beside it the same way.
QUrl EnterPageFolder(const QByteArray& page, const QString& anchor);

} // namespace pantrix
