// What the help viewer is asked to show: the command line of eight arguments
// that Pantrix! starts it with, read into the page, its anchor, the website
// links and the window size. Any argument may be "-" (none) or missing.
#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QUrl>
#include <vector>

namespace pantrix {

struct WebLink
{
    QString Caption;
    QUrl Address;
};

struct HelpArguments
{
    QString Title;   // empty: the page's own title
    QByteArray Page; // the page file as the file system names it, without the anchor
    QString Anchor;  // empty: the top of the page
    std::vector<WebLink> Links;
    QSize Size;
};

inline constexpr int kDefaultWidth = 550;
inline constexpr int kDefaultHeight = 640;

// The arguments after the program name, in order: window title, page with an
// optional "#anchor", link caption, link address, a second caption and address,
// width and height in pixels. `defaultPage` stands in for a missing page.
HelpArguments ParseHelpArguments(const std::vector<QByteArray>& arguments,
                                 const QByteArray& defaultPage);

// The entry page of the help as installed beside the program, else in the
// default data folder; empty when neither is there.
QByteArray DefaultHelpPage();

// What `pantrix-help --help` prints.
QString HelpUsageText();

} // namespace pantrix
