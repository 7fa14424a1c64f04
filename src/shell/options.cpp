#include "shell/options.h"

#include "platform/ui.h"
#include "settings/settings_file.h"
#include "text/number.h"

namespace pantrix {
namespace {

void RereadingToggle(MainScreenState& s, Ui& ui, bool& check, std::string SettingsRecord::*flag)
{
    check = !check;
    if (Status written = RereadAndWriteFlag(s.DataFile(kSettingsFileName), s.Settings, flag, check);
        !written)
        ShowFailure(ui, written);
}

void WholeRecordToggle(MainScreenState& s, Ui& ui, bool& check, std::string SettingsRecord::*flag)
{
    check = !check;
    s.Settings.*flag = FlagText(check);
    SaveConfig(s, ui);
}

} // namespace

Status StoreSettings(MainScreenState& s)
{
    s.Settings.WindowTop = NumberText(s.Window.Top);
    s.Settings.WindowLeft = NumberText(s.Window.Left);
    s.Settings.WindowHeight = NumberText(s.Window.Height);
    s.Settings.WindowWidth = NumberText(s.Window.Width);
    return WriteSettingsFile(s.DataFile(kSettingsFileName), s.Settings);
}

void SaveConfig(MainScreenState& s, Ui& ui)
{
    if (Status written = StoreSettings(s); !written)
        ShowFailure(ui, written);
}

void ToggleToolTips(MainScreenState& s, Ui& ui)
{
    RereadingToggle(s, ui, s.Options.ToolTips, &SettingsRecord::ToolTips);
    if (!s.Options.ToolTips) {
        s.ToolTipsCleared = true;
        return;
    }
    ui.ShowMessage(Information("The Tool Tips will reappear the next time you start the program.",
                               "Tool Tips On"));
}

void ToggleLargePrint(MainScreenState& s, Ui& ui)
{
    RereadingToggle(s, ui, s.Options.LargePrint, &SettingsRecord::LargePrint);
}

void TogglePrintTwoColumns(MainScreenState& s, Ui& ui)
{
    RereadingToggle(s, ui, s.Options.PrintTwoColumns, &SettingsRecord::PrintTwoColumns);
}

void ToggleBoldFonts(MainScreenState& s, Ui& ui)
{
    WholeRecordToggle(s, ui, s.Options.BoldFonts, &SettingsRecord::BoldFonts);
}

void ToggleShowToolbar(MainScreenState& s, Ui& ui)
{
    WholeRecordToggle(s, ui, s.Options.ShowToolbar, &SettingsRecord::ShowToolbar);
}

} // namespace pantrix
