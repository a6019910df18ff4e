// Message boxes and questions through the dialogs seam.
#include "core/messageboxes.h"

#include "platform/platform.h"

namespace bw {

void tell(const QString& text, const QString& title, Dialogs::Icon icon)
{
    Dialogs::Message box;
    box.text = text;
    box.title = title;
    box.buttons = Dialogs::Buttons::Ok;
    box.icon = icon;
    platform().dialogs->message(box);
}

Dialogs::Answer ask(const QString& text, Dialogs::Answer defaultButton, const QString& title,
                    Dialogs::Icon icon)
{
    Dialogs::Message box;
    box.text = text;
    box.title = title;
    box.buttons = Dialogs::Buttons::YesNo;
    box.icon = icon;
    box.defaultButton = defaultButton;
    return platform().dialogs->message(box);
}

} // namespace bw
