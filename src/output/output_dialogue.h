// The messages and questions the print and copy commands share.
#pragma once

#include <string>

namespace pantrix {

class Ui;

// A printer that failed part way through a job.
void ShowPrinterError(Ui& ui);

// "Copy <name> to the Windows Clipboard?", Yes the default; true on Yes.
bool ConfirmClipboardCopy(Ui& ui, const std::string& name, std::string title);

} // namespace pantrix
