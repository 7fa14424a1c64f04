#include "platform/ui.h"

namespace pantrix {

void ShowFailure(Ui& ui, const Status& failure)
{
    ui.ShowMessage({failure.error(), std::string(kApplicationTitle), MessageIcon::Exclamation,
                    MessageButtons::Ok, MessageAnswer::Ok});
}

Message Information(std::string text, std::string title)
{
    return {std::move(text), std::move(title), MessageIcon::Information, MessageButtons::Ok,
            MessageAnswer::Ok};
}

Message Question(std::string text, std::string title)
{
    return {std::move(text), std::move(title), MessageIcon::Question, MessageButtons::YesNo,
            MessageAnswer::No};
}

bool Confirmed(Ui& ui, const Message& question)
{
    return ui.ShowMessage(question) == MessageAnswer::Yes;
}

} // namespace pantrix
