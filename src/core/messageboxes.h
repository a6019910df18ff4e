// The program's message boxes and questions, filled in one place.
#pragma once

#include "core/mainmodule.h"
#include "platform/dialogs.h"

#include <QString>

namespace bw {

// A box with an OK button, titled with the program's title unless told otherwise.
void tell(const QString& text, const QString& title = applicationTitle(),
          Dialogs::Icon icon = Dialogs::Icon::None);

// A Yes/No question; `defaultButton` is what Enter answers.
Dialogs::Answer ask(const QString& text, Dialogs::Answer defaultButton,
                    const QString& title = applicationTitle(),
                    Dialogs::Icon icon = Dialogs::Icon::None);

} // namespace bw
