// The Help menu: the help viewer, the about message and the two web sites.
#pragma once

#include <string>
#include <string_view>

namespace pantrix {

class Ui;
struct MainScreenState;

inline constexpr std::string_view kHelpViewerName = "pantrix-help";

// "Contents": the help viewer installed beside the program shows the help pages
// of the data folder. Whether it started is not reported.
void ShowHelpContents(MainScreenState& s, Ui& ui);
// The same at one topic of the help pages ("Making Web Pages").
void ShowHelpTopic(MainScreenState& s, Ui& ui, std::string_view anchor);

// The help viewer's command line: eight double-quoted arguments.
std::string HelpViewerArguments(const MainScreenState& s, std::string_view anchor);

void ShowAbout(MainScreenState& s, Ui& ui);
void VisitMakerWebsite(MainScreenState& s, Ui& ui);
// Opens the host's site once the user has made sure he is online.
void VisitHostWebsite(MainScreenState& s, Ui& ui);

} // namespace pantrix
