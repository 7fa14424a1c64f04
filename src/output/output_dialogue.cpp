#include "output/output_dialogue.h"

#include "platform/ui.h"

namespace pantrix {

void ShowPrinterError(Ui& ui)
{
    ui.ShowMessage({"Printer not responding!", "Printer error...", MessageIcon::Exclamation,
                    MessageButtons::Ok, MessageAnswer::Ok});
}

bool ConfirmClipboardCopy(Ui& ui, const std::string& name, std::string title)
{
    return Confirmed(ui, {"Copy " + name + " to the Windows Clipboard?", std::move(title),
                          MessageIcon::Question, MessageButtons::YesNo, MessageAnswer::Yes});
}

} // namespace pantrix
