#include "help/help_arguments.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <filesystem>

namespace pantrix {
namespace {

namespace fs = std::filesystem;

// Paths are looked up by their bytes: a folder name that is not valid text in
// the user's locale still names the folder.
bool IsFile(const QByteArray& path)
{
    std::error_code ignored;
    return !path.isEmpty() && fs::is_regular_file(fs::path(path.toStdString()), ignored);
}

bool IsNone(const QByteArray& argument)
{
    return argument.isEmpty() || argument == "-";
}

QByteArray ArgumentAt(const std::vector<QByteArray>& arguments, std::size_t index)
{
    return index < arguments.size() ? arguments[index] : QByteArray();
}

QString TextOf(const QByteArray& argument)
{
    return IsNone(argument) ? QString() : QString::fromLocal8Bit(argument);
}

int PixelsOr(const QByteArray& argument, int fallback)
{
    bool ok = false;
    const int pixels = argument.trimmed().toInt(&ok);
    return ok && pixels > 0 ? pixels : fallback;
}

// A file name may itself hold a "#", so the whole argument is taken as the page
// when such a file exists; otherwise the text after the last "#" is the anchor.
void ReadPage(const QByteArray& argument, const QByteArray& defaultPage, HelpArguments& out)
{
    out.Page = IsNone(argument) ? defaultPage : argument;
    if (IsNone(argument) || IsFile(argument))
        return;
    const qsizetype hash = argument.lastIndexOf('#');
    if (hash < 0)
        return;
    const QByteArray page = argument.left(hash);
    out.Page = page.isEmpty() ? defaultPage : page;
    out.Anchor = QUrl::fromPercentEncoding(argument.mid(hash + 1));
}

void ReadLink(const QByteArray& caption, const QByteArray& address, HelpArguments& out)
{
    if (IsNone(address))
        return;
    const QUrl url = QUrl::fromUserInput(QString::fromLocal8Bit(address).trimmed());
    if (!url.isValid())
        return;
    const QString shown = TextOf(caption).trimmed();
    out.Links.push_back({shown.isEmpty() ? QStringLiteral("Website") : shown, url});
}

} // namespace

HelpArguments ParseHelpArguments(const std::vector<QByteArray>& arguments,
                                 const QByteArray& defaultPage)
{
    HelpArguments out;
    out.Title = TextOf(ArgumentAt(arguments, 0)).trimmed();
    ReadPage(ArgumentAt(arguments, 1), defaultPage, out);
    ReadLink(ArgumentAt(arguments, 2), ArgumentAt(arguments, 3), out);
    ReadLink(ArgumentAt(arguments, 4), ArgumentAt(arguments, 5), out);
    out.Size = QSize(PixelsOr(ArgumentAt(arguments, 6), kDefaultWidth),
                     PixelsOr(ArgumentAt(arguments, 7), kDefaultHeight));
    return out;
}

QByteArray DefaultHelpPage()
{
    // The installed copy comes first: the data folder keeps the pages of the
    // version that first filled it.
    const fs::path installed =
        fs::path(QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString()) / ".." /
        "share" / "pantrix" / "px_help" / "help.htm";
    const fs::path dataFolder =
        fs::path(
            QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
                .toStdString()) /
        "pantrix" / "px_help" / "help.htm";
    for (const fs::path& page : {installed, dataFolder}) {
        const QByteArray bytes = QByteArray::fromStdString(page.lexically_normal().string());
        if (IsFile(bytes))
            return bytes;
    }
    return {};
}

QString HelpUsageText()
{
    return QStringLiteral(
        "Usage: pantrix-help [TITLE PAGE[#ANCHOR] CAPTION ADDRESS CAPTION2 ADDRESS2 WIDTH HEIGHT]\n"
        "\n"
        "Shows a page of the Pantrix! help. Pantrix! starts it with eight arguments:\n"
        "  TITLE              the window title (\"-\": the page's own title)\n"
        "  PAGE[#ANCHOR]      the help page, and the place in it to show\n"
        "  CAPTION ADDRESS    a button that opens ADDRESS in the web browser\n"
        "  CAPTION2 ADDRESS2  a second such button\n"
        "  WIDTH HEIGHT       the window size in pixels (550 by 640 unless given)\n"
        "\n"
        "Give \"-\" for an argument that is not wanted; missing arguments take their\n"
        "defaults, and without a page the installed help.htm is shown.\n"
        "\n"
        "  -h, --help     show this text and end\n"
        "  -v, --version  show the version and end\n");
}

} // namespace pantrix
