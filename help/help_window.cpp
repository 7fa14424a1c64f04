#include "help/help_window.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTextDocument>
#include <QToolBar>
#include <filesystem>

namespace pantrix {
namespace {

namespace fs = std::filesystem;

const QString kDefaultTitle = QStringLiteral("Pantrix! Help");
const QString kEntryPage = QStringLiteral("help.htm");

QString NoticePage(const QString& heading, const QString& body)
{
    return QStringLiteral("<html><head><title>%1</title></head><body><h2>%1</h2>%2</body></html>")
        .arg(heading.toHtmlEscaped(), body);
}

QString WhereHelpLives()
{
    return QStringLiteral("<p>Pantrix! keeps its help pages in the folder px_help of its data "
                          "folder, normally <tt>~/.local/share/pantrix/px_help</tt>. Starting "
                          "Pantrix! puts back any help page that is missing there.</p>");
}

QString MissingPage(const QString& path)
{
    return NoticePage(QStringLiteral("Help page not found"),
                      QStringLiteral("<p>There is no help page at</p><p><tt>%1</tt></p>")
                              .arg(path.toHtmlEscaped()) +
                          WhereHelpLives());
}

QString UnreadablePage(const QString& path, const QString& reason)
{
    return NoticePage(QStringLiteral("Help page not readable"),
                      QStringLiteral("<p>The help page</p><p><tt>%1</tt></p><p>could not be "
                                     "read: %2.</p>")
                          .arg(path.toHtmlEscaped(), reason.toHtmlEscaped()));
}

QString NoPageGiven()
{
    return NoticePage(QStringLiteral("No help page"),
                      QStringLiteral("<p>No help page was named, and none is installed beside "
                                     "this program or in the default data folder.</p>") +
                          WhereHelpLives());
}

bool OpensInBrowser(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
           scheme == QLatin1String("mailto") || scheme == QLatin1String("ftp");
}

QUrl WithoutAnchor(QUrl url)
{
    url.setFragment(QString());
    return url;
}

// A toolbar's buttons are passed over by Tab unless told; the link buttons have
// no key of their own, so Tab must reach them.
void ReachByTab(QWidget* button, const QString& caption)
{
    button->setObjectName(caption);
    button->setAccessibleName(caption);
    button->setFocusPolicy(Qt::TabFocus);
}

QSize FittedToScreen(QSize wanted)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen)
        wanted = wanted.boundedTo(screen->availableGeometry().size());
    return wanted.expandedTo(QSize(240, 200));
}

} // namespace

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent)
{
    setObjectName(QStringLiteral("HelpPage"));
    // The window decides where a link goes: help pages here, web addresses in
    // the user's browser.
    setOpenLinks(false);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name)
{
    if (type != QTextDocument::HtmlResource)
        return QTextBrowser::loadResource(type, name);
    const QString file = name.isLocalFile() ? name.toLocalFile() : name.path();
    const QFileInfo info(file);
    if (file.isEmpty() || !info.isFile())
        return MissingPage(file.isEmpty() ? name.toDisplayString() : info.absoluteFilePath());
    QFile page(file);
    if (!page.open(QIODevice::ReadOnly))
        return UnreadablePage(info.absoluteFilePath(), page.errorString());
    // Handed over as bytes, so the page's own charset line decides how its text
    // is read.
    return page.readAll();
}

HelpWindow::HelpWindow(const HelpArguments& arguments, const QUrl& startPage)
    : m_browser(new HelpBrowser(this)), m_fixedTitle(arguments.Title), m_home(startPage)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setCentralWidget(m_browser);
    const QString entry = startPage.isEmpty() ? QString()
                          : startPage.isRelative()
                              ? kEntryPage
                              : QFileInfo(startPage.toLocalFile()).dir().filePath(kEntryPage);
    const bool hasEntryPage = QFileInfo(entry).isFile();
    m_contents = hasEntryPage ? (startPage.isRelative() ? QUrl(entry) : QUrl::fromLocalFile(entry))
                              : WithoutAnchor(startPage);

    AddNavigation();
    AddLinks(arguments.Links);
    statusBar()->setObjectName(QStringLiteral("LinkAddress"));
    statusBar()->setAccessibleName(QStringLiteral("Link address"));

    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpWindow::OpenLink);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::ShowPageTitle);
    connect(m_browser, &QTextBrowser::sourceChanged, statusBar(), &QStatusBar::clearMessage);
    connect(m_browser, &QTextBrowser::highlighted, this, [this](const QUrl& link) {
        if (link.isEmpty())
            statusBar()->clearMessage();
        else
            statusBar()->showMessage(link.toDisplayString());
    });

    if (startPage.isEmpty())
        m_browser->setHtml(NoPageGiven());
    else
        m_browser->setSource(startPage);
    ShowPageTitle();
    resize(FittedToScreen(arguments.Size));
}

void HelpWindow::AddNavigation()
{
    QToolBar* bar = addToolBar(QStringLiteral("Navigation"));
    bar->setObjectName(QStringLiteral("Navigation"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    const auto add = [this, bar](const char* name, const QString& caption,
                                 QStyle::StandardPixmap icon, const QList<QKeySequence>& keys,
                                 const QString& tip) {
        QAction* action = bar->addAction(style()->standardIcon(icon), caption);
        action->setObjectName(QLatin1String(name));
        action->setShortcuts(keys);
        action->setToolTip(tip + QStringLiteral(" (") +
                           keys.front().toString(QKeySequence::NativeText) + QLatin1Char(')'));
        ReachByTab(bar->widgetForAction(action), caption);
        return action;
    };
    QAction* back = add("Back", QStringLiteral("Back"), QStyle::SP_ArrowBack,
                        QKeySequence::keyBindings(QKeySequence::Back),
                        QStringLiteral("Go back to the page you saw before"));
    QAction* forward =
        add("Forward", QStringLiteral("Forward"), QStyle::SP_ArrowForward,
            QKeySequence::keyBindings(QKeySequence::Forward), QStringLiteral("Go forward again"));
    QAction* home = add("Home", QStringLiteral("Home"), QStyle::SP_DirHomeIcon,
                        {QKeySequence(Qt::ALT | Qt::Key_Home)},
                        QStringLiteral("Go to the page this window opened with"));
    QAction* contents =
        add("Contents", QStringLiteral("Contents"), QStyle::SP_FileDialogListView,
            {QKeySequence(Qt::Key_F1)}, QStringLiteral("Go to the list of all help topics"));
    back->setEnabled(false);
    forward->setEnabled(false);
    home->setEnabled(!m_home.isEmpty());
    contents->setEnabled(!m_contents.isEmpty());
    connect(back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(home, &QAction::triggered, this, &HelpWindow::GoHome);
    connect(contents, &QAction::triggered, this, &HelpWindow::GoToContents);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    // Keys without buttons: close, and text size for those who read large print.
    QAction* close = new QAction(QStringLiteral("Close"), this);
    close->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(QKeySequence::Close)});
    connect(close, &QAction::triggered, this, &QWidget::close);
    QAction* larger = new QAction(QStringLiteral("Larger Text"), this);
    larger->setShortcuts(
        {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(larger, &QAction::triggered, m_browser, [this] { m_browser->zoomIn(1); });
    QAction* smaller = new QAction(QStringLiteral("Smaller Text"), this);
    smaller->setShortcuts(QKeySequence::ZoomOut);
    connect(smaller, &QAction::triggered, m_browser, [this] { m_browser->zoomOut(1); });
    addActions({close, larger, smaller});
}

void HelpWindow::AddLinks(const std::vector<WebLink>& links)
{
    if (links.empty())
        return;
    QToolBar* bar = findChild<QToolBar*>(QStringLiteral("Navigation"));
    bar->addSeparator();
    for (const WebLink& link : links) {
        QAction* action = bar->addAction(link.Caption);
        action->setObjectName(QStringLiteral("WebLink"));
        action->setToolTip(
            QStringLiteral("Open %1 in your web browser").arg(link.Address.toDisplayString()));
        ReachByTab(bar->widgetForAction(action), link.Caption);
        const QUrl address = link.Address;
        connect(action, &QAction::triggered, this, [this, address] { OpenInBrowser(address); });
    }
}

void HelpWindow::OpenLink(const QUrl& url)
{
    if (OpensInBrowser(url))
        OpenInBrowser(url);
    else
        m_browser->setSource(url);
}

void HelpWindow::OpenInBrowser(const QUrl& url)
{
    if (!QDesktopServices::openUrl(url))
        QMessageBox::warning(
            this, QStringLiteral("Browser Not Found"),
            QStringLiteral("Could not find your Browser to open\n%1").arg(url.toDisplayString()));
}

void HelpWindow::GoHome()
{
    m_browser->setSource(m_home);
}

void HelpWindow::GoToContents()
{
    m_browser->setSource(m_contents);
}

void HelpWindow::ShowPageTitle()
{
    const QString pageTitle = m_browser->documentTitle().trimmed();
    m_browser->setAccessibleName(pageTitle.isEmpty() ? QStringLiteral("Help page") : pageTitle);
    if (!m_fixedTitle.isEmpty())
        setWindowTitle(m_fixedTitle);
    else
        setWindowTitle(pageTitle.isEmpty() ? kDefaultTitle : pageTitle);
}

QUrl EnterPageFolder(const QByteArray& page, const QString& anchor)
{
    if (page.isEmpty())
        return {};
    const fs::path file(page.toStdString());
    std::error_code failed;
    if (file.has_parent_path())
        fs::current_path(file.parent_path(), failed);
    QUrl url;
    if (failed || !file.has_filename())
        url = QUrl::fromLocalFile(QDir::current().absoluteFilePath(QFile::decodeName(page)));
    else
        url.setPath(QFile::decodeName(QByteArray::fromStdString(file.filename().string())));
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    return url;
}

} // namespace pantrix
