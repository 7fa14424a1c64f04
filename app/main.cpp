// Pantrix: shopping lists and recipes. Finds the data folder, builds the desktop
// side and the main window, and runs.
#include "app/main_screen.h"
#include "app/program_icon.h"
#include "app/program_info.h"
#include "app/qt_ui.h"
#include "app/session_end.h"
#include "app/window_call.h"
#include "shell/command_line.h"
#include "shell/data_folder.h"
#include "shell/instance_lock.h"
#include "shell/start_up.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

using namespace pantrix;

namespace {

struct Arguments
{
    fs::path DataFolder;
    QString PrintFile; // empty: print to the default printer
};

// The parser checks the line, but the folder is taken from the raw arguments: Qt
// would replace bytes that are not UTF-8 and name another folder. Pantrix answers
// --help itself before Qt starts, so the options need no descriptions here.
Arguments ParseArguments(const QApplication& app, const std::optional<std::string>& dataFolder)
{
    QCommandLineParser parser;
    const QCommandLineOption dataDir(QStringLiteral("data-dir"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption printFile(QStringLiteral("print-to-pdf"), QString(),
                                       QStringLiteral("FILE"));
    parser.addOptions({dataDir, printFile});
    parser.process(app);
    if (dataFolder && dataFolder->empty()) {
        std::fputs("pantrix: --data-dir needs the name of a folder.\n", stderr);
        std::exit(2);
    }
    const fs::path folder =
        dataFolder ? fs::path(*dataFolder)
                   : fs::path(QFile::encodeName(
                                  QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                                  .toStdString());
    std::error_code ignored; // a folder that cannot be made absolute is used as given
    fs::path absolute = fs::absolute(folder, ignored);
    return {(absolute.empty() ? folder : absolute).lexically_normal(), parser.value(printFile)};
}

// The installed files lie in share/pantrix beside the program's bin folder.
fs::path ResourceFolder()
{
    return fs::path(QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString()) /
           ".." / "share" / "pantrix";
}

// Answered before Qt starts, so they need no display.
bool AnswerInfoRequest(int argc, const char* const* argv)
{
    switch (RequestedInfo(argc, argv)) {
    case InfoRequest::Help: std::fputs(UsageText().c_str(), stdout); return true;
    case InfoRequest::Version: std::fputs(VersionText().c_str(), stdout); return true;
    case InfoRequest::None: break;
    }
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    if (AnswerInfoRequest(argc, argv))
        return 0;
    // Read before Qt takes its own options out of the line.
    const std::optional<std::string> dataFolder = DataDirArgument(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pantrix"));
    // Listening from the first moment, so that a request to stop while the data
    // folder is prepared ends the program in good order once its window is there.
    SessionEnd sessionEnd;
    UseProgramIcon();
    const Arguments arguments = ParseArguments(app, dataFolder);
    const fs::path& folder = arguments.DataFolder;

    QtUi ui;
    ui.SetPrintFile(arguments.PrintFile);
    const auto endUnchanged = [&ui](const std::string& error) {
        ui.ShowMessage({error + "\r\n\r\nPantrix! ends without changing anything.",
                        std::string(kApplicationTitle), MessageIcon::Critical, MessageButtons::Ok,
                        MessageAnswer::Ok});
        return 1;
    };
    if (Status ready = PrepareDataFolder(folder); !ready)
        return endUnchanged(ready.error());
    // Held to the end, and taken before anything in the folder is written: a
    // second Pantrix on the same folder ends here, with the first one's window
    // brought to the front.
    const Result<InstanceLock> lock = InstanceLock::Take(folder);
    if (!lock)
        return lock.status().number() == EWOULDBLOCK && CallRunningWindow(folder)
                   ? 0
                   : endUnchanged(lock.error());
    // What a crash left half done is put back before anything reads the folder:
    // a catalogue delivered only in part would otherwise stop its delivery for good.
    RemoveStaleTwins(folder);
    for (const Status& delivered : {InstallDataFiles(ResourceFolder(), folder),
                                    DeliverStarterCatalogue(ResourceFolder(), folder)})
        if (!delivered)
            ShowFailure(ui, delivered);

    MainScreenState state;
    SetDataFolder(state, folder);
    state.ProgramFolder = QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    MainScreen window(state, ui);
    ui.SetParent(&window);
    const WindowCallAnswer calls(folder, &window);
    QObject::connect(&sessionEnd, &SessionEnd::Requested, &window, &MainScreen::EndSession);
    if (sessionEnd.WasRequested())
        window.EndSession();
    window.StartUp();
    return QApplication::exec();
}
