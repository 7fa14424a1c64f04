#include "platform/ui.h"

namespace pantrix {

void ShowFailure(Ui& ui, const Status& failure)
{
    ui.ShowMessage({failure.error(), std::string(kApplicationTitle), MessageIcon::Exclamation, MessageButtons::Ok,
                    MessageAnswer::Ok});
}

} // namespace pantrix
