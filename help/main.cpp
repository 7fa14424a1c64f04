// pantrix-help: shows the Pantrix! help pages. Pantrix! starts it from Help,
// Contents (F1) and from the page style window, with eight arguments.
#include "app/program_icon.h"
#include "help/help_arguments.h"
#include "help/help_window.h"

#include <QApplication>
#include <cstdio>
#include <cstring>

using namespace pantrix;

int main(int argc, char* argv[])
{
    // Answered before Qt starts, so they work without a display.
    if (argc > 1 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(HelpUsageText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (argc > 1 && (std::strcmp(argv[1], "--version") == 0 || std::strcmp(argv[1], "-v") == 0)) {
        std::fputs("pantrix-help " PANTRIX_VERSION "\n", stdout);
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pantrix-help"));
    UseProgramIcon();

    // Read after Qt has taken its own options out, as the bytes that were given.
    const std::vector<QByteArray> given(argv + 1, argv + argc);
    const HelpArguments arguments = ParseHelpArguments(given, DefaultHelpPage());
    HelpWindow window(arguments, EnterPageFolder(arguments.Page, arguments.Anchor));
    window.show();
    return app.exec();
}
